#include "report/ReportTexts.h"

namespace ReportTexts {

const QString& tieNote()
{
    static const QString note =
        QStringLiteral("* efter valsitnummer betyder att efterföljande valsit har fått samma "
                       "jämförelsetal (dvs lottning skall verkställas)  ");
    return note;
}

} // namespace ReportTexts
