#pragma once

#include <QString>

// The printer as the page layout needs it. All lengths are twips (1/1440 inch),
// x from the left margin and y from the top margin of an A4 page whose origin lies
// 1440 twips right of and 500 twips below the paper's top left corner.
class Printer
{
public:
    virtual ~Printer() = default;

    virtual double currentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentY(double y) = 0;

    // Draws the text at the print position in the current font, then moves the print
    // position to the start of the next line.
    virtual void print(const QString& text) = 0;

    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    virtual void setFont(const QString& name, int size, bool bold) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, int width) = 0;

    virtual void newPage() = 0;
    // Finishes the document and sends it on (to the printer or the file).
    virtual void endDoc() = 0;
};
