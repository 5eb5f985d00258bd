#pragma once

#include "data/DataSource.h"
#include "data/FieldValue.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

class ElectionDatabase;
class RecordsetListener;

// An updatable result set over one table or one single-table SELECT, held in memory.
//
// It behaves as the program expects of its database engine:
// - moves, Eof/Bof, RecordCount (always exact), AbsolutePosition (0-based, -1 without a
//   current record), Bookmark, FindFirst/NoMatch;
// - AddNew/Edit, then Update or CancelUpdate; Delete. Every write is one transaction of
//   its own: a refused write leaves the file, the record set and EditMode as they were
//   and throws a DbError (3022 duplicate key, 3200 related records exist, ...);
// - a record added by Update is put last, and the record current before AddNew is
//   current again afterwards; after Delete there is no current record until a move.
//
// Failures are thrown as DbError. Eof/Bof are named so because EOF is a C macro.
//
// A table source (DataSource::table) is updatable when its columns include the table's
// primary key; a query is read-only (DbError 3027 on a write).
class Recordset
{
public:
    enum EditModeValue { dbEditNone = 0, dbEditInProgress = 1, dbEditAdd = 2 };
    // One field of the current record: `rs.Fields("Roster").Value()`. A small handle; it
    // reads and writes through the record set, so it always sees the record that is
    // current (or pending) at the moment of the call.
    class Field
    {
    public:
        Field(Recordset* recordset, int column) : m_recordset(recordset), m_column(column) {}

        QString Name() const;
        int Type() const; // 3 to 7 numeric, 10 text
        // The value of the current record, or of the pending one while editing or adding.
        // A Null value is an invalid QVariant.
        QVariant Value() const;
        bool isNull() const { return !Value().isValid(); }
        // Only while editing or adding (else DbError 3020). Converts the value to the
        // field's type (DbError 3421 when it does not fit); an empty text or invalid
        // QVariant is Null.
        void setValue(const QVariant& value);

    private:
        Recordset* m_recordset;
        int m_column;
    };

    enum FieldType {
        dbInteger = FieldValue::Integer,
        dbLong = FieldValue::Long,
        dbCurrency = FieldValue::Currency,
        dbSingle = FieldValue::Single,
        dbDouble = FieldValue::Double,
        dbText = FieldValue::Text
    };
    // Validate action codes, as the data control passes them to its handlers.
    enum Action {
        ActionCancel = 0,
        ActionMoveFirst = 1,
        ActionMovePrevious = 2,
        ActionMoveNext = 3,
        ActionMoveLast = 4,
        ActionAddNew = 5,
        ActionUpdate = 6,
        ActionDelete = 7,
        ActionFind = 8,
        ActionBookmark = 9
    };
    using BookmarkValue = qint64; // 0 names no record

    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs the record source and makes the first record current. Drops whatever was
    // pending. Throws DbError.
    void open(std::shared_ptr<ElectionDatabase> database, const DataSource& source);
    void close();
    bool isOpen() const { return m_database != nullptr; }
    bool isUpdatable() const { return m_updatable; }
    const DataSource& source() const { return m_source; }
    QString baseTable() const { return m_table; }

    void setListener(RecordsetListener* listener) { m_listener = listener; }

    // Moves (Validate actions 1 to 4). Without a record to go to: DbError 3021.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Re-reads the current record and drops a pending change (a move by 0 rows).
    void Reread();
    bool Eof() const;
    bool Bof() const;
    int RecordCount() const { return m_rows.size(); }
    int AbsolutePosition() const;

    BookmarkValue Bookmark() const;       // DbError 3021 without a current record
    void setBookmark(BookmarkValue mark); // Validate action 9; DbError 3159 for an unknown mark

    // Makes the first record whose field equals the value current. The value is compared
    // as a value of the field's type (texts without regard to case), never pasted into a
    // query, so a quote in a party code is just a character.
    void FindFirst(const QString& field, const QVariant& value);
    bool NoMatch() const { return m_noMatch; }

    int EditMode() const { return m_editMode; }
    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();

    Field Fields(const QString& name); // DbError 3265 for an unknown name
    Field Fields(int index);
    int fieldCount() const { return m_names.size(); }
    int fieldIndex(const QString& name) const; // -1 when there is none
    QString fieldName(int column) const;
    int fieldType(int column) const;

    // True when another connection (another window, another program) has changed the
    // rows of the record source since they were read: SQLite's data_version tells that the
    // file was written by someone else, and the rows are then read again and compared, so
    // a write that left them as they were is no change. Throws DbError.
    bool changedElsewhere();

    // Read access to any row without moving, for lists and grids.
    QVariant valueAt(int row, int column) const;

    // Used by its Field handles.
    QVariant value(int column) const;
    void setValue(int column, const QVariant& value);

private:
    struct Row
    {
        BookmarkValue mark = 0;
        QVector<QVariant> values;
    };

    bool hasCurrent() const;
    void requireCurrent() const;
    void requireUpdatable() const;
    // Asks the listener; handles a pending change the way leaving a record does.
    bool leave(int action);
    void dropPending();
    void writePending();
    QVariant convert(int column, const QVariant& value) const;
    QVector<QVariant> reread(const QStringList& whereColumns,
                             const QVariantList& whereValues) const;
    void notifyReposition();
    void notifyContent();
    void checkColumn(int column) const;
    qint64 dataVersion() const;

    std::shared_ptr<ElectionDatabase> m_database;
    DataSource m_source;
    QString m_table;
    bool m_updatable = false;
    QStringList m_names;
    QVector<int> m_types;
    QVector<int> m_maxLengths; // 0: no limit
    QVector<QVariant> m_defaults;
    QVector<int> m_keyColumns; // the primary key's columns within the result
    QVector<Row> m_rows;
    int m_pos = -1; // the current row; -1 before the first, size past the last
    bool m_currentDeleted = false;
    bool m_noMatch = false;
    int m_editMode = dbEditNone;
    QVector<QVariant> m_buffer; // the pending record
    int m_posBeforeAdd = -1;
    bool m_deletedBeforeAdd = false;
    BookmarkValue m_nextMark = 1;
    RecordsetListener* m_listener = nullptr;
    qint64 m_dataVersion = -1; // the connection's data_version when the rows were read
};
