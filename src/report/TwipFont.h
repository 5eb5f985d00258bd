#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <vector>

// A printer font measured in twips: the font is sized in pixels of one twip (a point
// is 20 twips), so widths and heights come out in twips whatever the resolution of
// the page it is drawn on. Hinting is off, so the widths are the font's own design
// widths, the same on screen, in a PDF and on paper. The few fonts a report uses are
// kept once measured: reports switch fonts on almost every line.
class TwipFont
{
public:
    TwipFont();

    void set(const QString& name, int size, bool bold);

    const QFont& font() const { return current().font; }
    double width(const QString& text) const { return current().metrics.horizontalAdvance(text); }
    double height() const { return current().metrics.height(); }
    double ascent() const { return current().metrics.ascent(); }

    // The family the platform actually uses for the current font.
    QString resolvedFamily() const;

private:
    struct Entry
    {
        QString name;
        int size;
        bool bold;
        QFont font;
        QFontMetricsF metrics;
    };
    const Entry& current() const { return m_entries[m_current]; }

    std::vector<Entry> m_entries;
    std::size_t m_current = 0;
};
