#pragma once

#include "council/ValkretsStore.h"
#include "ui/shell/WindowBase.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The constituencies of the election (valkretsar), reached from the council vote entry:
// the constituencies with their fixed seats, typed in the table, and each district's
// constituency, chosen in its row. Every change is stored at once; the sum of the fixed
// seats is shown against what the rules ask for. With no constituency registered the
// municipality is calculated without them.
class frmE_Valkretsar : public WindowBase
{
    Q_OBJECT
public:
    explicit frmE_Valkretsar(AppServices& services, QWidget* parent = nullptr);

    void cmdNyValkrets_Click();
    void cmdTaBort_Click();
    void mnuExit_Click();

    QTableWidget* tblValkretsar() const { return m_tblValkretsar; }
    QTableWidget* tblDistrikt() const { return m_tblDistrikt; }
    QComboBox* cboValkrets(int districtRow) const;
    QLabel* lblSumma() const { return m_lblSumma; }

protected:
    void onActivate() override;

private:
    void reload();
    void valkretsChanged(QTableWidgetItem* item);
    void placeDistrict(int row, int index);
    void showSum();

    QTableWidget* m_tblValkretsar = nullptr;
    QTableWidget* m_tblDistrikt = nullptr;
    QLabel* m_lblSumma = nullptr;
    QPushButton* m_cmdNyValkrets = nullptr;
    QPushButton* m_cmdTaBort = nullptr;
    QList<ValkretsStore::Valkrets> m_valkretsar;
    QList<ValkretsStore::Placement> m_placements;
    bool m_loading = false;
};
