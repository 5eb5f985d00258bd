// The product information window and the reader of the RTF its document is kept in.
#include "FakeMessageService.h"
#include "FixedClock.h"
#include "Rows.h"
#include "SettingsSandbox.h"

#include "shell/AppGlobals.h"
#include "shell/RtfReader.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/frmAB_ProdInfo.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

namespace {
struct RtfCase
{
    const char* name;
    QByteArray rtf;
    QString text;
};
const RtfCase rtfCases[] = {
    {"paragraphs and Windows-1252", "{\\rtf1\\ansi Hej\\par V\\'e4rlden \\'96 \\'c5\\'f6}",
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

class TestProdInfo : public QObject
{
    Q_OBJECT

private:
    SettingsSandbox m_sandbox;
    FakeMessageService m_messages;
    FixedClock m_clock;
    AppServices m_services{m_messages, m_clock};
    QTemporaryDir m_folder;

    void writeDocument(const QByteArray& content)
    {
        QFile file(m_folder.filePath("XDInfoSV.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    static QString shown(QWidget* w) { return w->findChild<QTextEdit*>("rtfPInfo")->toPlainText(); }

private Q_SLOTS:
    void initTestCase() { AppGlobals::instance().programKat = m_folder.path(); }

    // What word processors write: the text comes out, the rest is skipped.
    void reader_data() { addRows(rtfCases); }
    void reader()
    {
        const RtfCase& c = row(rtfCases);
        QTextDocument doc;
        doc.setPlainText("oförändrad");
        QCOMPARE(RtfReader::read(c.rtf, doc), c.text != "oförändrad");
        QCOMPARE(doc.toPlainText(), c.text);
    }

    // The document as it is built next to the program reads, with the version filled in.
    void theShippedDocument()
    {
        QFile built(QDir(QCoreApplication::applicationDirPath()).filePath("XDInfoSV.rtf"));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QTextDocument doc;
        QVERIFY(RtfReader::read(built.readAll(), doc));
        const QString text = doc.toPlainText();
        QVERIFY(text.contains("Version " VALSIT_VERSION));
        QVERIFY(text.contains("Stjärnan * och lottning"));
        QVERIFY(text.contains("preliminära"));
    }

    // Read at every activation: missing, not RTF, then present, in one window.
    void theWindowShowsWhatIsThere()
    {
        QFile::remove(m_folder.filePath("XDInfoSV.rtf"));
        auto* w = new frmAB_ProdInfo(m_services);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> guard(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QString("Produktinformation"));
        QVERIFY(shown(w).startsWith("Produktinformationen saknas: filen "));
        writeDocument("Vanlig text");
        w->Form_Activate();
        QVERIFY(shown(w).endsWith("är inte ett RTF-dokument."));
        writeDocument("{\\rtf1 Valsit \\'e4r ett program\\par}");
        w->Form_Activate();
        QCOMPARE(shown(w).trimmed(), QString("Valsit är ett program"));
        QCOMPARE(m_messages.texts(), QStringList());
        QTest::mouseClick(w->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        QTRY_VERIFY(!guard);
    }
};

QTEST_MAIN(TestProdInfo)
#include "tst_frmAB_ProdInfo.moc"
