#pragma once

#include <QString>

// The printer as the page layout needs it. All lengths are twips (1/1440 inch),
// x from the left margin and y from the top margin of an A4 page whose origin lies
// 1440 twips right of and 500 twips below the paper's top left corner.
class Printer
{
public:
    virtual ~Printer() = default;

    // Sets the page up (A4 portrait, unit twips, the origin above) and opens the
    // document; the print position is then the origin. Called once per printout,
    // before anything is drawn.
    virtual void beginDoc() = 0;

    virtual double currentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentY(double y) = 0;

    // Draws the text at the print position in the current font, then moves the print
    // position one line (of the current font) down.
    virtual void print(const QString& text) = 0;

    // Width of the text and height of one line of it, in the current font.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // Name, size in points and weight are always set together. Any name is accepted
    // ("Symbol" included); a missing font is replaced by the platform.
    virtual void setFont(const QString& name, int size, bool bold) = 0;

    // A black straight line; the width is in printer dots (of a 600 dpi printer).
    virtual void drawLine(double x1, double y1, double x2, double y2, int width) = 0;

    virtual void newPage() = 0;
    // Finishes the document and sends it on (to the printer or the file).
    virtual void endDoc() = 0;
};
