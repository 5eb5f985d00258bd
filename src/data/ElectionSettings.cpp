#include "data/ElectionSettings.h"

#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "shell/SettingsStore.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace {

const QString today = QStringLiteral("Gällande");
const QString older = QStringLiteral("Äldre");
const QString own = QStringLiteral("Egna");

QString rulesText(ElectionSettings::Rules rules)
{
    switch (rules) {
    case ElectionSettings::Rules::Today:
        return today;
    case ElectionSettings::Rules::Older:
        return older;
    case ElectionSettings::Rules::Own:
        break;
    }
    return own;
}

ElectionSettings::Rules rulesOf(const QString& text)
{
    if (text == older)
        return ElectionSettings::Rules::Older;
    if (text == own)
        return ElectionSettings::Rules::Own;
    return ElectionSettings::Rules::Today;
}

bool seatsInRange(int seats)
{
    return seats >= 5 && seats <= 350;
}

// A count the older version kept as text: out of range or not a number gives the default.
int seatsFrom(const SettingsStore& user, const QString& key, int fallback)
{
    const int seats = user.number(key);
    return seatsInRange(seats) ? seats : fallback;
}

} // namespace

bool ElectionSettings::operator==(const ElectionSettings& o) const
{
    return councilSeats == o.councilSeats && rules == o.rules &&
           std::lround(firstDivisor * 10) == std::lround(o.firstDivisor * 10) &&
           std::lround(threshold * 100) == std::lround(o.threshold * 100) && heading == o.heading &&
           committeeSeats == o.committeeSeats && cooperation == o.cooperation &&
           cooperationPairs == o.cooperationPairs && districtReport == o.districtReport &&
           councilSeatsFingerprint == o.councilSeatsFingerprint &&
           councilSeatsStoredAt == o.councilSeatsStoredAt;
}

QString ElectionSettings::createStatement()
{
    // One row (ID 1). The checks keep a value typed into the file by another tool from
    // reaching a calculation: the seat counts are those the engines accept.
    return QStringLiteral(
        "CREATE TABLE IF NOT EXISTS Valinstallningar (\n"
        "    ID INTEGER NOT NULL PRIMARY KEY CHECK (ID = 1),\n"
        "    MandatFullm INTEGER NOT NULL CHECK (MandatFullm BETWEEN 5 AND 350),\n"
        "    Regler TEXT NOT NULL CHECK (Regler IN ('Gällande', 'Äldre', 'Egna')),\n"
        "    ForstaDivisor REAL NOT NULL CHECK (ForstaDivisor IN (1.2, 1.4)),\n"
        "    Sparr REAL NOT NULL CHECK (Sparr BETWEEN 0 AND 100),\n"
        "    Rubrik TEXT NOT NULL,\n"
        "    MandatNamnd INTEGER NOT NULL CHECK (MandatNamnd BETWEEN 5 AND 350),\n"
        "    Samverkan INTEGER NOT NULL CHECK (Samverkan IN (0, 1, 2)),\n"
        "    SamverkanPar TEXT NOT NULL DEFAULT '',\n"
        "    VisaDistrikt INTEGER NOT NULL CHECK (VisaDistrikt IN (0, 1)),\n"
        "    MandatFingeravtryck TEXT NOT NULL DEFAULT '',\n"
        "    MandatLagrade TEXT NOT NULL DEFAULT ''\n"
        ")");
}

QString ElectionSettings::pairText(const QString& codeA, const QString& codeB)
{
    QString a = codeA.trimmed().toUpper();
    QString b = codeB.trimmed().toUpper();
    if (b < a)
        std::swap(a, b);
    return a + QLatin1Char('+') + b;
}

bool ElectionSettings::storedIn(ElectionDatabase& db)
{
    DbTransaction t(db.database());
    bool present = false;
    readRow(t, &present);
    t.commit();
    return present;
}

ElectionSettings ElectionSettings::read(ElectionDatabase& db)
{
    DbTransaction t(db.database());
    const ElectionSettings settings = readIn(t);
    t.commit();
    return settings;
}

ElectionSettings ElectionSettings::readRow(DbTransaction& t, bool* present)
{
    ElectionSettings s;
    QSqlQuery table =
        t.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"),
               {tableName()});
    *present = table.next();
    table.finish();
    if (!*present)
        return s;
    QSqlQuery q = t.exec(QStringLiteral(
        "SELECT MandatFullm, Regler, ForstaDivisor, Sparr, Rubrik, MandatNamnd, Samverkan, "
        "SamverkanPar, VisaDistrikt, MandatFingeravtryck, MandatLagrade "
        "FROM Valinstallningar WHERE ID = 1"));
    if (!q.next()) {
        *present = false; // a table without its row: the defaults, as a new file has
        return s;
    }
    s.councilSeats = q.value(0).toInt();
    s.rules = rulesOf(q.value(1).toString());
    s.firstDivisor = q.value(2).toDouble();
    s.threshold = q.value(3).toDouble();
    s.heading = q.value(4).toString();
    s.committeeSeats = q.value(5).toInt();
    s.cooperation = static_cast<Cooperation>(q.value(6).toInt());
    s.cooperationPairs = q.value(7).toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    s.districtReport = q.value(8).toInt() != 0;
    s.councilSeatsFingerprint = q.value(9).toString();
    s.councilSeatsStoredAt = q.value(10).toString();
    q.finish();
    return s;
}

void ElectionSettings::writeRow(DbTransaction& t) const
{
    t.exec(createStatement());
    QStringList pairs = cooperationPairs;
    pairs.sort();
    pairs.removeDuplicates();
    t.exec(QStringLiteral("INSERT OR REPLACE INTO Valinstallningar (ID, MandatFullm, Regler, "
                          "ForstaDivisor, Sparr, Rubrik, MandatNamnd, Samverkan, SamverkanPar, "
                          "VisaDistrikt, MandatFingeravtryck, MandatLagrade) "
                          "VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
           {councilSeats, rulesText(rules), std::lround(firstDivisor * 10) == 14 ? 1.4 : 1.2,
            threshold, heading, committeeSeats, static_cast<int>(cooperation),
            pairs.join(QLatin1Char(';')), districtReport ? 1 : 0, councilSeatsFingerprint,
            councilSeatsStoredAt});
}

void ElectionSettings::save(ElectionDatabase& db) const
{
    DbTransaction t(db.database());
    writeRow(t);
    t.commit();
}

ElectionSettings ElectionSettings::readIn(DbTransaction& t)
{
    bool present = false;
    return readRow(t, &present);
}

ElectionSettings ElectionSettings::updateIn(DbTransaction& t,
                                            const std::function<void(ElectionSettings&)>& change)
{
    ElectionSettings s = readIn(t);
    change(s);
    s.writeRow(t);
    return s;
}

ElectionSettings ElectionSettings::update(const QString& path,
                                          const std::function<void(ElectionSettings&)>& change)
{
    ElectionDatabase db(path);
    DbTransaction t(db.database());
    const ElectionSettings s = updateIn(t, change);
    t.commit();
    return s;
}

ElectionSettings ElectionSettings::fromUserSettings(const SettingsStore& user,
                                                    const QString& fileName)
{
    ElectionSettings s;
    s.councilSeats = seatsFrom(user, QStringLiteral("MndFullm"), s.councilSeats);
    s.committeeSeats = seatsFrom(user, QStringLiteral("MndNmnd"), s.committeeSeats);
    s.heading = user.value(QStringLiteral("ForHeader"));
    if (fileName.compare(QLatin1String("Valsit.mdb"), Qt::CaseInsensitive) != 0 &&
        fileName.size() > 4)
        s.heading = QStringLiteral("för ") + QFileInfo(fileName).completeBaseName();

    // The rules as the older version kept them: "GallandeRegler" 1 for today's rules,
    // else the divisor and the threshold; without the first key, either form of today's
    // rules counts as today's.
    const QString divisor = user.value(QStringLiteral("ForstaDivisor"));
    s.firstDivisor = divisor == QLatin1String("1.4") || divisor == QLatin1String("1,4") ? 1.4 : 1.2;
    static const QRegularExpression number(QStringLiteral("^\\d{1,3}([.,]\\d{1,2})?$"));
    const QString sparr = user.value(QStringLiteral("Sparr"));
    if (number.match(sparr).hasMatch()) {
        const double percent =
            QString(sparr).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        if (percent <= 100)
            s.threshold = percent;
    }
    const QString todayKey = user.value(QStringLiteral("GallandeRegler"));
    const bool isTwelve = std::lround(s.firstDivisor * 10) == 12;
    const long hundredths = std::lround(s.threshold * 100);
    const bool looksToday = isTwelve && (hundredths == 200 || hundredths == 300);
    if (todayKey.isEmpty() ? looksToday : todayKey == QLatin1String("1"))
        s.rules = Rules::Today;
    else if (!isTwelve && hundredths == 0)
        s.rules = Rules::Older;
    else
        s.rules = Rules::Own;
    return s;
}

ElectionSettings ElectionSettings::open(ElectionDatabase& db, const SettingsStore& user,
                                        bool* migrated)
{
    DbTransaction t(db.database());
    bool present = false;
    ElectionSettings settings = readRow(t, &present);
    if (!present) {
        settings = fromUserSettings(user, QFileInfo(db.path()).fileName());
        settings.writeRow(t);
    }
    t.commit();
    if (migrated)
        *migrated = !present;
    return settings;
}

ElectionSettings ElectionSettings::open(const QString& path, const SettingsStore& user,
                                        bool* migrated)
{
    ElectionDatabase db(path);
    return open(db, user, migrated);
}

QString ElectionSettings::migratedText(const QString& fileName)
{
    return QStringLiteral("'%1' har fått dina senast använda mandat, regler och rubrik.")
        .arg(fileName);
}
