#pragma once

#include <QStringList>
#include <QWidget>

class DAOdataCtl;
class DataControl;
class MessageService;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// A small entry window for the tests: one record navigator over a table of an election
// database, with the button array "cmdButt1(0)" ... "cmdButt1(8)", the position label
// "lblButt1", the progress bar "ProgressBar1" and one text box "Text1(i)" per field,
// bound to the data control and tagged "1". A check box "Check1" also carries the tag;
// "Text1(9)" carries the tag "2" and belongs to no navigator.
//
// Saving is refused (as the entry windows refuse it) while the field named by
// requiredField is empty.
class NavigatorWindow : public QWidget
{
    Q_OBJECT
public:
    NavigatorWindow(MessageService& messages, const QString& dbPath, const QString& recordSource,
                    const QString& idField, const QStringList& fields,
                    const QString& nyttIDTyp = QStringLiteral("A"));

    DAOdataCtl& navigator() { return *m_navigator; }
    DataControl& data() { return *m_data; }

    QPushButton* button(int index) const;
    QLineEdit* field(int index) const; // 1-based, as Text1(i)
    QLabel* label() const { return m_label; }
    QProgressBar* progressBar() const { return m_progress; }
    QCheckBox* checkBox() const { return m_check; }
    QLineEdit* otherField() const { return m_other; }

    // "1" for each enabled button, "0" for each disabled one, in index order.
    QString buttonPattern() const;
    // Clicks button `index` as the user does.
    void click(int index);

    QString requiredField;
    int refusedSaves = 0;
    int repositions = 0;

private:
    DataControl* m_data;
    DAOdataCtl* m_navigator;
    QList<QPushButton*> m_buttons;
    QList<QLineEdit*> m_fields;
    QStringList m_fieldNames;
    QLabel* m_label;
    QProgressBar* m_progress;
    QCheckBox* m_check;
    QLineEdit* m_other;
};
