#pragma once

#include "ui/editing/Key2TextBox.h"
#include "ui/shell/WindowBase.h"

#include "data/ElectionSettings.h"

#include <QString>

struct AppServices;
class CommitteeSetup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class RecordPanel;

// The entry window of the committee calculation: the parties and their council seats,
// the committee seats to distribute, cooperation, the report choices, and "&Fortsätt",
// which loads the parties holding council seats into the committee setup and opens the
// cooperation window or the result window. The window only moves figures between its
// controls, the database layer and the setup.
class frmB_Valresultat : public WindowBase
{
    Q_OBJECT
public:
    explicit frmB_Valresultat(AppServices& services, QWidget* parent = nullptr);
    ~frmB_Valresultat() override;

    void cmdButt1_Click(int Index);
    void cmdNext_Click();
    void mnuExit_Click();

protected:
    void onActivate() override;
    bool queryUnload() override;

private:
    CommitteeSetup& engine() const;
    void buildChoices(QWidget* parent, class QVBoxLayout* layout);
    void Data1_Validate(int& Action, int& Save);
    void info(const QString& text, QLineEdit* focus);
    void readElection();
    // The note over the list when the council seats came from another input than the file
    // holds now.
    void showSeatSource();
    // When another program or window changed the parties or the election's values since
    // the window showed them: shows what the file holds now, says so and gives true.
    bool showChangesMadeElsewhere();

    RecordPanel* m_frame1 = nullptr;
    QLineEdit* m_text1[5] = {};
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QRadioButton* m_antDec[2] = {};
    QRadioButton* m_option1[2] = {};
    Key2TextBox m_keys;
    bool m_sourceSet = false;
    QLabel* m_lblMandatKalla = nullptr;
    // The election's values as the window last showed them.
    ElectionSettings m_election;
};
