#pragma once

#include "data/Recordset.h"
#include "data/RecordsetListener.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <memory>

class ElectionDatabase;

// The data control of a window (Data1 ... Data4): it opens the record source on the
// election database, holds the record set, keeps bound entry fields in step with the
// current record and raises Validate and Reposition.
//
// Use: setDatabaseName(DBSokVag); setRecordSource(query); bind(Text1(1), "PartiID"), ...;
// Refresh(); then work on Recordset(). Refresh and the record set throw DbError.
//
// Validate(Action, Save) is raised before the current record is left or saved (Action is
// one of Recordset::Action; 6 is a save). Save is true when a bound field was changed by
// the user. A handler refuses by setting both to 0; a refused save leaves the change
// pending. When Save stays true the bound fields' values go into the record and are
// stored (before a move, the record is stored first, as the user would expect).
// Connect handlers directly (the default): they get references.
//
// Bound fields are any QObject with a user property (QLineEdit's text, QCheckBox's
// checked), so this class needs no widgets.
class DataControl : public QObject, private RecordsetListener
{
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    void setDatabaseName(const QString& path);
    QString DatabaseName() const { return m_databaseName; }
    // A table source (DataSource::table) can be edited; a query is read-only.
    void setRecordSource(const DataSource& source);
    const DataSource& RecordSource() const { return m_recordSource; }
    // 1 (an updatable result set) is the only kind the program uses; kept for the record.
    void setRecordsetType(int type) { m_recordsetType = type; }
    int RecordsetType() const { return m_recordsetType; }

    // Opens (or re-runs) the record source; the first record becomes current. A pending
    // change is dropped. The file is opened again when DatabaseName changed.
    void Refresh();
    ::Recordset& Recordset() { return m_recordset; }
    // Another window or program changed the rows since they were read (see Recordset).
    bool changedElsewhere() { return m_recordset.changedElsewhere(); }
    bool isOpen() const { return m_recordset.isOpen(); }

    // Shows the field of the current record in `control` after every move and gives the
    // control's value to the field when the record is saved.
    void bind(QObject* control, const QString& field);
    void unbind(QObject* control);
    // True when a bound control's value differs from what the record put there.
    bool boundDataChanged() const;

Q_SIGNALS:
    void Validate(int& Action, int& Save);
    void Reposition();
    // Rows were added, removed, changed or re-read (lists and grids redraw).
    void contentChanged();

private:
    struct Binding
    {
        QPointer<QObject> control;
        QString field;
        QVariant shown; // what the record put into the control
    };

    Verdict beforeLeave(int action) override;
    void afterReposition() override;
    void afterFieldSet(int column) override;
    void afterContentChanged() override;

    void showBinding(Binding& binding);
    void storeBindings();
    static QByteArray userProperty(const QObject* control);

    QString m_databaseName;
    DataSource m_recordSource;
    int m_recordsetType = 1;
    std::shared_ptr<ElectionDatabase> m_database;
    ::Recordset m_recordset;
    QList<Binding> m_bindings;
};
