#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

// A municipal council election as Valmyndigheten publishes it, read from one of its
// result files: what the council calculation needs (the parties' votes per district, the
// districts' constituencies, the seats to share) and the seats as published, to set beside
// the calculated ones.
struct ResultFile
{
    // Whether Valmyndigheten's signature was checked. A signature that does not match its
    // file never gets this far: the file is refused.
    enum class Signature {
        None,       // no signature (a loose JSON file, the XML of 2010-2018)
        Verified,   // every file signed with a certificate the program ships
        UnknownKey, // signed with a key the program does not know (2022): not checked
    };

    struct Party
    {
        QString code;
        QString name;
        qint64 votes = 0;
        // As published for the whole municipality; -1 where the file gives none.
        int seats = -1;
        int adjustmentSeats = 0;
        // The file gives no abbreviation: the code is made from the name.
        bool codeFromName = false;
    };
    struct Constituency
    {
        QString code;
        QString name;
        int fixedSeats = 0;
        // Published per party code: all seats won here, and how many of them are
        // adjustment seats. Empty where the file gives none.
        QMap<QString, int> seats;
        QMap<QString, int> adjustmentSeats;
    };
    struct District
    {
        QString code;
        QString name;
        QString constituency;        // its constituency's code
        bool collection = false;     // a collection district ("uppsamlingsdistrikt")
        QMap<QString, qint64> votes; // by party code
        qint64 others = 0;
    };

    QString municipalityCode;
    QString municipalityName;
    QDate electionDate;
    bool finalCount = true;
    Signature signature = Signature::None;
    // Voting and collection districts: counted so far, and all of the count. A preliminary
    // count on election night may hold only some; `districts` are the counted ones.
    int countedDistricts = 0;
    int allDistricts = 0;
    int seats = 0;
    // The threshold in percent when the file names it; negative when it does not.
    double thresholdPercent = -1;
    // The parties in the file's order; small registered parties are parties of their own.
    QList<Party> parties;
    // Valid votes of no party that can be told apart (written by hand; in a preliminary
    // count, the parties not reported one by one): they count among all valid votes but
    // take no seat.
    qint64 others = 0;
    // Only a municipality divided into constituencies lists them.
    QList<Constituency> constituencies;
    QList<District> districts;

    qint64 validVotes() const
    {
        qint64 sum = others;
        for (const Party& p : parties)
            sum += p.votes;
        return sum;
    }
    bool complete() const { return countedDistricts >= allDistricts; }
    bool hasPublishedSeats() const
    {
        for (const Party& p : parties)
            if (p.seats >= 0)
                return true;
        return false;
    }
};
