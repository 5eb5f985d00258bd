#pragma once

#include "council/DistrRosterStore.h"

#include <QGroupBox>
#include <QPointer>
#include <QSet>

#include <functional>

class Key2TextBox;
class MessageService;
class QComboBox;
class QLabel;
class QLineEdit;
class Recordset;

// The district vote panel of the council vote entry ("Valresultat per distrikt"): the
// district choice (names in cboDistr, ids in the hidden cboDistrID at the same
// positions) and, in Frame7, one row per party: code Text5(i), votes Text3(i) and name
// Text4(i), i = 1 to 16. Choosing a district stores the votes of the one shown and shows
// the chosen one's.
class DistrVotePanel : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int Rows = 16;

    DistrVotePanel(MessageService& messages, const Key2TextBox& keys, QWidget* parent = nullptr);

    void setDatabase(const QString& path) { m_dbPath = path; }
    // Runs the choice of a district inside the window's guard.
    using Guard = std::function<void(const std::function<void()>&)>;
    void setGuard(Guard guard) { m_guard = std::move(guard); }
    // Where the length of the votes typed shows (the party panel's message label).
    void setMessageLabel(QLabel* label);

    QComboBox* cboDistr() const { return m_cboDistr; }
    QComboBox* cboDistrID() const { return m_cboDistrID; }
    QGroupBox* frame7() const { return m_frame7; }
    // Rows 1 to Rows.
    QLineEdit* partiID(int row) const { return m_text5[row]; }
    QLineEdit* roster(int row) const { return m_text3[row]; }
    QLineEdit* partiNamn(int row) const { return m_text4[row]; }

    // One row per party of the record set (code and name), at most Rows; the rest hidden.
    void loadRows(const Recordset& parties);
    int shownRows() const { return m_shownRows; }
    // The codes of the rows shown.
    QStringList codes() const;
    // Fills the choice; nothing is chosen.
    void setDistricts(const QList<DistrRosterStore::District>& districts);

    // The choice of the district at `listIndex` (as a click in cboDistr).
    void choose(int listIndex);
    qint32 selectedDistrictId() const { return m_valtDistrID; }
    bool votesShown() const;
    // Stores the votes on screen for the district shown; false (after telling the user)
    // when they are not numbers or cannot be stored.
    bool store();
    // Stores the votes on screen, if any, and hides them.
    bool storeAndHide();

protected:
    // A vote field that is full refuses another digit with a beep and says why.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRows(int count);
    void rosterChanged(int row);
    void info(const QString& text);
    void dbError(const QString& text);

    MessageService& m_messages;
    QString m_dbPath;
    Guard m_guard;
    QPointer<QLabel> m_message;
    QComboBox* m_cboDistr;
    QComboBox* m_cboDistrID;
    QGroupBox* m_frame7;
    QLineEdit* m_text5[Rows + 1] = {};
    QLineEdit* m_text3[Rows + 1] = {};
    QLineEdit* m_text4[Rows + 1] = {};
    int m_shownRows = Rows;
    qint32 m_valtDistrID = 0;
    // Rows the user has typed in since the district was shown.
    QSet<int> m_typedRows;
};
