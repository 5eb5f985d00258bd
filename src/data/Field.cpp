#include "data/Field.h"

#include "data/Recordset.h"

QString Field::Name() const
{
    return m_recordset->fieldName(m_column);
}

int Field::Type() const
{
    return m_recordset->fieldType(m_column);
}

QVariant Field::Value() const
{
    return m_recordset->value(m_column);
}

void Field::setValue(const QVariant& value)
{
    m_recordset->setValue(m_column, value);
}
