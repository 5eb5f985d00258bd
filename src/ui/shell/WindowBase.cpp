#include "ui/shell/WindowBase.h"

#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/WindowRegistry.h"
#include "ui/shell/WindowStateRule.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

WindowBase::WindowBase(AppServices& services, const QString& designName, const QString& caption,
                       Activation activation, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_activation(activation)
{
    setObjectName(designName);
    setWindowTitle(caption);
}

WindowBase::~WindowBase() = default;

int WindowBase::twips(int t)
{
    return WindowStateRule::toPixels(t);
}

void WindowBase::setDesignSize(int widthTwips, int heightTwips)
{
    m_stateRule = new WindowStateRule(this, widthTwips, heightTwips);
}

void WindowBase::applyWindowState(QSize atLeast)
{
    if (!m_stateRule)
        return;
    resize(m_stateRule->minimumPixels().expandedTo(atLeast));
    m_stateRule->applyOnLoad();
}

// ---- Activation ------------------------------------------------------------------------

void WindowBase::Form_Activate()
{
    // A message box of the activation itself gives the window its activation back; that
    // must not start the activation again.
    if (m_activating)
        return;
    m_activating = true;
    ++m_activationRuns;
    guard([this] { onActivate(); });
    m_activating = false;
}

void WindowBase::dispatchActivation(const QEvent* event)
{
    const bool activate = event->type() == QEvent::WindowActivate;
    if (event->type() == QEvent::Show && !m_showSeen) {
        m_showSeen = true;
        if (m_activationRuns == 0) {
            // Shown but perhaps not activated by the platform: the activation runs anyway,
            // once the event loop has finished showing the window.
            QTimer::singleShot(0, this, [this] {
                if (m_activationRuns == 0)
                    Form_Activate();
            });
        }
        return;
    }
    if (!activate)
        return;
    const bool first = m_activations++ == 0;
    if (m_activationRuns > 0 && (first || m_activation == FirstActivationOnly))
        return; // the run of the show was this activation's
    if (m_commands > 0)
        return; // a command's dialog gave the activation back; the command finishes first
    Form_Activate();
}

// ---- Events ------------------------------------------------------------------------------

bool WindowBase::event(QEvent* event)
{
    // Deleting the window ends with it; nothing of the window may be touched after.
    if (event->type() == QEvent::DeferredDelete)
        return QMainWindow::event(event);
    if (event->type() == QEvent::Show && !m_helpMenu)
        addHelpMenu();
    bool result = false;
    guard([&] { result = QMainWindow::event(event); });
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        dispatchActivation(event);
    return result;
}

bool WindowBase::eventFilter(QObject* watched, QEvent* event)
{
    bool result = false;
    if (!guard([&] { result = filterEvent(watched, event); }))
        return true; // the event has been dealt with, badly: it goes no further
    return result;
}

bool WindowBase::filterEvent(QObject* watched, QEvent* event)
{
    return QMainWindow::eventFilter(watched, event);
}

void WindowBase::closeEvent(QCloseEvent* event)
{
    if (WindowRegistry::isUnloadingFromCode(this)) {
        QMainWindow::closeEvent(event);
        return;
    }
    if (!queryUnload()) {
        event->ignore();
        return;
    }
    // Closed by the user from the window frame: the same as the window's "Avsluta", and
    // the window it goes back to opens where this one was, with the focus.
    QMainWindow::closeEvent(event);
    if (!m_returnWindow.isEmpty())
        WindowRegistry::instance().show(m_returnWindow, frameGeometry());
}

void WindowBase::unexpected(const QString& detail)
{
    if (m_depth == 1) {
        // The handler may have left the hourglass up.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    QString text =
        QStringLiteral("Programfel: ett oväntat fel avbröt åtgärden i fönstret '") + objectName() +
        QStringLiteral("'. Programmet fortsätter; kontrollera de senast inmatade uppgifterna.");
    if (!detail.trimmed().isEmpty())
        text += QStringLiteral("\r\n") + detail.trimmed();
    try {
        programError(text);
    } catch (...) {
        // Not even the message could be shown; the program still runs on.
    }
}

// ---- Hand-over ---------------------------------------------------------------------------

bool WindowBase::handOver(const QString& name)
{
    if (!WindowRegistry::instance().contains(name)) {
        programError(QStringLiteral("Programfel: fönstret '") + name + QStringLiteral("' saknas."));
        return false;
    }
    WindowRegistry::instance().handOver(this, name);
    return true;
}

bool WindowBase::showWindow(const QString& name)
{
    if (!WindowRegistry::instance().contains(name)) {
        programError(QStringLiteral("Programfel: fönstret '") + name + QStringLiteral("' saknas."));
        return false;
    }
    WindowRegistry::instance().show(name);
    return true;
}

void WindowBase::handOverBack()
{
    WindowRegistry::instance().handOver(this, m_returnWindow);
}

// ---- Menus -------------------------------------------------------------------------------

QAction* WindowBase::addNamedItem(QMenuBar* bar, const QString& caption, const char* name)
{
    QAction* action = bar->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* WindowBase::addNamedItem(QMenu* menu, const QString& caption, const char* name)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

bool WindowBase::menuOn(const QMenu* menu)
{
    return menuOn(menu->menuAction());
}

void WindowBase::switchMenu(QAction* item, const QString& caption, bool on)
{
    item->setText(caption);
    item->setEnabled(on);
}

void WindowBase::switchMenu(QMenu* menu, const QString& caption, bool on)
{
    menu->setTitle(caption);
    menu->menuAction()->setEnabled(on);
}

void WindowBase::addHelpMenu()
{
    // Last in the menu bar of every window, so the window's own menus keep their places.
    m_helpMenu = addNamedMenu(menuBar(), QStringLiteral("Hjälp"), "mnuHjalp");
    QAction* handbook = addNamedItem(m_helpMenu, QStringLiteral("Handbok"), "mnuHandbok");
    handbook->setShortcut(QKeySequence(Qt::Key_F1));
    handbook->setShortcutContext(Qt::WindowShortcut);
    // Also when the menu bar is hidden or the menu is not yet shown.
    addAction(handbook);
    connectGuarded(handbook, &QAction::triggered, [this] { HelpWindow::open(objectName()); });
}

QMenu* WindowBase::addNamedMenu(QMenuBar* bar, const QString& title, const char* name)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

// ---- Messages ----------------------------------------------------------------------------

MessageService& WindowBase::messages() const
{
    return m_services.messages;
}

void WindowBase::info(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Information, AppInfo::appNamn());
}

void WindowBase::notice(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
}

void WindowBase::dbError(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Critical, AppInfo::appNamn());
}

void WindowBase::programError(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Exclamation,
                      AppInfo::productName() + QStringLiteral(" Version ") + AppInfo::version());
}
