#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// One transaction on an election database for the council's own reads and writes that
// span many rows (district votes, summed totals, stored seats): either every statement
// takes effect or, on any failure, none. A failure throws DbError with a plain Swedish
// description; a transaction that is neither committed nor failed is rolled back when it
// goes out of scope. Begun inside another transaction on the same connection, it joins
// that one: what it reads and writes belongs to the outer transaction.
class DbTransaction
{
public:
    explicit DbTransaction(QSqlDatabase db); // throws DbError
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    // Runs one statement with its values bound in order; the query is positioned before
    // its first row. Throws DbError (after rolling back) when the statement fails.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    void commit(); // throws DbError

private:
    [[noreturn]] void fail(const QString& what, const QSqlError& why);

    QSqlDatabase m_db;
    bool m_open = false;
    bool m_joined = false;
};
