#include "RecordingPrinter.h"

void RecordingPrinter::beginDoc()
{
    ++m_beginDocs;
    m_page = 1;
    m_x = 0;
    m_y = 0;
}

void RecordingPrinter::print(const QString& text)
{
    const double height = textHeight(text);
    m_texts.push_back(Text{text, m_x, m_y, m_name, m_size, m_bold, m_page, height});
    m_y += height;
}

double RecordingPrinter::textWidth(const QString& text) const
{
    return m_real ? m_font.width(text) : fakeWidth(text, m_size);
}

double RecordingPrinter::textHeight(const QString&) const
{
    return m_real ? m_font.height() : fakeHeight(m_size);
}

void RecordingPrinter::setFont(const QString& name, int size, bool bold)
{
    m_name = name;
    m_size = size;
    m_bold = bold;
    if (m_real)
        m_font.set(name, size, bold);
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2, int width)
{
    m_lines.push_back(Line{x1, y1, x2, y2, width, m_page});
}

void RecordingPrinter::newPage()
{
    ++m_page;
}

QStringList RecordingPrinter::textsOnPage(int page) const
{
    QStringList result;
    for (const Text& t : m_texts) {
        if (page == 0 || t.page == page)
            result << t.text;
    }
    return result;
}

int RecordingPrinter::indexOf(const QString& text, int from) const
{
    for (int i = from; i < int(m_texts.size()); ++i) {
        if (m_texts[i].text == text)
            return i;
    }
    return -1;
}

const RecordingPrinter::Text* RecordingPrinter::find(const QString& text, int from) const
{
    const int i = indexOf(text, from);
    return i < 0 ? nullptr : &m_texts[i];
}

double RecordingPrinter::bodyBottom(int page) const
{
    // The footer starts 200 twips below the bottom limit of 14200.
    double lowest = 0;
    for (const Text& t : m_texts) {
        if (t.page == page && t.y < 14400 && t.y + t.height > lowest)
            lowest = t.y + t.height;
    }
    return lowest;
}
