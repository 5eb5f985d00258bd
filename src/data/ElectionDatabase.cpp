#include "data/ElectionDatabase.h"

#include "data/DbError.h"
#include "data/DbErrorText.h"
#include "shell/SwedishOrder.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace {

QAtomicInt connectionCounter;

QString nextConnectionName(const char* kind)
{
    return QStringLiteral("valsit-%1-%2")
        .arg(QLatin1String(kind))
        .arg(connectionCounter.fetchAndAddOrdered(1));
}

// Looks for the three tables and their fields on an open connection: 1 when they are
// all there, 0 when one is missing, -1 when the file could not be read, -2 when SQLite
// found it damaged.
int electionTables(QSqlDatabase& db)
{
    for (const QString& table : ElectionDatabase::requiredTables()) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) {
            const int code = DbErrorText::codeOf(q.lastError()) & 0xff;
            return code == SQLITE_CORRUPT || code == SQLITE_NOTADB ? -2 : -1;
        }
        QStringList found;
        while (q.next())
            found.append(q.value(1).toString().toLower());
        for (const QString& field : ElectionDatabase::requiredFields(table)) {
            if (!found.contains(field.toLower()))
                return 0;
        }
    }
    return 1;
}

bool hasElectionTables(QSqlDatabase& db)
{
    return electionTables(db) == 1;
}

// "ORDER BY DistrNamn COLLATE SVENSKA" lists names as a Swedish index does; SQLite
// itself only knows byte order (Ängby before Åby, every capital before any small letter).
int compareSwedish(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return SwedishOrder::compare(
        QString::fromRawData(static_cast<const QChar*>(a), lengthA / qsizetype(sizeof(QChar))),
        QString::fromRawData(static_cast<const QChar*>(b), lengthB / qsizetype(sizeof(QChar))));
}

void registerSwedishCollation(QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return;
    if (sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData()))
        sqlite3_create_collation(connection, "SVENSKA", SQLITE_UTF16, nullptr, &compareSwedish);
}

QString messageOf(const QSqlError& error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    return text;
}

} // namespace

ElectionDatabase::ElectionDatabase(const QString& path) : m_path(path)
{
    const FileKind kind = inspect(path);
    if (kind == Missing)
        throw DbError(DbError::FileNotFound, QStringLiteral("Filen '%1' hittades inte.").arg(path));
    if (kind != ElectionFile)
        throw DbError(DbError::UnrecognisedFormat, refusalText(kind, path));

    m_connection = nextConnectionName("db");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const QSqlError why = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw DbError(DbError::EngineFailure,
                      DbErrorText::describe(
                          QStringLiteral("Databasen '%1' kunde inte öppnas").arg(path), why));
    }
    // A file left by an interrupted write is made whole by this first read-write open;
    // only then can its tables be checked (see inspect()).
    if (!hasElectionTables(db)) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw DbError(DbError::UnrecognisedFormat, refusalText(WrongTables, path));
    }
    // The related-records rule (a party or district with votes cannot go) lives in the
    // foreign keys, which SQLite only enforces when asked on every connection.
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    registerSwedishCollation(db);
    // Rows that hold no votes are no reason to keep a party or a district: they go with it,
    // inside the same statement, so a refused delete (real votes) leaves them too. The
    // triggers live in this connection only; the file is not changed by opening it.
    for (const char* parent : {"Partier", "Distrikt"}) {
        const QString key = QLatin1String(parent) == QLatin1String("Partier")
                                ? QStringLiteral("PartiID")
                                : QStringLiteral("DistrID");
        q.exec(QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1NollRader BEFORE DELETE ON "
                              "main.%1 BEGIN DELETE FROM DistrRoster WHERE %2 = OLD.%2 AND "
                              "COALESCE(Roster, 0) = 0; END")
                   .arg(QLatin1String(parent), key));
    }
}

ElectionDatabase::~ElectionDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ElectionDatabase::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

ElectionDatabase::WriteResult ElectionDatabase::write(const QString& table, WriteKind kind,
                                                      const QString& sql,
                                                      const QVariantList& values)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw DbError(
            DbError::EngineFailure,
            DbErrorText::describe(QStringLiteral("Ändringen kunde inte påbörjas"), db.lastError()));

    QSqlQuery q(db);
    bool ok = q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    ok = ok && q.exec();
    if (!ok) {
        const QSqlError error = q.lastError();
        q.finish();
        db.rollback();
        const QString text = messageOf(error);
        const QString upper = text.toUpper();
        if (upper.contains(QLatin1String("UNIQUE CONSTRAINT")) ||
            upper.contains(QLatin1String("PRIMARY KEY")))
            throw DbError(DbError::DuplicateKey,
                          QStringLiteral("Ändringarna du begärde kunde inte utföras eftersom de "
                                         "skulle skapa dubblettvärden i indexet, primärnyckeln "
                                         "eller relationen. Ändra data i fältet eller fälten "
                                         "som innehåller dubblettvärden och försök igen."));
        if (upper.contains(QLatin1String("FOREIGN KEY"))) {
            const bool asParent =
                kind == Delete || (kind == Update && !childTables(table).isEmpty());
            if (asParent)
                throw DbError(DbError::RelatedRecordsExist,
                              QStringLiteral("Det går inte att ta bort eller ändra posten "
                                             "eftersom tabellen '%1' innehåller relaterade poster.")
                                  .arg(childTables(table).join(QStringLiteral("', '"))));
            throw DbError(DbError::RelatedRecordRequired,
                          QStringLiteral("Det går inte att lägga till eller ändra posten eftersom "
                                         "en relaterad post krävs i tabellen '%1'.")
                              .arg(parentTables(table).join(QStringLiteral("', '"))));
        }
        if (upper.contains(QLatin1String("NOT NULL")))
            throw DbError(DbError::NullKey,
                          QStringLiteral("Fältet '%1' kan inte innehålla ett null-värde eftersom "
                                         "det är ett nyckelfält eller obligatoriskt.")
                              .arg(text.section(QLatin1Char('.'), -1).trimmed()));
        if (upper.contains(QLatin1String("CHECK CONSTRAINT")))
            throw DbError(DbError::ValidationRule,
                          QStringLiteral("Ett eller flera värden hindras av verifieringsregeln "
                                         "för tabellen '%1'.")
                              .arg(table));
        if (upper.contains(QLatin1String("READONLY")) || upper.contains(QLatin1String("READ-ONLY")))
            throw DbError(DbError::ReadOnly,
                          QStringLiteral("Det går inte att uppdatera. Databasen eller objektet är "
                                         "skrivskyddat."));
        if (upper.contains(QLatin1String("LOCKED")) || upper.contains(QLatin1String("BUSY")))
            throw DbError(DbError::Locked,
                          QStringLiteral("Databasen används just nu av ett annat program eller "
                                         "fönster. Försök igen om en stund."));
        throw DbError(DbError::EngineFailure,
                      DbErrorText::describe(QStringLiteral("Databasen kunde inte ändras"), error));
    }
    WriteResult result;
    result.rowsAffected = q.numRowsAffected();
    result.lastInsertId = q.lastInsertId();
    q.finish();
    if (!db.commit()) {
        const QSqlError why = db.lastError();
        db.rollback();
        throw DbError(DbError::EngineFailure,
                      DbErrorText::describe(QStringLiteral("Ändringen kunde inte sparas"), why));
    }
    return result;
}

QStringList ElectionDatabase::childTables(const QString& table) const
{
    QStringList children;
    QSqlDatabase db = database();
    for (const QString& other : db.tables()) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA foreign_key_list(\"%1\")").arg(other));
        while (q.next()) {
            if (q.value(2).toString().compare(table, Qt::CaseInsensitive) == 0 &&
                !children.contains(other))
                children.append(other);
        }
    }
    return children;
}

QStringList ElectionDatabase::parentTables(const QString& table) const
{
    QStringList parents;
    QSqlQuery q(database());
    q.exec(QStringLiteral("PRAGMA foreign_key_list(\"%1\")").arg(table));
    while (q.next()) {
        const QString parent = q.value(2).toString();
        if (!parents.contains(parent))
            parents.append(parent);
    }
    return parents;
}

ElectionDatabase::FileKind ElectionDatabase::inspect(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile())
        return Missing;
    if (info.size() == 0)
        return EmptyFile;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable;
    const QByteArray head = file.read(100);
    file.close();
    if (head.mid(4, 15) == "Standard Jet DB")
        return JetFile;
    if (!head.startsWith(QByteArray("SQLite format 3\0", 16)) || head.size() < 100)
        return NotDatabase;

    // Read-only, so that even a damaged file is left exactly as it was.
    const QString name = nextConnectionName("inspect");
    FileKind kind = WrongTables;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        const int tables = db.open() ? electionTables(db) : -1;
        if (tables == 1) {
            kind = ElectionFile;
        } else if (tables < 0) {
            // After a crash in the middle of a write the file has a journal that a
            // read-only connection may not roll back. It is an SQLite file of ours all the
            // same: the first real open restores it and then checks its tables.
            const bool interrupted = QFileInfo::exists(path + QStringLiteral("-journal")) ||
                                     QFileInfo::exists(path + QStringLiteral("-wal"));
            kind = interrupted ? ElectionFile : tables == -2 ? Damaged : Unreadable;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return kind;
}

ElectionDatabase::FileKind ElectionDatabase::verify(const QString& path)
{
    FileKind kind = inspect(path);
    if (kind != ElectionFile)
        return kind;
    const bool interrupted = QFileInfo::exists(path + QStringLiteral("-journal")) ||
                             QFileInfo::exists(path + QStringLiteral("-wal"));
    if (interrupted) {
        try {
            ElectionDatabase restore(path); // rolls the interrupted write back
        } catch (const DbError&) {
            return Damaged;
        }
    }
    const QString name = nextConnectionName("verify");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            kind = Unreadable;
        } else {
            // integrity_check answers one row "ok", else a row per fault found. Its
            // quicker sibling quick_check does not compare an index with its table, and
            // an index that no longer matches is what a copy made without its journal
            // leaves: the report would then count votes that are not there. A file that
            // another program holds locked is not damaged: it is only unreadable now.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
                const int code = DbErrorText::codeOf(q.lastError()) & 0xff;
                kind = code == SQLITE_BUSY || code == SQLITE_LOCKED ? Unreadable : Damaged;
            } else if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
                kind = Damaged;
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return kind;
}

QString ElectionDatabase::refusalText(FileKind kind, const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    switch (kind) {
    case ElectionFile:
        return QString();
    case Missing:
        return QStringLiteral("Filen '%1' finns inte.").arg(path);
    case EmptyFile:
        return QStringLiteral("Filen '%1' är tom och är ingen valdatabas.").arg(name);
    case JetFile:
        return QStringLiteral("Filen '%1' är en databas från en äldre programversion och kan inte "
                              "användas direkt. Skapa en ny databas och för över partierna.")
            .arg(name);
    case NotDatabase:
        return QStringLiteral("Filen '%1' är ingen databas.").arg(name);
    case WrongTables:
        return QStringLiteral("Filen '%1' är en databas men saknar valdatabasens tabeller "
                              "(Partier, Distrikt, DistrRoster).")
            .arg(name);
    case Unreadable:
        return QStringLiteral("Filen '%1' kan inte läsas just nu. Kontrollera att den inte "
                              "används av ett annat program och att du får läsa den, och försök "
                              "igen.")
            .arg(name);
    case Damaged:
        return QStringLiteral("Databasen '%1' är skadad och kan inte användas; den har inte "
                              "ändrats. Hämta en säkerhetskopia av filen (en kopia du sparat, "
                              "eller en tidigare version från säkerhetskopieringen av mappen "
                              "%2), lägg den i stället för den skadade och välj den med "
                              "\"Hämta databas\".")
            .arg(name, QFileInfo(path).absolutePath());
    }
    return QString();
}

QStringList ElectionDatabase::requiredTables()
{
    return {QStringLiteral("Partier"), QStringLiteral("Distrikt"), QStringLiteral("DistrRoster")};
}

QStringList ElectionDatabase::requiredFields(const QString& table)
{
    if (table == QLatin1String("Partier"))
        return {QStringLiteral("PartiID"), QStringLiteral("PartiNamn"), QStringLiteral("Roster"),
                QStringLiteral("PartiValRes")};
    if (table == QLatin1String("Distrikt"))
        return {QStringLiteral("DistrID"), QStringLiteral("DistrNr"), QStringLiteral("DistrNamn")};
    if (table == QLatin1String("DistrRoster"))
        return {QStringLiteral("PartiID"), QStringLiteral("DistrID"), QStringLiteral("Roster")};
    return {};
}

QString ElectionDatabase::createFromSchema(const QString& path, const QString& schemaSql)
{
    if (QFileInfo::exists(path))
        return QStringLiteral("Filen '%1' finns redan.").arg(path);

    const QString name = nextConnectionName("create");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = messageOf(db.lastError());
        } else {
            db.transaction();
            // Statements end with ";" at the end of a line; "--" starts a comment line.
            QString statement;
            const QStringList lines = schemaSql.split(QLatin1Char('\n'));
            for (const QString& raw : lines) {
                const QString line = raw.trimmed();
                if (line.isEmpty() || line.startsWith(QLatin1String("--")))
                    continue;
                statement += raw + QLatin1Char('\n');
                if (!line.endsWith(QLatin1Char(';')))
                    continue;
                QSqlQuery q(db);
                if (!q.exec(statement)) {
                    failure =
                        messageOf(q.lastError()) + QStringLiteral(" i: ") + statement.trimmed();
                    break;
                }
                statement.clear();
            }
            if (failure.isEmpty() && !statement.trimmed().isEmpty())
                failure = QStringLiteral("Sista satsen saknar ';': ") + statement.trimmed();
            if (failure.isEmpty()) {
                if (!db.commit())
                    failure = messageOf(db.lastError());
            } else {
                db.rollback();
            }
            if (failure.isEmpty() && !hasElectionTables(db))
                failure = QStringLiteral("Schemat ger inte valdatabasens tabeller.");
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        QFile::remove(path);
    return failure;
}
