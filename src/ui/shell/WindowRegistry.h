#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class QWidget;

// The windows of the program by design name ("frmA_Start", "frmE_PrelRes", ...) and the
// hand-over between them: the window that hands over is unloaded, then the next one is
// built afresh (load) and shown modeless; it runs its activation when it becomes active.
// Each part of the program registers its windows at start (see main.cpp); tests register
// stand-ins and read `shown` to see where a window handed over to.
class WindowRegistry
{
public:
    using Creator = std::function<QWidget*()>;

    static WindowRegistry& instance();

    void registerWindow(const QString& name, Creator creator);
    void unregisterWindow(const QString& name);
    bool contains(const QString& name) const;
    QStringList names() const;

    // Builds and shows the window; nullptr when no window of that name is registered.
    // The window opens centred over `over` (the window it comes from, in global
    // coordinates), else over the active window, and takes the focus.
    QWidget* show(const QString& name, const QRect& over = QRect());
    // Unloads `from` (it is closed and deleted, and knows it was not closed by the user)
    // and shows `name`. Nothing happens when `name` is not registered.
    QWidget* handOver(QWidget* from, const QString& name);
    // Closes and deletes a window from code.
    static void unload(QWidget* window);
    // True while a window is being closed from code rather than by the user.
    static bool isUnloadingFromCode(const QWidget* window);

    // Unloads every window of the program, then ends it. Stops (and the program runs on)
    // when a window refuses to close; returns false then. `closing` is a window already
    // being closed by the user, which is left to finish its own close.
    static bool exitProgram(QWidget* closing = nullptr);

    // Ends the program when no window is visible any more. Run it deferred (after a
    // hand-over has shown the next window); main.cpp also runs it when Qt reports that the
    // last window was closed, so windows shown without the registry count too.
    static void quitWhenNoWindowIsLeft();

    // Names of the windows shown, in order.
    QStringList shown;

private:
    std::map<QString, Creator> m_creators;
};
