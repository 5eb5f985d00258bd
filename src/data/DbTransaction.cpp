#include "data/DbTransaction.h"

#include "data/DbError.h"
#include "data/DbErrorText.h"

#include <QSqlError>

DbTransaction::DbTransaction(QSqlDatabase db) : m_db(db)
{
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
