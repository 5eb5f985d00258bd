#include "seats/ComparisonText.h"

#include "report/TextNumbers.h"

void ComparisonText::start(SeatResult& result, ReportChoices::Comparison choice)
{
    const bool asked = choice != ReportChoices::Comparison::None;
    result.hasComparisonText = asked;
    // The buffer is grown once, not per seat: an all-combinations run rebuilds it often.
    result.comparisonText.reserve(1024);
    result.comparisonText.resize(0);
    if (asked)
        result.comparisonText.append(QStringLiteral("ValsitNr=(Jämförelsetal)"));
}

void ComparisonText::append(SeatResult& result, ReportChoices::Comparison choice, int seat,
                            double value, QChar decimalPoint)
{
    if (choice == ReportChoices::Comparison::None)
        return;
    QString& text = result.comparisonText;
    text.append(QLatin1String(", "));
    TextNumbers::appendInt(text, seat);
    text.append(QLatin1String("=("));
    if (choice == ReportChoices::Comparison::TwoDecimals)
        TextNumbers::appendFixed2(text, value, decimalPoint);
    else
        TextNumbers::appendGeneral(text, value, decimalPoint);
    text.append(QLatin1Char(')'));
}
