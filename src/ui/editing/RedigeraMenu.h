#pragma once

#include <QMenu>
#include <functional>

class QKeyEvent;
class QMenuBar;
class ValsitBer;

// The "Redigera" menu of the entry windows: "Kopiera" (Ctrl+C), "Klipp ut" (Ctrl+X) and
// "Klistra in" (Ctrl+V), each calling one clipboard command and nothing else.
//
// A text box takes these three keys for its own copy and paste before any menu sees
// them; this menu claims them back for its window, so that the keys and the menu items
// always do the same thing.
class RedigeraMenu : public QMenu
{
    Q_OBJECT
public:
    using Command = std::function<void()>;

    RedigeraMenu(Command copy, Command cut, Command paste, QWidget* parent = nullptr);

    // Adds the menu at the right end of `bar`.
    static RedigeraMenu* addTo(QMenuBar* bar, Command copy, Command cut, Command paste);
    // The entry windows' menu: CB_Copy, CB_Cut and CB_Paste of the committee engine that
    // `engine` gives at the time of the command (the engines are replaced while windows
    // come and go); nothing happens while there is none.
    static RedigeraMenu* addTo(QMenuBar* bar, std::function<ValsitBer*()> engine);

    QAction* mnuCopy() const { return m_copy; }
    QAction* mnuCut() const { return m_cut; }
    QAction* mnuPaste() const { return m_paste; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const char* name, const QString& caption, const QKeySequence& keys,
                        Command command);
    bool isOurShortcut(const QKeyEvent& key) const;

    QAction* m_copy;
    QAction* m_cut;
    QAction* m_paste;
};
