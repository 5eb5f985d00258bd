#include "report/ReportHeader.h"

QString ReportHeader::dateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString ReportHeader::orderLine() const
{
    return organisation + QStringLiteral(" har gjort valsitberäkningsbeställningen ") + orderDate;
}

QStringList ReportHeader::lines() const
{
    QStringList out{orderLine()};
    if (!countNote.isEmpty())
        out.append(countNote);
    return out;
}
