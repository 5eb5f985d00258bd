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
    if (!sourceNote.isEmpty())
        out.append(sourceNote);
    return out;
}

QString ReportHeader::sourceText(int seats, const QString& rule, const QString& fileName,
                                 const QDateTime& when)
{
    return QStringLiteral("Underlag: %1 mandat, %2, valfilen %3, beräknat %4 %5")
        .arg(seats)
        .arg(rule, fileName, dateText(when.date()), when.time().toString(QStringLiteral("HH:mm")));
}
