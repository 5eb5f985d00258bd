#include "ui/editing/StyraFlexGrid.h"

#include "data/RecordTableModel.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPalette>
#include <QScrollBar>
#include <QTableView>

StyraFlexGrid::StyraFlexGrid(MessageService& messages) : m_messages(messages) {}

QTableView* StyraFlexGrid::activeGrid() const
{
    if (!m_form)
        return nullptr;
    auto* grid = qobject_cast<QTableView*>(m_form->focusWidget());
    return grid && grid->model() ? grid : nullptr;
}

bool StyraFlexGrid::rowIsVisible(const QTableView& grid, qint32 row)
{
    const int y = grid.rowViewportPosition(row - 1);
    if (y < 0 || grid.isRowHidden(row - 1))
        return false;
    return y + grid.rowHeight(row - 1) <= grid.viewport()->height();
}

qint32 StyraFlexGrid::topRow(const QTableView& grid)
{
    const int modelRow = grid.rowAt(0);
    return modelRow < 0 ? 0 : modelRow + 1;
}

void StyraFlexGrid::MarkeraRad(qint32 lngRad)
{
    QTableView* grid = activeGrid();
    if (!grid)
        return;
    QAbstractItemModel* model = grid->model();
    const int rows = model->rowCount();
    const int cols = model->columnCount();
    if (rows <= 0 || cols <= 0 || lngRad < 1 || lngRad > rows)
        return;

    // Looked at before the row becomes current, because that scrolls it into view.
    const bool visible = rowIsVisible(*grid, lngRad);

    const QModelIndex first = model->index(lngRad - 1, 0);
    const QModelIndex last = model->index(lngRad - 1, cols - 1);
    const int scroll = grid->verticalScrollBar() ? grid->verticalScrollBar()->value() : 0;
    grid->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    grid->selectionModel()->select(QItemSelection(first, last),
                                   QItemSelectionModel::ClearAndSelect);

    // The marked row stays highlighted when the focus goes back to the entry fields.
    QPalette palette = grid->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    grid->setPalette(palette);

    if (visible)
        grid->verticalScrollBar()->setValue(scroll);
    else
        grid->scrollTo(first, QAbstractItemView::PositionAtTop);
}

std::optional<int> StyraFlexGrid::VilkenKol(const QString& strRubrik)
{
    std::optional<int> result;
    if (QTableView* grid = activeGrid()) {
        QAbstractItemModel* model = grid->model();
        const int cols = model->columnCount();
        for (int c = 0; c < cols; ++c) {
            // A list may show its own heading over a field; the field's name finds it too.
            if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == strRubrik ||
                model->headerData(c, Qt::Horizontal, RecordTableModel::FieldNameRole).toString() ==
                    strRubrik) {
                result = c;
                break;
            }
        }
    }
    if (!result) {
        m_messages.msgBox(QStringLiteral("Kolumnen '") + strRubrik + QStringLiteral("' saknas."),
                          MessageService::Ok, MessageService::Exclamation,
                          AppInfo::productName() + QStringLiteral(" Version ") +
                              AppInfo::version());
    }
    return result;
}

void StyraFlexGrid::DoSort()
{
    QTableView* grid = activeGrid();
    if (!grid)
        return;
    QAbstractItemModel* model = grid->model();
    // Sorting by each column from the rightmost to the leftmost with a stable sort orders
    // the rows by all columns, left to right (the models of the lists sort stably).
    for (int c = model->columnCount() - 1; c >= 0; --c)
        model->sort(c, Qt::AscendingOrder);
}
