#pragma once

#include "data/DataSource.h"
#include "ui/editing/RecordPanel.h"

#include <QStringList>
#include <QWidget>

class MessageService;
class QCheckBox;
class QLineEdit;

// A small entry window for the tests: one record panel over a table of an election
// database, with the button array "cmdButt1(0)" ... "cmdButt1(8)", the position label
// "lblButt1", the progress bar "ProgressBar1", the list "MSFlexGrid1" and one text box
// "Text1(i)" per field, bound to the data control. A check box "Check1" is locked and
// unlocked with the fields; "Text1(9)" belongs to no navigator.
//
// Saving is refused (as the entry windows refuse it) while the field named by
// requiredField is empty.
class NavigatorWindow : public QWidget
{
    Q_OBJECT
public:
    NavigatorWindow(MessageService& messages, const QString& dbPath, const DataSource& recordSource,
                    const QString& idField, const QStringList& fields,
                    const QString& nyttIDTyp = QStringLiteral("A"));

    DAOdataCtl& navigator() const { return m_panel->navigator(); }
    QLineEdit* field(int index) const { return m_fields.value(index - 1); } // 1-based: Text1(i)
    QLabel* label() const { return m_panel->positionLabel(); }
    QProgressBar* progressBar() const { return m_panel->progressBar(); }
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
    RecordPanel* m_panel;
    QList<QLineEdit*> m_fields;
    QStringList m_fieldNames;
    QCheckBox* m_check;
    QLineEdit* m_other;
};
