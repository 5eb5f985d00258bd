#pragma once

#include "ui/committee/RunProgress.h"
#include "report/ReportWindow.h"
#include "ui/shell/WindowBase.h"

#include <functional>
#include <memory>

struct AppServices;
class ValsitBer;
class QAction;
class QLabel;
class QPushButton;
class QTextEdit;
class QtRichTextControl;

// The committee result on screen. At its first activation the window asks before a run
// of more than one result, then has the engine calculate and write its report into the
// rich-text control. A long run keeps the window alive: the bar follows the
// combinations, and "Avbryt beräkningen" ends the run after the combination under way,
// the report then closing with a line saying how far it came. "Spara som PDF" writes the
// same calculation, under the same run letter, to a file. Closing goes back to the entry.
class frmD_VisaSkrivUt : public WindowBase, public ReportWindow
{
    Q_OBJECT
public:
    explicit frmD_VisaSkrivUt(AppServices& services, QWidget* parent = nullptr);
    ~frmD_VisaSkrivUt() override;

    RichTextControl* activeRichText() override;

    void mnuExit_Click();
    void mnuSparaPdf_Click();
    void mnuLottning_Click();
    void cmdStopp_Click();

    QString status() const;
    int runs() const { return m_runs; }
    const RunProgress& progress() const { return m_progress; }

    // Called once the report is written (tests and the benchmark wait on it).
    std::function<void()> onReportDone;

protected:
    void onActivate() override;
    bool queryUnload() override;

private:
    ValsitBer* engine() const;
    // Runs the engine with the window kept alive; false (after telling the user) when
    // the run failed.
    bool runEngine(const std::function<void()>& body, const QString& failure);
    void setRunning(bool on);
    // The run and its report; false when it failed.
    bool calculate();

    QLabel* m_lblMsg = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    QPushButton* m_cmdStopp = nullptr;
    QTextEdit* m_rtfPInfo = nullptr;
    std::unique_ptr<QtRichTextControl> m_control;
    QAction* m_mnuExit = nullptr;
    QAction* m_mnuSparaPdf = nullptr;
    QAction* m_mnuLottning = nullptr;
    RunProgress m_progress;
    int m_runs = 0;
    int m_runNumber = 0;
    bool m_closeWhenDone = false;
};
