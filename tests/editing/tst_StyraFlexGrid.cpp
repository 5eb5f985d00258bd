#include "FakeMessageService.h"
#include "editing/StyraFlexGrid.h"

#include <QHeaderView>
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
        field = new QLineEdit;
        grid = new QTableWidget(rows, 4);
        grid->setHorizontalHeaderLabels({"PartiID", "Roster", "Partinamn", "Partinamn"});
        for (int r = 0; r < rows; ++r) {
            grid->setItem(r, 0, new QTableWidgetItem(QString("P%1").arg(r + 1)));
            grid->setItem(r, 1, new QTableWidgetItem(QString::number(1000 - r)));
        }
        layout->addWidget(field);
        layout->addWidget(grid);
        resize(400, 300);
    }
    QLineEdit* field;
    QTableWidget* grid;
};

class tst_StyraFlexGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void vilkenKol_data();
    void vilkenKol();
    void markeraRad_data();
    void markeraRad();
    void markeraRadWithoutActiveGridDoesNothing();
    void doSortOrdersByAllColumns();
};

void tst_StyraFlexGrid::vilkenKol_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("gridActive");
    QTest::addColumn<int>("column");

    QTest::newRow("first") << "PartiID" << true << 0;
    QTest::newRow("second") << "Roster" << true << 1;
    QTest::newRow("twice gives the leftmost") << "Partinamn" << true << 2;
    QTest::newRow("case matters") << "partiid" << true << 99;
    QTest::newRow("no blanks trimmed") << "Roster " << true << 99;
    QTest::newRow("missing") << "DistrNr" << true << 99;
    QTest::newRow("text box active") << "PartiID" << false << 99;
}

void tst_StyraFlexGrid::vilkenKol()
{
    QFETCH(QString, heading);
    QFETCH(bool, gridActive);
    QFETCH(int, column);

    GridWindow window(5);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    (gridActive ? static_cast<QWidget*>(window.grid) : window.field)->setFocus();

    FakeMessageService messages;
    StyraFlexGrid helper(messages);
    helper.setFormName(&window);
    QCOMPARE(helper.VilkenKol(heading), column);

    if (column != 99) {
        QVERIFY(messages.shown.isEmpty());
        return;
    }
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].text, "Kolumnen '" + heading + "' saknas.");
    QCOMPARE(messages.shown[0].buttons, MessageService::Ok);
    QCOMPARE(messages.shown[0].icon, MessageService::Exclamation);
    QCOMPARE(messages.shown[0].title, QStringLiteral("Valsit Version " VALSIT_VERSION));
}

void tst_StyraFlexGrid::markeraRad_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("startTop"); // the row scrolled to the top first (0: none)
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selectedRow"); // 0: nothing selected
    QTest::addColumn<int>("expectedTop");

    QTest::newRow("below the visible rows comes to the top") << 60 << 0 << 40 << 40 << 40;
    QTest::newRow("visible row keeps the scroll position") << 60 << 0 << 3 << 3 << 1;
    QTest::newRow("visible row after scrolling") << 60 << 20 << 21 << 21 << 20;
    QTest::newRow("above the visible rows comes to the top") << 60 << 30 << 5 << 5 << 5;
    QTest::newRow("empty list") << 0 << 0 << 1 << 0 << 0;
    QTest::newRow("row past the end") << 5 << 0 << 6 << 0 << 1;
    QTest::newRow("heading row") << 5 << 0 << 0 << 0 << 1;
}

void tst_StyraFlexGrid::markeraRad()
{
    QFETCH(int, rows);
    QFETCH(int, startTop);
    QFETCH(int, row);
    QFETCH(int, selectedRow);
    QFETCH(int, expectedTop);

    GridWindow window(rows);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (startTop > 0)
        window.grid->scrollTo(window.grid->model()->index(startTop - 1, 0),
                              QAbstractItemView::PositionAtTop);
    window.grid->setFocus();

    FakeMessageService messages;
    StyraFlexGrid helper(messages);
    helper.setFormName(&window);
    helper.MarkeraRad(row);

    const QModelIndexList selected = window.grid->selectionModel()->selectedRows();
    if (selectedRow == 0) {
        QVERIFY(selected.isEmpty());
    } else {
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0].row(), selectedRow - 1);
        // The whole row, every column, is selected, and it is the current row.
        QCOMPARE(window.grid->selectionModel()->selectedIndexes().size(), 4);
        QCOMPARE(window.grid->currentIndex().row(), selectedRow - 1);
        QCOMPARE(window.grid->currentIndex().column(), 0);
        QVERIFY(StyraFlexGrid::rowIsVisible(*window.grid, selectedRow));
        // Highlighted also when the focus has gone back to an entry field.
        const QPalette p = window.grid->palette();
        QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight),
                 p.color(QPalette::Active, QPalette::Highlight));
    }
    QCOMPARE(StyraFlexGrid::topRow(*window.grid), expectedTop);
    QVERIFY(messages.shown.isEmpty());
}

void tst_StyraFlexGrid::markeraRadWithoutActiveGridDoesNothing()
{
    GridWindow window(60);
    window.show();
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

void tst_StyraFlexGrid::doSortOrdersByAllColumns()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new QTableWidget(4, 2);
    layout->addWidget(grid);
    const QList<QStringList> rows = {{"b", "2"}, {"a", "3"}, {"b", "1"}, {"a", "1"}};
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c)
            grid->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    grid->setFocus();

    FakeMessageService messages;
    StyraFlexGrid helper(messages);
    helper.setFormName(&window);
    helper.DoSort();

    QStringList sorted;
    for (int r = 0; r < 4; ++r)
        sorted << grid->item(r, 0)->text() + grid->item(r, 1)->text();
    QCOMPARE(sorted, QStringList({"a1", "a3", "b1", "b2"}));
}

QTEST_MAIN(tst_StyraFlexGrid)
#include "tst_StyraFlexGrid.moc"
