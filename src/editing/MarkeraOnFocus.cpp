#include "editing/MarkeraOnFocus.h"

#include "editing/Key2TextBox.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

MarkeraOnFocus::MarkeraOnFocus(QLineEdit* box, const Key2TextBox& filters)
    : QObject(box), m_box(box), m_filters(filters)
{
    box->installEventFilter(this);
}

void MarkeraOnFocus::attach(QLineEdit* box, const Key2TextBox& filters)
{
    new MarkeraOnFocus(box, filters);
}

bool MarkeraOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::FocusIn) {
        QPointer<QLineEdit> box = m_box;
        QTimer::singleShot(0, this, [this, box] {
            if (box && box->hasFocus())
                m_filters.Markera();
        });
    }
    return false;
}
