#pragma once

#include <QString>

// The style of the text appended after it: font, size, weight and tab stops.
struct RichTextStyle
{
    static constexpr int MaxTabs = 101;

    QString fontName;
    int size = 10;
    bool bold = false;
    int tabCount = 0;
    int tabStopsMm[MaxTabs] = {}; // positions from the left edge of the text, in millimetres
};

// A rich-text control as the reports need it: the report is built strictly by
// appending at the end, each piece preceded by the style it is written in.
class RichTextControl
{
public:
    virtual ~RichTextControl() = default;

    virtual int textLength() const = 0;
    virtual void clear() = 0;
    // Puts the insertion point at the end and inserts the text there.
    virtual void insertAtEnd(const QString& text) = 0;
    // Sets the format of the (empty) selection at the end: applies to what is inserted next.
    virtual void setSelectionStyle(const RichTextStyle& style) = 0;
};
