// The product information window and the reader of the RTF its document is kept in.
#include "FakeMessageService.h"
#include "FixedClock.h"
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
    void reader_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("paragraphs and Windows-1252")
            << QByteArray("{\\rtf1\\ansi Hej\\par V\\'e4rlden \\'96 \\'c5\\'f6}")
            << QString("Hej\nVärlden – Åö");
        QTest::newRow("unicode with its fallback")
            << QByteArray("{\\rtf1 \\u229?r \\u-3913?}") << QString("år ") + QChar(0xF0B7);
        QTest::newRow("uc2 skips two")
            << QByteArray("{\\rtf1\\uc2 \\u246\\'3f\\'3fl}") << QString("öl");
        QTest::newRow("destinations skipped")
            << QByteArray(
                   "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
                   "{\\*\\generator Writer;}{\\info{\\title T}}{\\*\\unknown x}Text}")
            << QString("Text");
        QTest::newRow("escaped characters")
            << QByteArray("{\\rtf1 a\\\\b\\{c\\}\\~d}")
            << QString("a\\b{c} d"); // toPlainText shows the no-break space as a blank
        QTest::newRow("tab, line, source breaks")
            << QByteArray("{\\rtf1 a\\tab b\r\n\\line c}") << QString("a\tb\nc");
        QTest::newRow("not RTF") << QByteArray("Hej") << QString("oförändrad");
    }
    void reader()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        doc.setPlainText("oförändrad");
        QCOMPARE(RtfReader::read(rtf, doc), text != "oförändrad");
        QCOMPARE(doc.toPlainText(), text);
    }

    void readerKeepsTheLook()
    {
        QTextDocument doc;
        QVERIFY(RtfReader::read("{\\rtf1 n{\\b f\\i k}n\\fs40 s\\par\\pard\\qc m}", doc));
        const auto at = [&doc](int pos) {
            QTextCursor c(&doc);
            c.setPosition(pos + 1);
            return c.charFormat();
        };
        QVERIFY(!at(0).font().bold());
        QVERIFY(at(1).font().bold() && !at(1).font().italic());
        QVERIFY(at(2).font().bold() && at(2).font().italic());
        QVERIFY(!at(3).font().bold()); // the group ended
        QCOMPARE(at(4).fontPointSize(), 20.0);
        QCOMPARE(doc.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
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
