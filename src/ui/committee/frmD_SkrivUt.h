#pragma once

#include "ui/committee/RunProgress.h"
#include "ui/shell/WindowBase.h"

#include <functional>
#include <memory>

struct AppServices;
class ValsitBer;
class PrinterChoice;
class QLabel;
class QPushButton;

// The committee result on paper. At its first activation the window asks before a run
// of more than one result (with the estimate of pages), lets the user choose the printer
// and has the engine print the report as one job; then it closes itself and the entry
// window comes back. Cancelling the print dialog prints nothing. A long run can be
// stopped; the printout then ends with a line saying how far it came. A run that fails
// half-way is thrown away rather than sent on.
class frmD_SkrivUt : public WindowBase
{
    Q_OBJECT
public:
    explicit frmD_SkrivUt(AppServices& services, QWidget* parent = nullptr);
    ~frmD_SkrivUt() override;

    void mnuExit_Click();
    void cmdStopp_Click();

    QString status() const;

Q_SIGNALS:
    // The last status text, when the window is done and about to close.
    void finished(const QString& status);

protected:
    void onActivate() override;
    bool queryUnload() override;

private:
    ValsitBer* engine() const;
    void print();

    QLabel* m_lblMsg = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    QPushButton* m_cmdStopp = nullptr;
    RunProgress m_progress;
};
