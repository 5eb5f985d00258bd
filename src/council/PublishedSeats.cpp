#include "council/PublishedSeats.h"

#include "council/RostBer.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "seats/SeatResult.h"

void PublishedSeats::store(DbTransaction& t, const QMap<QString, int>& seats)
{
    t.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Publicerat (PartiID VARCHAR(6) NOT NULL "
                          "COLLATE NOCASE PRIMARY KEY, Mandat INTEGER NOT NULL)"));
    t.exec(QStringLiteral("DELETE FROM Publicerat"));
    for (auto it = seats.cbegin(); it != seats.cend(); ++it)
        t.exec(QStringLiteral("INSERT INTO Publicerat (PartiID, Mandat) VALUES (?, ?)"),
               {it.key(), it.value()});
}

QMap<QString, int> PublishedSeats::load(const QString& dbPath)
{
    ElectionDatabase db(dbPath);
    DbTransaction t(db.database());
    QMap<QString, int> seats;
    QSqlQuery exists = t.exec(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Publicerat'"));
    const bool hasTable = exists.next();
    exists.finish();
    if (hasTable) {
        QSqlQuery q = t.exec(QStringLiteral("SELECT PartiID, Mandat FROM Publicerat"));
        while (q.next())
            seats.insert(q.value(0).toString(), q.value(1).toInt());
        q.finish();
    }
    t.commit();
    return seats;
}

QStringList PublishedSeats::comparison(const SeatResult& result,
                                       const QMap<QString, int>& published)
{
    int total = 0;
    for (int seats : published)
        total += seats;
    int shared = 0;
    for (int i = 1; i <= result.listCount; ++i)
        shared += result.lists[i].seatCount;
    if (published.isEmpty() || total != shared)
        return {};
    QStringList official;
    QStringList differences;
    for (int i = 1; i <= result.listCount; ++i) {
        const SeatResult::List& list = result.lists[i];
        if (RostBer::isOthersLine(list.code))
            continue;
        const int seats = published.value(list.code);
        if (seats > 0)
            official << QStringLiteral("%1 %2").arg(list.code).arg(seats);
        if (seats != list.seatCount)
            differences << QStringLiteral("%1 beräknat %2, publicerat %3")
                               .arg(list.code)
                               .arg(list.seatCount)
                               .arg(seats);
    }
    return {QStringLiteral("Mandat enligt Valmyndigheten: ") + official.join(QStringLiteral(", ")),
            differences.isEmpty()
                ? QStringLiteral("Beräkningen stämmer med Valmyndighetens fördelning.")
                : QStringLiteral("AVVIKER från Valmyndighetens fördelning: ") +
                      differences.join(QStringLiteral("; "))};
}
