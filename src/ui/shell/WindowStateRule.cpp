#include "ui/shell/WindowStateRule.h"

#include "shell/AppGlobals.h"

#include <QEvent>
#include <QWidget>

WindowStateRule::WindowStateRule(QWidget* window, int minWidthTwips, int minHeightTwips)
    : QObject(window), m_window(window),
      m_minimum(toPixels(minWidthTwips), toPixels(minHeightTwips))
{
    window->installEventFilter(this);
}

void WindowStateRule::applyOnLoad()
{
    switch (AppGlobals::instance().FormLage) {
    case AppGlobals::FormState::Minimised:
        m_window->setWindowState(Qt::WindowMinimized);
        break;
    case AppGlobals::FormState::Maximised:
        m_window->setWindowState(Qt::WindowMaximized);
        break;
    case AppGlobals::FormState::Normal:
        m_window->setWindowState(Qt::WindowNoState);
        break;
    }
}

bool WindowStateRule::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window &&
        (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange))
        onResize();
    return QObject::eventFilter(watched, event);
}

void WindowStateRule::onResize()
{
    if (m_busy)
        return;
    m_busy = true;
    AppGlobals& globals = AppGlobals::instance();
    if (!globals.SkarmOK && m_window->windowState() != Qt::WindowNoState)
        m_window->setWindowState(Qt::WindowNoState);
    const Qt::WindowStates state = m_window->windowState();
    if (!(state & Qt::WindowMinimized))
        globals.FormLage = (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
                               ? AppGlobals::FormState::Maximised
                               : AppGlobals::FormState::Normal;
    if (state == Qt::WindowNoState) {
        const QSize size = m_window->size();
        if (size.width() < m_minimum.width() || size.height() < m_minimum.height())
            m_window->resize(size.expandedTo(m_minimum));
    }
    m_busy = false;
}
