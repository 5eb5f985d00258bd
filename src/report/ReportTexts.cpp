#include "report/ReportTexts.h"

#include "shell/AppGlobals.h"

namespace ReportTexts {

const QString& tieNote()
{
    static const QString note =
        QStringLiteral("* efter valsitnummer betyder att efterföljande valsit har fått samma "
                       "jämförelsetal (dvs lottning skall verkställas)  ");
    return note;
}

QString headerLine()
{
    const AppGlobals& globals = AppGlobals::instance();
    return globals.OrgNamn + QStringLiteral(" har gjort valsitberäkningsbeställningen ") +
           globals.BestDatum;
}

} // namespace ReportTexts
