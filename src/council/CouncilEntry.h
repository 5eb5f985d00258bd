#pragma once

#include "data/DataSource.h"

#include <QString>
#include <QStringList>

class CouncilSetup;
class Recordset;

// What the council vote entry does with its figures that is not widget work: the report
// heading from the settings, loading the parties of the party list into the engine, and
// storing the engine's seats back into the election database.
class CouncilEntry
{
public:
    // The party list of the entry window, largest first.
    static DataSource partyQuery()
    {
        return DataSource::table(QStringLiteral("Partier"),
                                 {QStringLiteral("PartiID"), QStringLiteral("Roster"),
                                  QStringLiteral("PartiNamn"), QStringLiteral("PartiValRes")},
                                 QStringLiteral("Roster DESC"));
    }
    static DataSource
    districtQuery(const QString& orderBy = QStringLiteral("DistrNr, DistrNamn ASC"))
    {
        return DataSource::table(
            QStringLiteral("Distrikt"),
            {QStringLiteral("DistrID"), QStringLiteral("DistrNr"), QStringLiteral("DistrNamn")},
            orderBy);
    }

    // The heading for the report from the stored heading "för <heading>": the words
    // after the first "för ", trimmed; the placeholder "Rubrik" gives " ".
    static QString HamtaRubrik(const QString& forHeader);

    enum LoadResult { Loaded, TooMany, TooFew };
    // Loads the parties of the list (in its order) into slots 1, 2, ... of the setup:
    // with onlyVoted, only those with more than 0 votes. Too many parties stop the
    // loading at the setup's maximum, and `message` gets the text naming that maximum;
    // too few leave AntPartier as it was (and `message` says so). The caller shows it. `count` gets
    // the number of parties found. The seats of an earlier calculation are cleared, since the slots
    // now name other parties.
    static LoadResult loadParties(Recordset& parties, CouncilSetup& setup, bool onlyVoted,
                                  QString* message, int* count = nullptr);
};
