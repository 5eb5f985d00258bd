#include "data/FieldValue.h"

#include "data/DbError.h"

#include <limits>

int FieldValue::typeOfDeclaration(const QString& declared)
{
    const QString upper = declared.toUpper();
    if (upper.contains(QLatin1String("SMALLINT")))
        return Integer;
    if (upper.contains(QLatin1String("INT")))
        return Long;
    if (upper.contains(QLatin1String("CURRENCY")) || upper.contains(QLatin1String("MONEY")))
        return Currency;
    if (upper.contains(QLatin1String("REAL")) || upper.contains(QLatin1String("FLOA")) ||
        upper.contains(QLatin1String("DOUB")))
        return Double;
    return Text;
}

int FieldValue::maxLengthOfDeclaration(const QString& declared)
{
    // "CHAR(n)", also inside "VARCHAR (n)", blanks allowed around the parts.
    const QString upper = declared.toUpper();
    const int at = int(upper.indexOf(QLatin1String("CHAR")));
    if (at < 0)
        return 0;
    const QString rest = upper.mid(at + 4).trimmed();
    if (!rest.startsWith(QLatin1Char('(')))
        return 0;
    const int close = int(rest.indexOf(QLatin1Char(')')));
    if (close < 0)
        return 0;
    bool ok = false;
    const int size = rest.mid(1, close - 1).trimmed().toInt(&ok);
    return ok && size > 0 ? size : 0;
}

QVariant FieldValue::convert(int type, int maxLength, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString;
    if (!isNumeric(type)) {
        const QString text = value.toString();
        if (text.isEmpty())
            return QVariant();
        if (maxLength > 0 && text.size() > maxLength)
            throw DbError(DbError::FieldTooSmall,
                          QStringLiteral("Fältet är för litet för den mängd data du försöker "
                                         "lägga till. Försök att infoga eller klistra in "
                                         "mindre data."));
        return text;
    }

    const DbError conversion(DbError::TypeConversion, QStringLiteral("Datatypkonverteringsfel."));
    double number = 0;
    if (isText) {
        QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        number = text.toDouble(&ok);
        if (!ok)
            throw conversion;
    } else if (value.typeId() == QMetaType::Bool) {
        number = value.toBool() ? 1 : 0;
    } else {
        bool ok = false;
        number = value.toDouble(&ok);
        if (!ok)
            throw conversion;
    }
    if (type == Double || type == Single || type == Currency)
        return number;
    const double rounded = qRound64(number);
    const double limit = type == Integer ? 32767.0 : double(std::numeric_limits<int>::max());
    if (rounded > limit || rounded < -limit - 1)
        throw conversion;
    return int(rounded);
}

bool FieldValue::same(const QVariant& a, const QVariant& b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}
