#pragma once

#include "report/ProgressIndicator.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>

// The progress bar of a committee result window while the engine runs, and the window's
// breath: every time the engine moves the bar and a tenth of a second has passed, the
// pending events are processed, so the window repaints and a click on its stop button
// is seen. The engine asks stopRequested() between combinations.
class RunProgress : public ProgressIndicator
{
public:
    explicit RunProgress(QProgressBar* bar) : m_bar(bar) {}

    int maximum() const override { return m_bar ? m_bar->maximum() : m_maximum; }
    void setMaximum(int value) override;
    int value() const override { return m_bar ? m_bar->value() : m_value; }
    void setValue(int value) override;

    void begin();
    void end() { m_running = false; }
    bool running() const { return m_running; }
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }

    // The longest time the window went without processing its events in the last run.
    qint64 longestPauseMs() const { return m_longestPause; }
    static constexpr qint64 BreathMs = 100;

private:
    void breathe();

    QPointer<QProgressBar> m_bar;
    int m_maximum = 0;
    int m_value = 0;
    bool m_running = false;
    bool m_stopRequested = false;
    QElapsedTimer m_clock;
    qint64 m_lastBreath = 0;
    qint64 m_longestPause = 0;
};
