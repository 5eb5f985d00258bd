#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlError;

// One open connection to an election database file (SQLite behind the ".mdb" name that
// users know). Every data control and every record set works through one of these; the
// connection closes when the last user lets go of it.
//
// Opening never creates and never writes a file: a path without a file, or with a file
// that is not an election database (an old Jet file, a text file, an empty file), is
// refused with a DbError before SQLite sees it.
class ElectionDatabase
{
public:
    // What a file on disk is, found without writing to it.
    enum FileKind {
        ElectionFile, // SQLite with the three election tables (or left mid-write, see inspect)
        Missing,
        EmptyFile,
        JetFile,     // a database of the older program generation
        NotDatabase, // anything else (text, images, ...)
        WrongTables, // SQLite, but not an election database
        Unreadable,
        Damaged // SQLite's own check finds the file inconsistent (see verify)
    };

    enum WriteKind { Insert, Update, Delete };

    struct WriteResult
    {
        int rowsAffected = 0;
        QVariant lastInsertId;
    };

    explicit ElectionDatabase(const QString& path); // throws DbError
    ~ElectionDatabase();
    ElectionDatabase(const ElectionDatabase&) = delete;
    ElectionDatabase& operator=(const ElectionDatabase&) = delete;

    QString path() const { return m_path; }
    QSqlDatabase database() const;

    // Runs one statement that changes the database inside its own transaction. On any
    // failure the transaction is rolled back, so the file is as it was, and a DbError
    // with the number the program reacts to is thrown.
    WriteResult write(const QString& table, WriteKind kind, const QString& sql,
                      const QVariantList& values);

    // Tables whose rows refer to `table`, and tables that `table` refers to.
    QStringList childTables(const QString& table) const;
    QStringList parentTables(const QString& table) const;

    static FileKind inspect(const QString& path);
    // inspect() and then SQLite's integrity_check over the whole file, without writing to
    // it: an index that no longer matches its table, a page that is not what it should be.
    // Run when a file becomes the working election, not at every open (it reads every
    // page: about 60 ms for a thousand districts). A file left mid-write is made whole
    // first, as the first open always does.
    static FileKind verify(const QString& path);
    static bool isElectionDatabase(const QString& path) { return inspect(path) == ElectionFile; }
    // A Swedish sentence that says why the file cannot be used; for a damaged file it
    // names the file and says how to get a backup copy back.
    static QString refusalText(FileKind kind, const QString& path);

    // The tables and fields every election database has.
    static QStringList requiredTables();
    static QStringList requiredFields(const QString& table);

    // Makes a new database file from schema statements (separated by ";" at line ends).
    // Refuses to touch an existing file. Returns an empty string on success, else why not.
    static QString createFromSchema(const QString& path, const QString& schemaSql);

private:
    QString m_path;
    QString m_connection;
};
