#include "council/PublishedSeats.h"

#include "council/CouncilInput.h"
#include "council/ValkretsResult.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "seats/SeatResult.h"

void PublishedSeats::store(DbTransaction& t) const
{
    // ValkretsID 0: the whole municipality.
    t.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Publicerat (PartiID VARCHAR(6) NOT NULL "
                          "COLLATE NOCASE, ValkretsID INTEGER NOT NULL, Mandat INTEGER NOT NULL, "
                          "Utjamning INTEGER NOT NULL, PRIMARY KEY (PartiID, ValkretsID))"));
    t.exec(QStringLiteral("DELETE FROM Publicerat"));
    const QString insert = QStringLiteral(
        "INSERT INTO Publicerat (PartiID, ValkretsID, Mandat, Utjamning) VALUES (?, ?, ?, ?)");
    for (auto it = total.cbegin(); it != total.cend(); ++it)
        t.exec(insert, {it.key(), 0, it.value(), 0});
    for (int k = 0; k < constituencies.size(); ++k) {
        const Constituency& c = constituencies.at(k);
        for (auto it = c.seats.cbegin(); it != c.seats.cend(); ++it)
            t.exec(insert, {it.key(), k + 1, it.value(), c.adjustmentSeats.value(it.key())});
    }
    t.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Rakning (Raknade INTEGER NOT NULL, "
                          "AttRakna INTEGER NOT NULL)"));
    t.exec(QStringLiteral("DELETE FROM Rakning"));
    if (countedDistricts < allDistricts)
        t.exec(QStringLiteral("INSERT INTO Rakning (Raknade, AttRakna) VALUES (?, ?)"),
               {countedDistricts, allDistricts});
}

QString PublishedSeats::countNote() const
{
    if (countedDistricts >= allDistricts)
        return QString();
    return QStringLiteral("PRELIMINÄRT: %1 av %2 valdistrikt räknade")
        .arg(countedDistricts)
        .arg(allDistricts);
}

PublishedSeats PublishedSeats::load(const QString& dbPath)
{
    ElectionDatabase db(dbPath);
    return load(db);
}

PublishedSeats PublishedSeats::load(ElectionDatabase& db)
{
    DbTransaction t(db.database());
    PublishedSeats published;
    QSqlQuery exists = t.exec(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Publicerat'"));
    const bool hasTable = exists.next();
    exists.finish();
    QSqlQuery count = t.exec(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Rakning'"));
    const bool hasCount = count.next();
    count.finish();
    if (hasCount) {
        QSqlQuery q = t.exec(QStringLiteral("SELECT Raknade, AttRakna FROM Rakning"));
        if (q.next()) {
            published.countedDistricts = q.value(0).toInt();
            published.allDistricts = q.value(1).toInt();
        }
        q.finish();
    }
    if (hasTable) {
        QSqlQuery q = t.exec(QStringLiteral(
            "SELECT PartiID, ValkretsID, Mandat, Utjamning FROM Publicerat ORDER BY ValkretsID"));
        while (q.next()) {
            const QString code = q.value(0).toString();
            const int k = q.value(1).toInt();
            if (k == 0) {
                published.total.insert(code, q.value(2).toInt());
                continue;
            }
            while (published.constituencies.size() < k)
                published.constituencies.append(Constituency());
            published.constituencies[k - 1].seats.insert(code, q.value(2).toInt());
            published.constituencies[k - 1].adjustmentSeats.insert(code, q.value(3).toInt());
        }
        q.finish();
    }
    t.commit();
    return published;
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
        if (CouncilInput::isOthersLine(list.code))
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

QStringList PublishedSeats::comparison(const ValkretsResult& result) const
{
    if (constituencies.isEmpty() || constituencies.size() != result.constituencies.size())
        return {};
    QStringList differences;
    for (int k = 0; k < result.constituencies.size(); ++k) {
        const ValkretsResult::Constituency& c = result.constituencies.at(k);
        const Constituency& published = constituencies.at(k);
        for (int p = 0; p < result.parties.size(); ++p) {
            const QString& code = result.parties.at(p).code;
            const int seats = published.seats.value(code);
            const int adjustment = published.adjustmentSeats.value(code);
            if (c.fixed.at(p) + c.adjustment.at(p) != seats || c.adjustment.at(p) != adjustment)
                differences.append(QStringLiteral("%1 i %2 beräknat %3+%4, publicerat %5+%6")
                                       .arg(code, c.name)
                                       .arg(c.fixed.at(p))
                                       .arg(c.adjustment.at(p))
                                       .arg(seats - adjustment)
                                       .arg(adjustment));
        }
    }
    return {differences.isEmpty()
                ? QStringLiteral("Beräkningen stämmer med Valmyndighetens fördelning per valkrets.")
                : QStringLiteral("AVVIKER från Valmyndighetens fördelning: ") +
                      differences.join(QStringLiteral("; "))};
}
