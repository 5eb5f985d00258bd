#pragma once

#include "seats/SeatResult.h"

#include <QDateTime>
#include <QDialog>
#include <QVector>

class MessageService;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Asks how a tie that decides who gets a seat is settled: the winners of a lot drawn by
// hand (who drew it, when, a note), or a draw by the program. It only collects the
// answer; the drawing and the storing are done by whoever opened it.
class LotDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Choice { None, ByHand, ByProgram };

    // `groups`: the tie groups of `result` that a lot may settle (at least one).
    LotDialog(const SeatResult& result, const QVector<int>& groups, const QDateTime& now,
              MessageService& messages, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    int group() const;
    // The lists that take the group's seats, in seat order.
    QVector<int> winners() const;
    QString drawnBy() const;
    QDateTime drawnAt() const;
    QString note() const;

    void cmdSpara_Click();
    void cmdProgram_Click();

private:
    void fillSeats();

    const SeatResult& m_result;
    QVector<int> m_groups;
    MessageService& m_messages;
    Choice m_choice = Choice::None;

    QComboBox* m_cboTie = nullptr;
    QWidget* m_seatBox = nullptr;
    QVBoxLayout* m_seatLayout = nullptr;
    QVector<QWidget*> m_seatRows;
    QVector<QComboBox*> m_cboSeat;
    QLineEdit* m_txtDragenAv = nullptr;
    QDateTimeEdit* m_dtTidpunkt = nullptr;
    QLineEdit* m_txtAnteckning = nullptr;
    QPushButton* m_cmdSpara = nullptr;
    QPushButton* m_cmdProgram = nullptr;
    QPushButton* m_cmdAvbryt = nullptr;
};
