#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class DbTransaction;
struct SeatResult;

// The seats Valmyndigheten published for the imported election, by party code, kept in the
// election database (table Publicerat) so the council report can set them beside the
// calculated ones and point out any difference.
class PublishedSeats
{
public:
    // Replaces what an earlier import stored (the table is made on first use), inside the
    // import's transaction; an empty map leaves none.
    static void store(DbTransaction& t, const QMap<QString, int>& seats);
    // None when the database has no table or no rows.
    static QMap<QString, int> load(const QString& dbPath);

    // Two lines: the published seats, then whether the calculation agrees (and where not).
    // None when nothing is published or the run shares another number of seats.
    static QStringList comparison(const SeatResult& result, const QMap<QString, int>& published);
};
