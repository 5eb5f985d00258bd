#include "cli/CalcOptions.h"

#include "cli/CalcError.h"
#include "seats/SeatEngineBase.h"

namespace {

QString takeValue(const QStringList& args, int& i)
{
    if (i + 1 >= args.size())
        throw CalcError(QStringLiteral("%1 saknar värde").arg(args.at(i)));
    return args.at(++i);
}

double parseDecimal(const QString& text, const QString& option)
{
    QString normal = text.trimmed();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok)
        throw CalcError(QStringLiteral("%1 \"%2\" är inget tal").arg(option, text));
    return value;
}

} // namespace

QString CalcOptions::usage()
{
    return QStringLiteral(
        "användning: valsit-calc council --seats N [--districts FIL] [--comparison full|2]\n"
        "                   [--first-divisor 1.2|1.4] [--threshold PROCENT] [--title TEXT]\n"
        "                   [--org NAMN] [--format text|json] [--pdf FIL.pdf] FIL.csv\n"
        "            valsit-calc committee --seats N [--fixed PAR | --all PAR]\n"
        "                   [--comparison full|2] [--title TEXT] [--org NAMN]\n"
        "                   [--format text|json] [--pdf FIL.pdf] FIL.csv\n");
}

CalcOptions CalcOptions::parse(const QStringList& args)
{
    CalcOptions o;
    if (args.isEmpty())
        throw CalcError(QStringLiteral("ange council eller committee"));
    if (args.first() == QLatin1String("council"))
        o.command = Command::Council;
    else if (args.first() == QLatin1String("committee"))
        o.command = Command::Committee;
    else
        throw CalcError(QStringLiteral("okänt kommando \"%1\": ange council eller committee")
                            .arg(args.first()));

    bool seatsGiven = false;
    bool divisorGiven = false;
    bool thresholdGiven = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--seats")) {
            const QString value = takeValue(args, i);
            bool ok = false;
            o.seats = value.toInt(&ok);
            if (!ok)
                throw CalcError(QStringLiteral("--seats \"%1\" är inget heltal").arg(value));
            seatsGiven = true;
        } else if (a == QLatin1String("--districts")) {
            o.districtsFile = takeValue(args, i);
        } else if (a == QLatin1String("--comparison")) {
            const QString value = takeValue(args, i);
            if (value == QLatin1String("full"))
                o.comparison = Comparison::Full;
            else if (value == QLatin1String("2"))
                o.comparison = Comparison::TwoDecimals;
            else
                throw CalcError(
                    QStringLiteral("--comparison ska vara full eller 2, inte \"%1\"").arg(value));
        } else if (a == QLatin1String("--first-divisor")) {
            o.firstDivisor = parseDecimal(takeValue(args, i), a);
            if (o.firstDivisor != 1.4 && o.firstDivisor != 1.2)
                throw CalcError(QStringLiteral("--first-divisor ska vara 1.4 eller 1.2"));
            divisorGiven = true;
        } else if (a == QLatin1String("--threshold")) {
            o.threshold = parseDecimal(takeValue(args, i), a);
            if (!(o.threshold >= 0.0 && o.threshold <= 100.0))
                throw CalcError(QStringLiteral("--threshold ska vara mellan 0 och 100 procent"));
            thresholdGiven = true;
        } else if (a == QLatin1String("--fixed") || a == QLatin1String("--all")) {
            if (o.cooperation != Cooperation::None)
                throw CalcError(QStringLiteral("ange bara en av --fixed och --all"));
            o.cooperation = a == QLatin1String("--fixed") ? Cooperation::Fixed : Cooperation::All;
            o.pairs = takeValue(args, i);
        } else if (a == QLatin1String("--format")) {
            const QString value = takeValue(args, i);
            if (value == QLatin1String("text"))
                o.format = Format::Text;
            else if (value == QLatin1String("json"))
                o.format = Format::Json;
            else
                throw CalcError(
                    QStringLiteral("--format ska vara text eller json, inte \"%1\"").arg(value));
        } else if (a == QLatin1String("--title")) {
            o.title = takeValue(args, i);
        } else if (a == QLatin1String("--org")) {
            o.org = takeValue(args, i);
        } else if (a == QLatin1String("--pdf")) {
            o.pdfFile = takeValue(args, i);
        } else if (a.startsWith(QLatin1String("--"))) {
            throw CalcError(QStringLiteral("okänd flagga %1").arg(a));
        } else {
            if (!o.inputFile.isEmpty())
                throw CalcError(
                    QStringLiteral("bara en indatafil, inte både %1 och %2").arg(o.inputFile, a));
            o.inputFile = a;
        }
    }

    if (!seatsGiven)
        throw CalcError(QStringLiteral("--seats saknas"));
    if (o.seats < 5 || o.seats > 350)
        throw CalcError(
            QStringLiteral("--seats måste vara mellan 5 och 350, inte %1").arg(o.seats));
    if (o.inputFile.isEmpty())
        throw CalcError(QStringLiteral("indatafilen saknas"));
    if (o.command == Command::Committee &&
        (!o.districtsFile.isEmpty() || divisorGiven || thresholdGiven))
        throw CalcError(QStringLiteral("--districts, --first-divisor och --threshold gäller bara "
                                       "council"));
    if (o.command == Command::Council && o.cooperation != Cooperation::None)
        throw CalcError(QStringLiteral("--fixed och --all gäller bara committee"));
    return o;
}

void CalcOptions::applyTo(SeatEngineBase& engine) const
{
    engine.setAntValsit(seats);
    engine.setRubrik1(title);
    engine.setBerTalSW(comparison != Comparison::None);
    engine.setBerTalAntDec(comparison == Comparison::Full ? 0 : 1);
}
