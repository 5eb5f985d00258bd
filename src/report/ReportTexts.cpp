#include "report/ReportTexts.h"

namespace ReportTexts {

const QString& tieNote()
{
    static const QString note =
        QStringLiteral("* efter valsitnummer betyder att efterföljande valsit har fått samma "
                       "jämförelsetal (dvs lottning skall verkställas)  ");
    return note;
}

const QString& pairMark(bool marked)
{
    static const QString yes = QStringLiteral("X");
    static const QString no = QString(QChar(0x00A0));
    return marked ? yes : no;
}

} // namespace ReportTexts
