#pragma once

#include <QMainWindow>
#include <QString>

class QTextBrowser;

// The handbook (docs/handbok, Markdown shown as it is read) in a window of its own beside
// the program's windows: F1 or "Hjälp" in any window opens it at the page about that
// window. One window for the whole program; it does not keep the program running.
class HelpWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Shows the handbook at the page for the window `designName` (the contents for any
    // other), and brings it to the front. Returns the window.
    static HelpWindow* open(const QString& designName);
    // The folder the handbook is read from: next to the program in a build, in
    // share/valsit/handbok when installed.
    static QString folder();
    // The page about a window, as a file name in that folder.
    static QString pageFor(const QString& designName);

    QTextBrowser* browser() const { return m_browser; }

private:
    HelpWindow();
    void showPage(const QString& page);

    QTextBrowser* m_browser;
};
