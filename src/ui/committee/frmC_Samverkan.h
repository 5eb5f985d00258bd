#pragma once

#include "ui/shell/WindowBase.h"

struct AppServices;
class CommitteeSetup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The cooperation window: the parties loaded into the committee setup as rows, and a
// lower-triangular matrix of pair boxes in the setup's pair numbering (pair i < j is
// box (j - 1)(j - 2)/2 + i, in row j under column i, each column headed by the code on
// its diagonal). "&Fortsätt" hands the marks and the mode (fixed, or every marked
// combination) to the setup and opens the result window; "Avsluta" goes back to the
// entry window without touching the marks.
class frmC_Samverkan : public WindowBase
{
    Q_OBJECT
public:
    static constexpr int Rows = 16;
    static constexpr int Boxes = 120;

    explicit frmC_Samverkan(AppServices& services, QWidget* parent = nullptr);

    // Hides the boxes of pairs the registered parties do not make and clears their marks.
    void DimSamvSW();
    void Check2_Click();
    void cmdNext_Click();
    void mnuExit_Click();

protected:
    void onActivate() override;

private:
    CommitteeSetup* engine() const;
    // The line under the matrix saying what a mark means in the mode chosen.
    void explainMarks();
    // Marks or clears every pair the registered parties make.
    void markAll(bool on);
    QLineEdit* m_text1[Rows + 1] = {};
    QLineEdit* m_text2[Rows + 1] = {};
    QLineEdit* m_text3[Rows + 1] = {};
    QLineEdit* m_text4[Rows + 1] = {};
    QCheckBox* m_check1[Boxes + 1] = {};
    QCheckBox* m_check2 = nullptr;
    QLabel* m_lblMening = nullptr;
    QPushButton* m_cmdNext = nullptr;
};
