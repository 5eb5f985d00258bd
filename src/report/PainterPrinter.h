#pragma once

#include "report/Printer.h"
#include "report/TwipFont.h"

#include <QPainter>

class QPagedPaintDevice;

// The printer on a paged paint device: a real printer (the UI library hands in a
// QPrinter) or a PDF file (PdfPrinter). The page is A4 portrait drawn in twips with
// the origin 1440 twips right of and 500 twips below the paper's corner, whatever the
// device's resolution; text is measured with the fonts' real metrics.
class PainterPrinter : public Printer
{
public:
    explicit PainterPrinter(QPagedPaintDevice* device = nullptr);
    ~PainterPrinter() override;
    PainterPrinter(const PainterPrinter&) = delete;
    PainterPrinter& operator=(const PainterPrinter&) = delete;

    void beginDoc() override;
    double currentX() const override { return m_x; }
    void setCurrentX(double x) override { m_x = x; }
    double currentY() const override { return m_y; }
    void setCurrentY(double y) override { m_y = y; }
    void print(const QString& text) override;
    double textWidth(const QString& text) const override { return m_font.width(text); }
    double textHeight(const QString& text) const override;
    void setFont(const QString& name, int size, bool bold) override;
    void drawLine(double x1, double y1, double x2, double y2, int width) override;
    void newPage() override;
    void endDoc() override;

    bool isActive() const { return m_painter.isActive(); }
    // Pages of the current (or last) document.
    int pageCount() const { return m_pages; }

protected:
    void setDevice(QPagedPaintDevice* device) { m_device = device; }
    // Ends an open document without reporting: for owners whose device dies first.
    void abandon();

private:
    void ensureStarted();

    QPagedPaintDevice* m_device;
    QPainter m_painter;
    TwipFont m_font;
    bool m_fontChanged = true;
    double m_x = 0;
    double m_y = 0;
    int m_pages = 0;
};
