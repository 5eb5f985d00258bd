#include "data/PartyCode.h"

#include <QRegularExpression>
#include <QStringList>

QString PartyCode::fromName(const QString& name, const QString& fallback, QSet<QString>& taken)
{
    static const QRegularExpression notWord(QStringLiteral("[^\\w]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const QStringList words = name.split(notWord, Qt::SkipEmptyParts);
    QString base;
    if (words.size() > 1) {
        for (const QString& w : words)
            base += w.at(0);
    } else if (!words.isEmpty()) {
        base = words.first().left(3);
    } else {
        base = fallback;
    }
    base = base.toUpper().left(MaxLength);
    if (base.isEmpty())
        base = QStringLiteral("P");
    QString code = base;
    for (int n = 2; taken.contains(code); ++n) {
        const QString digits = QString::number(n);
        code = base.left(MaxLength - int(digits.size())) + digits;
    }
    taken.insert(code);
    return code;
}
