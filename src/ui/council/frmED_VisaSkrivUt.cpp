#include "ui/council/frmED_VisaSkrivUt.h"

#include "council/CouncilEntry.h"
#include "council/CouncilRun.h"
#include "council/CouncilSetup.h"
#include "council/ValkretsRun.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "seats/SeatResult.h"
#include "shell/AppGlobals.h"
#include "shell/Clock.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"
#include "ui/report/AppReportHeader.h"
#include "ui/report/QtRichTextControl.h"
#include "ui/seats/LotCommand.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"
#include "ui/shell/WindowStateRule.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString busyText = QStringLiteral("VÄNTA! Bearbetning pågår ....");
const QString doneText = QStringLiteral(
    "* innebär att valsitet har samma jämförelsetal som det följande (dvs skall lottas)    ");

// The hourglass for the length of a run.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

// The report is rebuilt every time the user comes back to the window. A run's own
// message boxes and the file dialog of "Spara som PDF" give the window its activation
// back while the run or the command is still going; those do not start another run.
frmED_VisaSkrivUt::frmED_VisaSkrivUt(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmED_VisaSkrivUt"),
                 QStringLiteral("Valsit - Resultatet av valsitfördelningen"), EveryActivation,
                 parent)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_lblMsg = new QLabel(QStringLiteral(" "), central);
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    m_rtfPInfo = new QTextEdit(central);
    m_rtfPInfo->setObjectName(QStringLiteral("rtfPInfo"));
    m_rtfPInfo->setReadOnly(true);
    m_rtfPInfo->setLineWrapMode(QTextEdit::NoWrap);
    layout->addWidget(m_lblMsg);
    layout->addWidget(m_rtfPInfo, 1);
    setCentralWidget(central);
    m_control = std::make_unique<QtRichTextControl>(m_rtfPInfo);

    m_mnuExit = addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit",
                            &frmED_VisaSkrivUt::mnuExit_Click);
    m_mnuSparaPdf = addMenuItem(menuBar(), QStringLiteral("Spara som PDF"), "mnuSparaPdf",
                                &frmED_VisaSkrivUt::mnuSparaPdf_Click);
    m_mnuLottning = addMenuItem(menuBar(), QStringLiteral("Lottning"), "mnuLottning",
                                &frmED_VisaSkrivUt::mnuLottning_Click);
    // Closed from the title bar: back to the vote entry, as "Avsluta".
    setReturnWindow(QStringLiteral("frmE_PrelRes"));

    setDesignSize(8550, 5730);
    applyWindowState(QSize(900, 600));
    m_result = std::make_unique<SeatResult>();
}

frmED_VisaSkrivUt::~frmED_VisaSkrivUt() = default;

RichTextControl* frmED_VisaSkrivUt::activeRichText()
{
    return focusWidget() == m_rtfPInfo ? m_control.get() : nullptr;
}

void frmED_VisaSkrivUt::onActivate()
{
    CouncilSetup* setup = services().council.get();
    if (m_busy || !setup)
        return;
    const QScopedValueRollback<bool> busy(m_busy, true);
    m_lblMsg->setText(QStringLiteral(" "));
    m_control->clear();
    QString failure;
    {
        const WaitCursor hourglass;
        m_lblMsg->setText(busyText);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_rtfPInfo->setFocus();
        try {
            ElectionDatabase db(AppGlobals::instance().DBSokVag);
            // Lots are taken in the council's own calculation, not per constituency.
            m_mnuLottning->setEnabled(false);
            const bool valkretsar = ValkretsRun::applies(db);
            const ReportHeader header = appReportHeader(*setup, services().clock);
            services().councilReportInput =
                valkretsar ? ValkretsRun::runOnScreen(*setup, db, header, this)
                           : CouncilRun::runOnScreen(*setup, db, header, this, *m_result);
            m_mnuLottning->setEnabled(!valkretsar);
            ++m_runs;
            m_lblMsg->setText(doneText);
        } catch (const DbError& e) {
            m_lblMsg->setText(QStringLiteral(" "));
            failure = QStringLiteral("Distriktens röster kunde inte läsas. ") + e.Description();
        } catch (const EngineError& e) {
            m_lblMsg->setText(QStringLiteral(" "));
            failure = e.message();
        }
    }
    // The message comes after the hourglass: it waits for the user, not the program.
    if (!failure.isEmpty())
        dbError(failure);
    m_control->flush();
    m_rtfPInfo->moveCursor(QTextCursor::Start);
}

void frmED_VisaSkrivUt::mnuSparaPdf_Click()
{
    CouncilSetup* setup = services().council.get();
    if (!setup || m_busy)
        return;
    AppGlobals& globals = AppGlobals::instance();
    const QScopedValueRollback<bool> busy(m_busy, true);
    const Command command(this);
    const QString proposed =
        QDir(pdfFolder()).filePath(pdfName(setup->Rubrik1(), services().clock.today()));
    QString file = messages().fileSave(QStringLiteral("Spara resultatet som PDF"), proposed,
                                       {QStringLiteral("PDF-filer (*.pdf)")});
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    QString failure;
    {
        const WaitCursor hourglass;
        m_lblMsg->setText(busyText);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        try {
            ElectionDatabase election(globals.DBSokVag);
            CouncilRun::saveAsPdf(*setup, election, appReportHeader(*setup, services().clock), file,
                                  QStringLiteral("Valsit - Preliminär Fullmäktige"));
            SettingsStore().setValue(pdfFolderKey(), QFileInfo(file).absolutePath());
        } catch (const EngineError& e) {
            failure = e.message();
        } catch (const DbError& e) {
            failure = e.Description();
        }
    }
    // The "*" note stays: it explains the report still on screen.
    m_lblMsg->setText(doneText);
    if (failure.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Resultatet är sparat i ") +
                                 QDir::toNativeSeparators(file));
    } else {
        statusBar()->showMessage(QStringLiteral("PDF-filen sparades inte."));
        dbError(QStringLiteral("PDF-filen kunde inte sparas. ") + failure);
    }
}

QString frmED_VisaSkrivUt::pdfFolder()
{
    // Where the user saved last, else the documents folder: never the program's folder.
    const QString last = SettingsStore().value(pdfFolderKey());
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString frmED_VisaSkrivUt::pdfName(QString heading, const QDate& today)
{
    // The heading and the date: "Valsit Uppsala 2026-09-13.pdf".
    static const QRegularExpression notInNames(QStringLiteral("[\\\\/:*?\"<>|]"));
    heading.replace(notInNames, QStringLiteral(" "));
    heading = heading.simplified();
    QString name = QStringLiteral("Valsit ");
    if (!heading.isEmpty() && heading != QLatin1String("RUBRIK"))
        name += heading + QLatin1Char(' ');
    return name + today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf");
}

// A lot stored, the report is made again: the result after the lot.
void frmED_VisaSkrivUt::mnuLottning_Click()
{
    if (m_busy || m_runs == 0 || !m_mnuLottning->isEnabled())
        return;
    bool stored = false;
    {
        const Command command(this);
        stored = LotCommand::recordFor(this, services(), *m_result, LotStore::Kind::Council);
    }
    if (stored)
        onActivate();
}

void frmED_VisaSkrivUt::mnuExit_Click()
{
    handOverBack();
}
