#include "cli/JsonText.h"

#include <cmath>
#include <cstdio>

namespace JsonText {

QString quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString number(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return QString::fromLatin1(buffer);
}

QString seats(int count, const std::function<int(int)>& number,
              const std::function<bool(int)>& tied)
{
    QString out = QStringLiteral("[");
    for (int k = 1; k <= count; ++k)
        out += QStringLiteral("%1{\"number\": %2, \"tie\": %3}")
                   .arg(k > 1 ? QStringLiteral(", ") : QString())
                   .arg(number(k))
                   .arg(tied(k) ? QStringLiteral("true") : QStringLiteral("false"));
    return out + QLatin1Char(']');
}

} // namespace JsonText
