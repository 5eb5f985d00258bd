#include "cli/CalcHelp.h"

#include "shell/AppInfo.h"

#include <QCommandLineParser>

namespace {

struct Option
{
    const char* names;
    const char* text;
};

// The options both commands take.
const Option common[] = {
    {"--seats N", "platser att fördela, 5 till 350"},
    {"--comparison none|2|full", "jämförelsetalen: inga, med två decimaler eller alla"},
    {"--title TEXT", "rubriken i rapporten"},
    {"--org NAMN", "organisationens namn i rapportens huvud (annars inställningen OrgNamn)"},
    {"--format text|json", "rapporten som text (standard) eller JSON"},
    {"--pdf FIL.pdf", "pappersrapporten som PDF-fil i stället för text"},
    {"--lot PLATS=PARTIKOD", "lotten ger platsen till partiets lista (flera gånger)"},
};
const Option council[] = {
    {"FIL.csv", "partierna: code,name,votes"},
    {"--districts FIL", "rösterna per distrikt: district,code,votes"},
    {"--import RESULTATFIL", "Valmyndighetens resultatfil (XML, zip eller JSON) i stället "
                             "för FIL.csv; --seats och reglerna på valdagen tas då ur filen om "
                             "de inte anges"},
    {"--constituencies FIL", "en kommun med valkretsar: "
                             "constituency,fixed_seats,code,name,votes"},
    {"--first-divisor 1.2|1.4", "första divisorn (standard 1.2; med --import valdagens regel)"},
    {"--threshold PROCENT", "spärren i procent (standard 2, med valkretsar 3; 0 = ingen; "
                            "med --import valdagens regel)"},
};
const Option committee[] = {
    {"FIL.csv", "partierna: code,name,council_seats"},
    {"--fixed PAR", "fast valsamverkan: de markerade paren bildar listor, t.ex. S-V,M-KD"},
    {"--all PAR", "alla kombinationer som de markerade paren tillåter (högst 9 partier)"},
};

template <size_t N> QString table(const Option (&options)[N])
{
    QString text;
    for (const Option& o : options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromUtf8(o.names), -26)
                    .arg(QString::fromUtf8(o.text));
    return text;
}

} // namespace

QString CalcHelp::usage(const QString& command)
{
    if (command == QLatin1String("council"))
        return QStringLiteral("användning: valsit-calc council --seats N [flaggor] FIL.csv\n"
                              "            valsit-calc council --import RESULTATFIL [flaggor]\n"
                              "            valsit-calc council --seats N --constituencies FIL "
                              "[flaggor]\n\n"
                              "Fördelar fullmäktiges platser med den jämkade uddatalsmetoden.\n\n"
                              "Flaggor:\n") +
               table(council) + table(common);
    if (command == QLatin1String("committee"))
        return QStringLiteral("användning: valsit-calc committee --seats N [--fixed PAR | --all "
                              "PAR] [flaggor] FIL.csv\n\n"
                              "Fördelar en nämnds platser med d'Hondts metod, med valsamverkan.\n"
                              "PAR är parnummer (1 till 120) eller partikoder, t.ex. 1,3 eller "
                              "S-V.\n\n"
                              "Flaggor:\n") +
               table(committee) + table(common);
    return QStringLiteral("användning: valsit-calc council|committee [flaggor] [FIL.csv]\n\n"
                          "Fördelar platser utan fönster: council för fullmäktige, committee för "
                          "en nämnd.\n\n"
                          "  valsit-calc council --help    flaggorna för fullmäktige\n"
                          "  valsit-calc committee --help  flaggorna för en nämnd\n"
                          "  valsit-calc --version         programmets version\n\n"
                          "Fel i indata ger en rad på standard error och slutstatus 2.\n");
}

QString CalcHelp::answer(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    // The calculation's own options are unknown here; only these two matter.
    parser.parse(QStringList{QStringLiteral("valsit-calc")} + arguments);
    if (parser.isSet(version))
        return QStringLiteral("valsit-calc ") + AppInfo::version() + QLatin1Char('\n');
    if (!parser.isSet(help))
        return QString();
    const QString command = arguments.value(0);
    return usage(command == QLatin1String("council") || command == QLatin1String("committee")
                     ? command
                     : QString());
}
