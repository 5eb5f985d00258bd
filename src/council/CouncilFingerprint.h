#pragma once

#include <QString>

class DbTransaction;
class ElectionDatabase;

// The fingerprint of everything the council seats of an election file depend on, read as
// the file holds it now: the parties with votes in the order the calculation takes them
// (code and votes), the districts with their constituency and the votes per district, the
// constituencies with their fixed seats, the seats to share, the rules in force and the
// council's lots. Names, the heading and the report choices change no seat and are left
// out, so renaming a party does not make stored seats look stale.
//
// SHA-256 over a canonical text of those values, hex. Read inside the caller's
// transaction, so it is the state the caller then reads or writes.
class CouncilFingerprint
{
public:
    static QString of(DbTransaction& t);     // throws DbError
    static QString of(ElectionDatabase& db); // throws DbError
};
