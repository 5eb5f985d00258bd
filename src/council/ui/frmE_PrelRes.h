#pragma once

#include "editing/Key2TextBox.h"

#include "shell/ui/FirstActivation.h"

#include <QMainWindow>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <memory>

class DAOdataCtl;
class DataControl;
class DistrVotePanel;
class MessageService;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class StyraFlexGrid;
class WindowStateRule;

// The entry window of the preliminary council calculation: the parties and their votes
// (totals mode, "TOTALT"), the districts and the votes per district (district mode,
// "Distrikt", with the sub-modes "Lagra Röster" and "Uppdatera Distrikt"), the seat
// count, the rules and report choices, and "&Fortsätt", which loads the parties with
// votes into the council engine and opens the result window. The window only moves
// figures between its controls, the database layer and the engine.
class frmE_PrelRes : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmE_PrelRes(QWidget* parent = nullptr);
    ~frmE_PrelRes() override;

    // Runs once, when the freshly loaded window first becomes active.
    void Form_Activate();

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
    void cboDistr_Click(int listIndex);

    // Window state, for the tests and the status of the hand-over.
    QString currentPartyCode() const { return m_aktPartiID; }
    qint32 currentDistrictId() const { return m_aktDistrID; }
    qint32 selectedDistrictId() const { return m_valtDistrID; }
    bool validationPassed() const { return m_valideringOK; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QGroupBox* buildPartyPanel();
    QGroupBox* buildRegisterPanel();
    QWidget* buildButtonRow(const QString& name, QWidget* parent,
                            void (frmE_PrelRes::*handler)(int));
    void buildNavigators();

    void Data1_Validate(int& Action, int& Save);
    void Text1_Change(int Index);
    void Text2_Change(int Index);
    void Text3_Change(int Index);
    void AntDec_Click(int Index);
    void cboRegler_Change(int Index);
    void Ref_MSFlexGrid1();
    void Ref_MSFlexGrid2();
    void gridMouseDown(QTableWidget* grid, bool partyList, const QPoint& pos);
    static void fillGrid(QTableWidget* grid, DataControl* data, const QStringList& fields);

    bool LaddaPartierDistr();
    bool LaddaDistrikt();
    bool LagraDistrRoster();
    bool SummeraDistrRoster();
    bool readRules(double* sparr);

    void programError(const QString& text);
    void dbError(const QString& text);
    void info(const QString& text);
    MessageService& messages() const;

    // Party panel (Frame1)
    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1[5] = {};
    QLabel* m_lblMsg1 = nullptr;
    QLabel* m_lblButt1 = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    QTableWidget* m_grid1 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QRadioButton* m_antDec[2] = {};
    QRadioButton* m_option1[2] = {};
    QComboBox* m_cboRegler = nullptr;
    QComboBox* m_cboForstaDivisor = nullptr;
    QLineEdit* m_txtSparr = nullptr;
    QPushButton* m_cmdNext = nullptr;
    DataControl* m_data1 = nullptr;

    // District register panel (Frame4)
    QGroupBox* m_frame4 = nullptr;
    QLineEdit* m_text2[3] = {};
    QLabel* m_lblMsg2 = nullptr;
    QLabel* m_lblButt2 = nullptr;
    QProgressBar* m_progressBar2 = nullptr;
    QTableWidget* m_grid2 = nullptr;
    DataControl* m_data2 = nullptr;

    // District vote panel (Frame5)
    DistrVotePanel* m_frame5 = nullptr;

    QAction* m_mnuExit = nullptr;
    QAction* m_mnuUpdMnd = nullptr;
    QMenu* m_mnuDistrTot = nullptr;
    QAction* m_mnuTotalt = nullptr;
    QAction* m_mnuDistrikt = nullptr;
    QMenu* m_mnuUpdDistrRost = nullptr;
    QAction* m_mnuUpdRost = nullptr;
    QAction* m_mnuUpdDistr = nullptr;

    WindowStateRule* m_stateRule = nullptr;
    Key2TextBox m_keys;
    std::unique_ptr<StyraFlexGrid> m_grid;
    DAOdataCtl* m_nav1 = nullptr;
    DAOdataCtl* m_nav2 = nullptr;

    QString m_aktPartiID;
    bool m_valideringOK = true;
    qint32 m_aktDistrID = 0;
    qint32 m_valtDistrID = 0;
    FirstActivation m_firstActivation;
    // Set while the rows of the vote panel hold the parties loaded for district entry,
    // so that returning to totals mode sums only after district mode was entered.
    bool m_rowsLoaded = false;
    // Rows of the vote panel the user has typed in since the district was shown.
    QSet<int> m_typedRows;
};
