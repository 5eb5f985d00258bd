#include "Rows.h"
#include "WindowDriver.h"
#include "editing/Key2TextBox.h"
#include "editing/MarkeraOnFocus.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {
using WindowDriver::typeText;

// The filters the entry windows use.
struct FilterCase
{
    const char* name;
    Key2TextBox::Filter filter;
    const char* allowed;
};
const FilterCase filters[] = {
    {"txt0_9", &Key2TextBox::txt0_9, "0123456789"},
    {"txtAlphaNum", &Key2TextBox::txtAlphaNum,
     "0123456789abcdefghijklmnopqrstuvwxyzåäöABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ"},
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
    {"digits pasted", false, true, "", 0, 0, "12", "12", 2},
    {"letters dropped from paste", false, true, "", 0, 0, "1 2a3\n", "123", 3},
    {"paste replaces selection", false, true, "999", 0, 3, "4x5", "45", 2},
    {"paste inside the text", false, true, "19", 1, 0, "-2-", "129", 2},
    {"nothing allowed removes selection", false, true, "123", 1, 1, "abc", "13", 1},
    {"Swedish letters pasted", true, true, "", 0, 0, "Ö-å 7", "Öå7", 3},
    {"beyond the code page", true, true, "", 0, 0, "aΩb", "ab", 2},
};
} // namespace

// The keystroke filters of the entry fields and the select-all on focus.
class tst_Key2TextBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every code a key press can carry, control keys and the upper half of the code page
    // included: exactly the characters of the set pass, each with its own code.
    void filterTakesExactlyItsSet_data() { addRows(filters); }
    void filterTakesExactlyItsSet()
    {
        const FilterCase& c = row(filters);
        const Key2TextBox k;
        QString passed;
        for (int code = -5; code <= 400; ++code) {
            const qint16 result = (k.*c.filter)(qint16(code));
            if (result == 0)
                continue;
            QCOMPARE(result, qint16(code));
            passed.append(QChar(ushort(code)));
        }
        QString expected = c.allowed;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(passed, expected);
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

    void backspaceAndEnterNeverReachTheField()
    {
        QLineEdit box;
        Key2TextBox k;
        k.hook(&box, &Key2TextBox::txt0_9);
        QSignalSpy enter(&box, &QLineEdit::returnPressed);
        QTest::keyClicks(&box, "123");
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(&box, key);
        QCOMPARE(box.text(), QStringLiteral("123"));
        QCOMPARE(enter.count(), 0);
    }

    // Moving keys, Delete and Tab still work; a value from the database that the filter
    // would not take is shown as it is and can be corrected.
    void editingKeysStillWork()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* box = new QLineEdit("12 000");
        auto* next = new QLineEdit;
        layout->addWidget(box);
        layout->addWidget(next);
        Key2TextBox k;
        k.hook(box, &Key2TextBox::txt0_9);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        box->setFocus();
        box->setCursorPosition(2);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, "x5");
        QCOMPARE(box->text(), QStringLiteral("125000"));
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Backspace); // taken by the filter
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("25000"));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), next);
    }

    // The user's first click in a field (or the first after the program gave it the
    // focus, as "Ändra" does) types over the whole value.
    void markeraOnFocusSurvivesTheClick()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* votes = new QLineEdit("4711");
        auto* other = new QLineEdit("x");
        layout->addWidget(votes);
        layout->addWidget(other);
        Key2TextBox k;
        k.setFormName(&window);
        k.hook(votes, &Key2TextBox::txt0_9);
        MarkeraOnFocus::attach(votes, k);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QPoint inside(3, votes->height() / 2);
        for (const char* typed : {"12", "6066"}) {
            other->setFocus();
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
};

QTEST_MAIN(tst_Key2TextBox)
#include "tst_Key2TextBox.moc"
