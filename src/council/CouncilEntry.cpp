#include "council/CouncilEntry.h"

#include "council/CouncilSetup.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "data/Recordset.h"

QString CouncilEntry::HamtaRubrik(const QString& forHeader)
{
    QString h = forHeader.trimmed();
    const int at = h.indexOf(QStringLiteral("för "));
    if (at >= 0)
        h = h.mid(at + 4).trimmed();
    if (h == QLatin1String("Rubrik"))
        h = QStringLiteral(" ");
    return h;
}

CouncilEntry::LoadResult CouncilEntry::loadParties(Recordset& parties, CouncilSetup& engine,
                                                   bool onlyVoted, QString* message, int* count)
{
    const int idColumn = parties.fieldIndex(QStringLiteral("PartiID"));
    const int nameColumn = parties.fieldIndex(QStringLiteral("PartiNamn"));
    const int votesColumn = parties.fieldIndex(QStringLiteral("Roster"));
    // The slots are about to name other parties: seats of an earlier calculation no
    // longer belong to them, so they must not be offered for storing.
    for (int i = 1; i <= engine.MaxPartier(); ++i)
        engine.setPartiValRes(i, 0);
    int n = 0;
    // Read by row, not by moving: the list's current record (and a change pending on
    // it) stays as it is.
    for (int row = 0; row < parties.RecordCount(); ++row) {
        const QVariant votes = parties.valueAt(row, votesColumn);
        if (onlyVoted && (!votes.isValid() || votes.isNull() || votes.toLongLong() <= 0))
            continue;
        ++n;
        if (n > engine.MaxPartier()) {
            if (count)
                *count = n;
            const QString what = onlyVoted
                                     ? QStringLiteral("Antal partier med valsit får vara högst ")
                                     : QStringLiteral("Antal partier får vara högst ");
            *message = what + QString::number(engine.MaxPartier());
            return TooMany;
        }
        const QVariant id = parties.valueAt(row, idColumn);
        const QVariant name = parties.valueAt(row, nameColumn);
        engine.setPartiID(n, QStringLiteral(" "));
        engine.setPartiNamn(n, QStringLiteral(" "));
        if (onlyVoted)
            engine.setRoster(n, 0);
        if (id.isValid() && !id.isNull())
            engine.setPartiID(n, id.toString());
        if (name.isValid() && !name.isNull())
            engine.setPartiNamn(n, name.toString());
        if (onlyVoted)
            engine.setRoster(n, qint32(qMin<qint64>(votes.toLongLong(), 2147483647)));
    }
    if (count)
        *count = n;
    if (n < engine.MinPartier()) {
        *message = QStringLiteral("Antal partier med valsit får vara lägst ") +
                   QString::number(engine.MinPartier());
        return TooFew;
    }
    engine.setAntPartier(n);
    return Loaded;
}
