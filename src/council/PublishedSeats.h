#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class DbTransaction;
class ElectionDatabase;
struct SeatResult;
struct ValkretsResult;

// The seats Valmyndigheten published for the imported election, by party code, kept in the
// election database (table Publicerat) so the council report can set them beside the
// calculated ones and point out any difference.
class PublishedSeats
{
public:
    // A constituency's published seats by party code: all its seats, and the adjustment
    // seats among them.
    struct Constituency
    {
        QMap<QString, int> seats;
        QMap<QString, int> adjustmentSeats;
    };
    // The whole municipality's seats by party, and per constituency in the order of their
    // codes (1, 2, ... as the import registers them).
    QMap<QString, int> total;
    QList<Constituency> constituencies;
    // An import of a count not yet complete (election night): districts counted and all.
    int countedDistricts = 0;
    int allDistricts = 0;

    // The heading line of every report of an election imported before its count was
    // complete ("PRELIMINÄRT: 5 av 7 valdistrikt räknade"); empty otherwise.
    QString countNote() const;

    // Replaces what an earlier import stored (the table is made on first use), inside the
    // import's transaction; nothing published leaves none.
    void store(DbTransaction& t) const;
    // None when the database has no table or no rows.
    static PublishedSeats load(const QString& dbPath);
    static PublishedSeats load(ElectionDatabase& db);

    // Two lines: the published seats, then whether the calculation agrees (and where not).
    // None when nothing is published or the run shares another number of seats.
    static QStringList comparison(const SeatResult& result, const QMap<QString, int>& published);
    // One line: whether every constituency's seats (fixed and adjustment) agree.
    QStringList comparison(const ValkretsResult& result) const;
};
