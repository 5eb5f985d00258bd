#pragma once

#include "cli/CalcOptions.h"
#include "cli/PartyTable.h"
#include "council/CouncilRules.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class MessageService;
class QTextStream;
class RostBer;

// valsit-calc council: the council engine on a party file and, optionally, the votes
// per district.
class CouncilCalc
{
public:
    CouncilCalc(const CalcOptions& options, MessageService& messages);

    // Reads and checks the input files. Throws CalcError.
    void load();
    // Sets the engine up from what load() read.
    void prepare(RostBer& engine) const;
    // Runs the calculation in the standard calling order (the engine must be prepared).
    void calculate(RostBer& engine) const;
    void writeJson(const RostBer& engine, QTextStream& out) const;
    // Loads, calculates and writes the result.
    void run(QTextStream& out);
    // Which rules an imported election got by its day, when none were given; else empty.
    const QString& rulesNote() const { return m_rulesNote; }

private:
    struct District
    {
        QString name;
        QVector<qint32> votes; // by slot, 1-based (slot 0 unused)
    };

    void loadDistricts();
    void loadImport();

    const CalcOptions& m_options;
    MessageService& m_messages;
    PartyTable m_parties;
    QVector<District> m_districts;
    int m_seats = 0;
    CouncilRules m_rules; // as given, or the imported election's own
    QString m_countNote;
    QString m_rulesNote;            // an imported count not yet complete says so
    QMap<QString, int> m_published; // by party code, from an imported file
};
