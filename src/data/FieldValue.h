#pragma once

#include <QVariant>

// A field's value as its declared type holds it: texts within their size, numbers as
// the program types them (a decimal comma is a point, whole-number fields round and stay
// within their range). Refusals are DbError, as the file's own engine gives them
// (3163 too small, 3421 conversion).
class FieldValue
{
public:
    // The field types, numbered as the program knows them.
    enum Type { Integer = 3, Long = 4, Currency = 5, Single = 6, Double = 7, Text = 10 };

    // The type of a declared column type (SMALLINT, INTEGER, REAL, CURRENCY, TEXT, ...) and
    // the size of a CHAR(n) or VARCHAR(n) declaration (0: no limit).
    static int typeOfDeclaration(const QString& declared);
    static int maxLengthOfDeclaration(const QString& declared);

    static bool isNumeric(int type) { return type >= Integer && type <= Double; }

    // The value converted for a field of the type; an empty text is no value. Throws
    // DbError.
    static QVariant convert(int type, int maxLength, const QVariant& value);
    // Equal as stored values (a text and a number compare as texts).
    static bool same(const QVariant& a, const QVariant& b);
};
