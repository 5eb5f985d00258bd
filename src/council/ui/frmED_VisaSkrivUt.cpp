#include "council/ui/frmED_VisaSkrivUt.h"

#include "council/CouncilRun.h"
#include "council/RostBer.h"
#include "data/DbError.h"
#include "report/ui/AppReportHeader.h"
#include "report/ui/QtRichTextControl.h"
#include "shell/AppGlobals.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/WindowStateRule.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTextEdit>
#include <QTimer>
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

frmED_VisaSkrivUt::frmED_VisaSkrivUt(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmED_VisaSkrivUt"));
    setWindowTitle(QStringLiteral("Valsit - Resultatet av valsitfördelningen"));
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

    m_mnuExit = menuBar()->addAction(QStringLiteral("Avsluta"));
    m_mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(m_mnuExit, &QAction::triggered, this, &frmED_VisaSkrivUt::mnuExit_Click);
    m_mnuSparaPdf = menuBar()->addAction(QStringLiteral("Spara som PDF"));
    m_mnuSparaPdf->setObjectName(QStringLiteral("mnuSparaPdf"));
    connect(m_mnuSparaPdf, &QAction::triggered, this, &frmED_VisaSkrivUt::mnuSparaPdf_Click);

    m_stateRule = new WindowStateRule(this, 8550, 5730);
    resize(m_stateRule->minimumPixels().expandedTo(QSize(900, 600)));
    m_stateRule->applyOnLoad();
    if (RostBer* engine = AppGlobals::instance().RostBerObj.get())
        engine->setFormName(this);
}

frmED_VisaSkrivUt::~frmED_VisaSkrivUt()
{
    // The engine outlives the window: it must not write into a window that is gone.
    if (RostBer* engine = AppGlobals::instance().RostBerObj.get())
        engine->setFormName(nullptr);
}

RichTextControl* frmED_VisaSkrivUt::activeRichText()
{
    return focusWidget() == m_rtfPInfo ? m_control.get() : nullptr;
}

bool frmED_VisaSkrivUt::event(QEvent* event)
{
    const bool result = QMainWindow::event(event);
    // A run's own message boxes and the file dialog of "Spara som PDF" give the window its
    // activation back; the report is rebuilt only when the user comes back to it.
    if (event->type() == QEvent::Show && m_runs == 0) {
        // Shown but perhaps not activated by the platform: the report is written anyway.
        QTimer::singleShot(0, this, [this] {
            if (m_runs == 0)
                Form_Activate();
        });
    } else if (event->type() == QEvent::WindowActivate) {
        // The first activation comes while the report of the show is written, or right
        // after it: that report is the fresh one.
        const bool first = m_activations++ == 0;
        if (!m_busy && !(first && m_runs > 0))
            Form_Activate();
    }
    return result;
}

void frmED_VisaSkrivUt::Form_Activate()
{
    RostBer* engine = AppGlobals::instance().RostBerObj.get();
    if (m_busy || !engine)
        return;
    m_busy = true;
    m_lblMsg->setText(QStringLiteral(" "));
    m_control->clear();
    {
        const WaitCursor hourglass;
        m_lblMsg->setText(busyText);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        engine->setFormName(this);
        m_rtfPInfo->setFocus();
        try {
            CouncilRun::run(*engine, AppGlobals::instance().DBSokVag, appReportHeader());
            ++m_runs;
            m_lblMsg->setText(doneText);
        } catch (const DbError& e) {
            m_lblMsg->setText(QStringLiteral(" "));
            AppGlobals::instance().messages->msgBox(
                QStringLiteral("Distriktens röster kunde inte läsas. ") + e.Description(),
                MessageService::Ok, MessageService::Critical, AppGlobals::instance().AppNamn);
        }
    }
    m_control->flush();
    m_rtfPInfo->moveCursor(QTextCursor::Start);
    m_busy = false;
}

void frmED_VisaSkrivUt::mnuSparaPdf_Click()
{
    RostBer* engine = AppGlobals::instance().RostBerObj.get();
    if (!engine || m_busy)
        return;
    AppGlobals& globals = AppGlobals::instance();
    m_busy = true;
    const QString proposed =
        QDir(QFileInfo(globals.DBSokVag).absolutePath()).filePath(QStringLiteral("Valsit.pdf"));
    QString file = globals.messages->fileSave(QStringLiteral("Spara resultatet som PDF"), proposed,
                                              {QStringLiteral("PDF-filer (*.pdf)")});
    if (file.isEmpty()) {
        m_busy = false;
        return;
    }
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    {
        const WaitCursor hourglass;
        m_lblMsg->setText(busyText);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        try {
            CouncilRun::saveAsPdf(*engine, globals.DBSokVag, appReportHeader(), file,
                                  QStringLiteral("Valsit - Preliminär Fullmäktige"));
            m_lblMsg->setText(QStringLiteral("Resultatet är sparat i ") +
                              QDir::toNativeSeparators(file));
        } catch (const EngineError& e) {
            m_lblMsg->setText(doneText);
            globals.messages->msgBox(QStringLiteral("PDF-filen kunde inte sparas. ") + e.message(),
                                     MessageService::Ok, MessageService::Critical, globals.AppNamn);
        } catch (const DbError& e) {
            m_lblMsg->setText(doneText);
            globals.messages->msgBox(QStringLiteral("PDF-filen kunde inte sparas. ") +
                                         e.Description(),
                                     MessageService::Ok, MessageService::Critical, globals.AppNamn);
        }
    }
    m_busy = false;
}

void frmED_VisaSkrivUt::mnuExit_Click()
{
    WindowRegistry::instance().handOver(this, QStringLiteral("frmE_PrelRes"));
}

void frmED_VisaSkrivUt::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    // Closed from the title bar: back to the vote entry, as "Avsluta".
    if (!WindowRegistry::isUnloadingFromCode(this))
        WindowRegistry::instance().show(QStringLiteral("frmE_PrelRes"));
}

void frmED_VisaSkrivUt::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event); // the label and the report follow the layout
}
