#include "ui/shell/HelpWindow.h"

#include "shell/AppGlobals.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenuBar>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {
QPointer<HelpWindow> theWindow;
}

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("frmHandbok"));
    setWindowTitle(QStringLiteral("Valsit - Handbok"));
    // Not one of the program's own windows: the program ends without waiting for it.
    setProperty("valsitCompanion", true);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("rtfHandbok"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({folder()});
    setCentralWidget(m_browser);

    QMenuBar* bar = menuBar();
    QAction* closing = bar->addAction(QStringLiteral("Stäng"));
    closing->setObjectName(QStringLiteral("mnuExit"));
    connect(closing, &QAction::triggered, this, &QWidget::close);
    QAction* contents = bar->addAction(QStringLiteral("Innehåll"));
    contents->setObjectName(QStringLiteral("mnuInnehall"));
    connect(contents, &QAction::triggered, this, [this] { showPage(pageFor(QString())); });
    QAction* back = bar->addAction(QStringLiteral("Tillbaka"));
    back->setObjectName(QStringLiteral("mnuTillbaka"));
    back->setShortcut(QKeySequence::Back);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    back->setEnabled(false);
    resize(720, 640);
}

QString HelpWindow::folder()
{
    const AppGlobals& globals = AppGlobals::instance();
    const QString shipped = globals.shareKat.isEmpty() ? globals.programKat : globals.shareKat;
    return QDir(shipped.isEmpty() ? QCoreApplication::applicationDirPath() : shipped)
        .filePath(QStringLiteral("handbok"));
}

QString HelpWindow::pageFor(const QString& designName)
{
    static const QHash<QString, QString> pages = {
        {QStringLiteral("frmA_Start"), QStringLiteral("start.md")},
        {QStringLiteral("frmE_PrelRes"), QStringLiteral("fullmaktige.md")},
        {QStringLiteral("frmE_Valkretsar"), QStringLiteral("valkretsar.md")},
        {QStringLiteral("frmED_VisaSkrivUt"), QStringLiteral("rapporten.md")},
        {QStringLiteral("frmED_SkrivUt"), QStringLiteral("utskrift.md")},
        {QStringLiteral("frmB_Valresultat"), QStringLiteral("namnd.md")},
        {QStringLiteral("frmC_Samverkan"), QStringLiteral("namnd.md")},
        {QStringLiteral("frmD_VisaSkrivUt"), QStringLiteral("rapporten.md")},
        {QStringLiteral("frmD_SkrivUt"), QStringLiteral("utskrift.md")}};
    return pages.value(designName, QStringLiteral("index.md"));
}

HelpWindow* HelpWindow::open(const QString& designName)
{
    if (!theWindow) {
        theWindow = new HelpWindow;
        theWindow->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, theWindow.data(),
                         &QObject::deleteLater);
    }
    theWindow->showPage(pageFor(designName));
    theWindow->show();
    theWindow->raise();
    theWindow->activateWindow();
    return theWindow;
}

void HelpWindow::showPage(const QString& page)
{
    const QString path = QDir(folder()).filePath(page);
    if (!QFileInfo::exists(path)) {
        m_browser->setPlainText(QStringLiteral("Handboken saknas: filen ") +
                                QDir::toNativeSeparators(path) +
                                QStringLiteral(" finns inte. Installera programmet igen."));
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
}
