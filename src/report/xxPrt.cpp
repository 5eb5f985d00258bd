#include "report/xxPrt.h"

#include "report/Printer.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr char16_t LineFeed = 10;
constexpr char16_t VerticalTab = 11;
constexpr char16_t FormFeed = 12;
constexpr char16_t SoftBreak = 31; // a place to break that is not a blank

bool isHardBreak(QChar c)
{
    return c == LineFeed || c == VerticalTab || c == FormFeed;
}
bool isCandidate(QChar c)
{
    return c == QLatin1Char(' ') || c == SoftBreak;
}
} // namespace

void xxPrt::PrtInit()
{
    m_posCapacity = 49;
    m_wrapCapacity = 99;
}

void xxPrt::checkColumn(int col) const
{
    if (col < 0 || col >= PositionSlots)
        throw std::out_of_range("Indexet ligger utanför intervallet.");
}

void xxPrt::PrtPosLagg(int x)
{
    // When full the last slot is overwritten rather than the table overrun.
    if (m_posCount < m_posCapacity)
        ++m_posCount;
    m_positions[m_posCount] = x;
}

int xxPrt::position(int col) const
{
    checkColumn(col);
    return m_positions[col];
}

int xxPrt::currentY() const
{
    return int(std::nearbyint(m_printer->currentY()));
}

double xxPrt::textHeight(const QString& text) const
{
    return m_printer->textHeight(text);
}

void xxPrt::PrtSparaY()
{
    m_savedY = currentY();
}

void xxPrt::PrtAterY()
{
    m_printer->setCurrentY(m_savedY);
}

void xxPrt::PrtVanstermarg()
{
    m_printer->setCurrentX(0);
}

void xxPrt::PrtNed(int d)
{
    m_printer->setCurrentY(m_printer->currentY() + d);
}

void xxPrt::PrtFotY()
{
    m_printer->setCurrentY(bottomLimit + 360);
}

void xxPrt::PrtRad(const QString& text)
{
    m_printer->setCurrentX(0);
    m_printer->print(text);
}

void xxPrt::PrtVanster(int col, const QString& text)
{
    const int x = position(col);
    const int marker = int(text.indexOf(QChar(SymbolMarker)));
    if (marker < 0) {
        m_printer->setCurrentX(x);
        m_printer->print(text);
        return;
    }
    // A marked character is drawn in the symbol font, in a gap left between the text
    // before it and the text after it.
    const QString first = text.left(marker);
    const QString symbol = text.mid(marker + 1, 1);
    const QString rest = text.mid(marker + 2);
    const double y = m_printer->currentY();
    const double firstWidth = m_printer->textWidth(first);
    m_printer->setCurrentX(x);
    m_printer->print(first);
    m_printer->setCurrentY(y);
    m_printer->setCurrentX(x + firstWidth + 200);
    m_printer->print(rest);
    m_printer->setCurrentY(y);
    m_printer->setCurrentX(x + firstWidth + 100);
    PrtSymbol(standardSize);
    m_printer->print(symbol);
    PrtNormal();
}

void xxPrt::PrtHoger(int col, const QString& text)
{
    const int x = position(col);
    m_printer->setCurrentX(x - m_printer->textWidth(text));
    m_printer->print(text);
}

void xxPrt::PrtMitt(int col, const QString& text)
{
    const int x = position(col);
    m_printer->setCurrentX(x - m_printer->textWidth(text) / 2);
    m_printer->print(text);
}

void xxPrt::PrtHogerMarg(const QString& text)
{
    m_printer->setCurrentX(rightEdge - m_printer->textWidth(text));
    m_printer->print(text);
}

void xxPrt::applyFont(const QString& name, int size, bool bold)
{
    m_font.name = name;
    m_font.size = size;
    m_font.bold = bold;
    m_printer->setFont(name, size, bold);
}

void xxPrt::setFont(const Font& font)
{
    applyFont(font.name, font.size, font.bold);
}

void xxPrt::PrtNormal()
{
    applyFont(plainFont, standardSize, false);
}

void xxPrt::PrtNormalStr(int size)
{
    applyFont(plainFont, size, false);
}

void xxPrt::PrtFet(int size)
{
    applyFont(headingFont, size, true);
}

void xxPrt::PrtFotText()
{
    applyFont(headingFont, footerSize, false);
}

void xxPrt::PrtSymbol(int size)
{
    applyFont(QStringLiteral("Symbol"), size, true);
}

void xxPrt::PrtLinje(int y)
{
    m_printer->drawLine(0, y, rightEdge, y, 3);
}

const QString& xxPrt::wrappedLine(int i) const
{
    if (i < 0 || i >= WrappedSlots)
        throw std::out_of_range("Indexet ligger utanför intervallet.");
    return m_wrapped[i];
}

void xxPrt::PrtDela(int col, const QString& text)
{
    checkColumn(col);
    const double width = col > 0 ? rightEdge - position(col) : rightEdge;
    bool hasBreaks = false;
    for (QChar c : text) {
        if (isHardBreak(c)) {
            hasBreaks = true;
            break;
        }
    }
    if (!hasBreaks && m_printer->textWidth(text) <= width) {
        m_wrapCount = 1;
        m_wrapped[1] = text;
        return;
    }

    m_wrapCount = 0;
    QString rest = text;
    for (;;) {
        const int p = breakPosition(rest, width);
        if (p == 0)
            break;
        // When full the last line is overwritten rather than the table overrun.
        if (m_wrapCount < m_wrapCapacity)
            ++m_wrapCount;
        const QChar at = rest.at(p - 1);
        if (at == LineFeed || at == VerticalTab)
            m_wrapped[m_wrapCount] = p == 1 ? QStringLiteral(" ") : rest.left(p - 1);
        else
            m_wrapped[m_wrapCount] = rest.left(p); // a blank it broke at stays at the end
        const bool more = rest.size() > p;
        if (more)
            rest = rest.mid(p);
        if (at == VerticalTab && m_wrapCount < m_wrapCapacity)
            m_wrapped[++m_wrapCount] = QStringLiteral(" ");
        if (!more)
            break;
    }
}

// Where the next wrapped line of the rest ends (1-based, 0 for an empty rest). The
// rule, scanning i = 1, 2, ...: once the first i characters are wider than the width,
// break at the last blank (or character 31) seen before i; without one, go on and end
// at the next one. The last character, a line feed or vertical tab ends a line at
// itself, a form feed just before itself.
//
// Measuring every prefix would cost a measurement per character; since the width of a
// prefix only grows with its length, the first too-wide prefix is found by galloping
// and halving instead, with the same result.
int xxPrt::breakPosition(const QString& rest, double width) const
{
    const int n = int(rest.size());
    if (n == 0)
        return 0;

    int hard = n;
    for (int i = 1; i <= n; ++i) {
        if (isHardBreak(rest.at(i - 1))) {
            hard = i;
            break;
        }
    }
    auto hardBreak = [&]() {
        if (hard == n)
            return n;
        if (rest.at(hard - 1) == FormFeed)
            return hard == 1 ? 1 : hard - 1;
        return hard;
    };
    auto tooWide = [&](int length) { return m_printer->textWidth(rest.left(length)) > width; };

    // First i <= hard whose prefix is too wide, if any.
    int fits = 0;
    int over = 0;
    for (int step = 1;; step *= 2) {
        const int probe = std::min(fits + step, hard);
        if (tooWide(probe)) {
            over = probe;
            break;
        }
        fits = probe;
        if (probe == hard)
            break;
    }
    if (over == 0)
        return hardBreak();
    while (over - fits > 1) {
        const int mid = fits + (over - fits) / 2;
        if (tooWide(mid))
            over = mid;
        else
            fits = mid;
    }

    for (int j = over - 1; j >= 1; --j) {
        if (isCandidate(rest.at(j - 1)))
            return j;
    }
    for (int b = over; b < hard; ++b) {
        if (isCandidate(rest.at(b - 1)))
            return b;
    }
    return hardBreak();
}

void xxPrt::PrtSkrivDelad(int col)
{
    for (int i = 1; i <= m_wrapCount; ++i) {
        if (col > 0)
            PrtVanster(col, m_wrapped[i]);
        else
            PrtRad(m_wrapped[i]);
    }
}

void xxPrt::PrtSlut()
{
    m_printer->endDoc();
}
