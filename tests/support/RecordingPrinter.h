#pragma once

#include "report/Printer.h"
#include "report/TwipFont.h"

#include <QString>
#include <QStringList>
#include <vector>

// A printer that records what is drawn: every text with its position, font and page,
// every line, page breaks and the document's start and end.
//
// By default it measures with simple metrics that tests can work out by hand: a
// character is size × 10 twips wide (half an em) and a line is size × 25 twips high.
// With real metrics it measures exactly as the PDF and paper printers do, so a test can
// tell on which page a text of a real printout lands.
class RecordingPrinter : public Printer
{
public:
    struct Text
    {
        QString text;
        double x;
        double y;
        QString font;
        int size;
        bool bold;
        int page;      // 1 for the first
        double height; // the line it took
    };
    struct Line
    {
        double x1, y1, x2, y2;
        int width;
        int page;
    };

    explicit RecordingPrinter(bool realMetrics = false) : m_real(realMetrics) {}

    void beginDoc() override;
    double currentX() const override { return m_x; }
    void setCurrentX(double x) override { m_x = x; }
    double currentY() const override { return m_y; }
    void setCurrentY(double y) override { m_y = y; }
    void print(const QString& text) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void setFont(const QString& name, int size, bool bold) override;
    void drawLine(double x1, double y1, double x2, double y2, int width) override;
    void newPage() override;
    void endDoc() override { ++m_endDocs; }

    const std::vector<Text>& texts() const { return m_texts; }
    const std::vector<Line>& lines() const { return m_lines; }
    int pages() const { return m_page; }
    int beginDocs() const { return m_beginDocs; }
    int endDocs() const { return m_endDocs; }

    // The texts of one page (or all pages with 0), in the order drawn.
    QStringList textsOnPage(int page = 0) const;
    // The bottom edge of the lowest body text of a page (texts above the footer).
    double bodyBottom(int page) const;
    // The body of a page as read: one entry per printed line, top to bottom, its texts
    // left to right joined by " | ".
    QStringList printedLines(int page) const;
    // What every printout must keep to, on every page: one document, a footer with the
    // page number, the body above the bottom limit and on the paper (A4 less the left
    // margin), and no text over another on the same line. Empty when all is well, else
    // the fault.
    QString pageFault() const;
    static constexpr double PaperRight = 11906 - 1440;

    static double fakeWidth(const QString& text, int size) { return text.size() * size * 10.0; }
    static double fakeHeight(int size) { return size * 25.0; }

private:
    bool m_real;
    TwipFont m_font;
    QString m_name = QStringLiteral("Times New Roman");
    int m_size = 11;
    bool m_bold = false;
    double m_x = 0;
    double m_y = 0;
    int m_page = 0;
    int m_beginDocs = 0;
    int m_endDocs = 0;
    std::vector<Text> m_texts;
    std::vector<Line> m_lines;
};
