#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class DbTransaction;
class ElectionDatabase;
class SettingsStore;

// What a result depends on besides the votes, kept in the election file itself (table
// Valinstallningar, one row): the seats to share in the council and in the committee, the
// council rules, the report heading, the cooperation and its marks, and whether the report
// lists the districts. Two election files therefore keep their own values, whoever opens
// them and in whatever order.
//
// The row also says which input the parties' council seats (Partier.PartiValRes) were
// stored from: the fingerprint of that calculation's whole input, so the committee entry
// can tell when the file now holds other votes than the seats were computed from.
//
// Reading never writes. Every change is one transaction that creates the table when the
// file has none (a file from before it), so a failure leaves the file as it was.
class ElectionSettings
{
public:
    enum class Rules { Today, Older, Own };
    enum class Cooperation { None = 0, Fixed = 1, AllCombinations = 2 };

    int councilSeats = 41;
    Rules rules = Rules::Today;
    // Used as they are only with Rules::Own; today's and the older rules are fixed.
    double firstDivisor = 1.2;
    double threshold = 2.0;
    // As the main window's menu item shows it: "för " and the name.
    QString heading = QStringLiteral("för RUBRIK");
    int committeeSeats = 11;
    Cooperation cooperation = Cooperation::None;
    // Marked pairs of party codes, "S+V" (codes upper case, the smaller first), sorted.
    QStringList cooperationPairs;
    bool districtReport = false;

    // The stored council seats: fingerprint of their input and when they were stored
    // (ISO 8601). Empty when the seats were typed by hand or stored by an older version.
    QString councilSeatsFingerprint;
    QString councilSeatsStoredAt;

    bool operator==(const ElectionSettings& other) const;
    bool operator!=(const ElectionSettings& other) const { return !(*this == other); }

    static QString tableName() { return QStringLiteral("Valinstallningar"); }
    static QString createStatement();
    static QString pairText(const QString& codeA, const QString& codeB);

    // True when the file has the table (a file made by an older version has none).
    static bool storedIn(ElectionDatabase& db); // throws DbError
    // The values of the file; defaults where the file has no table yet.
    static ElectionSettings read(ElectionDatabase& db); // throws DbError
    // Stores every value in one transaction, creating the table when needed.
    void save(ElectionDatabase& db) const; // throws DbError

    // The values an older file takes on its first open: what the user last used, as the
    // per-user settings of the older version kept them. A file named other than the
    // template gets its own name as heading, as choosing it always gave.
    static ElectionSettings fromUserSettings(const SettingsStore& user, const QString& fileName);

    // Opens the file's values; a file without the table takes the user's values once and
    // keeps them (`migrated` then says so). Throws DbError.
    static ElectionSettings open(ElectionDatabase& db, const SettingsStore& user,
                                 bool* migrated = nullptr);
    static ElectionSettings open(const QString& path, const SettingsStore& user,
                                 bool* migrated = nullptr);

    // Reads, changes and stores in one transaction, so a change made meanwhile by another
    // window or program is not overwritten with old values. Returns what was stored.
    // Throws DbError.
    static ElectionSettings update(const QString& path,
                                   const std::function<void(ElectionSettings&)>& change);

    // The same inside a transaction the caller holds (with the other rows it reads or
    // writes). Throw DbError.
    static ElectionSettings readIn(DbTransaction& t);
    static ElectionSettings updateIn(DbTransaction& t,
                                     const std::function<void(ElectionSettings&)>& change);

    static QString migratedText(const QString& fileName);

private:
    static ElectionSettings readRow(DbTransaction& t, bool* present);
    void writeRow(DbTransaction& t) const;
};
