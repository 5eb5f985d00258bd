#pragma once

#include "shell/ui/FirstActivation.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class PrinterChoice;
class QAction;
class QLabel;
class WindowStateRule;

// The council result on paper: at its first activation the window lets the user choose
// the printer, has the council engine calculate and print its report, shows that the
// work is done and closes itself, back to the vote entry. A cancelled print dialog
// prints nothing.
class frmED_SkrivUt : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmED_SkrivUt(QWidget* parent = nullptr);
    ~frmED_SkrivUt() override;

    // Where the printout goes: the print dialog and a real printer in the program;
    // tests put a fake here.
    static std::function<std::unique_ptr<PrinterChoice>(QWidget*)> printerChoice;

    void Form_Activate();
    void mnuExit_Click();

    QString status() const;

Q_SIGNALS:
    // The status text after the work (the window closes right after it).
    void finished(const QString& status);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_lblMsg = nullptr;
    QAction* m_mnuExit = nullptr;
    WindowStateRule* m_stateRule = nullptr;
    FirstActivation m_firstActivation;
};
