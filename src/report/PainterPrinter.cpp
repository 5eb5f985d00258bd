#include "report/PainterPrinter.h"

#include "shell/EngineError.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPen>

namespace {
// Where the page's origin lies on the paper, in twips.
constexpr double OriginX = 1440;
constexpr double OriginY = 500;
// Line widths are given in dots of a 600 dpi printer.
constexpr double TwipsPerDot = 1440.0 / 600.0;
} // namespace

PainterPrinter::PainterPrinter(QPagedPaintDevice* device) : m_device(device) {}

PainterPrinter::~PainterPrinter()
{
    abandon();
}

void PainterPrinter::abandon()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PainterPrinter::beginDoc()
{
    if (!m_device)
        throw EngineError(QStringLiteral("Ingen skrivare är vald för utskriften."));
    if (m_painter.isActive())
        m_painter.end();
    m_device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    if (!m_painter.begin(m_device))
        throw EngineError(QStringLiteral("Utskriften kunde inte startas."));
    // Twips to device pixels, whatever resolution the device was given.
    const double sx = m_device->logicalDpiX() / 1440.0;
    const double sy = m_device->logicalDpiY() / 1440.0;
    m_painter.setTransform(QTransform(sx, 0, 0, sy, OriginX * sx, OriginY * sy));
    m_painter.setPen(Qt::black);
    m_fontChanged = true;
    m_pages = 1;
    m_x = 0;
    m_y = 0;
}

void PainterPrinter::ensureStarted()
{
    // Like a printer object, the first output opens the document when nobody did.
    if (!m_painter.isActive())
        beginDoc();
}

void PainterPrinter::print(const QString& text)
{
    ensureStarted();
    if (m_fontChanged) {
        m_painter.setFont(m_font.font());
        m_fontChanged = false;
    }
    if (!text.isEmpty())
        m_painter.drawText(QPointF(m_x, m_y + m_font.ascent()), text);
    m_y += m_font.height();
}

double PainterPrinter::textHeight(const QString& text) const
{
    // One line of the current font; a text with line breaks is as many lines high.
    return m_font.height() * (1 + text.count(QLatin1Char('\n')));
}

void PainterPrinter::setFont(const QString& name, int size, bool bold)
{
    m_font.set(name, size, bold);
    m_fontChanged = true;
}

void PainterPrinter::drawLine(double x1, double y1, double x2, double y2, int width)
{
    ensureStarted();
    m_painter.setPen(QPen(Qt::black, width * TwipsPerDot));
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterPrinter::newPage()
{
    ensureStarted();
    if (!m_device->newPage())
        throw EngineError(QStringLiteral("En ny sida kunde inte påbörjas i utskriften."));
    ++m_pages;
    // Some engines start a page with a fresh graphics state.
    m_painter.setFont(m_font.font());
    m_painter.setPen(Qt::black);
    m_fontChanged = false;
}

void PainterPrinter::endDoc()
{
    if (!m_painter.isActive())
        return;
    if (!m_painter.end())
        throw EngineError(QStringLiteral("Utskriften kunde inte avslutas."));
}
