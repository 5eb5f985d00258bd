#include "cli/DatabaseCalc.h"

#include "cli/CalcError.h"
#include "cli/CalcOptions.h"
#include "cli/CommitteeCalc.h"
#include "cli/ResultJson.h"
#include "committee/CommitteeEntry.h"
#include "committee/CommitteeRun.h"
#include "committee/CommitteeSetup.h"
#include "council/CouncilFromFile.h"
#include "council/CouncilRun.h"
#include "council/CouncilSeatStore.h"
#include "council/CouncilSetup.h"
#include "council/ImportedVotes.h"
#include "council/ResultImport.h"
#include "council/ValkretsRun.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "data/ProgramFolder.h"
#include "data/Recordset.h"
#include "data/ResultFileError.h"
#include "data/ResultFileReader.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "seats/SeatResult.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <memory>

namespace {

// The file as the user named it, in every message.
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// An election file that can be used: there, an election database and passing SQLite's
// own check. Anything else is refused before a byte of it is read by a calculation or
// written.
void requireSound(const QString& path)
{
    const ElectionDatabase::FileKind kind = ElectionDatabase::verify(path);
    if (kind == ElectionDatabase::ElectionFile)
        return;
    if (kind == ElectionDatabase::Damaged)
        throw CalcError(QStringLiteral("databasen %1 är skadad och har inte ändrats; ersätt den "
                                       "med en säkerhetskopia")
                            .arg(shown(path)));
    if (kind == ElectionDatabase::Missing)
        throw CalcError(QStringLiteral("databasen %1 finns inte").arg(shown(path)));
    throw CalcError(shown(path) + QStringLiteral(": ") + ElectionDatabase::refusalText(kind, path));
}

QString dbText(const DbError& e)
{
    return e.Description();
}

} // namespace

DatabaseCalc::DatabaseCalc(QTextStream& out) : m_out(out) {}

bool DatabaseCalc::handles(const QStringList& arguments)
{
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("import"))
        return true;
    for (const QString& a : arguments)
        if (a == QLatin1String("--database") || a.startsWith(QLatin1String("--database=")))
            return true;
    return false;
}

QString DatabaseCalc::usage()
{
    return QStringLiteral(
        "            valsit-calc import RESULTATFIL --database FIL.mdb [--replace]\n"
        "            valsit-calc council --database FIL.mdb [--format text|json]\n"
        "                   [--pdf FIL.pdf] [--org NAMN] [--store-seats]\n"
        "            valsit-calc committee --database FIL.mdb [--format text|json]\n"
        "                   [--pdf FIL.pdf] [--org NAMN]\n");
}

void DatabaseCalc::run(const QStringList& arguments)
{
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("fil"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("form"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("fil"));
    const QCommandLineOption org(QStringLiteral("org"), QString(), QStringLiteral("namn"));
    const QCommandLineOption replace(QStringLiteral("replace"));
    const QCommandLineOption storeSeats(QStringLiteral("store-seats"));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({database, format, pdf, org, replace, storeSeats});
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            throw CalcError(
                QStringLiteral("okänd flagga --%1").arg(parser.unknownOptionNames().first()));
        throw CalcError(QStringLiteral("%1 saknar värde").arg(arguments.last()));
    }
    const QString command = arguments.value(0);
    const QString file = parser.value(database);
    if (file.isEmpty())
        throw CalcError(QStringLiteral("--database saknar värde"));
    const QString formatText = parser.isSet(format) ? parser.value(format) : QStringLiteral("text");
    if (formatText != QLatin1String("text") && formatText != QLatin1String("json"))
        throw CalcError(
            QStringLiteral("--format ska vara text eller json, inte \"%1\"").arg(formatText));
    const bool json = formatText == QLatin1String("json");
    // The parser takes the command for the program's name and skips it.
    const QStringList positional = parser.positionalArguments();

    if (command == QLatin1String("import")) {
        if (positional.size() != 1)
            throw CalcError(QStringLiteral("ange en resultatfil: valsit-calc import RESULTATFIL "
                                           "--database FIL.mdb"));
        if (parser.isSet(format) || parser.isSet(pdf) || parser.isSet(storeSeats))
            throw CalcError(QStringLiteral("import tar bara --database och --replace"));
        importResult(positional.first(), file, parser.isSet(replace));
        return;
    }
    if (!positional.isEmpty())
        throw CalcError(QStringLiteral("med --database läses allt ur databasen: ange ingen "
                                       "indatafil (%1)")
                            .arg(positional.first()));
    if (parser.isSet(replace))
        throw CalcError(QStringLiteral("--replace gäller bara import"));
    if (command == QLatin1String("council")) {
        council(file, json, parser.value(pdf), parser.value(org), parser.isSet(storeSeats));
    } else if (command == QLatin1String("committee")) {
        if (parser.isSet(storeSeats))
            throw CalcError(QStringLiteral("--store-seats gäller bara council"));
        committee(file, json, parser.value(pdf), parser.value(org));
    } else {
        throw CalcError(QStringLiteral("okänt kommando \"%1\": ange import, council eller "
                                       "committee")
                            .arg(command));
    }
}

void DatabaseCalc::importResult(const QString& resultFile, const QString& database, bool replace)
{
    const bool exists = QFileInfo::exists(database);
    if (exists && !replace)
        throw CalcError(QStringLiteral("%1 finns redan; ange --replace för att ersätta partierna, "
                                       "distrikten och rösterna i den")
                            .arg(shown(database)));
    ResultFile result;
    ImportedVotes votes;
    try {
        result = ResultFileReader::read(resultFile);
        votes = ImportedVotes::from(result);
    } catch (const ResultFileError& e) {
        throw CalcError(shown(resultFile) + QStringLiteral(": ") + e.message() +
                        QStringLiteral(" Ingenting har ändrats."));
    }
    try {
        if (exists) {
            requireSound(database);
            ElectionDatabase election(database);
            ResultImport::apply(election, votes, ResultImport::rules(result)); // as "Ja" does
        } else {
            // Made whole beside its final name and put in place only then: no half file.
            const QString templateFile =
                ProgramFolder::pristineTemplate(QCoreApplication::applicationDirPath());
            requireSound(templateFile);
            const QString partial = database + QStringLiteral(".tmp");
            QFile::remove(partial);
            if (!QFile::copy(templateFile, partial))
                throw CalcError(QStringLiteral("%1 kunde inte skapas; kontrollera att mappen går "
                                               "att skriva i och att disken inte är full")
                                    .arg(shown(database)));
            QFile::setPermissions(partial, QFile::permissions(partial) | QFile::WriteOwner);
            try {
                {
                    // Closed again before the file is renamed (Windows refuses an open one).
                    ElectionDatabase election(partial);
                    ResultImport::apply(election, votes, ResultImport::rules(result));
                }
                ElectionSettings::update(partial, [&](ElectionSettings& s) {
                    s.heading = QStringLiteral("för ") + result.municipalityName;
                });
            } catch (...) {
                QFile::remove(partial);
                throw;
            }
            if (!QFile::rename(partial, database)) {
                QFile::remove(partial);
                throw CalcError(QStringLiteral("%1 kunde inte skapas").arg(shown(database)));
            }
        }
    } catch (const DbError& e) {
        throw CalcError(shown(database) + QStringLiteral(": ") + dbText(e) +
                        QStringLiteral(" Ingenting har ändrats."));
    }
    m_out << shown(database) << ": " << result.municipalityName << ", " << votes.parties.size()
          << " partier, " << votes.districts.size() << " valdistrikt, " << votes.seats
          << " mandat\n";
}

void DatabaseCalc::council(const QString& database, bool json, const QString& pdfFile,
                           const QString& org, bool storeSeats)
{
    requireSound(database);
    try {
        auto db = std::make_shared<ElectionDatabase>(database);
        CouncilSetup setup;
        const QString problem = CouncilFromFile::prepare(setup, db);
        if (!problem.isEmpty())
            throw CalcError(shown(database) + QStringLiteral(": ") + problem);
        ReportHeader header = ReportHeader::of(org, QDate::currentDate());
        header.sourceNote =
            ReportHeader::sourceText(setup.AntValsit(), setup.ruleText(),
                                     QFileInfo(database).fileName(), QDateTime::currentDateTime());
        if (!pdfFile.isEmpty()) {
            CouncilRun::saveAsPdf(setup, *db, header, pdfFile,
                                  QStringLiteral("Valsit - Preliminär Fullmäktige"));
            m_out << pdfFile << '\n';
        } else {
            PlainTextControl text;
            PlainReportWindow window(&text);
            const auto result = std::make_unique<SeatResult>();
            if (json && !ValkretsRun::applies(*db)) {
                CouncilRun::runOnScreen(setup, *db, header, &window, *result);
                m_out
                    << QJsonDocument(ResultJson::council(*result)).toJson(QJsonDocument::Indented);
            } else if (json) {
                ValkretsRun::runOnScreen(setup, *db, header, &window);
                QJsonArray parties;
                for (int i = 1; i <= setup.AntPartier(); ++i)
                    parties.append(QJsonObject{{QStringLiteral("code"), setup.partiIdAt(i)},
                                               {QStringLiteral("seats"), setup.PartiValRes(i)}});
                m_out << QJsonDocument(
                             QJsonObject{{QStringLiteral("kind"), QStringLiteral("council")},
                                         {QStringLiteral("seats"), setup.AntValsit()},
                                         {QStringLiteral("parties"), parties}})
                             .toJson(QJsonDocument::Indented);
            } else {
                CouncilFromFile::run(setup, *db, header, &window);
                for (const QString& line : text.lines())
                    m_out << line << '\n';
            }
        }
        if (storeSeats) {
            const CouncilFromFile::Outcome outcome = CouncilFromFile::calculate(db);
            CouncilSeatStore::store(*db, outcome, QDateTime::currentDateTime());
            if (!json)
                m_out << CouncilSeatStore::storedText(outcome) << '\n';
        }
    } catch (const DbError& e) {
        throw CalcError(shown(database) + QStringLiteral(": ") + dbText(e));
    }
}

void DatabaseCalc::committee(const QString& database, bool json, const QString& pdfFile,
                             const QString& org)
{
    requireSound(database);
    try {
        auto db = std::make_shared<ElectionDatabase>(database);
        const ElectionSettings settings = ElectionSettings::read(*db);
        CommitteeSetup setup;
        setup.setAntValsit(settings.committeeSeats);
        setup.setRubrik1(CommitteeEntry::HamtaRubrik(settings.heading));
        Recordset parties;
        parties.open(db, CommitteeEntry::partyQuery());
        QString message;
        if (CommitteeEntry::loadParties(parties, setup, &message) != CommitteeEntry::Loaded)
            throw CalcError(shown(database) +
                            QStringLiteral(": partiernas valsit i fullmäktige räcker inte till "
                                           "en nämndberäkning"));
        const bool cooperation = settings.cooperation != ElectionSettings::Cooperation::None;
        CommitteeEntry::applyMarks(setup, cooperation ? settings.cooperationPairs : QStringList());
        setup.setSamvSW(0, qint16(settings.cooperation));
        CalcOptions options;
        options.format = json ? CalcOptions::Format::Json : CalcOptions::Format::Text;
        options.pdfFile = pdfFile;
        options.title = QStringLiteral("Valsit - Nämnd");
        options.org = org;
        ReportHeader header = options.header();
        header.sourceNote =
            ReportHeader::sourceText(setup.AntValsit(), setup.ruleText(),
                                     QFileInfo(database).fileName(), QDateTime::currentDateTime());
        CommitteeCalc::write(CommitteeRun::input(setup, *db), options, header, m_out);
    } catch (const DbError& e) {
        throw CalcError(shown(database) + QStringLiteral(": ") + dbText(e));
    }
}
