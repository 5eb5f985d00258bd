#include "data/DbTransaction.h"

#include "data/DbError.h"

#include <QSqlError>

DbTransaction::DbTransaction(QSqlDatabase db) : m_db(db)
{
    if (!m_db.transaction())
        throw DbError(DbError::EngineFailure, QStringLiteral("Ändringen kunde inte påbörjas: %1")
                                                  .arg(m_db.lastError().text().trimmed()));
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
        const QString why = q.lastError().text().trimmed();
        q.finish();
        fail(QStringLiteral("Databasen kunde inte ändras"), why);
    }
    return q;
}

void DbTransaction::commit()
{
    if (!m_db.commit())
        fail(QStringLiteral("Ändringen kunde inte sparas"), m_db.lastError().text().trimmed());
    m_open = false;
}

void DbTransaction::fail(const QString& what, const QString& why)
{
    if (m_open)
        m_db.rollback();
    m_open = false;
    const QString upper = why.toUpper();
    if (upper.contains(QLatin1String("FOREIGN KEY")))
        throw DbError(DbError::RelatedRecordRequired,
                      what + QStringLiteral(": en post hänvisar till ett parti eller distrikt "
                                            "som inte finns."));
    if (upper.contains(QLatin1String("CHECK CONSTRAINT")))
        throw DbError(DbError::ValidationRule,
                      what + QStringLiteral(": ett värde ligger utanför det tillåtna."));
    throw DbError(DbError::EngineFailure, what + QStringLiteral(": ") + why);
}
