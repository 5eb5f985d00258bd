#include "FakeClipboardAccess.h"
#include "FakeMessageService.h"
#include "FakeTextBoxAccess.h"
#include "committee/ValsitBer.h"
#include "shell/ClipboardCommands.h"

#include <QtTest>

class tst_ClipboardCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commands_data();
    void commands();
    void withoutWindowEveryCommandIsRefused();
    void engineCarriesTheCommands();
};

void tst_ClipboardCommands::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("isTextBox");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("clipboardAfter");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("message");

    const QString copyRefusal = QStringLiteral("Du kan bara kopiera mellan Text-boxar");
    const QString pasteRefusal = QStringLiteral("Du kan bara klistra in i Text-boxar");

    QTest::newRow("copy selection") << "copy" << true << "1234" << 1 << 2 << "old"
                                    << "23"
                                    << "1234"
                                    << "";
    QTest::newRow("copy nothing selected empties") << "copy" << true << "1234" << 2 << 0 << "old"
                                                   << ""
                                                   << "1234"
                                                   << "";
    QTest::newRow("copy refused") << "copy" << false << "" << 0 << 0 << "old"
                                  << "old"
                                  << "" << copyRefusal;
    QTest::newRow("cut removes selection") << "cut" << true << "1234" << 1 << 2 << "old"
                                           << "23"
                                           << "14"
                                           << "";
    QTest::newRow("cut nothing selected") << "cut" << true << "1234" << 4 << 0 << "old"
                                          << ""
                                          << "1234"
                                          << "";
    QTest::newRow("cut refused with the copy text") << "cut" << false << "" << 0 << 0 << "old"
                                                    << "old"
                                                    << "" << copyRefusal;
    QTest::newRow("paste replaces all") << "paste" << true << "999" << 0 << 3 << "12"
                                        << "12"
                                        << "12"
                                        << "";
    QTest::newRow("paste at caret") << "paste" << true << "19" << 1 << 0 << "2"
                                    << "2"
                                    << "129"
                                    << "";
    QTest::newRow("paste empty clipboard removes selection")
        << "paste" << true << "12345" << 1 << 3 << ""
        << ""
        << "15"
        << "";
    QTest::newRow("paste refused") << "paste" << false << "" << 0 << 0 << "12"
                                   << "12"
                                   << "" << pasteRefusal;
}

void tst_ClipboardCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(bool, isTextBox);
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, clipboardAfter);
    QFETCH(QString, textAfter);
    QFETCH(QString, message);

    FakeMessageService messages;
    FakeTextBoxAccess box;
    box.isTextBox = isTextBox;
    box.text = text;
    box.selStart = selStart;
    box.selLength = selLength;
    FakeClipboardAccess clipboard;
    clipboard.content = clipboardBefore;

    ClipboardCommands commands(messages, &box, &clipboard);
    if (command == "copy")
        commands.copy();
    else if (command == "cut")
        commands.cut();
    else
        commands.paste();

    QCOMPARE(clipboard.content, clipboardAfter);
    QCOMPARE(box.text, textAfter);
    if (message.isEmpty()) {
        QVERIFY(messages.shown.isEmpty());
    } else {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, message);
        QCOMPARE(messages.shown[0].buttons, MessageService::Ok);
        QCOMPARE(messages.shown[0].icon, MessageService::NoIcon);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Valsit"));
        QCOMPARE(clipboard.clears, 0);
    }
}

void tst_ClipboardCommands::withoutWindowEveryCommandIsRefused()
{
    FakeMessageService messages;
    ClipboardCommands commands(messages, nullptr, nullptr);
    commands.copy();
    commands.cut();
    commands.paste();
    QCOMPARE(messages.texts(), QStringList({"Du kan bara kopiera mellan Text-boxar",
                                            "Du kan bara kopiera mellan Text-boxar",
                                            "Du kan bara klistra in i Text-boxar"}));
}

void tst_ClipboardCommands::engineCarriesTheCommands()
{
    FakeMessageService messages;
    ValsitBer engine(messages);
    engine.CB_Paste(); // no window services given: refused, nothing else
    QCOMPARE(messages.texts(), QStringList{"Du kan bara klistra in i Text-boxar"});

    FakeTextBoxAccess from;
    from.text = "412";
    from.selStart = 1;
    from.selLength = 2;
    FakeClipboardAccess clipboard;
    engine.setClipboardAccess(&from, &clipboard);
    engine.CB_Cut();
    QCOMPARE(clipboard.content, QStringLiteral("12"));
    QCOMPARE(from.text, QStringLiteral("4"));

    FakeTextBoxAccess to;
    to.text = "999";
    to.selLength = 3;
    engine.setClipboardAccess(&to, &clipboard);
    engine.CB_Paste();
    QCOMPARE(to.text, QStringLiteral("12"));
    to.selStart = 0;
    to.selLength = 1;
    engine.CB_Copy();
    QCOMPARE(clipboard.content, QStringLiteral("1"));
    QCOMPARE(messages.shown.size(), 1);
}

QTEST_GUILESS_MAIN(tst_ClipboardCommands)
#include "tst_ClipboardCommands.moc"
