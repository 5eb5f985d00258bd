#pragma once

#include "ui/shell/WindowBase.h"

#include <functional>
#include <memory>

struct AppServices;
class PrinterChoice;
class QAction;
class QLabel;

// The council result on paper: at its first activation the window lets the user choose
// the printer, has the council engine calculate and print its report, shows that the
// work is done and closes itself, back to the vote entry. A cancelled print dialog
// prints nothing.
class frmED_SkrivUt : public WindowBase
{
    Q_OBJECT
public:
    explicit frmED_SkrivUt(AppServices& services, QWidget* parent = nullptr);
    ~frmED_SkrivUt() override;

    // Where the printout goes: the print dialog and a real printer in the program;

    void mnuExit_Click();

    QString status() const;

Q_SIGNALS:
    // The status text after the work (the window closes right after it).
    void finished(const QString& status);

protected:
    void onActivate() override;

private:
    QLabel* m_lblMsg = nullptr;
    QAction* m_mnuExit = nullptr;
};
