#include "RecordingPrinter.h"

#include <algorithm>
#include <map>

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

QStringList RecordingPrinter::printedLines(int page) const
{
    std::map<long, std::vector<const Text*>> rows; // by whole twips, as a saved line position
    for (const Text& t : m_texts)
        if (t.page == page && t.y < 14400)
            rows[qRound(t.y)].push_back(&t);
    QStringList lines;
    for (auto& row : rows) {
        std::stable_sort(row.second.begin(), row.second.end(),
                         [](const Text* a, const Text* b) { return a->x < b->x; });
        QStringList parts;
        for (const Text* t : row.second)
            parts << t->text;
        lines << parts.join(QStringLiteral(" | "));
    }
    return lines;
}

QString RecordingPrinter::pageFault() const
{
    if (m_beginDocs != 1 || m_endDocs != 1)
        return QStringLiteral("documents begun %1, ended %2").arg(m_beginDocs).arg(m_endDocs);
    for (int page = 1; page <= m_page; ++page) {
        if (!textsOnPage(page).contains(QStringLiteral("Sida %1").arg(page)))
            return QStringLiteral("no page number on page %1").arg(page);
        if (bodyBottom(page) > 14200)
            return QStringLiteral("page %1 runs to %2").arg(page).arg(bodyBottom(page));
    }
    for (const Text& t : m_texts) {
        const double right = t.x + (m_real ? 0 : fakeWidth(t.text, t.size));
        if (t.x < 0 || right > 9900.5)
            return QStringLiteral("'%1' at %2..%3 off the text area")
                .arg(t.text)
                .arg(t.x)
                .arg(right);
        for (const Text& u : m_texts)
            if (&u != &t && u.page == t.page && u.y == t.y && u.x > t.x && u.x < right &&
                !t.text.trimmed().isEmpty() && !u.text.trimmed().isEmpty())
                return QStringLiteral("'%1' over '%2' on page %3").arg(u.text, t.text).arg(t.page);
    }
    for (const Line& l : m_lines)
        if (qMin(l.x1, l.x2) < 0 || qMax(l.x1, l.x2) > PaperRight)
            return QStringLiteral("a rule off the text area");
    return QString();
}
