#pragma once

#include "data/DataSource.h"

#include <QString>
#include <QStringList>

class MessageService;
class Recordset;
class ValsitBer;

// What the committee entry window does with its figures that is not widget work: the
// party list, loading the parties that hold council seats into the engine, and the
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

    // The heading for the engine from the stored heading "för <heading>": the words after
    // the first "för ", trimmed; the placeholder "Rubrik" gives " ".
    static QString HamtaRubrik(const QString& forHeader);

    enum LoadResult { Loaded, TooMany, TooFew };
    // Loads the parties with more than 0 council seats, in the list's order, into slots
    // 1, 2, ... of the engine and sets AntPartier. Too many or too few are said in a
    // message (information icon, `title`) and AntPartier is left as it was.
    static LoadResult loadParties(const Recordset& parties, ValsitBer& engine,
                                  MessageService& messages, const QString& title);

    // The cooperation marks kept with the election are pairs of party codes ("S+V"), so
    // they hold whatever order the parties load in. Marks the engine's parties (slots 1 to
    // AntPartier) from them, every other pair unmarked.
    static void applyMarks(ValsitBer& engine, const QStringList& pairs);
    // The engine's marked pairs as codes.
    static QStringList markedPairs(ValsitBer& engine);
};
