#pragma once

#include "data/NavigatorView.h"
#include "data/RecordNavigator.h"

#include <QList>
#include <QPointer>

class QAbstractButton;
class QLabel;
class QProgressBar;
class QWidget;

// The record navigator on a window's controls: its nine buttons (in index order: first,
// previous, next, last, "Ny", "Ändra", "Spara", "Ta bort", "Ångra"), its position label
// and bar, and the entry controls it locks while browsing and unlocks while a change is
// pending. The window hands them over as pointers; the navigator looks nothing up.
class DAOdataCtl : public RecordNavigator, private NavigatorView
{
    Q_OBJECT
public:
    explicit DAOdataCtl(MessageService& messages, QObject* parent = nullptr);

    void setButtons(const QList<QAbstractButton*>& buttons);
    void setLabelToUpdate(QLabel* label);
    void setProgressBar(QProgressBar* bar);
    // Text boxes, rich text boxes and check boxes; the window creates them locked.
    void setEntryControls(const QList<QWidget*>& controls);

private:
    void enableButtons(NavButtons enabled) override;
    void showPosition(const QString& text) override;
    void showProgress(int value, int maximum) override;
    void lockEntries(bool lock) override;

    QList<QPointer<QAbstractButton>> m_buttons;
    QPointer<QLabel> m_label;
    QPointer<QProgressBar> m_progressBar;
    QList<QPointer<QWidget>> m_entries;
};
