#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QString>

#include <exception>
#include <utility>

struct AppServices;
class MessageService;
class QMenu;
class QMenuBar;
class WindowStateRule;

// What every window of the program shares: its design name and caption, the window-state
// rule, when its activation runs, the menu and message helpers with the program's
// titles, the hand-over to the next window, and the guard around its event handlers.
//
// No exception leaves a handler of a window built on this base: the window's own events
// (activation, closing, resizing, filtered events) and every handler connected through
// onTriggered(), onClicked() or connectGuarded() run inside guard(). An unexpected
// exception ends only that handler: the user is told in Swedish, with the window's name,
// and the data stays as it was (the database is changed only inside transactions, which
// roll back when the exception passes them).
class WindowBase : public QMainWindow
{
    Q_OBJECT
public:
    // When the activation runs: at every activation (the window shows what may have changed
    // while another window had the focus) or at the first only (the window is built afresh
    // for every visit and later activations come from its own dialogs). Either way it also
    // runs just after the first show, for a window the platform does not activate at once
    // (focus-stealing prevention, no window manager).
    enum Activation { EveryActivation, FirstActivationOnly };

    WindowBase(AppServices& services, const QString& designName, const QString& caption,
               Activation activation, QWidget* parent = nullptr);
    ~WindowBase() override;

    // The window's activation, guarded; runs the window's onActivate().
    void Form_Activate();
    bool activationHasRun() const { return m_activationRuns > 0; }

    // Runs `handler` so that no exception leaves it (see the class comment). Returns false
    // when the handler ended with an exception.
    template <typename Handler> bool guard(Handler&& handler)
    {
        const Depth depth(this);
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const std::exception& e) {
            unexpected(QString::fromStdString(e.what()));
        } catch (...) {
            unexpected(QString());
        }
        return false;
    }

    // A menu item whose caption is a single blank counts as switched off, and so does
    // one that is disabled: a menu that does not apply keeps its caption and its place,
    // greyed, so the menu bar does not jump.
    static bool menuOn(const QString& caption) { return caption.size() >= 3; }
    static bool menuOn(const QAction* item) { return item->isEnabled() && menuOn(item->text()); }
    static bool menuOn(const QMenu* menu);
    static void switchMenu(QAction* item, const QString& caption, bool on);
    static void switchMenu(QMenu* menu, const QString& caption, bool on);

    static int twips(int t);

protected:
    // The window's own activation work.
    virtual void onActivate() {}
    // Asked when the user closes the window from its frame; false keeps it open.
    virtual bool queryUnload() { return true; }
    // Filtered events of the window's widgets, guarded.
    virtual bool filterEvent(QObject* watched, QEvent* event);

    // The window-state rule with the window's design size (its smallest normal size, in
    // twips); applyWindowState() sizes the window (at least `atLeast` pixels) and sets its
    // state from the shared one.
    void setDesignSize(int widthTwips, int heightTwips);
    void applyWindowState(QSize atLeast = QSize());
    WindowStateRule* stateRule() const { return m_stateRule; }

    // Where closing from the frame, and handOverBack(), go; none for the main window.
    void setReturnWindow(const QString& name) { m_returnWindow = name; }
    // Unloads this window and shows `name`; tells of a missing window as a program error.
    bool handOver(const QString& name);
    // Shows `name` beside this window; a missing window is a program error.
    bool showWindow(const QString& name);
    void handOverBack();

    // Marks a command of the window as running: activations of an every-activation window
    // wait while one runs (its dialogs give the window its activation back half-way).
    class Command
    {
    public:
        explicit Command(WindowBase* window) : m_window(window) { ++m_window->m_commands; }
        ~Command() { --m_window->m_commands; }
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        WindowBase* m_window;
    };

    // Menu items and buttons whose handlers run guarded.
    template <typename Window>
    QAction* addMenuItem(QMenuBar* bar, const QString& caption, const char* name,
                         void (Window::*handler)())
    {
        return onTriggered(addNamedItem(bar, caption, name), handler);
    }
    template <typename Window>
    QAction* addMenuItem(QMenu* menu, const QString& caption, const char* name,
                         void (Window::*handler)())
    {
        return onTriggered(addNamedItem(menu, caption, name), handler);
    }
    QMenu* addNamedMenu(QMenuBar* bar, const QString& title, const char* name);

    template <typename Window> QAction* onTriggered(QAction* action, void (Window::*handler)())
    {
        connectGuarded(action, &QAction::triggered,
                       [this, handler] { (static_cast<Window*>(this)->*handler)(); });
        return action;
    }
    template <typename Window>
    QAbstractButton* onClicked(QAbstractButton* button, void (Window::*handler)())
    {
        connectGuarded(button, &QAbstractButton::clicked,
                       [this, handler] { (static_cast<Window*>(this)->*handler)(); });
        return button;
    }
    // Any signal to a handler that takes no arguments (a lambda that captures what it
    // needs), guarded. A handler that needs the signal's arguments calls guard() itself.
    template <typename Sender, typename Signal, typename Handler>
    void connectGuarded(Sender* sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, handler] { guard(handler); });
    }

    // The program's messages: a check of the user's input (information icon), a notice
    // (no icon), a database failure (critical) under the program's name; a program fault
    // ("Programfel: ...", exclamation) under the product name and version.
    MessageService& messages() const;
    // The services the window was handed (message service, clock, engines, ...).
    AppServices& services() const { return m_services; }
    void info(const QString& text);
    void notice(const QString& text);
    void dbError(const QString& text);
    void programError(const QString& text);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Counts the guarded handlers running, so the outermost one can tidy up.
    class Depth
    {
    public:
        explicit Depth(WindowBase* window) : m_window(window) { ++m_window->m_depth; }
        ~Depth() { --m_window->m_depth; }

    private:
        WindowBase* m_window;
    };

    // The menu "Hjälp" with "Handbok" (F1), added when the window is first shown.
    void addHelpMenu();
    QAction* addNamedItem(QMenuBar* bar, const QString& caption, const char* name);
    QAction* addNamedItem(QMenu* menu, const QString& caption, const char* name);
    void dispatchActivation(const QEvent* event);
    void unexpected(const QString& detail);

    AppServices& m_services;
    Activation m_activation;
    QMenu* m_helpMenu = nullptr;
    WindowStateRule* m_stateRule = nullptr;
    QString m_returnWindow;
    int m_commands = 0;
    int m_depth = 0;
    int m_activationRuns = 0;
    int m_activations = 0;
    bool m_activating = false;
    bool m_showSeen = false;
};
