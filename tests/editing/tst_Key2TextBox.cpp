#include "editing/Key2TextBox.h"
#include "editing/KeyPressHook.h"
#include "editing/MarkeraOnFocus.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {
Key2TextBox::Filter filterNamed(const QString& name)
{
    static const QHash<QString, Key2TextBox::Filter> filters = {
        {"txtNoll", &Key2TextBox::txtNoll},
        {"txt0_9", &Key2TextBox::txt0_9},
        {"txt1_9", &Key2TextBox::txt1_9},
        {"txtTal", &Key2TextBox::txtTal},
        {"txta_zGemen", &Key2TextBox::txta_zGemen},
        {"txtalphaGemen", &Key2TextBox::txtalphaGemen},
        {"txtA_ZVersal", &Key2TextBox::txtA_ZVersal},
        {"txtAlphaVersal", &Key2TextBox::txtAlphaVersal},
        {"txtAlpha", &Key2TextBox::txtAlpha},
        {"txtAlphaNum", &Key2TextBox::txtAlphaNum},
        {"txtKat", &Key2TextBox::txtKat},
    };
    return filters.value(name);
}

// Types one character the way a keyboard does, å, ä and ö included.
void typeChar(QWidget* w, QChar ch)
{
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
} // namespace

class tst_Key2TextBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void filterTakesExactlyItsSet_data();
    void filterTakesExactlyItsSet();
    void singleKeys_data();
    void singleKeys();

    void typingKeepsOnlyAllowedKeys_data();
    void typingKeepsOnlyAllowedKeys();
    void backspaceAndEnterNeverReachTheField();
    void movingKeysAndTabStillWork();
    void pasteGoesThroughTheFilter_data();
    void pasteGoesThroughTheFilter();
    void textSetByProgramStaysEditable();

    void markera();
    void markeraOnFocusSurvivesTheClick();
};

void tst_Key2TextBox::filterTakesExactlyItsSet_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("allowed");

    const QString digits = "0123456789";
    const QString lower = "abcdefghijklmnopqrstuvwxyz";
    const QString upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QTest::newRow("txtNoll") << "txtNoll"
                             << "0";
    QTest::newRow("txt0_9") << "txt0_9" << digits;
    QTest::newRow("txt1_9") << "txt1_9"
                            << "123456789";
    QTest::newRow("txtTal") << "txtTal" << digits + "+-.,";
    QTest::newRow("txta_zGemen") << "txta_zGemen" << lower;
    QTest::newRow("txtalphaGemen") << "txtalphaGemen" << lower + "åäö";
    QTest::newRow("txtA_ZVersal") << "txtA_ZVersal" << upper;
    QTest::newRow("txtAlphaVersal") << "txtAlphaVersal" << upper + "ÅÄÖ";
    QTest::newRow("txtAlpha") << "txtAlpha" << lower + "åäö" + upper + "ÅÄÖ";
    QTest::newRow("txtAlphaNum") << "txtAlphaNum" << digits + lower + "åäö" + upper + "ÅÄÖ";
    QTest::newRow("txtKat") << "txtKat" << digits + lower + upper + ":\\_";
}

void tst_Key2TextBox::filterTakesExactlyItsSet()
{
    QFETCH(QString, filter);
    QFETCH(QString, allowed);
    const Key2TextBox k;
    const Key2TextBox::Filter f = filterNamed(filter);
    QVERIFY(f);

    // Every code a key press can carry, control keys and the upper half of the code page
    // included: exactly the characters of the set pass, each with its own code.
    QString passed;
    for (int code = -5; code <= 400; ++code) {
        const qint16 result = (k.*f)(qint16(code));
        if (result == 0)
            continue;
        QCOMPARE(result, qint16(code));
        passed.append(QChar(ushort(code)));
    }
    QString expected = allowed;
    std::sort(expected.begin(), expected.end());
    QCOMPARE(passed, expected);
}

void tst_Key2TextBox::singleKeys_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    QTest::newRow("txt0_9 7") << "txt0_9" << int('7') << 55;
    QTest::newRow("txt0_9 a") << "txt0_9" << int('a') << 0;
    QTest::newRow("txtAlphaNum Ö") << "txtAlphaNum" << 0xD6 << 0xD6;
    QTest::newRow("txtAlphaNum å") << "txtAlphaNum" << 0xE5 << 0xE5;
    QTest::newRow("txtKat Ö") << "txtKat" << 0xD6 << 0;
    QTest::newRow("txtKat backslash") << "txtKat" << int('\\') << int('\\');
    QTest::newRow("txta_zGemen A") << "txta_zGemen" << int('A') << 0;
    QTest::newRow("txtalphaGemen Ä") << "txtalphaGemen" << 0xC4 << 0;
    QTest::newRow("txtAlphaVersal Ä") << "txtAlphaVersal" << 0xC4 << 0xC4;
    QTest::newRow("txtTal blank") << "txtTal" << int(' ') << 0;
    // Control keys never pass, whatever the set (the full sweep above covers every code).
    QTest::newRow("txt0_9 Backspace") << "txt0_9" << 8 << 0;
    QTest::newRow("txt0_9 Enter") << "txt0_9" << 13 << 0;
    QTest::newRow("txtAlphaNum Backspace") << "txtAlphaNum" << 8 << 0;
    QTest::newRow("txtKat Enter") << "txtKat" << 13 << 0;
}

void tst_Key2TextBox::singleKeys()
{
    QFETCH(QString, filter);
    QFETCH(int, key);
    QFETCH(int, result);
    const Key2TextBox k;
    QCOMPARE(int((k.*filterNamed(filter))(qint16(key))), result);
}

void tst_Key2TextBox::typingKeepsOnlyAllowedKeys_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");

    QTest::newRow("votes") << "txt0_9"
                           << "12a3 4-"
                           << "1234";
    QTest::newRow("party code with Swedish letters") << "txtAlphaNum"
                                                     << "Åä-Ö 1"
                                                     << "ÅäÖ1";
    QTest::newRow("folder without Swedish letters") << "txtKat"
                                                    << "C:\\Val_å"
                                                    << "C:\\Val_";
    QTest::newRow("capitals only") << "txtA_ZVersal"
                                   << "SsÄ"
                                   << "S";
}

void tst_Key2TextBox::typingKeepsOnlyAllowedKeys()
{
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, field);

    QLineEdit box;
    Key2TextBox k;
    k.hook(&box, filterNamed(filter));
    for (const QChar ch : typed)
        typeChar(&box, ch);
    QCOMPARE(box.text(), field);
}

void tst_Key2TextBox::backspaceAndEnterNeverReachTheField()
{
    QLineEdit box;
    Key2TextBox k;
    k.hook(&box, &Key2TextBox::txt0_9);
    QSignalSpy enter(&box, &QLineEdit::returnPressed);
    QTest::keyClicks(&box, "123");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter);
    QCOMPARE(box.text(), QStringLiteral("123"));
    QCOMPARE(enter.count(), 0);

    // The same keys reach a field without a filter.
    QLineEdit plain;
    QTest::keyClicks(&plain, "123");
    QTest::keyClick(&plain, Qt::Key_Backspace);
    QCOMPARE(plain.text(), QStringLiteral("12"));
}

void tst_Key2TextBox::movingKeysAndTabStillWork()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QLineEdit;
    auto* next = new QLineEdit;
    layout->addWidget(box);
    layout->addWidget(next);
    Key2TextBox k;
    k.hook(box, &Key2TextBox::txt0_9);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    box->setFocus();

    QTest::keyClicks(box, "13");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, "2");
    QCOMPARE(box->text(), QStringLiteral("123"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("23"));

    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), next);
}

void tst_Key2TextBox::pasteGoesThroughTheFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");

    QTest::newRow("digits kept") << "txt0_9"
                                 << "" << 0 << 0 << "12"
                                 << "12" << 2;
    QTest::newRow("letters dropped") << "txt0_9"
                                     << "" << 0 << 0 << "1 2a3\n"
                                     << "123" << 3;
    QTest::newRow("replaces selection") << "txt0_9"
                                        << "999" << 0 << 3 << "4x5"
                                        << "45" << 2;
    QTest::newRow("inside the text") << "txt0_9"
                                     << "19" << 1 << 0 << "-2-"
                                     << "129" << 2;
    QTest::newRow("nothing allowed removes selection") << "txt0_9"
                                                       << "123" << 1 << 1 << "abc"
                                                       << "13" << 1;
    QTest::newRow("Swedish letters") << "txtAlphaNum"
                                     << "" << 0 << 0 << "Ö-å 7"
                                     << "Öå7" << 3;
    QTest::newRow("beyond the code page") << "txtAlpha"
                                          << "" << 0 << 0 << "aΩb"
                                          << "ab" << 2;
}

void tst_Key2TextBox::pasteGoesThroughTheFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, before);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(int, cursor);

    QLineEdit box;
    Key2TextBox k;
    k.hook(&box, filterNamed(filter));
    box.setText(before);
    box.setSelection(selStart, selLength);
    if (selLength == 0)
        box.setCursorPosition(selStart);

    // The box's own paste (its context menu, Shift+Insert) and the program's insert both
    // take the filtered text.
    QGuiApplication::clipboard()->setText(pasted);
    box.paste();
    QCOMPARE(box.text(), after);
    QCOMPARE(box.cursorPosition(), cursor);

    QLineEdit other;
    k.hook(&other, filterNamed(filter));
    other.setText(before);
    other.setSelection(selStart, selLength);
    if (selLength == 0)
        other.setCursorPosition(selStart);
    other.insert(pasted);
    QCOMPARE(other.text(), after);
}

void tst_Key2TextBox::textSetByProgramStaysEditable()
{
    // A value read from the database may hold characters the filter would not take; it
    // is shown as it is and the user can still correct it.
    QLineEdit box;
    Key2TextBox k;
    k.hook(&box, &Key2TextBox::txt0_9);
    box.setText("12 000");
    QCOMPARE(box.text(), QStringLiteral("12 000"));
    box.setCursorPosition(3);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.text(), QStringLiteral("12 00"));
    box.setCursorPosition(2);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, "x5");
    QCOMPARE(box.text(), QStringLiteral("12500"));
}

void tst_Key2TextBox::markera()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QLineEdit("12345");
    auto* empty = new QLineEdit;
    auto* button = new QPushButton("OK");
    auto* grid = new QTableWidget(3, 2);
    for (QWidget* w : {static_cast<QWidget*>(box), static_cast<QWidget*>(empty),
                       static_cast<QWidget*>(button), static_cast<QWidget*>(grid)}) {
        w->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(w);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    Key2TextBox k;
    box->setFocus();
    box->setCursorPosition(2);
    QCOMPARE(k.Markera(), 0); // no window given yet
    QVERIFY(!box->hasSelectedText());

    k.setFormName(&window);
    QCOMPARE(k.Markera(), 5);
    QCOMPARE(box->selectedText(), QStringLiteral("12345"));

    empty->setFocus();
    QCOMPARE(k.Markera(), 0);

    box->deselect();
    for (QWidget* other : {static_cast<QWidget*>(button), static_cast<QWidget*>(grid)}) {
        other->setFocus();
        QCOMPARE(k.Markera(), 0);
        QVERIFY(!box->hasSelectedText());
    }
}

void tst_Key2TextBox::markeraOnFocusSurvivesTheClick()
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
    other->setFocus();

    QTest::mouseClick(votes, Qt::LeftButton, Qt::NoModifier, QPoint(3, votes->height() / 2));
    QTRY_COMPARE(votes->selectedText(), QStringLiteral("4711"));
    QTest::keyClicks(votes, "12");
    QCOMPARE(votes->text(), QStringLiteral("12"));

    // The program gave the focus ("Ändra" does): the user's first click still types over.
    votes->setText("0");
    other->setFocus();
    votes->setFocus();
    QTRY_VERIFY(votes->hasSelectedText());
    QTest::mouseClick(votes, Qt::LeftButton, Qt::NoModifier, QPoint(3, votes->height() / 2));
    QTRY_COMPARE(votes->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(votes, "6066");
    QCOMPARE(votes->text(), QStringLiteral("6066"));
}

QTEST_MAIN(tst_Key2TextBox)
#include "tst_Key2TextBox.moc"
