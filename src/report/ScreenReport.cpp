#include "report/ScreenReport.h"

#include "report/ReportWindow.h"

#include <algorithm>

void ScreenReport::setTabCount(int count)
{
    m_tabCount = std::clamp(count, 0, MaxTabs);
}

void ScreenReport::setTabWidth(int slot, int widthMm)
{
    if (slot > 0 && slot < MaxTabs)
        m_tabWidths[slot] = widthMm;
}

void ScreenReport::setTabTable(int count, std::initializer_list<int> firstWidths, int restWidth)
{
    setTabCount(count);
    int slot = 1;
    for (int width : firstWidths)
        setTabWidth(slot++, width);
    for (; slot < m_tabCount; ++slot)
        setTabWidth(slot, restWidth);
}

RichTextControl* ScreenReport::target() const
{
    return m_form ? m_form->activeRichText() : nullptr;
}

void ScreenReport::LaggTillRad(const QString& text)
{
    RichTextControl* control = target();
    if (!control)
        return;
    // One buffer reused for every line keeps long runs free of allocations.
    m_lineWithBreak.resize(0);
    m_lineWithBreak.append(text);
    m_lineWithBreak.append(QLatin1String("\r\n"));
    control->insertAtEnd(m_lineWithBreak);
}

void ScreenReport::TextNormal(int size)
{
    applyStyle("Times New Roman", size, false);
}

void ScreenReport::TextFet(int size)
{
    applyStyle("Arial", size, true);
}

void ScreenReport::applyStyle(const char* font, int size, bool bold)
{
    RichTextControl* control = target();
    if (!control)
        return;
    m_style.fontName = QLatin1String(font);
    m_style.size = size;
    m_style.bold = bold;
    m_style.tabCount = m_tabCount;
    // Stop i lies at the sum of the widths of slots 0..i.
    int position = 0;
    for (int i = 0; i < m_tabCount; ++i) {
        position += m_tabWidths[i];
        m_style.tabStopsMm[i] = position;
    }
    control->setSelectionStyle(m_style);
}
