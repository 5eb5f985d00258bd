#include "shell/SwedishOrder.h"

namespace {

// Å, Ä and Ö follow Z; the values lie above every other letter of the Latin alphabets.
constexpr char32_t AfterZ = 0x10000;

// The letter a character is sorted as, case and accents aside.
char32_t primaryKey(QChar c)
{
    const char16_t folded = c.toCaseFolded().unicode();
    switch (folded) {
    case u'å':
        return AfterZ + 1;
    case u'ä':
    case u'æ':
        return AfterZ + 2;
    case u'ö':
    case u'ø':
        return AfterZ + 3;
    case u'ü':
        return u'y';
    default:
        break;
    }
    const QChar f(folded);
    if (f.decompositionTag() == QChar::Canonical) {
        const QString base = f.decomposition();
        if (!base.isEmpty())
            return base.at(0).toCaseFolded().unicode();
    }
    return folded;
}

} // namespace

int SwedishOrder::compare(const QString& a, const QString& b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t ka = primaryKey(a.at(i));
        const char32_t kb = primaryKey(b.at(i));
        if (ka != kb)
            return ka < kb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    // The same letters: accents, then case decide, lower case first.
    const int accents = a.toCaseFolded().compare(b.toCaseFolded());
    if (accents != 0)
        return accents < 0 ? -1 : 1;
    const int cased = b.compare(a);
    return cased < 0 ? -1 : cased > 0 ? 1 : 0;
}
