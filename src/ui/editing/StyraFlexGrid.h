#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <optional>

class MessageService;
class QTableView;
class QWidget;

// Finds a column of a record list by its heading and marks one row as the selected row.
// It always works on the window's active control and only when that is a record list (a
// QTableView, QTableWidget included), so the windows give the list the focus first.
//
// Rows are counted as the lists show them: row 0 is the heading row (the view's
// horizontal header) and data rows are 1 to the number of model rows.
class StyraFlexGrid
{
public:
    explicit StyraFlexGrid(MessageService& messages);

    void setFormName(QWidget* form) { m_form = form; }
    QWidget* formName() const { return m_form; }

    // Makes data row `lngRad` the current and only selected row, always shown highlighted,
    // and scrolls it to the top when it is not in view. A row outside the list is ignored.
    void MarkeraRad(qint32 lngRad);
    // The leftmost column headed exactly `strRubrik`, or none after a warning when there
    // is none (or no list is active).
    std::optional<int> VilkenKol(const QString& strRubrik);
    // Sorts the rows ascending by all columns, left to right.
    void DoSort();

    // Whether data row `row` lies wholly inside the list's visible area.
    static bool rowIsVisible(const QTableView& grid, qint32 row);
    // The first data row in view (1-based), 0 for an empty list.
    static qint32 topRow(const QTableView& grid);

private:
    QTableView* activeGrid() const;

    MessageService& m_messages;
    QPointer<QWidget> m_form;
};
