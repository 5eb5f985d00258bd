#include "cli/CalcOptions.h"

#include "cli/CalcError.h"
#include "cli/LotOption.h"
#include "report/ReportHeader.h"
#include "seats/SeatResult.h"

#include <QCommandLineParser>
#include <QDate>

namespace {

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

QCommandLineOption valueOption(const char* name)
{
    return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("värde"));
}

// The argument as the user typed it for an option Qt's parser did not know.
QString typedOption(const QStringList& args, const QString& name)
{
    for (const QString& a : args) {
        QString bare = a;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name || bare.startsWith(name + QLatin1Char('=')))
            return a.section(QLatin1Char('='), 0, 0);
    }
    return QStringLiteral("--") + name;
}

} // namespace

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

    const QCommandLineOption seats = valueOption("seats");
    const QCommandLineOption districts = valueOption("districts");
    const QCommandLineOption constituencies = valueOption("constituencies");
    const QCommandLineOption comparison = valueOption("comparison");
    const QCommandLineOption firstDivisor = valueOption("first-divisor");
    const QCommandLineOption threshold = valueOption("threshold");
    const QCommandLineOption fixed = valueOption("fixed");
    const QCommandLineOption all = valueOption("all");
    const QCommandLineOption format = valueOption("format");
    const QCommandLineOption title = valueOption("title");
    const QCommandLineOption org = valueOption("org");
    const QCommandLineOption pdf = valueOption("pdf");
    const QCommandLineOption import = valueOption("import");
    const QCommandLineOption lot = valueOption("lot");
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({seats, districts, comparison, firstDivisor, threshold, fixed, all, format,
                       title, org, pdf, import, constituencies, lot});
    // The parser skips the program's name, which the command stands in for.
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty())
            throw CalcError(QStringLiteral("okänd flagga %1")
                                .arg(typedOption(args, parser.unknownOptionNames().first())));
        // Only an option at the very end lacks its value.
        throw CalcError(QStringLiteral("%1 saknar värde").arg(args.last()));
    }
    // An option given twice counts once, the last one, as a program's options do; two
    // cooperation modes are a contradiction.
    auto last = [&parser](const QCommandLineOption& option) { return parser.value(option); };

    if (parser.isSet(seats)) {
        const QString value = last(seats);
        bool ok = false;
        o.seats = value.toInt(&ok);
        if (!ok)
            throw CalcError(QStringLiteral("--seats \"%1\" är inget heltal").arg(value));
    }
    o.districtsFile = last(districts);
    o.constituenciesFile = last(constituencies);
    if (parser.isSet(comparison)) {
        const QString value = last(comparison);
        o.comparisonGiven = true;
        if (value == QLatin1String("none"))
            o.comparison = Comparison::None;
        else if (value == QLatin1String("full"))
            o.comparison = Comparison::Full;
        else if (value == QLatin1String("2"))
            o.comparison = Comparison::TwoDecimals;
        else
            throw CalcError(
                QStringLiteral("--comparison ska vara none, 2 eller full, inte \"%1\"").arg(value));
    }
    o.rulesGiven = parser.isSet(firstDivisor) || parser.isSet(threshold);
    if (parser.isSet(firstDivisor)) {
        o.firstDivisor = parseDecimal(last(firstDivisor), QStringLiteral("--first-divisor"));
        if (o.firstDivisor != 1.4 && o.firstDivisor != 1.2)
            throw CalcError(QStringLiteral("--first-divisor ska vara 1.4 eller 1.2"));
    }
    if (parser.isSet(threshold)) {
        o.threshold = parseDecimal(last(threshold), QStringLiteral("--threshold"));
        o.thresholdGiven = true;
        if (!(o.threshold >= 0.0 && o.threshold <= 100.0))
            throw CalcError(QStringLiteral("--threshold ska vara mellan 0 och 100 procent"));
    }
    if (parser.values(fixed).size() + parser.values(all).size() > 1)
        throw CalcError(QStringLiteral("ange bara en av --fixed och --all"));
    if (parser.isSet(fixed)) {
        o.cooperation = Cooperation::Fixed;
        o.pairs = last(fixed);
    } else if (parser.isSet(all)) {
        o.cooperation = Cooperation::All;
        o.pairs = last(all);
    }
    if (parser.isSet(format)) {
        const QString value = last(format);
        if (value == QLatin1String("text"))
            o.format = Format::Text;
        else if (value == QLatin1String("json"))
            o.format = Format::Json;
        else
            throw CalcError(
                QStringLiteral("--format ska vara text eller json, inte \"%1\"").arg(value));
    }
    o.title = last(title);
    o.org = last(org);
    o.pdfFile = last(pdf);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        throw CalcError(
            QStringLiteral("bara en indatafil, inte både %1 och %2").arg(files.at(0), files.at(1)));
    o.inputFile = files.value(0);
    o.importFile = last(import);

    if (parser.isSet(import)) {
        if (o.command != Command::Council)
            throw CalcError(QStringLiteral("--import gäller bara council"));
        if (!o.inputFile.isEmpty() || parser.isSet(districts))
            throw CalcError(QStringLiteral("med --import läses rösterna ur resultatfilen: ange "
                                           "ingen indatafil och inget --districts"));
    } else if (!parser.isSet(seats)) {
        throw CalcError(QStringLiteral("--seats saknas"));
    }
    if (parser.isSet(seats) && (o.seats < 5 || o.seats > 350))
        throw CalcError(
            QStringLiteral("--seats måste vara mellan 5 och 350, inte %1").arg(o.seats));
    if (o.command == Command::Committee && parser.isSet(constituencies))
        throw CalcError(QStringLiteral("--constituencies gäller bara council"));
    if (!o.constituenciesFile.isEmpty()) {
        // The constituency file names the parties itself.
        if (!o.inputFile.isEmpty() || !o.districtsFile.isEmpty() || !o.importFile.isEmpty())
            throw CalcError(QStringLiteral("--constituencies har partierna och rösterna: ange "
                                           "varken partifil, --districts eller --import"));
        // A municipality with constituencies has a threshold of 3 % from 2018.
        if (!parser.isSet(threshold))
            o.threshold = o.firstDivisor == 1.4 ? 0.0 : 3.0;
    } else if (o.inputFile.isEmpty() && o.importFile.isEmpty()) {
        throw CalcError(QStringLiteral("indatafilen saknas"));
    }
    if (o.command == Command::Committee &&
        (parser.isSet(districts) || parser.isSet(firstDivisor) || parser.isSet(threshold)))
        throw CalcError(QStringLiteral("--districts, --first-divisor och --threshold gäller bara "
                                       "council"));
    if (o.command == Command::Council && o.cooperation != Cooperation::None)
        throw CalcError(QStringLiteral("--fixed och --all gäller bara committee"));
    // With --import and no --seats the seats come from the file: the lots' seats are
    // checked once it has been read.
    o.lots = LotOption::parse(parser.values(lot), o.seats > 0 ? o.seats : SeatResult::MaxSeats);
    if (!o.lots.isEmpty() && o.cooperation == Cooperation::All)
        throw CalcError(QStringLiteral("--lot gäller inte --all: lotta i den kombination som "
                                       "gäller"));
    return o;
}

ReportChoices CalcOptions::reportChoices() const
{
    ReportChoices choices;
    choices.comparison = comparison == Comparison::None   ? ReportChoices::Comparison::None
                         : comparison == Comparison::Full ? ReportChoices::Comparison::Full
                                                          : ReportChoices::Comparison::TwoDecimals;
    choices.showLots = !lots.isEmpty();
    return choices;
}

ReportHeader CalcOptions::header() const
{
    return ReportHeader::of(org, QDate::currentDate());
}
