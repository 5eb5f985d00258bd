#pragma once

#include "ui/editing/Key2TextBox.h"

#include "ui/shell/WindowBase.h"

#include "data/ElectionSettings.h"

#include <QString>
#include <QtGlobal>

struct AppServices;
class CouncilSetup;
class DistrRegisterPanel;
class DistrVotePanel;
class PartyPanel;
class QAction;
class QMenu;

// The entry window of the preliminary council calculation: the parties and their votes
// (totals mode, "TOTALT"), the districts and the votes per district (district mode,
// "Distrikt", with the sub-modes "Lagra Röster" and "Uppdatera Distrikt"), the seat
// count, the rules and report choices, and "&Fortsätt", which loads the parties with
// votes into the council setup and opens the result window. The window holds three
// panels (party, district register, district votes) and switches between them; it only
// moves figures between its panels, the database layer and the setup.
class frmE_PrelRes : public WindowBase
{
    Q_OBJECT
public:
    explicit frmE_PrelRes(AppServices& services, QWidget* parent = nullptr);
    ~frmE_PrelRes() override;

    // Control events, public so that they can be run as the user would.
    void cmdButt1_Click(int Index);
    void cmdButt2_Click(int Index);
    void cmdNext_Click();
    void mnuUpdMnd_Click();
    void mnuExit_Click();
    void mnuTotalt_Click();
    void mnuDistrikt_Click();
    void mnuUpdRost_Click();
    void mnuUpdDistr_Click();
    void mnuHamtaValresultat_Click();
    void cboDistr_Click(int listIndex);
    void mnuValkretsar_Click();

    // Window state, for the tests and the status of the hand-over.
    QString currentPartyCode() const;
    qint32 currentDistrictId() const;
    qint32 selectedDistrictId() const;
    bool validationPassed() const;

protected:
    // Runs once, when the freshly loaded window first becomes active.
    void onActivate() override;
    bool queryUnload() override;

private:
    CouncilSetup& engine() const;
    void buildMenus();
    bool readRules(double* sparr);
    bool LaddaPartierDistr();
    bool LaddaDistrikt();
    bool SummeraDistrRoster();
    // The election's values from its file (an older file takes the user's values once).
    void readElection();
    // When another program or window changed the parties or the election's values since
    // the window showed them: shows what the file holds now, says so and gives true.
    bool showChangesMadeElsewhere();

    Key2TextBox m_keys;
    PartyPanel* m_frame1 = nullptr;
    DistrRegisterPanel* m_frame4 = nullptr;
    DistrVotePanel* m_frame5 = nullptr;

    QAction* m_mnuExit = nullptr;
    QAction* m_mnuUpdMnd = nullptr;
    QMenu* m_mnuDistrTot = nullptr;
    QAction* m_mnuTotalt = nullptr;
    QAction* m_mnuDistrikt = nullptr;
    QMenu* m_mnuUpdDistrRost = nullptr;
    QAction* m_mnuUpdRost = nullptr;
    QAction* m_mnuUpdDistr = nullptr;
    QAction* m_mnuHamtaValresultat = nullptr;
    QAction* m_mnuValkretsar = nullptr;
    // The election database holds constituencies: the calculation is made per constituency.
    bool m_valkretsar = false;
    // The election's values as the window last showed them.
    ElectionSettings m_election;

    // The panels' navigators are given their sources at the first activation.
    bool m_sourcesSet = false;
    // Set while the rows of the vote panel hold the parties loaded for district entry,
    // so that returning to totals mode sums only after district mode was entered.
    bool m_rowsLoaded = false;
};
