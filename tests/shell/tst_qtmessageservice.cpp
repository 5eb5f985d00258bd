// The message service on real Qt dialogs, answered as a user would while they are open.
#include "shell/ui/QtMessageService.h"
#include "shell/ui/SwedishTranslations.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Runs `answer` on the modal dialog as soon as it is open.
void whenOpen(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            whenOpen(answer); // not shown yet: try again on the next round
            return;
        }
        answer(dialog);
    });
}

} // namespace

class TestQtMessageService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBox_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("shownButtons");
        QTest::newRow("OK by Enter") << int(MessageService::Ok) << 0 << int(Qt::Key_Return)
                                     << int(MessageService::AnswerOk) << QStringList{"OK"};
        QTest::newRow("Yes/No, No is default")
            << int(MessageService::YesNo) << 1 << int(Qt::Key_Return)
            << int(MessageService::AnswerNo) << QStringList{"&Ja", "&Nej"};
        QTest::newRow("Yes/No, Yes is default")
            << int(MessageService::YesNo) << 0 << int(Qt::Key_Return)
            << int(MessageService::AnswerYes) << QStringList{"&Ja", "&Nej"};
        QTest::newRow("Escape gives the last button")
            << int(MessageService::OkCancel) << 0 << int(Qt::Key_Escape)
            << int(MessageService::AnswerCancel) << QStringList{"OK", "Avbryt"};
    }

    void messageBox()
    {
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(QStringList, shownButtons);
        QString text, title;
        QStringList seen;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenOpen([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton* b : box->findChild<QDialogButtonBox*>()->buttons())
                seen.append(b->text());
            QTest::keyClick(box, Qt::Key(key));
        });
        QtMessageService service;
        const MessageService::Answer got = service.msgBox(
            "Vill du fullfölja borttaget av raden?\r\nRad 2", MessageService::Buttons(buttons),
            MessageService::Question, "Valsit", MessageService::DefaultButton(defaultButton));
        QCOMPARE(int(got), answer);
        QCOMPARE(text, QString("Vill du fullfölja borttaget av raden?\nRad 2"));
        QCOMPARE(title, QString("Valsit"));
        QCOMPARE(icon, QMessageBox::Question);
        seen.sort();
        shownButtons.sort();
        QCOMPARE(seen, shownButtons);
    }

    void inputBox_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("typed and accepted") << true << "Kiruna"
                                            << "Kiruna";
        QTest::newRow("proposal accepted") << true << ""
                                           << "Uppsala";
        QTest::newRow("cancelled") << false << "Kiruna"
                                   << "";
    }

    void inputBox()
    {
        QFETCH(bool, accept);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QString label, title;
        whenOpen([&](QWidget* dialog) {
            auto* box = qobject_cast<QInputDialog*>(dialog);
            QVERIFY(box);
            label = box->labelText();
            title = box->windowTitle();
            if (!typed.isEmpty())
                box->setTextValue(typed);
            if (accept)
                box->accept();
            else
                box->reject();
        });
        QtMessageService service;
        bool accepted = !accept;
        QCOMPARE(service.inputBox("Ange rubrik", "Valsitberäkning för", "Uppsala", &accepted),
                 result);
        QCOMPARE(accepted, accept);
        QCOMPARE(label, QString("Ange rubrik"));
        QCOMPARE(title, QString("Valsitberäkning för"));
    }

    void fileOpen_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void fileOpen()
    {
        QFETCH(bool, accept);
        QTemporaryDir dir;
        const QString path = dir.filePath("Mora.mdb");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QStringList filters;
        whenOpen([&](QWidget* dialog) {
            auto* box = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(box);
            filters = box->nameFilters();
            box->selectFile(path);
            if (accept)
                static_cast<QDialog*>(box)->accept();
            else
                box->reject();
        });
        QtMessageService service;
        const QString got = service.fileOpen("Hämta databas", path, {"Valsit Database (*.mdb)"});
        QCOMPARE(got, accept ? path : QString());
        QCOMPARE(filters, QStringList{"Valsit Database (*.mdb)"});
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

QTEST_MAIN(TestQtMessageService)
#include "tst_qtmessageservice.moc"
