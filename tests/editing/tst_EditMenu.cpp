// The helpers of the entry windows' fields and lists: the edit menu with its keys going
// through the clipboard commands (and the refusal of every control that is no text box),
// the keystroke filters, the select-all on focus, and the record list's column and row.
#include "FakeMessageService.h"
#include "Rows.h"
#include "WindowDriver.h"
#include "ui/editing/Key2TextBox.h"
#include "ui/editing/MarkeraOnFocus.h"
#include "ui/editing/RedigeraMenu.h"
#include "ui/editing/StyraFlexGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

// An entry window with the edit menu as the entry windows add it, and a record list.
class EditWindow : public QMainWindow
{
public:
    explicit EditWindow(MessageService& messages, int rows = 2) : grid(new QTableWidget(rows, 4))
    {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        for (QWidget* w : std::initializer_list<QWidget*>{box, votes, locked, grid, combo, rich})
            layout->addWidget(w);
        locked->setReadOnly(true);
        combo->setEditable(true);
        grid->setHorizontalHeaderLabels({"PartiID", "Roster", "Partinamn", "Partinamn"});
        setCentralWidget(central);
        filters.hook(votes, &Key2TextBox::txt0_9);
        menu = RedigeraMenu::addTo(menuBar(), messages);
        resize(400, 600);
    }

    Key2TextBox filters;
    RedigeraMenu* menu;
    QLineEdit* box = new QLineEdit;
    QLineEdit* votes = new QLineEdit;
    QLineEdit* locked = new QLineEdit("låst");
    QTableWidget* grid;
    QComboBox* combo = new QComboBox;
    QTextEdit* rich = new QTextEdit;
};

namespace {
using WindowDriver::typeText;

void press(QWidget* focus, char key)
{
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key(Qt::Key_A + (key - 'A')), Qt::ControlModifier);
}
QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

// A key on a text box: its text and selection before, the clipboard before and both after.
struct KeyCase
{
    const char* name;
    char key;
    const char* field; // "box", "votes" (digits only) or "locked"
    const char* text;
    int selStart, selLength;
    const char* clipBefore;
    const char* clipAfter;
    const char* textAfter;
};
const KeyCase keyCases[] = {
    {"copy selection", 'C', "box", "1234", 1, 2, "old", "23", "1234"},
    {"copy nothing selected empties", 'C', "box", "1234", 2, 0, "old", "", "1234"},
    {"cut removes selection", 'X', "box", "1234", 1, 2, "old", "23", "14"},
    {"paste at caret", 'V', "box", "19", 1, 0, "2", "2", "129"},
    {"paste empty clipboard removes selection", 'V', "box", "12345", 1, 3, "", "", "15"},
    {"paste into filtered field", 'V', "votes", "7", 0, 1, "12 345 röster", "12 345 röster",
     "12345"},
    {"paste into locked field", 'V', "locked", "låst", 0, 4, "x", "x", "låst"},
    {"cut of locked field copies only", 'X', "locked", "låst", 0, 4, "x", "låst", "låst"},
};

// The filters the entry windows use.
struct FilterCase
{
    const char* name;
    Key2TextBox::Filter filter;
    const char* allowed; // in code order
};
const FilterCase filters[] = {
    {"txt0_9", &Key2TextBox::txt0_9, "0123456789"},
    {"txtAlphaNum", &Key2TextBox::txtAlphaNum,
     "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÅÖäåö"},
};

// Typed or pasted text, with the text and selection before and the result.
struct EditCase
{
    const char* name;
    bool alpha; // txtAlphaNum, else txt0_9
    bool paste;
    const char* before;
    int selStart, selLength;
    const char* input;
    const char* after;
    int cursor;
};
const EditCase edits[] = {
    {"votes typed", false, false, "", 0, 0, "12a3 4-", "1234", 4},
    {"code typed with Swedish letters", true, false, "", 0, 0, "Åä-Ö 1", "ÅäÖ1", 4},
    {"letters dropped from paste", false, true, "", 0, 0, "1 2a3\n", "123", 3},
    {"paste replaces selection", false, true, "999", 0, 3, "4x5", "45", 2},
    {"paste inside the text", false, true, "19", 1, 0, "-2-", "129", 2},
    {"nothing allowed removes selection", false, true, "123", 1, 1, "abc", "13", 1},
    {"beyond the code page", true, true, "", 0, 0, "Ö-åΩ7", "Öå7", 3},
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
    {"visible row keeps the scroll position", 60, 20, 21, 21, 20},
    {"above the visible rows comes to the top", 60, 30, 5, 5, 5},
    {"empty list", 0, 0, 1, 0, 0},
    {"row past the end", 5, 0, 6, 0, 1},
};
} // namespace

class tst_EditMenu : public QObject
{
    Q_OBJECT
    FakeMessageService m_messages;
    std::unique_ptr<EditWindow> m_window;

    void openWindow(int rows = 2)
    {
        m_window = std::make_unique<EditWindow>(m_messages, rows);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

private Q_SLOTS:
    void init() { m_messages.reset(); }
    void cleanup() { m_window.reset(); }

    void keys_data() { addRows(keyCases); }
    void keys()
    {
        const KeyCase& c = row(keyCases);
        openWindow();
        QLineEdit* field = QByteArray(c.field) == "votes"    ? m_window->votes
                           : QByteArray(c.field) == "locked" ? m_window->locked
                                                             : m_window->box;
        QSignalSpy viaMenu(c.key == 'V'   ? m_window->menu->mnuPaste()
                           : c.key == 'X' ? m_window->menu->mnuCut()
                                          : m_window->menu->mnuCopy(),
                           &QAction::triggered);
        QGuiApplication::clipboard()->setText(c.clipBefore);
        field->setText(c.text);
        field->setSelection(c.selStart, c.selLength);
        if (c.selLength == 0)
            field->setCursorPosition(c.selStart);
        press(field, c.key);
        QCOMPARE(clipboardText() + '|' + field->text(), QString(c.clipAfter) + '|' + c.textAfter);
        // The keys went through the menu, not the box's own.
        QVERIFY(viaMenu.count() == 1 && m_messages.shown.isEmpty());
    }

    // Every control that is no text box refuses the three commands and keeps its text.
    void otherControlsAreRefused()
    {
        openWindow();
        m_window->combo->setEditText("Kommun");
        m_window->rich->setPlainText("Rapport");
        QGuiApplication::clipboard()->setText("före");
        for (QWidget* target :
             std::initializer_list<QWidget*>{m_window->grid, m_window->combo, m_window->rich})
            for (char key : {'C', 'X', 'V'}) {
                m_messages.reset();
                target->setFocus();
                press(QApplication::focusWidget(), key);
                QCOMPARE(m_messages.texts(),
                         QStringList{key == 'V' ? "Du kan bara klistra in i Text-boxar"
                                                : "Du kan bara kopiera mellan Text-boxar"});
                QVERIFY(m_messages.shown[0].icon == MessageService::NoIcon &&
                        m_messages.shown[0].title == "Valsit");
                QCOMPARE(clipboardText() + m_window->combo->currentText() +
                             m_window->rich->toPlainText(),
                         QStringLiteral("föreKommunRapport"));
            }
    }

    // ---- key filters ----

    // Every code a key press can carry, control keys and the upper half of the code page
    // included: exactly the characters of the set pass, each with its own code.
    void filterTakesExactlyItsSet_data() { addRows(filters); }
    void filterTakesExactlyItsSet()
    {
        const FilterCase& c = row(filters);
        const Key2TextBox k;
        QString passed;
        for (int code = -5; code <= 400; ++code)
            if (const qint16 result = (k.*c.filter)(qint16(code)))
                passed.append(result == code ? QChar(ushort(code)) : QChar('?'));
        QCOMPARE(passed, QString(c.allowed));
    }

    // The box's own paste (context menu, Shift+Insert), the program's insert and typing
    // all take the filtered text only.
    void typingAndPasting_data() { addRows(edits); }
    void typingAndPasting()
    {
        const EditCase& c = row(edits);
        Key2TextBox k;
        for (int way = 0; way < 2; ++way) {
            QLineEdit box;
            k.hook(&box, c.alpha ? &Key2TextBox::txtAlphaNum : &Key2TextBox::txt0_9);
            box.setText(c.before);
            box.setSelection(c.selStart, c.selLength);
            if (c.selLength == 0)
                box.setCursorPosition(c.selStart);
            if (!c.paste)
                typeText(&box, c.input);
            else if (way == 0) {
                QGuiApplication::clipboard()->setText(c.input);
                box.paste();
            } else
                box.insert(c.input);
            QCOMPARE(box.text(), QString(c.after));
            QCOMPARE(box.cursorPosition(), c.cursor);
        }
    }

    // Backspace and Enter never reach the field, Delete and Tab do; a value from the database
    // that the filter would not take is shown as it is and can be corrected.
    void editingKeys()
    {
        openWindow();
        QLineEdit* box = m_window->votes;
        QSignalSpy enter(box, &QLineEdit::returnPressed);
        box->setText("12 000");
        box->setFocus();
        box->setCursorPosition(3);
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete})
            QTest::keyClick(box, key);
        QTest::keyClicks(box, "x5");
        QCOMPARE(box->text() + QString::number(enter.count()), QStringLiteral("12 5000"));
        QTest::keyClick(box, Qt::Key_Tab); // and Tab still moves on
        QCOMPARE(m_window->focusWidget(), m_window->locked);

        // The user's first click in a field (or the first after the program gave it the
        // focus, as "Ändra" does) types over the whole value.
        QLineEdit* votes = m_window->votes;
        m_window->filters.setFormName(m_window.get());
        MarkeraOnFocus::attach(votes, m_window->filters);
        const QPoint inside(3, votes->height() / 2);
        for (const char* typed : {"12", "6066"}) {
            m_window->box->setFocus();
            if (QByteArray(typed) == "6066") {
                votes->setFocus();
                QTRY_VERIFY(votes->hasSelectedText());
            }
            QTest::mouseClick(votes, Qt::LeftButton, Qt::NoModifier, inside);
            QTRY_COMPARE(votes->selectedText(), votes->text());
            QTest::keyClicks(votes, typed);
            QCOMPARE(votes->text(), QString(typed));
        }
    }

    // ---- the record list ----

    // The row the navigator shows is selected whole, highlighted also when the focus has
    // gone back to an entry field, and scrolled into view; nothing without an active list.
    // The columns are found by their headings.
    void markeraRad_data() { addRows(rowCases); }
    void markeraRad()
    {
        const RowCase& c = row(rowCases);
        openWindow(c.rows);
        QTableWidget* grid = m_window->grid;
        if (c.startTop > 0)
            grid->scrollTo(grid->model()->index(c.startTop - 1, 0),
                           QAbstractItemView::PositionAtTop);
        StyraFlexGrid helper(m_messages);
        m_window->box->setFocus();
        helper.setFormName(m_window.get());
        helper.MarkeraRad(c.row); // the text box is the active control
        QVERIFY(grid->selectionModel()->selectedRows().isEmpty());
        grid->setFocus();
        helper.MarkeraRad(c.row);
        const QModelIndexList selected = grid->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), c.selectedRow ? 1 : 0);
        if (c.selectedRow) {
            QVERIFY(selected[0].row() == c.selectedRow - 1 &&
                    grid->selectionModel()->selectedIndexes().size() == 4);
            QCOMPARE(grid->currentIndex(), grid->model()->index(c.row - 1, 0));
            const QPalette p = grid->palette();
            QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight),
                     p.color(QPalette::Active, QPalette::Highlight));
        }
        QCOMPARE(StyraFlexGrid::topRow(*grid), c.expectedTop);
        // A heading found twice gives the leftmost column; case matters.
        QCOMPARE(QList<int>({*helper.VilkenKol("PartiID"), *helper.VilkenKol("Partinamn")}),
                 QList<int>({0, 2}));
        QVERIFY(m_messages.shown.isEmpty() && !helper.VilkenKol("partiid"));
        QCOMPARE(m_messages.texts(), QStringList{"Kolumnen 'partiid' saknas."});
        QVERIFY(m_messages.shown[0].icon == MessageService::Exclamation &&
                m_messages.shown[0].title == "Valsit Version " VALSIT_VERSION);
    }
};

QTEST_MAIN(tst_EditMenu)
#include "tst_EditMenu.moc"
