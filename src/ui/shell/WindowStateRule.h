#pragma once

#include <QObject>
#include <QSize>

class QWidget;

// The window-state rule every window follows: at load the window takes its state from
// FormLage; on every resize it returns to the normal state when the screen was found too
// small (SkarmOK false), copies its state into FormLage unless minimised, and in the
// normal state is never smaller than its minimum size (given in twips, 15 per pixel).
class WindowStateRule : public QObject
{
    Q_OBJECT
public:
    WindowStateRule(QWidget* window, int minWidthTwips, int minHeightTwips);

    // Sets the window's state from FormLage (call at load, before the window is shown).
    void applyOnLoad();
    QSize minimumPixels() const { return m_minimum; }

    static int toPixels(int twips) { return (twips + 14) / 15; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onResize();

    QWidget* m_window;
    QSize m_minimum;
    bool m_busy = false;
};
