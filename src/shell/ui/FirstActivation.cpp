#include "shell/ui/FirstActivation.h"

#include <QEvent>

bool FirstActivation::starts(const QEvent* event, bool* deferred)
{
    const bool activate = event->type() == QEvent::WindowActivate;
    if (m_done || !(activate || event->type() == QEvent::Show))
        return false;
    m_done = true;
    *deferred = !activate;
    return true;
}
