#include "ui/editing/DAOdataCtl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>

namespace {
const QColor lockedBackground(255, 255, 255);
const QColor unlockedBackground(255, 255, 0);
} // namespace

DAOdataCtl::DAOdataCtl(MessageService& messages, QObject* parent)
    : RecordNavigator(messages, parent)
{
    setView(this);
}

void DAOdataCtl::setButtons(const QList<QAbstractButton*>& buttons)
{
    m_buttons.clear();
    for (QAbstractButton* b : buttons)
        m_buttons.append(b);
}

void DAOdataCtl::setLabelToUpdate(QLabel* label)
{
    m_label = label;
}

void DAOdataCtl::setProgressBar(QProgressBar* bar)
{
    m_progressBar = bar;
}

void DAOdataCtl::setEntryControls(const QList<QWidget*>& controls)
{
    m_entries.clear();
    for (QWidget* w : controls)
        m_entries.append(w);
}

void DAOdataCtl::enableButtons(NavButtons enabled)
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i])
            m_buttons[i]->setEnabled(enabled.isEnabled(i));
    }
}

void DAOdataCtl::showPosition(const QString& text)
{
    if (m_label)
        m_label->setText(text);
}

void DAOdataCtl::showProgress(int value, int maximum)
{
    if (m_progressBar) {
        m_progressBar->setRange(0, maximum);
        m_progressBar->setValue(value);
    }
}

void DAOdataCtl::lockEntries(bool lock)
{
    const QColor background = lock ? lockedBackground : unlockedBackground;
    for (QWidget* w : m_entries) {
        if (!w)
            continue;
        QPalette palette = w->palette();
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            box->setReadOnly(lock);
        } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
            rich->setReadOnly(lock);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
            plain->setReadOnly(lock);
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setEnabled(!lock);
            check->setAutoFillBackground(true);
            palette.setColor(QPalette::Window, background);
            check->setPalette(palette);
            continue;
        } else {
            continue;
        }
        palette.setColor(QPalette::Base, background);
        w->setPalette(palette);
    }
}
