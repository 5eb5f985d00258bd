#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVector>

class DataControl;

// The records of a data control as a read-only table for a list: one column per field
// named, headed by the field's name, each cell read from the record set when it is
// shown. Whenever the record set is re-read, added to or deleted from, the model is reset,
// so a list never shows rows that are gone.
class RecordTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    RecordTableModel(DataControl* data, const QStringList& fields, QObject* parent = nullptr);

    // One alignment per column; columns without one are left-aligned.
    void setAlignments(const QList<Qt::Alignment>& alignments);
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

    QPointer<DataControl> m_data;
    QStringList m_fields;
    QList<Qt::Alignment> m_alignments;
    // Taken at each reset, so that the model answers consistently until the next one.
    int m_rows = 0;
    QVector<int> m_columns; // the record set's column of each field, -1 when it has none
};
