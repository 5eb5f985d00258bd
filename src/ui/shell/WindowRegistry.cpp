#include "ui/shell/WindowRegistry.h"

#include <QApplication>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
const char* const unloadingProperty = "valsitUnloadingFromCode";
}

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString& name, Creator creator)
{
    m_creators[name] = std::move(creator);
}

void WindowRegistry::unregisterWindow(const QString& name)
{
    m_creators.erase(name);
}

bool WindowRegistry::contains(const QString& name) const
{
    return m_creators.count(name) > 0;
}

QStringList WindowRegistry::names() const
{
    QStringList result;
    for (const auto& entry : m_creators)
        result.append(entry.first);
    return result;
}

namespace {

// Centred over the window the user was looking at, and kept on its screen.
void placeOver(QWidget* window, QRect over)
{
    if (over.isNull() && QApplication::activeWindow() && QApplication::activeWindow() != window)
        over = QApplication::activeWindow()->frameGeometry();
    if (over.isNull())
        return;
    QRect at(QPoint(), window->size());
    at.moveCenter(over.center());
    if (const QScreen* screen = QGuiApplication::screenAt(over.center())) {
        const QRect room = screen->availableGeometry();
        at.moveLeft(qBound(room.left(), at.left(), qMax(room.left(), room.right() - at.width())));
        at.moveTop(qBound(room.top(), at.top(), qMax(room.top(), room.bottom() - at.height())));
    }
    window->move(at.topLeft());
}

} // namespace

QWidget* WindowRegistry::show(const QString& name, const QRect& over)
{
    const auto it = m_creators.find(name);
    if (it == m_creators.end())
        return nullptr;
    QWidget* window = it->second();
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (window->objectName().isEmpty())
        window->setObjectName(name);
    // The program ends when its last window has gone, checked once the hand-over that
    // closed one window and opened the next is complete.
    QObject::connect(window, &QObject::destroyed, qApp,
                     [] { QTimer::singleShot(0, qApp, &WindowRegistry::quitWhenNoWindowIsLeft); });
    shown.append(name);
    if (!window->isMaximized())
        placeOver(window, over);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::handOver(QWidget* from, const QString& name)
{
    if (!contains(name))
        return nullptr;
    const QRect over = from ? from->frameGeometry() : QRect();
    if (from)
        unload(from);
    return show(name, over);
}

void WindowRegistry::unload(QWidget* window)
{
    if (!window)
        return;
    window->setProperty(unloadingProperty, true);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!window->close())
        window->setProperty(unloadingProperty, false);
}

bool WindowRegistry::isUnloadingFromCode(const QWidget* window)
{
    return window && window->property(unloadingProperty).toBool();
}

bool WindowRegistry::exitProgram(QWidget* closing)
{
    // Closing one window may close others, so the list is taken afresh each time.
    for (;;) {
        QWidget* next = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != closing && w->isVisible() && !w->property(unloadingProperty).toBool() &&
                !w->inherits("QMenu")) {
                next = w;
                break;
            }
        }
        if (!next)
            break;
        next->setProperty(unloadingProperty, true);
        if (!next->close()) {
            next->setProperty(unloadingProperty, false);
            return false;
        }
    }
    QCoreApplication::quit();
    return true;
}

void WindowRegistry::quitWhenNoWindowIsLeft()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        // The handbook stands beside the program's windows; it keeps nothing open.
        if (w->isVisible() && !w->inherits("QMenu") && !w->property("valsitCompanion").toBool())
            return;
    }
    QCoreApplication::quit();
}
