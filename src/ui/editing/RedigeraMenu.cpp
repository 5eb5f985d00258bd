#include "ui/editing/RedigeraMenu.h"

#include "committee/ValsitBer.h"
#include "ui/editing/QtClipboardServices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

RedigeraMenu::RedigeraMenu(Command copy, Command cut, Command paste, QWidget* parent)
    : QMenu(QStringLiteral("Redigera"), parent)
{
    setObjectName(QStringLiteral("mnuEdit"));
    menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    m_copy = addCommand("mnuCopy", QStringLiteral("Kopiera"), QKeySequence(Qt::CTRL | Qt::Key_C),
                        std::move(copy));
    m_cut = addCommand("mnuCut", QStringLiteral("Klipp ut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                       std::move(cut));
    m_paste = addCommand("mnuPaste", QStringLiteral("Klistra in"),
                         QKeySequence(Qt::CTRL | Qt::Key_V), std::move(paste));
    qApp->installEventFilter(this);
}

RedigeraMenu* RedigeraMenu::addTo(QMenuBar* bar, Command copy, Command cut, Command paste)
{
    auto* menu = new RedigeraMenu(std::move(copy), std::move(cut), std::move(paste), bar);
    bar->addMenu(menu);
    return menu;
}

RedigeraMenu* RedigeraMenu::addTo(QMenuBar* bar, std::function<ValsitBer*()> engine)
{
    auto call = [engine](void (ValsitBer::*command)()) {
        return [engine, command] {
            if (ValsitBer* e = engine ? engine() : nullptr) {
                QtClipboardServices::install(*e);
                (e->*command)();
            }
        };
    };
    return addTo(bar, call(&ValsitBer::CB_Copy), call(&ValsitBer::CB_Cut),
                 call(&ValsitBer::CB_Paste));
}

QAction* RedigeraMenu::addCommand(const char* name, const QString& caption,
                                  const QKeySequence& keys, Command command)
{
    QAction* action = addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [command] {
        if (command)
            command();
    });
    return action;
}

bool RedigeraMenu::isOurShortcut(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : {m_copy, m_cut, m_paste}) {
        if (action->isEnabled() && action->shortcut() == pressed)
            return true;
    }
    return false;
}

bool RedigeraMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !parentWidget() || widget->window() != parentWidget()->window())
        return false;
    if (!isOurShortcut(*static_cast<QKeyEvent*>(event)))
        return false;
    // Left unaccepted: the focused control does not claim the key, so the shortcut of
    // this menu's action fires.
    event->ignore();
    return true;
}
