#pragma once

#include "seats/SeatLot.h"

#include <QList>
#include <QString>
#include <QVector>

#include <memory>

class ElectionDatabase;

// The lots recorded with an election (table Lottning), one row per seat, each with the
// fingerprint of the tie it was drawn for. Reading never writes: a file from before lots
// simply has none. The first recording creates the table, inside the same transaction as
// its rows, so a failure leaves the file as it was (DbError is thrown).
class LotStore
{
public:
    enum class Kind { Council, Committee };

    explicit LotStore(const QString& dbPath); // throws DbError
    // On a database the caller has open (and may be reading in a transaction of its own).
    explicit LotStore(ElectionDatabase& db);
    ~LotStore();
    LotStore(const LotStore&) = delete;
    LotStore& operator=(const LotStore&) = delete;

    // The lots of a calculation, in seat order.
    QVector<SeatLot> lots(Kind kind);
    // Stores `lots` in place of every stored lot of the kind at the seats `replaced` and
    // at the seats of `lots`: all or nothing.
    void record(Kind kind, const QVector<SeatLot>& lots, const QList<int>& replaced = {});

    // Before a run: the lots stored for `kind`; none without a database file. Throws
    // DbError when the file cannot be read.
    static QVector<SeatLot> load(Kind kind, const QString& dbPath);

    static QString tableName() { return QStringLiteral("Lottning"); }

private:
    std::unique_ptr<ElectionDatabase> m_owned;
    ElectionDatabase* m_db;
};
