#include "ui/council/frmED_SkrivUt.h"

#include "council/CouncilRun.h"
#include "council/CouncilSetup.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "report/PrinterChoice.h"
#include "shell/AppGlobals.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "ui/report/AppReportHeader.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"
#include "ui/shell/WindowStateRule.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

// All the work is done at the first activation; the print dialog's closing gives the
// window its activation back, which must not print again.
frmED_SkrivUt::frmED_SkrivUt(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmED_SkrivUt"),
                 QStringLiteral("Valsit - Beställningen skrivs ut"), FirstActivationOnly, parent)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_lblMsg = new QLabel(QStringLiteral(" "), central);
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    layout->addWidget(m_lblMsg);
    layout->addStretch(1);
    setCentralWidget(central);
    m_mnuExit =
        addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit", &frmED_SkrivUt::mnuExit_Click);
    setReturnWindow(QStringLiteral("frmE_PrelRes"));

    setDesignSize(5856, 1284);
    applyWindowState(QSize(420, 110));
}

frmED_SkrivUt::~frmED_SkrivUt() = default;

QString frmED_SkrivUt::status() const
{
    return m_lblMsg->text();
}

void frmED_SkrivUt::onActivate()
{
    AppGlobals& globals = AppGlobals::instance();
    CouncilSetup* engine = services().council.get();
    m_lblMsg->setText(QStringLiteral(" "));

    // The print dialog waits for the user: no hourglass over it.
    std::unique_ptr<PrinterChoice> choice = services().printerChoice(this);
    if (!engine || !choice || !choice->choosePrinter()) {
        // Cancel means no printout. The window closes at once, so the user reads it in a
        // box that waits.
        m_lblMsg->setText(QStringLiteral("Utskriften avbröts. Ingenting skrevs ut."));
        messages().msgBox(m_lblMsg->text(), MessageService::Ok, MessageService::Information,
                          globals.AppNamn);
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_lblMsg->setText(QStringLiteral("VÄNTA! Bearbetning pågår ...."));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QString failure;
        bool rehearsed = false;
        try {
            // A run that fails must not leave half a printout: the report is made whole once
            // without a printer, and only then goes to the printer.
            const ReportHeader header = appReportHeader(*engine, services().clock);
            ElectionDatabase election(globals.DBSokVag);
            CouncilRun::rehearse(*engine, election, header);
            rehearsed = true;
            services().councilReportInput =
                CouncilRun::runOnPaper(*engine, election, header, *choice->printer());
            m_lblMsg->setText(QStringLiteral("OK! Bearbetning klar"));
        } catch (const EngineError& e) {
            failure = e.message();
        } catch (const DbError& e) {
            failure = QStringLiteral("Distriktens röster kunde inte läsas. ") + e.Description();
        }
        QApplication::restoreOverrideCursor();
        if (!failure.isEmpty()) {
            m_lblMsg->setText(QStringLiteral("Utskriften misslyckades."));
            dbError(QStringLiteral("Utskriften misslyckades. ") +
                    (rehearsed ? QString() : QStringLiteral("Ingenting skrevs ut. ")) + failure);
        }
    }
    const QString text = m_lblMsg->text();
    Q_EMIT finished(text);
    // The window closes itself once the status has been painted.
    QTimer::singleShot(0, this, [this] { guard([this] { mnuExit_Click(); }); });
}

void frmED_SkrivUt::mnuExit_Click()
{
    handOverBack();
}
