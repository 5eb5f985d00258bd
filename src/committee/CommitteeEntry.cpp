#include "committee/CommitteeEntry.h"

#include "committee/CommitteeSetup.h"
#include "data/ElectionSettings.h"
#include "data/Recordset.h"

QString CommitteeEntry::HamtaRubrik(const QString& forHeader)
{
    QString h = forHeader.trimmed();
    const int at = h.indexOf(QStringLiteral("för "));
    if (at >= 0)
        h = h.mid(at + 4).trimmed();
    if (h == QLatin1String("Rubrik"))
        h = QStringLiteral(" ");
    return h;
}

CommitteeEntry::LoadResult CommitteeEntry::loadParties(const Recordset& parties,
                                                       CommitteeSetup& engine, QString* message)
{
    const int idColumn = parties.fieldIndex(QStringLiteral("PartiID"));
    const int nameColumn = parties.fieldIndex(QStringLiteral("PartiNamn"));
    const int seatsColumn = parties.fieldIndex(QStringLiteral("PartiValRes"));
    int n = 0;
    // Read by row, not by moving: the list's current record stays as it is.
    for (int row = 0; row < parties.RecordCount(); ++row) {
        const QVariant seats = parties.valueAt(row, seatsColumn);
        if (!seats.isValid() || seats.isNull() || seats.toLongLong() <= 0)
            continue;
        if (++n > engine.MaxPartier()) {
            *message = QStringLiteral("Antal partier med valsit får vara högst ") +
                       QString::number(engine.MaxPartier());
            return TooMany;
        }
        const QVariant id = parties.valueAt(row, idColumn);
        const QVariant name = parties.valueAt(row, nameColumn);
        engine.setPartiID(n, id.isValid() && !id.isNull() ? id.toString() : QStringLiteral(" "));
        engine.setPartiNamn(n, name.isValid() && !name.isNull() ? name.toString()
                                                                : QStringLiteral(" "));
        engine.setPartiValRes(n, qint32(qMin<qint64>(seats.toLongLong(), 2147483647)));
    }
    if (n < engine.MinPartier()) {
        *message = QStringLiteral("Antal partier med valsit får vara lägst ") +
                   QString::number(engine.MinPartier());
        return TooFew;
    }
    engine.setAntPartier(n);
    return Loaded;
}

void CommitteeEntry::applyMarks(CommitteeSetup& setup, const QStringList& pairs)
{
    for (int k = 1; k <= setup.MaxSamv(); ++k)
        setup.setSamvSW(k, 0);
    for (int j = 2; j <= setup.AntPartier(); ++j)
        for (int i = 1; i < j; ++i)
            if (pairs.contains(ElectionSettings::pairText(setup.PartiID(i), setup.PartiID(j))))
                setup.setSamvSW(CommitteeInput::pairNumber(i, j), 1);
}

QStringList CommitteeEntry::markedPairs(CommitteeSetup& setup)
{
    QStringList pairs;
    for (int j = 2; j <= setup.AntPartier(); ++j)
        for (int i = 1; i < j; ++i)
            if (setup.SamvSW(CommitteeInput::pairNumber(i, j)) == 1)
                pairs.append(ElectionSettings::pairText(setup.PartiID(i), setup.PartiID(j)));
    pairs.sort();
    return pairs;
}
