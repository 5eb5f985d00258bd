#pragma once

#include <QString>

class QSqlError;

// The program's own Swedish sentence for what SQLite or Qt reported, so that a user never
// reads "database or disk is full": what happened and what to do first, the engine's
// error number after it in parentheses for whoever helps.
class DbErrorText
{
public:
    // `what` opens the sentence ("Ändringen kunde inte sparas"); the cause follows.
    static QString describe(const QString& what, const QSqlError& error);
    // The cause alone, for an SQLite result code (primary or extended).
    static QString cause(int sqliteCode);
    // The code of an error as SQLite gave it; -1 when there is none.
    static int codeOf(const QSqlError& error);
};
