#include "ui/editing/MarkeraOnFocus.h"

#include "ui/editing/Key2TextBox.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

void MarkeraOnFocus::markeraSoon()
{
    QPointer<QLineEdit> box = m_box;
    QTimer::singleShot(0, this, [this, box] {
        if (box && box->hasFocus())
            m_filters.Markera();
    });
}

bool MarkeraOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_firstClick = true;
        markeraSoon();
        break;
    case QEvent::FocusOut:
    case QEvent::KeyPress:
        m_firstClick = false;
        break;
    case QEvent::MouseButtonRelease:
        // A field that already had the focus (the program gave it, as "Ändra" does) gets
        // no focus event from the click, yet the user expects to type over its text.
        if (m_firstClick && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_firstClick = false;
            markeraSoon();
        }
        break;
    default:
        break;
    }
    return false;
}
