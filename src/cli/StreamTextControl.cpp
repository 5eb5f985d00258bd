#include "cli/StreamTextControl.h"

#include <QTextStream>

void StreamTextControl::insertAtEnd(const QString& text)
{
    m_length += int(text.size());
    // One buffer reused for every line keeps long runs free of allocations.
    m_buffer.resize(0);
    m_buffer.append(text);
    m_buffer.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_out << m_buffer;
}
