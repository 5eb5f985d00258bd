#pragma once

#include "data/NavButtons.h"

#include <QString>

// What a record navigator shows to the user: its buttons, its position (a label and a
// bar) and whether the entry fields of its record may be typed in. The widget adapter
// implements it over the window's controls; a test can record it.
class NavigatorView
{
public:
    virtual ~NavigatorView() = default;

    virtual void enableButtons(NavButtons enabled) = 0;
    virtual void showPosition(const QString& text) = 0;
    // A bar from 0 to `maximum` (at least 1) standing at `value`.
    virtual void showProgress(int value, int maximum) = 0;
    // Locked: read-only on white; unlocked: editable on yellow.
    virtual void lockEntries(bool lock) = 0;
};
