#pragma once

#include "ui/editing/RecordPanel.h"

class CouncilRules;
class Key2TextBox;
class QCheckBox;
class QComboBox;
class QRadioButton;

// The party panel of the council vote entry ("Antal röster per parti", Frame1): the party
// record (code Text1(1), name Text1(2), votes Text1(3)) with its navigator and list, and
// below them the choices of the calculation: the comparison numbers (Check2, AntDec), the
// district report (Check1), the seats to distribute (Text1(4)), the rules and screen or
// paper (Option1), and "&Fortsätt" (cmdNext). It checks a party record before it is
// saved; the window reads the choices.
class PartyPanel : public RecordPanel
{
    Q_OBJECT
public:
    PartyPanel(MessageService& messages, const Key2TextBox& keys, QWidget* parent = nullptr);

    // Text1(1) to Text1(4).
    QLineEdit* text1(int index) const { return m_text1[index]; }
    QCheckBox* check1() const { return m_check1; }
    QCheckBox* check2() const { return m_check2; }
    QRadioButton* antDec(int index) const { return m_antDec[index]; }
    QRadioButton* option1(int index) const { return m_option1[index]; }
    QComboBox* cboRegler() const { return m_cboRegler; }
    QComboBox* cboForstaDivisor() const { return m_cboForstaDivisor; }
    QLineEdit* txtSparr() const { return m_txtSparr; }
    QPushButton* cmdNext() const { return m_cmdNext; }

    // Shows the rules: by name when they are today's or the older ones, else as own values.
    void setRules(const CouncilRules& rules);
    // A municipality with constituencies: today's rules have a threshold of 3 %.
    void setValkretsar(bool on);

private:
    void buildChoices();
    void Data1_Validate(int& Action, int& Save);
    void cboRegler_Change(int Index);

    MessageService& m_messages;
    QLineEdit* m_text1[5] = {};
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QRadioButton* m_antDec[2] = {};
    QRadioButton* m_option1[2] = {};
    QComboBox* m_cboRegler = nullptr;
    QComboBox* m_cboForstaDivisor = nullptr;
    QLineEdit* m_txtSparr = nullptr;
    QPushButton* m_cmdNext = nullptr;
    bool m_valkretsar = false;
};
