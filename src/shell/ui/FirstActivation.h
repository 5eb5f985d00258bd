#pragma once

class QEvent;

// A window's activation work that runs once per visit: at the first activation, or just
// after the first show for a window the platform does not activate at once (focus-
// stealing prevention, no window manager). Later activations come from the window's own
// dialogs and must not run it again.
class FirstActivation
{
public:
    // True when `event` is the one that should start the work now; `deferred` is set when
    // it must run after the event loop has finished showing the window.
    bool starts(const QEvent* event, bool* deferred);
    void markDone() { m_done = true; }
    bool done() const { return m_done; }

private:
    bool m_done = false;
};
