#include "council/ui/frmED_SkrivUt.h"

#include "council/CouncilRun.h"
#include "council/RostBer.h"
#include "data/DbError.h"
#include "report/PrinterChoice.h"
#include "report/ui/AppReportHeader.h"
#include "report/ui/QtPrinterChoice.h"
#include "shell/AppGlobals.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/WindowStateRule.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

std::function<std::unique_ptr<PrinterChoice>(QWidget*)> frmED_SkrivUt::printerChoice =
    [](QWidget* parent) -> std::unique_ptr<PrinterChoice> {
    return std::make_unique<QtPrinterChoice>(parent);
};

frmED_SkrivUt::frmED_SkrivUt(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmED_SkrivUt"));
    setWindowTitle(QStringLiteral("Valsit - Beställningen skrivs ut"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_lblMsg = new QLabel(QStringLiteral(" "), central);
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    layout->addWidget(m_lblMsg);
    layout->addStretch(1);
    setCentralWidget(central);
    m_mnuExit = menuBar()->addAction(QStringLiteral("Avsluta"));
    m_mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(m_mnuExit, &QAction::triggered, this, &frmED_SkrivUt::mnuExit_Click);

    m_stateRule = new WindowStateRule(this, 5856, 1284);
    resize(m_stateRule->minimumPixels().expandedTo(QSize(420, 110)));
    m_stateRule->applyOnLoad();
}

frmED_SkrivUt::~frmED_SkrivUt() = default;

QString frmED_SkrivUt::status() const
{
    return m_lblMsg->text();
}

bool frmED_SkrivUt::event(QEvent* event)
{
    const bool result = QMainWindow::event(event);
    // All the work is done at the first activation; the print dialog's closing gives the
    // window its activation back, which must not print again.
    // The first show starts the work as well, for a window the platform does not
    // activate at once.
    bool deferred = false;
    if (m_firstActivation.starts(event, &deferred)) {
        if (deferred)
            QTimer::singleShot(0, this, &frmED_SkrivUt::Form_Activate);
        else
            Form_Activate();
    }
    return result;
}

void frmED_SkrivUt::Form_Activate()
{
    m_firstActivation.markDone();
    AppGlobals& globals = AppGlobals::instance();
    RostBer* engine = globals.RostBerObj.get();
    m_lblMsg->setText(QStringLiteral(" "));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lblMsg->setText(QStringLiteral("VÄNTA! Bearbetning pågår ...."));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    std::unique_ptr<PrinterChoice> choice = printerChoice(this);
    if (!engine || !choice || !choice->choosePrinter()) {
        // Cancel means no printout.
        m_lblMsg->setText(QStringLiteral("Utskriften avbröts. Ingenting skrevs ut."));
    } else {
        try {
            CouncilRun::runOnPaper(*engine, globals.DBSokVag, appReportHeader(),
                                   *choice->printer());
            m_lblMsg->setText(QStringLiteral("OK! Bearbetning klar"));
        } catch (const EngineError& e) {
            m_lblMsg->setText(QStringLiteral("Utskriften misslyckades."));
            globals.messages->msgBox(QStringLiteral("Utskriften misslyckades. ") + e.message(),
                                     MessageService::Ok, MessageService::Critical, globals.AppNamn);
        } catch (const DbError& e) {
            m_lblMsg->setText(QStringLiteral("Utskriften misslyckades."));
            globals.messages->msgBox(QStringLiteral("Distriktens röster kunde inte läsas. ") +
                                         e.Description(),
                                     MessageService::Ok, MessageService::Critical, globals.AppNamn);
        }
    }
    QApplication::restoreOverrideCursor();
    const QString text = m_lblMsg->text();
    Q_EMIT finished(text);
    // The window closes itself once the status has been painted.
    QTimer::singleShot(0, this, &frmED_SkrivUt::mnuExit_Click);
}

void frmED_SkrivUt::mnuExit_Click()
{
    WindowRegistry::instance().handOver(this, QStringLiteral("frmE_PrelRes"));
}

void frmED_SkrivUt::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!WindowRegistry::isUnloadingFromCode(this))
        WindowRegistry::instance().show(QStringLiteral("frmE_PrelRes"));
}

void frmED_SkrivUt::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
}
