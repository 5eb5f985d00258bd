#include "data/RecordTableModel.h"

#include "data/DataControl.h"

#include <QHash>

RecordTableModel::RecordTableModel(DataControl* data, const QStringList& fields, QObject* parent)
    : QAbstractTableModel(parent), m_data(data), m_fields(fields)
{
    if (data) {
        connect(data, &DataControl::contentChanged, this, &RecordTableModel::reload);
        connect(data, &QObject::destroyed, this, &RecordTableModel::reload);
    }
    reload();
}

void RecordTableModel::setAlignments(const QList<Qt::Alignment>& alignments)
{
    m_alignments = alignments;
    if (m_rows > 0 && !m_fields.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, int(m_fields.size()) - 1),
                           {Qt::TextAlignmentRole});
}

void RecordTableModel::reload()
{
    beginResetModel();
    m_columns.clear();
    m_rows = 0;
    if (m_data && m_data->isOpen()) {
        const Recordset& rs = m_data->Recordset();
        m_rows = rs.RecordCount();
        for (const QString& field : m_fields)
            m_columns.append(rs.fieldIndex(field));
    } else {
        m_columns.fill(-1, m_fields.size());
    }
    QVector<int> order;
    if (m_keepOrder && !m_keys.isEmpty()) {
        QHash<QString, int> where;
        for (int r = m_rows - 1; r >= 0; --r)
            where.insert(recordText(r, m_keyColumn), r);
        QVector<bool> placed(m_rows, false);
        for (const QString& key : std::as_const(m_keys)) {
            const auto it = where.constFind(key);
            if (it != where.constEnd() && !placed[*it]) {
                placed[*it] = true;
                order.append(*it);
            }
        }
        for (int r = 0; r < m_rows; ++r)
            if (!placed[r])
                order.append(r);
    } else {
        for (int r = 0; r < m_rows; ++r)
            order.append(r);
    }
    m_order = order;
    m_keys.clear();
    for (int row = 0; row < m_rows; ++row)
        m_keys.append(text(row, m_keyColumn));
    endResetModel();
}

QString RecordTableModel::recordText(int record, int column) const
{
    if (!m_data || !m_data->isOpen() || m_columns.value(column, -1) < 0)
        return QString();
    const QVariant v = m_data->Recordset().valueAt(record, m_columns[column]);
    return v.isNull() ? QString() : v.toString();
}

QString RecordTableModel::text(int row, int column) const
{
    return recordText(m_order.value(row, row), column);
}

int RecordTableModel::findRow(int column, const QString& text) const
{
    for (int row = 0; row < m_rows; ++row) {
        if (this->text(row, column) == text)
            return row;
    }
    return -1;
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(m_alignments.value(index.column(), Qt::AlignLeft | Qt::AlignVCenter));
    return QVariant();
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == FieldNameRole)
        return m_fields.value(section);
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_captions.value(section, m_fields.value(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}
