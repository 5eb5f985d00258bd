#pragma once

#include "council/ValkretsBer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class DbTransaction;
class ElectionDatabase;

// The constituencies of an election database: the table Valkretsar (code, name, fixed
// seats) and each district's constituency (Distrikt.ValkretsID). A file made before
// constituencies existed gets the table and the column with its first change, in the
// same transaction; reading such a file finds no constituencies and changes nothing.
// Every write is one transaction (DbError is thrown and the database is as it was).
class ValkretsStore
{
public:
    struct Valkrets
    {
        qint32 id = 0; // the code
        QString name;
        int fixedSeats = 0;
    };
    struct Placement
    {
        qint32 districtId = 0;
        QString name;
        qint32 valkretsId = 0; // 0: in none
    };

    explicit ValkretsStore(const QString& dbPath); // throws DbError
    // On a database the caller has open (and may be reading in a transaction of its own).
    explicit ValkretsStore(ElectionDatabase& db);
    ~ValkretsStore();
    ValkretsStore(const ValkretsStore&) = delete;
    ValkretsStore& operator=(const ValkretsStore&) = delete;

    // In the order of their codes; none in a file without the table.
    QList<Valkrets> constituencies();
    bool hasConstituencies() { return !constituencies().isEmpty(); }
    // A new constituency with the next free code; returns the code.
    qint32 add(const QString& name, int fixedSeats);
    void update(const Valkrets& valkrets);
    // Its districts go back to no constituency.
    void remove(qint32 id);
    // The districts by name with their constituency.
    QList<Placement> placements();
    void place(qint32 districtId, qint32 valkretsId);

    // The votes of every constituency, summed over its districts, for the parties given
    // (by code, in that order). Throws DbError when a district with votes lies in no
    // constituency: its votes would be lost from the calculation.
    QVector<ValkretsBer::Constituency> votes(const QStringList& codes);

    // Within a caller's transaction (an import): these constituencies, with their codes, in
    // place of any there were. The districts must already be gone or placed anew. None
    // given to a file without the table leaves it without.
    static void replaceAll(DbTransaction& t, const QList<Valkrets>& constituencies);

private:
    static bool hasTable(DbTransaction& t);
    static void ensureTable(DbTransaction& t);

    std::unique_ptr<ElectionDatabase> m_owned;
    ElectionDatabase* m_db;
};
