#pragma once

#include <QString>
#include <QVariant>

class Recordset;

// One field of the current record of a record set: `rs.Fields("Roster").Value()`.
// A small handle; it reads and writes through the record set, so it always sees the
// record that is current (or pending) at the moment of the call.
class Field
{
public:
    Field(Recordset* recordset, int column) : m_recordset(recordset), m_column(column) {}

    QString Name() const;
    int Type() const; // 3 to 7 numeric, 10 text
    // The value of the current record, or of the pending one while editing or adding.
    // A Null value is an invalid QVariant.
    QVariant Value() const;
    bool isNull() const { return !Value().isValid(); }
    // Only while editing or adding (else DbError 3020). Converts the value to the field's
    // type (DbError 3421 when it does not fit); an empty text or invalid QVariant is Null.
    void setValue(const QVariant& value);

private:
    Recordset* m_recordset;
    int m_column;
};
