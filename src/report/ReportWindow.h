#pragma once

class RichTextControl;

// What an engine sees of the result window it writes to (its FormName): the window's
// active control, if that is a rich-text control.
class ReportWindow
{
public:
    virtual ~ReportWindow() = default;
    virtual RichTextControl* activeRichText() = 0;
};
