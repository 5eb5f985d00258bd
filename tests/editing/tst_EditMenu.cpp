#include "FakeMessageService.h"
#include "Rows.h"
#include "committee/ValsitBer.h"
#include "editing/Key2TextBox.h"
#include "editing/QtClipboardAccess.h"
#include "editing/QtTextBoxAccess.h"
#include "editing/RedigeraMenu.h"
#include "shell/ClipboardCommands.h"

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

// An entry window with the edit menu wired to the clipboard commands, as the entry
// windows wire it to the committee engine.
class EditWindow : public QMainWindow
{
public:
    explicit EditWindow(MessageService& messages) : commands(messages, &textBoxes, &clipboard)
    {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        for (QWidget* w : std::initializer_list<QWidget*>{box, votes, locked, grid, combo, rich})
            layout->addWidget(w);
        locked->setReadOnly(true);
        combo->setEditable(true);
        setCentralWidget(central);
        filters.hook(votes, &Key2TextBox::txt0_9);
        menu = RedigeraMenu::addTo(
            menuBar(), [this] { commands.copy(); }, [this] { commands.cut(); },
            [this] { commands.paste(); });
    }

    QtTextBoxAccess textBoxes;
    QtClipboardAccess clipboard;
    ClipboardCommands commands;
    Key2TextBox filters;
    RedigeraMenu* menu;
    QLineEdit* box = new QLineEdit;
    QLineEdit* votes = new QLineEdit;
    QLineEdit* locked = new QLineEdit("låst");
    QTableWidget* grid = new QTableWidget(2, 2);
    QComboBox* combo = new QComboBox;
    QTextEdit* rich = new QTextEdit;
};

namespace {
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
    {"cut nothing selected", 'X', "box", "1234", 4, 0, "old", "", "1234"},
    {"paste replaces all", 'V', "box", "999", 0, 3, "12", "12", "12"},
    {"paste at caret", 'V', "box", "19", 1, 0, "2", "2", "129"},
    {"paste empty clipboard removes selection", 'V', "box", "12345", 1, 3, "", "", "15"},
    {"paste into filtered field", 'V', "votes", "7", 0, 1, "12 345 röster", "12 345 röster",
     "12345"},
    {"paste into locked field", 'V', "locked", "låst", 0, 4, "x", "x", "låst"},
    {"cut of locked field copies only", 'X', "locked", "låst", 0, 4, "x", "låst", "låst"},
};
} // namespace

// The edit menu of the entry windows: its items, the keys going through it to the
// clipboard commands, and the refusal of every control that is no text box.
class tst_EditMenu : public QObject
{
    Q_OBJECT
    FakeMessageService m_messages;
    std::unique_ptr<EditWindow> m_window;

private Q_SLOTS:
    void init()
    {
        m_messages.reset();
        m_window = std::make_unique<EditWindow>(m_messages);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void menuItems()
    {
        RedigeraMenu* menu = m_window->menuBar()->findChild<RedigeraMenu*>("mnuEdit");
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("Redigera"));
        QStringList items;
        for (const QAction* a : menu->actions())
            items << a->objectName() + ' ' + a->text() + ' ' +
                         a->shortcut().toString(QKeySequence::PortableText);
        QCOMPARE(items, (QStringList{"mnuCopy Kopiera Ctrl+C", "mnuCut Klipp ut Ctrl+X",
                                     "mnuPaste Klistra in Ctrl+V"}));
    }

    void keys_data() { addRows(keyCases); }
    void keys()
    {
        const KeyCase& c = row(keyCases);
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
        QCOMPARE(clipboardText(), QString(c.clipAfter));
        QCOMPARE(field->text(), QString(c.textAfter));
        QCOMPARE(viaMenu.count(), 1); // the keys went through the menu, not the box's own
        QVERIFY(m_messages.shown.isEmpty());
    }

    void otherControlsAreRefused_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<char>("key");
        for (int control = 0; control < 3; ++control)
            for (char key : {'C', 'X', 'V'})
                QTest::addRow("control %d key %c", control, key) << control << key;
    }
    void otherControlsAreRefused()
    {
        QFETCH(int, control);
        QFETCH(char, key);
        const QWidget* targets[] = {m_window->grid, m_window->combo, m_window->rich};
        m_window->combo->setEditText("Kommun");
        m_window->rich->setPlainText("Rapport");
        QGuiApplication::clipboard()->setText("före");
        const_cast<QWidget*>(targets[control])->setFocus();
        press(QApplication::focusWidget(), key);
        QCOMPARE(m_messages.texts(),
                 QStringList{key == 'V' ? "Du kan bara klistra in i Text-boxar"
                                        : "Du kan bara kopiera mellan Text-boxar"});
        QCOMPARE(m_messages.shown[0].icon, MessageService::NoIcon);
        QCOMPARE(m_messages.shown[0].title, QStringLiteral("Valsit"));
        QCOMPARE(clipboardText(), QStringLiteral("före"));
        QCOMPARE(m_window->combo->currentText(), QStringLiteral("Kommun"));
        QCOMPARE(m_window->rich->toPlainText(), QStringLiteral("Rapport"));
    }

    // The entry windows' menu works on the committee engine the windows' services hold,
    // whichever it is at the time; a batch run without windows refuses every command.
    void engineMenuRoutesToTheEngine()
    {
        FakeMessageService engineMessages;
        auto engine = std::make_unique<ValsitBer>(engineMessages);
        engine->CB_Paste();
        QCOMPARE(engineMessages.texts(), QStringList{"Du kan bara klistra in i Text-boxar"});
        engineMessages.reset();
        QMainWindow window;
        auto* box = new QLineEdit("Moderaterna");
        window.setCentralWidget(box);
        RedigeraMenu::addTo(window.menuBar(), [&engine] { return engine.get(); });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        box->setSelection(0, 4);
        press(box, 'X');
        QCOMPARE(clipboardText(), QStringLiteral("Mode"));
        box->setCursorPosition(7);
        press(box, 'V');
        QCOMPARE(box->text(), QStringLiteral("raternaMode"));
        QVERIFY(engineMessages.shown.isEmpty());

        FakeMessageService newMessages; // a new main window replaces the engine
        engine = std::make_unique<ValsitBer>(newMessages);
        press(box, 'V');
        QCOMPARE(box->text(), QStringLiteral("raternaModeMode"));
        engine.reset(); // between two engines there may be none: the keys do nothing
        press(box, 'V');
        QCOMPARE(box->text(), QStringLiteral("raternaModeMode"));
    }
};

QTEST_MAIN(tst_EditMenu)
#include "tst_EditMenu.moc"
