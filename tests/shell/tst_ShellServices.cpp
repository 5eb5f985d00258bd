// The shell's services: the settings store, the Swedish order of names, the message
// service on real Qt dialogs answered as a user would while they are open, and the product
// information window with the reader of the RTF its document is kept in.
#include "FakeMessageService.h"
#include "FixedClock.h"
#include "Rows.h"
#include "SettingsSandbox.h"

#include "shell/AppGlobals.h"
#include "shell/RtfReader.h"
#include "shell/SettingsStore.h"
#include "shell/SwedishOrder.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/QtMessageService.h"
#include "shell/ui/SwedishTranslations.h"
#include "shell/ui/frmAB_ProdInfo.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <functional>

namespace {
// Runs `answer` on the modal dialog as soon as it is open.
void whenOpen(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            answer(dialog);
        else
            whenOpen(answer); // not shown yet: try again on the next round
    });
}

struct CountCase
{
    const char* name;
    const char* stored;
    int fullm;
};
const CountCase countsCases[] = {
    {"number", "29", 29},         {"blanks around", "  61 ", 61},
    {"letters", "fyrtioett", 41}, {"empty", "", 41},
    {"decimal", "41,5", 41},      {"too large for 32 bits", "99999999999", 41},
};

struct OrderCase
{
    const char* name;
    const char* first;
    const char* second;
};
const OrderCase orders[] = {
    {"Å after Z", "Zeta", "Åby"},
    {"Ä after Å, whatever follows", "Åsa", "Äby"},
    {"Ö after Ä", "Ärla", "Öby"},
    {"case does not count first", "ängby", "Ärla"},
    {"é as e", "Ekeby", "Émåla"},
    {"ü as y", "Ühla", "Yxby"},
    {"æ as ä", "Åby", "Æby"},
    {"ø as ö", "Äby", "Øby"},
    {"shorter first", "Ab", "abc"},
    {"then plain before accented", "Ema", "Éma"},
    {"then lower case before upper", "åby", "Åby"},
};

struct BoxCase
{
    const char* name;
    MessageService::Buttons buttons;
    MessageService::DefaultButton defaultButton;
    Qt::Key key;
    MessageService::Answer answer;
    const char* shownButtons; // sorted
};
using M = MessageService;
const BoxCase boxes[] = {
    {"OK by Enter", M::Ok, M::FirstButton, Qt::Key_Return, M::AnswerOk, "OK"},
    {"Yes/No, No is default", M::YesNo, M::SecondButton, Qt::Key_Return, M::AnswerNo, "&Ja &Nej"},
    {"Yes/No, Yes is default", M::YesNo, M::FirstButton, Qt::Key_Return, M::AnswerYes, "&Ja &Nej"},
    {"Escape: the last button", M::OkCancel, M::FirstButton, Qt::Key_Escape, M::AnswerCancel,
     "Avbryt OK"},
};

struct RtfCase
{
    const char* name;
    QByteArray rtf;
    QString text;
};
const RtfCase rtfCases[] = {
    {"paragraphs, Windows-1252", "{\\rtf1\\ansi Hej\\par V\\'e4rlden \\'96 \\'c5\\'f6}",
     "Hej\nVärlden – Åö"},
    {"unicode with its fallback", "{\\rtf1 \\u229?r \\u-3913?}", QString("år ") + QChar(0xF0B7)},
    {"uc2 skips two", "{\\rtf1\\uc2 \\u246\\'3f\\'3fl}", "öl"},
    {"destinations skipped",
     "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}{\\*\\generator "
     "Writer;}{\\info{\\title T}}{\\*\\unknown x}Text}",
     "Text"},
    // toPlainText shows the no-break space as a blank
    {"escaped characters", "{\\rtf1 a\\\\b\\{c\\}\\~d}", "a\\b{c} d"},
    {"tab, line, source breaks", "{\\rtf1 a\\tab b\r\n\\line c}", "a\tb\nc"},
    {"not RTF", "Hej", "oförändrad"},
};
} // namespace

class tst_ShellServices : public QObject
{
    Q_OBJECT
    std::unique_ptr<SettingsSandbox> m_sandbox;

private Q_SLOTS:
    void initTestCase() { m_sandbox = std::make_unique<SettingsSandbox>(); }
    void init() { SettingsSandbox::clear(); }

    // Kept under Tovrelia/Valsit in the user's home; reading a default writes nothing;
    // values are trimmed both ways.
    void settingsStore()
    {
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för RUBRIK"));
        QVERIFY(!SettingsSandbox::contains("ForHeader"));
        SettingsStore().setValue("ChkNmnd", "1");
        const QString file = SettingsSandbox::settingsFile();
        QVERIFY2(file.startsWith(QDir::homePath()) && file.endsWith("Tovrelia/Valsit.conf"),
                 qPrintable(file));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().contains("[Valsit]\nChkNmnd=1"));
        SettingsSandbox::setRaw("ForHeader", "  för Kiruna \t");
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för Kiruna"));
        SettingsSandbox::setRaw("ForHeader", "   ");
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för RUBRIK"));
        SettingsStore().setValue("ValsitNmn", " Kiruna.mdb  ");
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Tovrelia", "Valsit");
        QCOMPARE(raw.value("Valsit/ValsitNmn").toString(), QString("Kiruna.mdb"));
    }

    // The seat counts fall back to their defaults (41 and 11) on anything but a number.
    void counts_data() { addRows(countsCases); }
    void counts()
    {
        const CountCase& c = row(countsCases);
        SettingsSandbox::setRaw("MndFullm", c.stored);
        SettingsSandbox::setRaw("MndNmnd", c.stored);
        QCOMPARE(SettingsStore().number("MndFullm"), c.fullm);
        QCOMPARE(SettingsStore().number("MndNmnd"), c.fullm == 41 ? 11 : c.fullm);
    }

    void swedishOrder_data() { addRows(orders); }
    void swedishOrder()
    {
        const OrderCase& c = row(orders);
        QVERIFY(SwedishOrder::compare(c.first, c.second) < 0);
        QVERIFY(SwedishOrder::compare(c.second, c.first) > 0);
        QCOMPARE(SwedishOrder::compare(c.first, c.first), 0);
    }

    void messageBox_data() { addRows(boxes); }
    void messageBox()
    {
        const BoxCase& c = row(boxes);
        QStringList seen;
        whenOpen([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            seen << box->text() << box->windowTitle() << QString::number(box->icon());
            QStringList buttons;
            for (QAbstractButton* b : box->findChild<QDialogButtonBox*>()->buttons())
                buttons.append(b->text());
            buttons.sort();
            seen << buttons.join(' ');
            QTest::keyClick(box, c.key);
        });
        QtMessageService service;
        QCOMPARE(service.msgBox("Vill du fullfölja borttaget av raden?\r\nRad 2", c.buttons,
                                MessageService::Question, "Valsit", c.defaultButton),
                 c.answer);
        QCOMPARE(seen, (QStringList{"Vill du fullfölja borttaget av raden?\nRad 2", "Valsit",
                                    QString::number(QMessageBox::Question), c.shownButtons}));
    }

    // The input box gives the proposed text when left as it is, nothing when cancelled;
    // the file dialogs give back the chosen path, or nothing when cancelled, and the save
    // dialog speaks Swedish and proposes the given file.
    void inputAndFileDialogs()
    {
        QtMessageService service;
        for (const char* typed : {"Kiruna", "", "cancel"}) {
            const bool cancel = QByteArray(typed) == "cancel";
            QString label;
            whenOpen([&](QWidget* dialog) {
                auto* box = qobject_cast<QInputDialog*>(dialog);
                QVERIFY(box);
                label = box->labelText() + '|' + box->windowTitle();
                if (*typed)
                    box->setTextValue(typed);
                cancel ? box->reject() : box->accept();
            });
            bool accepted = cancel;
            const QString got =
                service.inputBox("Ange rubrik", "Valsitberäkning för", "Uppsala", &accepted);
            QCOMPARE(label, QString("Ange rubrik|Valsitberäkning för"));
            QCOMPARE(accepted, !cancel);
            QCOMPARE(got, accepted ? QString(*typed ? typed : "Uppsala") : QString());
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("Mora.mdb");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString pdf = dir.filePath("Valsit.pdf");
        for (bool accept : {true, false}) {
            QStringList seen;
            whenOpen([&](QWidget* dialog) {
                auto* box = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(box);
                seen << box->nameFilters().value(0);
                box->selectFile(path);
                accept ? static_cast<QDialog*>(box)->accept() : box->reject();
            });
            QCOMPARE(service.fileOpen("Hämta databas", path, {"Valsit Database (*.mdb)"}),
                     accept ? path : QString());
            whenOpen([&](QWidget* dialog) {
                auto* box = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(box && box->acceptMode() == QFileDialog::AcceptSave);
                seen << box->labelText(QFileDialog::Accept) << box->selectedFiles().value(0);
                accept ? static_cast<QDialog*>(box)->accept() : box->reject();
            });
            QCOMPARE(service.fileSave("Spara resultatet som PDF", pdf, {"PDF-filer (*.pdf)"}),
                     accept ? pdf : QString());
            QCOMPARE(seen, (QStringList{"Valsit Database (*.mdb)", "Spara", pdf}));
        }
    }

    // What word processors write: the text comes out, the rest is skipped.
    void rtfReader_data() { addRows(rtfCases); }
    void rtfReader()
    {
        const RtfCase& c = row(rtfCases);
        QTextDocument doc;
        doc.setPlainText("oförändrad");
        QCOMPARE(RtfReader::read(c.rtf, doc), c.text != "oförändrad");
        QCOMPARE(doc.toPlainText(), c.text);
    }

    // The document as it is built next to the program reads, with the version filled in;
    // the window reads it at every activation: missing, not RTF, then present.
    void productInformation()
    {
        QFile built(QDir(QCoreApplication::applicationDirPath()).filePath("XDInfoSV.rtf"));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QTextDocument doc;
        QVERIFY(RtfReader::read(built.readAll(), doc));
        QVERIFY(doc.toPlainText().contains("Version " VALSIT_VERSION));
        QVERIFY(doc.toPlainText().contains("Stjärnan * och lottning"));

        QTemporaryDir folder;
        AppGlobals::instance().programKat = folder.path();
        FakeMessageService messages;
        FixedClock clock;
        AppServices services{messages, clock};
        auto* w = new frmAB_ProdInfo(services);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> guard(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const auto shown = [w] { return w->findChild<QTextEdit*>("rtfPInfo")->toPlainText(); };
        QVERIFY(shown().startsWith("Produktinformationen saknas: filen "));
        for (const QByteArray content :
             {"Vanlig text", "{\\rtf1 Valsit \\'e4r ett program\\par}"}) {
            QFile file(folder.filePath("XDInfoSV.rtf"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
            w->Form_Activate();
            QVERIFY(content.startsWith('{') ? shown().trimmed() == "Valsit är ett program"
                                            : shown().endsWith("är inte ett RTF-dokument."));
        }
        QCOMPARE(messages.texts(), QStringList());
        QTest::mouseClick(w->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        QTRY_VERIFY(!guard);
    }

    // Last: the translations stay installed. Qt's own dialogs speak Swedish, their
    // standard buttons included.
    void swedishTranslations()
    {
        QVERIFY(SwedishTranslations::install(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QString("Skriv ut"));
        QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QString("Spara"));
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Avbryt"));
    }
};

QTEST_MAIN(tst_ShellServices)
#include "tst_ShellServices.moc"
