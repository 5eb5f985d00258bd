#pragma once

#include <QString>

class Printer;

// The page layout shared by both engines' printed reports: column positions, the
// saved vertical position, the report fonts, the page metrics and the wrapped lines,
// and the operations that place text on the page. All positions are twips, x from
// the left margin and y from the top margin.
//
// Every print ends its line: to put several items on one line, save y before the
// first (PrtSparaY) and restore it before each further item (PrtAterY).
class xxPrt
{
public:
    static constexpr int PositionSlots = 51; // slots 0..50
    static constexpr int WrappedSlots = 101; // slots 0..100
    static constexpr int SymbolMarker = 158; // the character that precedes a symbol

    explicit xxPrt(Printer* printer = nullptr) : m_printer(printer) {}

    void setPrinter(Printer* printer) { m_printer = printer; }
    Printer* printer() const { return m_printer; }

    // --- state -------------------------------------------------------------------
    void PrtInit();
    void PrtPosNoll() { m_posCount = 0; }
    void PrtPosLagg(int x);
    int position(int col) const;
    int positionCount() const { return m_posCount; }

    void PrtSparaY();
    void PrtAterY();
    int savedY() const { return m_savedY; }
    void PrtVanstermarg();
    void PrtNed(int d);
    void PrtFotY();

    // --- text ----------------------------------------------------------------------
    void PrtRad(const QString& text);
    void PrtVanster(int col, const QString& text);
    void PrtHoger(int col, const QString& text);
    void PrtMitt(int col, const QString& text);
    void PrtHogerMarg(const QString& text);

    // --- fonts ---------------------------------------------------------------------
    void PrtNormal();
    void PrtNormalStr(int size);
    void PrtFet(int size);
    void PrtFotText();
    void PrtSymbol(int size);
    // The font last set through this layout, so a page break can restore it.
    struct Font
    {
        QString name;
        int size = 0;
        bool bold = false;
    };
    const Font& currentFont() const { return m_font; }
    void setFont(const Font& font);

    // --- lines, wrapping, end ------------------------------------------------------
    void PrtLinje(int y);
    void PrtDela(int col, const QString& text);
    void PrtSkrivDelad(int col);
    int wrappedCount() const { return m_wrapCount; }
    const QString& wrappedLine(int i) const;
    void PrtSlut();

    // --- page metrics, set up by the page frame ------------------------------------
    QString plainFont = QStringLiteral("Times New Roman");
    QString headingFont = QStringLiteral("Arial");
    int standardSize = 11;
    int footerSize = 8;
    int bottomLimit = 14200;
    int rightEdge = 9900;
    int lineHeight = 0; // height of "Text" in the current font, where a report measures it
    int pageNumber = 1;

    // The printer's current y as a whole number of twips.
    int currentY() const;
    double textHeight(const QString& text) const;

private:
    void applyFont(const QString& name, int size, bool bold);
    void checkColumn(int col) const;
    int breakPosition(const QString& rest, double width) const;

    Printer* m_printer;
    int m_positions[PositionSlots] = {};
    int m_posCount = 0;
    int m_posCapacity = 49;
    int m_savedY = 0;
    QString m_wrapped[WrappedSlots];
    int m_wrapCount = 0;
    int m_wrapCapacity = 99;
    Font m_font;
};
