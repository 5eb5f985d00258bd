#include "report/TwipFont.h"

#include <QFontInfo>

namespace {
QFont makeFont(const QString& name, int size, bool bold)
{
    QFont font(name);
    font.setPixelSize(size * 20);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Text is measured and drawn as the sum of its characters' widths, as printers do.
    font.setKerning(false);
    return font;
}
} // namespace

TwipFont::TwipFont()
{
    set(QStringLiteral("Times New Roman"), 11, false);
}

void TwipFont::set(const QString& name, int size, bool bold)
{
    if (size < 1)
        size = 1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        if (e.size == size && e.bold == bold && e.name == name) {
            m_current = i;
            return;
        }
    }
    QFont font = makeFont(name, size, bold);
    m_entries.push_back(Entry{name, size, bold, font, QFontMetricsF(font)});
    m_current = m_entries.size() - 1;
}

QString TwipFont::resolvedFamily() const
{
    return QFontInfo(current().font).family();
}
