#include "ui/committee/frmD_SkrivUt.h"

#include "data/ElectionDatabase.h"
#include "ui/shell/AppServices.h"

#include "committee/CommitteeRun.h"
#include "committee/CommitteeSetup.h"
#include "data/DbError.h"
#include "report/PrinterChoice.h"
#include "seats/LotStore.h"
#include "shell/AppGlobals.h"
#include "shell/AppInfo.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "ui/report/AppReportHeader.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <new>

// All the work is done once; the print dialog's closing gives the window its activation
// back, which must not print again.
frmD_SkrivUt::frmD_SkrivUt(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmD_SkrivUt"),
                 QStringLiteral("Valsit - Beställningen skrivs ut"), FirstActivationOnly, parent),
      m_progress(nullptr)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_lblMsg = new QLabel(QStringLiteral(" "), central);
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    m_progressBar1 = new QProgressBar(central);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setTextVisible(false);
    m_cmdStopp = new QPushButton(QStringLiteral("Avbryt utskriften"), central);
    m_cmdStopp->setObjectName(QStringLiteral("cmdStopp"));
    m_cmdStopp->setEnabled(false);
    onClicked(m_cmdStopp, &frmD_SkrivUt::cmdStopp_Click);
    layout->addWidget(m_lblMsg);
    layout->addWidget(m_progressBar1);
    layout->addWidget(m_cmdStopp, 0, Qt::AlignRight);
    layout->addStretch(1);
    setCentralWidget(central);
    m_progress = RunProgress(m_progressBar1);
    addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit", &frmD_SkrivUt::mnuExit_Click);
    setReturnWindow(QStringLiteral("frmB_Valresultat"));

    setDesignSize(5856, 1284);
    applyWindowState(QSize(460, 150));
}

frmD_SkrivUt::~frmD_SkrivUt() = default;

QString frmD_SkrivUt::status() const
{
    return m_lblMsg->text();
}

void frmD_SkrivUt::onActivate()
{
    m_lblMsg->setText(QStringLiteral(" "));
    if (CommitteeSetup* e = engine()) {
        const int results = e->AntalResultat();
        if (results < 2 ||
            messages().msgBox(CommitteeRun::question(results, e->AntalSidor()),
                              MessageService::YesNo, MessageService::Question, AppInfo::appNamn(),
                              MessageService::SecondButton) == MessageService::AnswerYes)
            print();
    }
    Q_EMIT finished(m_lblMsg->text());
    // The window closes itself once the status has been painted.
    QTimer::singleShot(0, this, [this] { guard([this] { mnuExit_Click(); }); });
}

void frmD_SkrivUt::print()
{
    CommitteeSetup& e = *engine();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lblMsg->setText(QStringLiteral("VÄNTA! Bearbetning pågår ...."));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    std::unique_ptr<PrinterChoice> choice = services().printerChoice(this);
    if (!choice || !choice->choosePrinter() || !choice->printer()) {
        QApplication::restoreOverrideCursor();
        m_lblMsg->setText(QStringLiteral("Utskriften avbröts. Ingenting skrevs ut."));
        return;
    }
    CommitteeRun::Progress progress;
    progress.bar = &m_progress;
    progress.stop = [this] { return m_progress.stopRequested(); };
    m_cmdStopp->setEnabled(true);
    m_progress.begin();
    QString problem;
    bool stopped = false;
    try {
        ElectionDatabase election(AppGlobals::instance().DBSokVag);
        stopped = CommitteeRun::runOnPaper(e, election, appReportHeader(e, services().clock),
                                           *choice->printer(), progress)
                      .stopped;
    } catch (const DbError& error) {
        problem = error.Description();
    } catch (const EngineError& error) {
        problem = error.message();
    } catch (const std::bad_alloc&) {
        problem = QStringLiteral("Minnet räckte inte till utskriften.");
    } catch (const std::exception& error) {
        problem = QString::fromLocal8Bit(error.what());
    }
    m_progress.end();
    m_cmdStopp->setEnabled(false);
    QApplication::restoreOverrideCursor();
    if (problem.isEmpty()) {
        m_lblMsg->setText(stopped ? QStringLiteral("Utskriften avbröts. Det utskrivna "
                                                   "resultatet är inte fullständigt.")
                                  : QStringLiteral("OK! Bearbetning klar"));
        return;
    }
    const bool discarded = choice->discard();
    m_lblMsg->setText(QStringLiteral("Utskriften misslyckades."));
    dbError(QStringLiteral("Utskriften misslyckades. ") + problem +
            (discarded ? QStringLiteral(" Ingenting skrevs ut.")
                       : QStringLiteral(" Sidor som redan har kommit ut ur skrivaren är inte ett "
                                        "fullständigt resultat.")));
}

void frmD_SkrivUt::cmdStopp_Click()
{
    if (m_progress.running()) {
        m_progress.requestStop();
        m_cmdStopp->setEnabled(false);
    }
}

void frmD_SkrivUt::mnuExit_Click()
{
    if (m_progress.running()) {
        m_progress.requestStop();
        return; // the window closes itself when the run has ended
    }
    handOverBack();
}

bool frmD_SkrivUt::queryUnload()
{
    if (!m_progress.running())
        return true;
    m_progress.requestStop(); // the window closes itself when the run has ended
    return false;
}

CommitteeSetup* frmD_SkrivUt::engine() const
{
    return services().committee.get();
}
