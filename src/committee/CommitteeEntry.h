#pragma once

#include "data/DataSource.h"

#include <QString>
#include <QStringList>

class CommitteeSetup;
class Recordset;

// What the committee entry window does with its figures that is not widget work: the
// party list, loading the parties that hold council seats into the setup, and the
// report heading from the settings.
class CommitteeEntry
{
public:
    // The parties, most council seats first; written back through the entry window.
    static DataSource partyQuery()
    {
        return DataSource::table(
            QStringLiteral("Partier"),
            {QStringLiteral("PartiID"), QStringLiteral("PartiValRes"), QStringLiteral("PartiNamn")},
            QStringLiteral("PartiValRes DESC"));
    }

    // The heading for the report from the stored heading "för <heading>": the words after
    // the first "för ", trimmed; the placeholder "Rubrik" gives " ".
    static QString HamtaRubrik(const QString& forHeader);

    enum LoadResult { Loaded, TooMany, TooFew };
    // Loads the parties with more than 0 council seats, in the list's order, into slots
    // 1, 2, ... of the setup and sets AntPartier. Too many or too few leave AntPartier as
    // it was, and `message` gets the text the caller shows (information icon).
    static LoadResult loadParties(const Recordset& parties, CommitteeSetup& setup,
                                  QString* message);

    // The cooperation marks kept with the election are pairs of party codes ("S+V"), so
    // they hold whatever order the parties load in. Marks the setup's parties (slots 1 to
    // AntPartier) from them, every other pair unmarked.
    static void applyMarks(CommitteeSetup& setup, const QStringList& pairs);
    // The setup's marked pairs as codes.
    static QStringList markedPairs(CommitteeSetup& setup);
};
