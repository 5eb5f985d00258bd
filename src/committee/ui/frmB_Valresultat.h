#pragma once

#include "editing/Key2TextBox.h"
#include "shell/ui/FirstActivation.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class DAOdataCtl;
class DataControl;
class MessageService;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QTableWidget;
class StyraFlexGrid;
class WindowStateRule;

// The entry window of the committee calculation: the parties and their council seats,
// the committee seats to distribute, cooperation, the report choices, and "&Fortsätt",
// which loads the parties holding council seats into the committee engine and opens the
// cooperation window or the result window. The window only moves figures between its
// controls, the database layer and the engine.
class frmB_Valresultat : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmB_Valresultat(QWidget* parent = nullptr);
    ~frmB_Valresultat() override;

    void Form_Activate();
    void cmdButt1_Click(int Index);
    void cmdNext_Click();
    void mnuExit_Click();

    QString currentPartyCode() const { return m_aktPartiID; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildButtonRow(QWidget* parent);
    void Data1_Validate(int& Action, int& Save);
    void Text1_Change(int Index);
    void Ref_MSFlexGrid1();
    void gridMouseDown(const QPoint& pos);
    void info(const QString& text, QLineEdit* focus);
    MessageService& messages() const;

    QLineEdit* m_text1[5] = {};
    QLabel* m_lblMsg = nullptr;
    QLabel* m_lblButt1 = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    QTableWidget* m_grid1 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QRadioButton* m_antDec[2] = {};
    QRadioButton* m_option1[2] = {};
    DataControl* m_data1 = nullptr;
    DAOdataCtl* m_nav = nullptr;
    WindowStateRule* m_stateRule = nullptr;
    Key2TextBox m_keys;
    std::unique_ptr<StyraFlexGrid> m_grid;
    FirstActivation m_firstActivation;
    QString m_aktPartiID;
    bool m_valideringOK = true;
};
