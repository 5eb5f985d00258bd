#pragma once

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QScrollArea;

// The district vote panel of the council vote entry ("Valresultat per distrikt"): the
// district choice (names in cboDistr, ids in the hidden cboDistrID at the same
// positions) and, in Frame7, one row per party: code Text5(i), votes Text3(i) and name
// Text4(i), i = 1 to 16. Only widgets: the window fills and reads them.
class DistrVotePanel : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int Rows = 16;

    explicit DistrVotePanel(QWidget* parent = nullptr);

    QComboBox* cboDistr() const { return m_cboDistr; }
    QComboBox* cboDistrID() const { return m_cboDistrID; }
    QGroupBox* frame7() const { return m_frame7; }
    // Rows 1 to Rows.
    QLineEdit* partiID(int row) const { return m_text5[row]; }
    QLineEdit* roster(int row) const { return m_text3[row]; }
    QLineEdit* partiNamn(int row) const { return m_text4[row]; }

    // Shows rows 1 to `count` and hides the others.
    void showRows(int count);
    int shownRows() const { return m_shownRows; }

private:
    QComboBox* m_cboDistr;
    QComboBox* m_cboDistrID;
    QGroupBox* m_frame7;
    QLineEdit* m_text5[Rows + 1] = {};
    QLineEdit* m_text3[Rows + 1] = {};
    QLineEdit* m_text4[Rows + 1] = {};
    int m_shownRows = Rows;
};
