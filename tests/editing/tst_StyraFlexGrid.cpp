#include "FakeMessageService.h"
#include "Rows.h"
#include "editing/StyraFlexGrid.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

// A window with a record list and an entry field, as the entry windows have them.
class GridWindow : public QWidget
{
public:
    explicit GridWindow(int rows)
    {
        auto* layout = new QVBoxLayout(this);
        grid = new QTableWidget(rows, 4);
        grid->setHorizontalHeaderLabels({"PartiID", "Roster", "Partinamn", "Partinamn"});
        layout->addWidget(field);
        layout->addWidget(grid);
        resize(400, 300);
        show();
    }
    QLineEdit* field = new QLineEdit;
    QTableWidget* grid;
};

namespace {
struct ColumnCase
{
    const char* name;
    const char* heading;
    bool gridActive;
    int column;
};
const ColumnCase columns[] = {
    {"first", "PartiID", true, 0},
    {"twice gives the leftmost", "Partinamn", true, 2},
    {"case matters", "partiid", true, 99},
    {"no blanks trimmed", "Roster ", true, 99},
    {"text box active", "PartiID", false, 99},
};

struct RowCase
{
    const char* name;
    int rows;
    int startTop; // the row scrolled to the top first (0: none)
    int row;
    int selectedRow; // 0: nothing selected
    int expectedTop;
};
const RowCase rowCases[] = {
    {"below the visible rows comes to the top", 60, 0, 40, 40, 40},
    {"visible row keeps the scroll position", 60, 0, 3, 3, 1},
    {"visible row after scrolling", 60, 20, 21, 21, 20},
    {"above the visible rows comes to the top", 60, 30, 5, 5, 5},
    {"empty list", 0, 0, 1, 0, 0},
    {"row past the end", 5, 0, 6, 0, 1},
    {"heading row", 5, 0, 0, 0, 1},
};
} // namespace

// The record list helper: the column of a heading and the row the navigator shows.
class tst_StyraFlexGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void vilkenKol_data() { addRows(columns); }
    void vilkenKol()
    {
        const ColumnCase& c = row(columns);
        GridWindow window(5);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        (c.gridActive ? static_cast<QWidget*>(window.grid) : window.field)->setFocus();
        FakeMessageService messages;
        StyraFlexGrid helper(messages);
        helper.setFormName(&window);
        QCOMPARE(helper.VilkenKol(c.heading), c.column);
        if (c.column != 99) {
            QVERIFY(messages.shown.isEmpty());
        } else {
            QCOMPARE(messages.texts(),
                     QStringList{"Kolumnen '" + QString(c.heading) + "' saknas."});
            QCOMPARE(messages.shown[0].icon, MessageService::Exclamation);
            QCOMPARE(messages.shown[0].title, QStringLiteral("Valsit Version " VALSIT_VERSION));
        }
    }

    void markeraRad_data() { addRows(rowCases); }
    void markeraRad()
    {
        const RowCase& c = row(rowCases);
        GridWindow window(c.rows);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (c.startTop > 0)
            window.grid->scrollTo(window.grid->model()->index(c.startTop - 1, 0),
                                  QAbstractItemView::PositionAtTop);
        window.grid->setFocus();
        FakeMessageService messages;
        StyraFlexGrid helper(messages);
        helper.setFormName(&window);
        helper.MarkeraRad(c.row);

        const QModelIndexList selected = window.grid->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), c.selectedRow ? 1 : 0);
        if (c.selectedRow) {
            // The whole row is selected and current, highlighted also when the focus has
            // gone back to an entry field.
            QCOMPARE(selected[0].row(), c.selectedRow - 1);
            QCOMPARE(window.grid->selectionModel()->selectedIndexes().size(), 4);
            QCOMPARE(window.grid->currentIndex(), window.grid->model()->index(c.row - 1, 0));
            const QPalette p = window.grid->palette();
            QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight),
                     p.color(QPalette::Active, QPalette::Highlight));
        }
        QCOMPARE(StyraFlexGrid::topRow(*window.grid), c.expectedTop);
        QVERIFY(messages.shown.isEmpty());
    }

    void markeraRadWithoutActiveGridDoesNothing()
    {
        GridWindow window(60);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        FakeMessageService messages;
        StyraFlexGrid helper(messages);
        window.grid->setFocus();
        helper.MarkeraRad(40); // no window given
        window.field->setFocus();
        helper.setFormName(&window);
        helper.MarkeraRad(40); // the text box is the active control
        QVERIFY(window.grid->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(StyraFlexGrid::topRow(*window.grid), 1);
    }
};

QTEST_MAIN(tst_StyraFlexGrid)
#include "tst_StyraFlexGrid.moc"
