#pragma once

#include "report/RichTextControl.h"

#include <QString>
#include <initializer_list>

class ReportWindow;

// The screen half of an engine's report: appends lines and style changes to the
// rich-text control of the result window the engine was given (its FormName).
// Nothing is written while that window is missing or its active control is not a
// rich-text control.
class ScreenReport
{
public:
    static constexpr int MaxTabs = RichTextStyle::MaxTabs;

    void setFormName(ReportWindow* window) { m_form = window; }
    ReportWindow* formName() const { return m_form; }

    // The tab-stop table: widths in millimetres of slots 1..count-1 (slot 0 stays 0).
    void setTabCount(int count);
    void setTabWidth(int slot, int widthMm);
    int tabCount() const { return m_tabCount; }
    // A whole table: `count` stops, the first widths as given (slots 1, 2, ...) and
    // `restWidth` for every further slot.
    void setTabTable(int count, std::initializer_list<int> firstWidths, int restWidth);

    void LaggTillRad(const QString& text);
    void TextNormal(int size);
    void TextFet(int size);

private:
    RichTextControl* target() const;
    void applyStyle(const char* font, int size, bool bold);

    ReportWindow* m_form = nullptr;
    int m_tabWidths[MaxTabs] = {};
    int m_tabCount = 0;
    RichTextStyle m_style;
    QString m_lineWithBreak;
};
