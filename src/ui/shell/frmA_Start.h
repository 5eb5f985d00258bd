#pragma once

#include "ui/shell/WindowBase.h"

#include <QString>

#include <functional>

struct AppServices;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// The main window: checks the screen, reads the settings, creates the two engines,
// makes sure a working election database exists, and offers the two calculations.
// "&Fortsätt" hands over to the committee entry (frmB_Valresultat) or the council vote
// entry (frmE_PrelRes). It is built afresh every time it is shown (load in the
// constructor, activation when it becomes the active window).
class frmA_Start : public WindowBase
{
    Q_OBJECT
public:
    explicit frmA_Start(AppServices& services, QWidget* parent = nullptr);
    ~frmA_Start() override;

    // The window's variables.
    int AntFullm() const { return m_antFullm; }
    int AntNmnd() const { return m_antNmnd; }

    // Menu and button handlers, public so that other code can run them as the user would.
    void mnuNmndmnd_Click();
    void mnuPrelFullm_Click();
    void mnuHmtaNyLnk_Click();
    void mnuSkapaNyDB_Click();
    void mnuRecentFile_Click();
    void mnuForHeader_Click();
    void mnuOrgNamn_Click();
    void mnuInfo_Click();
    void mnuExit_Click();
    void cmdNext_Click();

protected:
    // Runs each time the window becomes active, and after the database commands.
    void onActivate() override;
    // Closing from the window frame ends the program.
    bool queryUnload() override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    // The working database is there and sound, else the user chooses another; false when
    // none is left and the program must end.
    bool ensureUsableDatabase();
    // The election's seats and heading, from the working database (an older file takes
    // the user's values once, which the status line says).
    void showElection();

    QLabel* m_picIcon = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QPushButton* m_cmdNext = nullptr;

    QAction* m_mnuExit = nullptr;
    QAction* m_mnuInfo = nullptr;
    QMenu* m_mnuOption = nullptr;
    QAction* m_mnuNmndmnd = nullptr;
    QAction* m_mnuPrelFullm = nullptr;
    QMenu* m_mnuDataBas = nullptr;
    QAction* m_mnuHmtaNyLnk = nullptr;
    QAction* m_mnuSkapaNyDB = nullptr;
    QAction* m_mnuRecentFile = nullptr;
    QAction* m_mnuForHeader = nullptr;
    QAction* m_mnuOrgNamn = nullptr;

    bool m_committeeChosen = true; // the calculation chosen: committee, else council
    int m_antFullm = 0;
    int m_antNmnd = 0;
};
