#include "FakeMessageService.h"
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

// An entry window with the edit menu wired to the clipboard commands, the way the entry
// windows wire it to the committee engine.
class EditWindow : public QMainWindow
{
public:
    explicit EditWindow(MessageService& messages) : commands(messages, &textBoxes, &clipboard)
    {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        first = new QLineEdit;
        second = new QLineEdit;
        votes = new QLineEdit;
        locked = new QLineEdit("låst");
        locked->setReadOnly(true);
        grid = new QTableWidget(2, 2);
        combo = new QComboBox;
        combo->setEditable(true);
        rich = new QTextEdit;
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                           static_cast<QWidget*>(votes), static_cast<QWidget*>(locked),
                           static_cast<QWidget*>(grid), static_cast<QWidget*>(combo),
                           static_cast<QWidget*>(rich)})
            layout->addWidget(w);
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
    QLineEdit* first;
    QLineEdit* second;
    QLineEdit* votes;
    QLineEdit* locked;
    QTableWidget* grid;
    QComboBox* combo;
    QTextEdit* rich;
};

class tst_RedigeraMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void menuItems();
    void copyThenPasteWithTheKeys();
    void cutRemovesTheSelection();
    void copyWithNothingSelectedEmptiesTheClipboard();
    void pasteIntoFilteredFieldKeepsAllowedCharacters();
    void pasteIntoLockedFieldChangesNothing();
    void otherControlsAreRefused_data();
    void otherControlsAreRefused();
    void engineMenuRoutesToTheEngine();

private:
    void press(QWidget* focus, Qt::Key key);

    FakeMessageService m_messages;
    std::unique_ptr<EditWindow> m_window;
};

void tst_RedigeraMenu::init()
{
    m_messages.reset();
    m_window = std::make_unique<EditWindow>(m_messages);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QGuiApplication::clipboard()->setText("före");
}

void tst_RedigeraMenu::press(QWidget* focus, Qt::Key key)
{
    focus->setFocus();
    QTest::keyClick(focus, key, Qt::ControlModifier);
}

void tst_RedigeraMenu::menuItems()
{
    RedigeraMenu* menu = m_window->menuBar()->findChild<RedigeraMenu*>("mnuEdit");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("Redigera"));
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 3);
    const QStringList names = {"mnuCopy", "mnuCut", "mnuPaste"};
    const QStringList captions = {"Kopiera", "Klipp ut", "Klistra in"};
    const QStringList keys = {"Ctrl+C", "Ctrl+X", "Ctrl+V"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->text(), captions[i]);
        QCOMPARE(items[i]->shortcut().toString(QKeySequence::PortableText), keys[i]);
    }
    QCOMPARE(m_window->menuBar()->actions().last()->text(), QStringLiteral("Redigera"));
}

void tst_RedigeraMenu::copyThenPasteWithTheKeys()
{
    QSignalSpy copied(m_window->menu->mnuCopy(), &QAction::triggered);
    QSignalSpy pasted(m_window->menu->mnuPaste(), &QAction::triggered);

    m_window->first->setText("412");
    m_window->first->setSelection(1, 2);
    press(m_window->first, Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));

    m_window->second->setText("999");
    m_window->second->selectAll();
    press(m_window->second, Qt::Key_V);
    QCOMPARE(m_window->second->text(), QStringLiteral("12"));

    // The keys went through the menu, not the text box's own copy and paste.
    QCOMPARE(copied.count(), 1);
    QCOMPARE(pasted.count(), 1);
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_RedigeraMenu::cutRemovesTheSelection()
{
    m_window->first->setText("12345");
    m_window->first->setSelection(1, 3);
    press(m_window->first, Qt::Key_X);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("234"));
    QCOMPARE(m_window->first->text(), QStringLiteral("15"));
}

void tst_RedigeraMenu::copyWithNothingSelectedEmptiesTheClipboard()
{
    m_window->first->setText("12345");
    m_window->first->deselect();
    press(m_window->first, Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void tst_RedigeraMenu::pasteIntoFilteredFieldKeepsAllowedCharacters()
{
    QGuiApplication::clipboard()->setText("12 345 röster");
    m_window->votes->setText("7");
    m_window->votes->selectAll();
    press(m_window->votes, Qt::Key_V);
    QCOMPARE(m_window->votes->text(), QStringLiteral("12345"));
}

void tst_RedigeraMenu::pasteIntoLockedFieldChangesNothing()
{
    m_window->locked->selectAll();
    press(m_window->locked, Qt::Key_V);
    QCOMPARE(m_window->locked->text(), QStringLiteral("låst"));
    press(m_window->locked, Qt::Key_X);
    QCOMPARE(m_window->locked->text(), QStringLiteral("låst"));
    // Copying from a locked field is harmless and allowed.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("låst"));
}

void tst_RedigeraMenu::otherControlsAreRefused_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");

    const QString copy = "Du kan bara kopiera mellan Text-boxar";
    const QString paste = "Du kan bara klistra in i Text-boxar";
    for (const QString control : {"grid", "combo", "rich"}) {
        QTest::addRow("%s copy", qPrintable(control)) << control << int(Qt::Key_C) << copy;
        QTest::addRow("%s cut", qPrintable(control)) << control << int(Qt::Key_X) << copy;
        QTest::addRow("%s paste", qPrintable(control)) << control << int(Qt::Key_V) << paste;
    }
}

void tst_RedigeraMenu::otherControlsAreRefused()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, message);

    QWidget* target = control == "grid"    ? static_cast<QWidget*>(m_window->grid)
                      : control == "combo" ? static_cast<QWidget*>(m_window->combo)
                                           : static_cast<QWidget*>(m_window->rich);
    m_window->combo->setEditText("Kommun");
    m_window->rich->setPlainText("Rapport");
    target->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(m_messages.texts(), QStringList{message});
    QCOMPARE(m_messages.shown[0].icon, MessageService::NoIcon);
    QCOMPARE(m_messages.shown[0].title, QStringLiteral("Valsit"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("före"));
    QCOMPARE(m_window->combo->currentText(), QStringLiteral("Kommun"));
    QCOMPARE(m_window->rich->toPlainText(), QStringLiteral("Rapport"));
}

void tst_RedigeraMenu::engineMenuRoutesToTheEngine()
{
    // The menu of the entry windows, on the committee engine the windows' services hold.
    FakeMessageService engineMessages;
    std::unique_ptr<ValsitBer> engine = std::make_unique<ValsitBer>(engineMessages);
    QMainWindow window;
    auto* box = new QLineEdit("Moderaterna");
    window.setCentralWidget(box);
    RedigeraMenu::addTo(window.menuBar(), [&engine] { return engine.get(); });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    box->setSelection(0, 4);
    press(box, Qt::Key_X);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Mode"));
    QCOMPARE(box->text(), QStringLiteral("raterna"));
    box->setCursorPosition(7);
    press(box, Qt::Key_V);
    QCOMPARE(box->text(), QStringLiteral("raternaMode"));
    QVERIFY(engineMessages.shown.isEmpty());

    // A new main window replaces the engine: the menu works on the new one.
    FakeMessageService newMessages;
    engine = std::make_unique<ValsitBer>(newMessages);
    press(box, Qt::Key_V);
    QCOMPARE(box->text(), QStringLiteral("raternaModeMode"));

    // Between two engines there may be none: the keys then do nothing.
    engine.reset();
    press(box, Qt::Key_V);
    QCOMPARE(box->text(), QStringLiteral("raternaModeMode"));
}

QTEST_MAIN(tst_RedigeraMenu)
#include "tst_RedigeraMenu.moc"
