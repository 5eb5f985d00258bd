#include "data/DbTransaction.h"

#include "data/DbError.h"
#include "data/DbErrorText.h"

#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

namespace {

// True while the connection is inside a transaction someone else began.
bool inTransaction(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    return connection && sqlite3_get_autocommit(connection) == 0;
}

} // namespace

DbTransaction::DbTransaction(QSqlDatabase db) : m_db(db)
{
    // Inside a caller's transaction (a run reading its whole input at once) this one joins
    // it: the caller's commit or rollback ends both, and a failure here reaches the caller.
    if (inTransaction(m_db)) {
        m_joined = true;
        return;
    }
    if (!m_db.transaction())
        throw DbError(DbError::EngineFailure,
                      DbErrorText::describe(QStringLiteral("Databasen kunde inte öppnas för "
                                                           "läsning eller ändring"),
                                            m_db.lastError()));
    m_open = true;
}

DbTransaction::~DbTransaction()
{
    if (m_open)
        m_db.rollback();
}

QSqlQuery DbTransaction::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    ok = ok && q.exec();
    if (!ok) {
        const QSqlError why = q.lastError();
        q.finish();
        fail(QStringLiteral("Databasen kunde inte läsas eller ändras"), why);
    }
    return q;
}

void DbTransaction::commit()
{
    if (m_joined)
        return;
    if (!m_db.commit())
        fail(QStringLiteral("Ändringen kunde inte sparas"), m_db.lastError());
    m_open = false;
}

void DbTransaction::fail(const QString& what, const QSqlError& why)
{
    if (m_open)
        m_db.rollback();
    m_open = false;
    const QString upper = why.text().toUpper();
    if (upper.contains(QLatin1String("FOREIGN KEY")))
        throw DbError(DbError::RelatedRecordRequired,
                      what + QStringLiteral(": en post hänvisar till ett parti eller distrikt "
                                            "som inte finns."));
    if (upper.contains(QLatin1String("CHECK CONSTRAINT")))
        throw DbError(DbError::ValidationRule,
                      what + QStringLiteral(": ett värde ligger utanför det tillåtna."));
    const int code = DbErrorText::codeOf(why) & 0xff;
    throw DbError(code == 5 || code == 6 ? DbError::Locked : DbError::EngineFailure,
                  DbErrorText::describe(what, why));
}
