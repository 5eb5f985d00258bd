#include "council/ValkretsStore.h"

#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"

#include <QHash>
#include <QSqlQuery>

ValkretsStore::ValkretsStore(const QString& dbPath)
    : m_owned(std::make_unique<ElectionDatabase>(dbPath)), m_db(m_owned.get())
{
}

ValkretsStore::ValkretsStore(ElectionDatabase& db) : m_db(&db) {}

ValkretsStore::~ValkretsStore() = default;

bool ValkretsStore::hasTable(DbTransaction& t)
{
    QSqlQuery q = t.exec(QStringLiteral("SELECT name FROM pragma_table_info('Distrikt') "
                                        "WHERE name = 'ValkretsID'"));
    const bool found = q.next();
    q.finish();
    return found;
}

void ValkretsStore::ensureTable(DbTransaction& t)
{
    if (hasTable(t))
        return;
    t.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Valkretsar ("
                          "ValkretsID INTEGER NOT NULL PRIMARY KEY, "
                          "ValkretsNamn VARCHAR(50) NOT NULL COLLATE NOCASE UNIQUE "
                          "CHECK (length(trim(ValkretsNamn)) BETWEEN 1 AND 50), "
                          "FastaMandat INTEGER NOT NULL DEFAULT 0 "
                          "CHECK (FastaMandat BETWEEN 0 AND 350))"));
    t.exec(QStringLiteral("ALTER TABLE Distrikt ADD COLUMN ValkretsID INTEGER "
                          "REFERENCES Valkretsar (ValkretsID)"));
}

void ValkretsStore::replaceAll(DbTransaction& t, const QList<Valkrets>& constituencies)
{
    if (constituencies.isEmpty() && !hasTable(t))
        return;
    ensureTable(t);
    t.exec(QStringLiteral("UPDATE Distrikt SET ValkretsID = NULL"));
    t.exec(QStringLiteral("DELETE FROM Valkretsar"));
    for (const Valkrets& v : constituencies)
        t.exec(
            QStringLiteral(
                "INSERT INTO Valkretsar (ValkretsID, ValkretsNamn, FastaMandat) VALUES (?, ?, ?)"),
            {v.id, v.name.trimmed(), v.fixedSeats});
}

QList<ValkretsStore::Valkrets> ValkretsStore::constituencies()
{
    DbTransaction t(m_db->database());
    QList<Valkrets> out;
    if (hasTable(t)) {
        QSqlQuery q = t.exec(QStringLiteral(
            "SELECT ValkretsID, ValkretsNamn, FastaMandat FROM Valkretsar ORDER BY ValkretsID"));
        while (q.next())
            out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()});
        q.finish();
    }
    t.commit();
    return out;
}

qint32 ValkretsStore::add(const QString& name, int fixedSeats)
{
    DbTransaction t(m_db->database());
    ensureTable(t);
    QSqlQuery q = t.exec(QStringLiteral("SELECT COALESCE(MAX(ValkretsID), 0) + 1 FROM Valkretsar"));
    q.next();
    const qint32 id = q.value(0).toInt();
    q.finish();
    t.exec(QStringLiteral(
               "INSERT INTO Valkretsar (ValkretsID, ValkretsNamn, FastaMandat) VALUES (?, ?, ?)"),
           {id, name.trimmed(), fixedSeats});
    t.commit();
    return id;
}

void ValkretsStore::update(const Valkrets& valkrets)
{
    DbTransaction t(m_db->database());
    ensureTable(t);
    t.exec(QStringLiteral(
               "UPDATE Valkretsar SET ValkretsNamn = ?, FastaMandat = ? WHERE ValkretsID = ?"),
           {valkrets.name.trimmed(), valkrets.fixedSeats, valkrets.id});
    t.commit();
}

void ValkretsStore::remove(qint32 id)
{
    DbTransaction t(m_db->database());
    ensureTable(t);
    t.exec(QStringLiteral("UPDATE Distrikt SET ValkretsID = NULL WHERE ValkretsID = ?"), {id});
    t.exec(QStringLiteral("DELETE FROM Valkretsar WHERE ValkretsID = ?"), {id});
    t.commit();
}

QList<ValkretsStore::Placement> ValkretsStore::placements()
{
    DbTransaction t(m_db->database());
    const bool table = hasTable(t);
    QSqlQuery q = t.exec(table ? QStringLiteral("SELECT DistrID, DistrNamn, ValkretsID FROM "
                                                "Distrikt ORDER BY DistrNamn COLLATE SVENSKA")
                               : QStringLiteral("SELECT DistrID, DistrNamn, 0 FROM Distrikt "
                                                "ORDER BY DistrNamn COLLATE SVENSKA"));
    QList<Placement> out;
    while (q.next())
        out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()});
    q.finish();
    t.commit();
    return out;
}

void ValkretsStore::place(qint32 districtId, qint32 valkretsId)
{
    DbTransaction t(m_db->database());
    ensureTable(t);
    t.exec(QStringLiteral("UPDATE Distrikt SET ValkretsID = ? WHERE DistrID = ?"),
           {valkretsId > 0 ? QVariant(valkretsId) : QVariant(), districtId});
    t.commit();
}

QVector<ValkretsBer::Constituency> ValkretsStore::votes(const QStringList& codes)
{
    const QList<Valkrets> list = constituencies();
    QHash<qint32, int> index;
    QVector<ValkretsBer::Constituency> out;
    for (const Valkrets& v : list) {
        index.insert(v.id, int(out.size()));
        out.append({v.name, v.fixedSeats, QVector<qint32>(codes.size(), 0)});
    }
    if (out.isEmpty())
        return out;
    DbTransaction t(m_db->database());
    QSqlQuery q = t.exec(
        QStringLiteral("SELECT d.ValkretsID, d.DistrNamn, r.PartiID, SUM(COALESCE(r.Roster, 0)) "
                       "FROM DistrRoster r JOIN Distrikt d ON d.DistrID = r.DistrID "
                       "GROUP BY d.DistrID, r.PartiID HAVING SUM(COALESCE(r.Roster, 0)) > 0"));
    QString lost;
    while (q.next()) {
        const int k = index.value(q.value(0).toInt(), -1);
        if (k < 0) {
            lost = q.value(1).toString();
            break;
        }
        for (int p = 0; p < codes.size(); ++p)
            if (codes.at(p).compare(q.value(2).toString(), Qt::CaseInsensitive) == 0)
                out[k].votes[p] += q.value(3).toInt();
    }
    q.finish();
    t.commit();
    if (!lost.isNull())
        throw DbError(DbError::ValidationRule,
                      QStringLiteral("Distriktet %1 har röster men hör inte till någon valkrets. "
                                     "Välj dess valkrets under Valkretsar.")
                          .arg(lost.trimmed().isEmpty() ? QStringLiteral("utan namn") : lost));
    return out;
}
