#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVector>

class DataControl;

// The records of a data control as a read-only table for a list: one column per field
// named, headed by its caption for the user (the field's name until one is given; the
// name stays readable in the role FieldNameRole), each cell read from the record set when it is
// shown. Whenever the record set is re-read, added to or deleted from, the model is reset,
// so a list never shows rows that are gone.
class RecordTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum { FieldNameRole = Qt::UserRole + 1 };

    RecordTableModel(DataControl* data, const QStringList& fields, QObject* parent = nullptr);

    // One alignment per column; columns without one are left-aligned.
    void setAlignments(const QList<Qt::Alignment>& alignments);
    // While on, a re-read keeps the rows where they stood, found again by their text in
    // `keyColumn` (the record's id); new rows come last, deleted ones go. The list the
    // user works in then does not re-sort under the mouse.
    void setKeepOrder(bool keep, int keyColumn = 0)
    {
        m_keepOrder = keep;
        m_keyColumn = keyColumn;
    }
    // The column of a field, 0 when the list does not show it.
    int keyColumn(const QString& field) const { return qMax(0, int(m_fields.indexOf(field))); }
    // The headings the user reads ("Röster" for the field Roster), one per column.
    void setCaptions(const QStringList& captions) { m_captions = captions; }
    // The first row whose cell in `column` shows `text`, or -1.
    int findRow(int column, const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reload();
    QString text(int row, int column) const;
    QString recordText(int record, int column) const;

    QPointer<DataControl> m_data;
    QStringList m_fields;
    QStringList m_captions;
    QList<Qt::Alignment> m_alignments;
    // Taken at each reset, so that the model answers consistently until the next one.
    int m_rows = 0;
    QVector<int> m_order; // the record set's row shown in each row
    QStringList m_keys;   // the key of each row, as last shown
    bool m_keepOrder = false;
    int m_keyColumn = 0;
    QVector<int> m_columns; // the record set's column of each field, -1 when it has none
};
