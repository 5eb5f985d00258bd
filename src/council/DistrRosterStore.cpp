#include "council/DistrRosterStore.h"

#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"

#include <QHash>

DistrRosterStore::DistrRosterStore(const QString& dbPath)
    : m_owned(std::make_unique<ElectionDatabase>(dbPath)), m_db(m_owned.get())
{
}

DistrRosterStore::DistrRosterStore(ElectionDatabase& db) : m_db(&db) {}

DistrRosterStore::~DistrRosterStore() = default;

QList<DistrRosterStore::District> DistrRosterStore::districtsByName()
{
    DbTransaction t(m_db->database());
    QSqlQuery q = t.exec(QStringLiteral("SELECT DistrID, DistrNr, DistrNamn FROM Distrikt "
                                        "ORDER BY DistrNamn COLLATE SVENSKA"));
    QList<District> districts;
    while (q.next()) {
        District d;
        d.id = q.value(0).toInt();
        d.name = q.value(2).isNull() ? QStringLiteral(" ") : q.value(2).toString();
        districts.append(d);
    }
    q.finish();
    t.commit();
    return districts;
}

QList<DistrRosterStore::Votes> DistrRosterStore::votesOf(qint32 districtId)
{
    DbTransaction t(m_db->database());
    QSqlQuery q = t.exec(QStringLiteral("SELECT PartiID, Roster FROM DistrRoster WHERE DistrID = ? "
                                        "ORDER BY PartiID ASC"),
                         {districtId});
    QList<Votes> votes;
    while (q.next()) {
        if (q.value(0).isNull())
            continue;
        votes.append({q.value(0).toString(), q.value(1).isNull() ? 0 : q.value(1).toInt()});
    }
    q.finish();
    t.commit();
    return votes;
}

void DistrRosterStore::store(qint32 districtId, const QList<Votes>& votes)
{
    DbTransaction t(m_db->database());
    for (const Votes& v : votes) {
        const QString id = v.partiID.trimmed();
        if (id.isEmpty())
            continue;
        t.exec(QStringLiteral("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES (?, ?, ?) "
                              "ON CONFLICT (PartiID, DistrID) DO UPDATE SET Roster = "
                              "excluded.Roster"),
               {id, districtId, v.roster});
    }
    t.commit();
}

QList<DistrRosterStore::TotalChange> DistrRosterStore::totalChanges(const QStringList& partyIds)
{
    DbTransaction t(m_db->database());
    // Only parties that appear in DistrRoster have a district sum; the others keep
    // the total the user typed.
    QHash<QString, qint64> sums;
    QSqlQuery q = t.exec(QStringLiteral("SELECT PartiID, SUM(COALESCE(Roster, 0)) FROM DistrRoster "
                                        "WHERE PartiID IS NOT NULL GROUP BY PartiID"));
    qint64 all = 0;
    while (q.next()) {
        sums.insert(q.value(0).toString().toUpper(), q.value(1).toLongLong());
        all += q.value(1).toLongLong();
    }
    q.finish();

    QList<TotalChange> changes;
    // Rows with nothing but zeros (older versions stored them for every district merely
    // looked at) are no district count, and must not turn the typed totals into zeros.
    if (all == 0) {
        t.commit();
        return changes;
    }
    QStringList seen;
    for (const QString& raw : partyIds) {
        const QString id = raw.trimmed();
        const auto sum = sums.constFind(id.toUpper());
        if (id.isEmpty() || sum == sums.constEnd() || seen.contains(id, Qt::CaseInsensitive))
            continue;
        seen.append(id);
        QSqlQuery total =
            t.exec(QStringLiteral("SELECT Roster FROM Partier WHERE PartiID = ?"), {id});
        if (!total.next())
            continue; // no such party: nothing to replace
        const qint64 typed = total.value(0).isNull() ? 0 : total.value(0).toLongLong();
        total.finish();
        if (typed != *sum)
            changes.append({id, typed, *sum});
    }
    t.commit();
    return changes;
}

void DistrRosterStore::replaceTotals(const QList<TotalChange>& changes)
{
    DbTransaction t(m_db->database());
    for (const TotalChange& c : changes)
        t.exec(QStringLiteral("UPDATE Partier SET Roster = ? WHERE PartiID = ?"),
               {c.sum, c.partiID});
    t.commit();
}

QVector<CouncilInput::District> DistrRosterStore::districts(const QStringList& codes)
{
    QVector<CouncilInput::District> out;
    const QList<District> districts = districtsByName();
    for (const District& d : districts) {
        CouncilInput::District district{d.name, QVector<qint32>(codes.size(), 0)};
        const QList<Votes> votes = votesOf(d.id);
        for (const Votes& v : votes) {
            const int i = codes.indexOf(v.partiID);
            if (i >= 0)
                district.votes[i] = v.roster;
        }
        out.append(district);
    }
    return out;
}
