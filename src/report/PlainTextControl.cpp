#include "report/PlainTextControl.h"

void PlainTextControl::clear()
{
    m_text.clear();
    m_lines = 0;
    m_styles.clear();
}

void PlainTextControl::insertAtEnd(const QString& text)
{
    m_text.append(text);
    m_lines += int(text.count(QLatin1Char('\n')));
}

void PlainTextControl::setSelectionStyle(const RichTextStyle& style)
{
    if (!m_recordStyles)
        return;
    StyleCall call{m_lines, style.fontName, style.size, style.bold, {}};
    call.tabStopsMm.assign(style.tabStopsMm, style.tabStopsMm + style.tabCount);
    m_styles.push_back(std::move(call));
}

QStringList PlainTextControl::lines() const
{
    QStringList result = m_text.split(QLatin1String("\r\n"));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}
