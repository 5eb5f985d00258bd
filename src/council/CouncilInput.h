#pragma once

#include "seats/ReportChoices.h"
#include "seats/SeatLot.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>
#include <QtGlobal>

// Everything a council calculation depends on, as one value: the parties with their
// votes, the districts' votes (for the report), the seats, the rules, the lots, the
// heading and the report choices. RostBer computes a SeatResult from it and nothing else.
struct CouncilInput
{
    struct Party
    {
        QString code;
        QString name;
        qint32 votes = 0;
    };
    struct District
    {
        QString name;
        QVector<qint32> votes; // per party, in the order of `parties`
    };

    // The party code of the line of valid votes that belong to no party (written by hand,
    // or parties a preliminary count does not report one by one): it counts among all
    // votes, so in the threshold, but takes no seat.
    static inline const QString OthersCode = QStringLiteral("ÖVR");
    static bool isOthersLine(const QString& code)
    {
        return code.compare(OthersCode, Qt::CaseInsensitive) == 0;
    }

    QVector<Party> parties;
    int seats = 0;
    int firstDivisorTenths = 14; // 14 or 12
    int thresholdHundredths = 0; // share of all votes, in hundredths of a percent
    QString heading;
    ReportChoices report;
    bool showDistricts = false; // the report lists the votes of every district
    QVector<District> districts;
    QVector<SeatLot> lots;
    QMap<QString, int> publishedSeats; // Valmyndigheten's, by code; empty: no comparison

    // SHA-256 (hex) over every field above in a fixed form.
    QByteArray fingerprint() const;
};
