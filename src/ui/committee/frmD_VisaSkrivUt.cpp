#include "ui/committee/frmD_VisaSkrivUt.h"

#include "data/ElectionDatabase.h"
#include "ui/shell/AppServices.h"

#include "committee/CommitteeRun.h"
#include "committee/CommitteeSetup.h"
#include "data/DbError.h"
#include "seats/LotStore.h"
#include "shell/AppGlobals.h"
#include "shell/AppInfo.h"
#include "shell/Clock.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"
#include "ui/council/frmED_VisaSkrivUt.h"
#include "ui/report/AppReportHeader.h"
#include "ui/report/QtRichTextControl.h"
#include "ui/seats/LotCommand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <new>

namespace {

const QString busyText = QStringLiteral("VÄNTA! Bearbetning pågår ....");
const QString doneText = QStringLiteral(
    "* innebär att valsitet har samma jämförelsetal som det följande (dvs skall lottas)    ");
const QString stoppedText =
    QStringLiteral("Beräkningen avbröts. Redovisningen är inte fullständig.");

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

// One report per opening: activations that come back from the questions, the file dialog
// or another program must not run it again (each run takes the next letter).
frmD_VisaSkrivUt::frmD_VisaSkrivUt(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmD_VisaSkrivUt"),
                 QStringLiteral("Valsit - Resultatet av valsitfördelningen"), FirstActivationOnly,
                 parent),
      m_progress(nullptr)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_lblMsg = new QLabel(QStringLiteral(" "), central);
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    auto* barRow = new QHBoxLayout;
    m_progressBar1 = new QProgressBar(central);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setTextVisible(false);
    m_cmdStopp = new QPushButton(QStringLiteral("Avbryt beräkningen"), central);
    m_cmdStopp->setObjectName(QStringLiteral("cmdStopp"));
    // The report goes to the focused control: the button must not take the focus.
    m_cmdStopp->setFocusPolicy(Qt::NoFocus);
    m_cmdStopp->setEnabled(false);
    onClicked(m_cmdStopp, &frmD_VisaSkrivUt::cmdStopp_Click);
    barRow->addWidget(m_progressBar1, 1);
    barRow->addWidget(m_cmdStopp);
    m_rtfPInfo = new QTextEdit(central);
    m_rtfPInfo->setObjectName(QStringLiteral("rtfPInfo"));
    m_rtfPInfo->setReadOnly(true);
    m_rtfPInfo->setLineWrapMode(QTextEdit::NoWrap);
    layout->addWidget(m_lblMsg);
    layout->addLayout(barRow);
    layout->addWidget(m_rtfPInfo, 1);
    setCentralWidget(central);
    m_control = std::make_unique<QtRichTextControl>(m_rtfPInfo);
    m_progress = RunProgress(m_progressBar1);

    m_mnuExit = addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit",
                            &frmD_VisaSkrivUt::mnuExit_Click);
    m_mnuSparaPdf = addMenuItem(menuBar(), QStringLiteral("Spara som PDF"), "mnuSparaPdf",
                                &frmD_VisaSkrivUt::mnuSparaPdf_Click);
    m_mnuSparaPdf->setEnabled(false);
    m_mnuLottning = addMenuItem(menuBar(), QStringLiteral("Lottning"), "mnuLottning",
                                &frmD_VisaSkrivUt::mnuLottning_Click);
    m_mnuLottning->setEnabled(false);
    setReturnWindow(QStringLiteral("frmB_Valresultat"));

    setDesignSize(8550, 5730);
    applyWindowState(QSize(900, 600));
    m_result = std::make_unique<SeatResult>();
}

frmD_VisaSkrivUt::~frmD_VisaSkrivUt() = default;

RichTextControl* frmD_VisaSkrivUt::activeRichText()
{
    // During a run the report is this window's whatever the user clicks meanwhile.
    return m_progress.running() || focusWidget() == m_rtfPInfo ? m_control.get() : nullptr;
}

QString frmD_VisaSkrivUt::status() const
{
    return m_lblMsg->text();
}

void frmD_VisaSkrivUt::setRunning(bool on)
{
    m_mnuExit->setEnabled(!on);
    m_mnuSparaPdf->setEnabled(!on && m_runs > 0);
    m_mnuLottning->setEnabled(!on && m_runs > 0);
    m_cmdStopp->setEnabled(on);
}

bool frmD_VisaSkrivUt::runEngine(const Body& body, const QString& failure)
{
    const WaitCursor hourglass;
    m_lblMsg->setText(busyText);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    CommitteeRun::Progress progress;
    progress.bar = &m_progress;
    progress.stop = [this] { return m_progress.stopRequested(); };
    m_control->hold(true);
    setRunning(true);
    m_progress.begin();
    QString problem;
    try {
        m_stopped = body(progress).stopped;
    } catch (const DbError& error) {
        problem = error.Description();
    } catch (const EngineError& error) {
        problem = error.message();
    } catch (const std::bad_alloc&) {
        problem = QStringLiteral("Minnet räckte inte till beräkningen.");
    } catch (const std::exception& error) {
        problem = QString::fromLocal8Bit(error.what());
    }
    m_progress.end();
    m_control->hold(false);
    m_control->flush();
    setRunning(false);
    if (!problem.isEmpty()) {
        m_lblMsg->setText(QStringLiteral(" "));
        dbError(failure + QLatin1Char(' ') + problem);
        setRunning(false);
    }
    if (m_closeWhenDone)
        QTimer::singleShot(0, this, [this] { guard([this] { mnuExit_Click(); }); });
    return problem.isEmpty();
}

void frmD_VisaSkrivUt::onActivate()
{
    CommitteeSetup* e = setup();
    if (!e)
        return;
    m_lblMsg->setText(QStringLiteral(" "));
    m_control->clear();
    const int results = e->AntalResultat();
    if (results >= 2 &&
        messages().msgBox(CommitteeRun::question(results), MessageService::YesNo,
                          MessageService::Question, AppInfo::appNamn(),
                          MessageService::SecondButton) != MessageService::AnswerYes) {
        QTimer::singleShot(0, this, [this] { guard([this] { mnuExit_Click(); }); });
        return;
    }
    calculate();
}

bool frmD_VisaSkrivUt::calculate()
{
    CommitteeSetup* e = setup();
    m_rtfPInfo->setFocus();
    const ReportHeader header = appReportHeader(*e, services().clock);
    const bool ok = runEngine(
        [this, e, &header](const CommitteeRun::Progress& progress) {
            ElectionDatabase election(AppGlobals::instance().DBSokVag);
            return CommitteeRun::runOnScreen(*e, election, header, this, progress, *m_result);
        },
        QStringLiteral("Beräkningen kunde inte göras."));
    if (ok) {
        ++m_runs;
        m_runNumber = e->runNumber();
        m_lblMsg->setText(m_stopped ? stoppedText : doneText);
        setRunning(false);
    }
    m_rtfPInfo->moveCursor(QTextCursor::Start);
    if (onReportDone)
        onReportDone();
    return ok;
}

// A lot stored, the same run is made again under its letter: the result after the lot.
void frmD_VisaSkrivUt::mnuLottning_Click()
{
    CommitteeSetup* e = setup();
    if (!e || m_progress.running() || m_runs == 0)
        return;
    if (!LotCommand::recordFor(this, services(), *m_result, LotStore::Kind::Committee))
        return;
    m_control->clear();
    e->setRunNumber(m_runNumber - 1);
    calculate();
}

void frmD_VisaSkrivUt::mnuSparaPdf_Click()
{
    CommitteeSetup* e = setup();
    if (!e || m_progress.running() || m_runs == 0)
        return;
    const int results = e->AntalResultat();
    if (results >= 2 &&
        messages().msgBox(CommitteeRun::question(results, e->AntalSidor()), MessageService::YesNo,
                          MessageService::Question, AppInfo::appNamn(),
                          MessageService::SecondButton) != MessageService::AnswerYes)
        return;
    // Named and placed as the council's report is: "Valsit <rubrik> <datum>.pdf".
    const QString proposed =
        QDir(frmED_VisaSkrivUt::pdfFolder())
            .filePath(frmED_VisaSkrivUt::pdfName(e->Rubrik1(), services().clock.today()));
    QString file = messages().fileSave(QStringLiteral("Spara resultatet som PDF"), proposed,
                                       {QStringLiteral("PDF-filer (*.pdf)")});
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    const QString before = m_lblMsg->text();
    const int run = m_runNumber;
    const ReportHeader header = appReportHeader(*e, services().clock);
    // A stopped run leaves an incomplete report: kept under the name only if the user says so.
    bool kept = true;
    const auto keep = [this, &file, &kept] {
        kept =
            messages().msgBox(QStringLiteral("Beräkningen avbröts, så redovisningen är inte "
                                             "fullständig. Vill du ändå spara den som %1?")
                                  .arg(QDir::toNativeSeparators(file)),
                              MessageService::YesNo, MessageService::Question, AppInfo::appNamn(),
                              MessageService::SecondButton) == MessageService::AnswerYes;
        return kept;
    };
    const bool ok = runEngine(
        [e, file, run, &header, &keep](const CommitteeRun::Progress& progress) {
            ElectionDatabase election(AppGlobals::instance().DBSokVag);
            return CommitteeRun::saveAsPdf(*e, election, header, file,
                                           QStringLiteral("Valsit - Nämndvalsit"), run, progress,
                                           keep);
        },
        QStringLiteral("PDF-filen kunde inte sparas."));
    if (!ok) {
        m_lblMsg->setText(before);
        return;
    }
    if (!kept) {
        m_lblMsg->setText(QStringLiteral("Beräkningen avbröts. Ingen PDF-fil sparades."));
        return;
    }
    SettingsStore().setValue(frmED_VisaSkrivUt::pdfFolderKey(), QFileInfo(file).absolutePath());
    m_lblMsg->setText((m_stopped ? QStringLiteral("Beräkningen avbröts; det sparade "
                                                  "resultatet är inte fullständigt: ")
                                 : QStringLiteral("Resultatet är sparat i ")) +
                      QDir::toNativeSeparators(file));
}

void frmD_VisaSkrivUt::cmdStopp_Click()
{
    if (m_progress.running()) {
        m_progress.requestStop();
        m_cmdStopp->setEnabled(false);
    }
}

void frmD_VisaSkrivUt::mnuExit_Click()
{
    if (m_progress.running()) {
        m_closeWhenDone = true;
        m_progress.requestStop();
        return;
    }
    handOverBack();
}

bool frmD_VisaSkrivUt::queryUnload()
{
    if (!m_progress.running())
        return true;
    // The run is on this window's stack: it ends first, then the window goes.
    m_closeWhenDone = true;
    m_progress.requestStop();
    return false;
}

CommitteeSetup* frmD_VisaSkrivUt::setup() const
{
    return services().committee.get();
}
