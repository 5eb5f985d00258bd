#pragma once

#include "council/CouncilInput.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class ElectionDatabase;

// The votes per district and party (table DistrRoster) as the council calculation
// needs them: the list of districts, one district's votes, storing the votes typed for
// a district, summing the districts into the party totals, and the district pass that
// feeds a calculation's report. Every write is one transaction: it takes effect whole
// or not at all (DbError is thrown and the database is as it was).
class DistrRosterStore
{
public:
    struct District
    {
        qint32 id = 0;
        QString name; // " " when the district has no name
    };
    struct Votes
    {
        QString partiID;
        qint32 roster = 0;
    };
    // A party whose total differs from the sum of its district votes.
    struct TotalChange
    {
        QString partiID;
        qint64 total = 0; // a missing total counts as 0
        qint64 sum = 0;
    };

    explicit DistrRosterStore(const QString& dbPath); // throws DbError
    // On a database the caller has open (and may be reading in a transaction of its own).
    explicit DistrRosterStore(ElectionDatabase& db);
    ~DistrRosterStore();
    DistrRosterStore(const DistrRosterStore&) = delete;
    DistrRosterStore& operator=(const DistrRosterStore&) = delete;

    // The districts ordered by name (the order of the district choice and the report).
    QList<District> districtsByName();
    // The votes stored for one district, by party code; a Null count reads as 0.
    QList<Votes> votesOf(qint32 districtId);
    // Stores one district's votes: every row given is written, zeros included.
    void store(qint32 districtId, const QList<Votes>& votes);
    // The listed parties (in their order) whose total differs from the sum of their
    // district votes, provided any district holds votes at all. A party without any
    // district row has no district count: its typed total stands and it is not listed.
    QList<TotalChange> totalChanges(const QStringList& partyIds);
    // Writes the district sums as the parties' totals, all or nothing.
    void replaceTotals(const QList<TotalChange>& changes);
    // Every district by name, with its votes in the order of `codes` (matched by party
    // code; other rows are ignored, a party without a row has 0).
    QVector<CouncilInput::District> districts(const QStringList& codes);

private:
    std::unique_ptr<ElectionDatabase> m_owned;
    ElectionDatabase* m_db;
};
