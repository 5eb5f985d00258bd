#include "seats/LotStore.h"

#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"

#include <QFileInfo>

namespace {

QString kindText(LotStore::Kind kind)
{
    return kind == LotStore::Kind::Council ? QStringLiteral("Fullmäktige")
                                           : QStringLiteral("Nämnd");
}

} // namespace

LotStore::LotStore(const QString& dbPath)
    : m_owned(std::make_unique<ElectionDatabase>(dbPath)), m_db(m_owned.get())
{
}

LotStore::LotStore(ElectionDatabase& db) : m_db(&db) {}

LotStore::~LotStore() = default;

QVector<SeatLot> LotStore::lots(Kind kind)
{
    DbTransaction t(m_db->database());
    QSqlQuery exists =
        t.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"),
               {tableName()});
    const bool present = exists.next();
    exists.finish();
    QVector<SeatLot> lots;
    if (present) {
        QSqlQuery q = t.exec(QStringLiteral("SELECT Plats, PartiID, Fingeravtryck, Programlottad, "
                                            "DragenAv, Tidpunkt, Anteckning FROM Lottning "
                                            "WHERE Slag = ? ORDER BY Plats"),
                             {kindText(kind)});
        while (q.next()) {
            SeatLot lot;
            lot.seat = q.value(0).toInt();
            lot.code = q.value(1).toString();
            lot.fingerprint = q.value(2).toString().toULongLong(nullptr, 16);
            lot.byProgram = q.value(3).toInt() != 0;
            lot.drawnBy = q.value(4).toString();
            lot.drawnAt = QDateTime::fromString(q.value(5).toString(), Qt::ISODate);
            lot.note = q.value(6).toString();
            lots.append(lot);
        }
        q.finish();
    }
    t.commit();
    return lots;
}

void LotStore::record(Kind kind, const QVector<SeatLot>& lots, const QList<int>& replaced)
{
    DbTransaction t(m_db->database());
    t.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Lottning ("
                          "LottID INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "Slag TEXT NOT NULL, Plats INTEGER NOT NULL, PartiID TEXT NOT NULL, "
                          "Fingeravtryck TEXT NOT NULL, Programlottad INTEGER NOT NULL, "
                          "DragenAv TEXT, Tidpunkt TEXT, Anteckning TEXT)"));
    QList<int> seats = replaced;
    for (const SeatLot& lot : lots)
        seats.append(lot.seat);
    for (int seat : seats)
        t.exec(QStringLiteral("DELETE FROM Lottning WHERE Slag = ? AND Plats = ?"),
               {kindText(kind), seat});
    for (const SeatLot& lot : lots)
        t.exec(QStringLiteral("INSERT INTO Lottning (Slag, Plats, PartiID, Fingeravtryck, "
                              "Programlottad, DragenAv, Tidpunkt, Anteckning) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {kindText(kind), lot.seat, lot.code, QString::number(lot.fingerprint, 16),
                lot.byProgram ? 1 : 0, lot.drawnBy, lot.drawnAt.toString(Qt::ISODate), lot.note});
    t.commit();
}

QVector<SeatLot> LotStore::load(Kind kind, const QString& dbPath)
{
    return dbPath.isEmpty() || !QFileInfo::exists(dbPath) ? QVector<SeatLot>()
                                                          : LotStore(dbPath).lots(kind);
}
