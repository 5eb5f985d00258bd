#include "cli/ValkretsCalc.h"

#include "cli/CalcError.h"
#include "cli/CsvTable.h"
#include "cli/PdfOutput.h"
#include "council/ImportedVotes.h"
#include "council/ResultImport.h"
#include "council/ValkretsPaperReport.h"
#include "council/ValkretsScreenReport.h"
#include "data/ResultFileError.h"
#include "data/ResultFileReader.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <cmath>

ValkretsCalc::ValkretsCalc(const CalcOptions& options) : m_options(options) {}

bool ValkretsCalc::hasConstituencies(const QString& importFile)
{
    if (importFile.isEmpty())
        return false;
    try {
        return !ResultFileReader::read(importFile).constituencies.isEmpty();
    } catch (const ResultFileError&) {
        return false;
    }
}

void ValkretsCalc::load()
{
    if (m_options.importFile.isEmpty())
        loadCsv();
    else
        loadImport();
    const QString problem = ValkretsBer::check(m_input);
    if (!problem.isEmpty())
        throw CalcError(
            (m_options.importFile.isEmpty() ? m_options.constituenciesFile : m_options.importFile) +
            QStringLiteral(": ") + problem);
}

// Valmyndigheten's file: its parties (and the others' line), each district's votes summed
// into its constituency, and its seats unless --seats says otherwise.
void ValkretsCalc::loadImport()
{
    const QString& path = m_options.importFile;
    ImportedVotes votes;
    ResultFile file;
    try {
        file = ResultFileReader::read(path);
        votes = ImportedVotes::from(file);
    } catch (const ResultFileError& e) {
        throw CalcError(path + QStringLiteral(": ") + e.message());
    }
    m_input = ValkretsBer::Input();
    m_input.seats = m_options.seats > 0 ? m_options.seats : votes.seats;
    double firstDivisor = m_options.firstDivisor;
    double threshold = m_options.threshold;
    if (!m_options.rulesGiven) {
        // The rules of the election's day; from 2018 the threshold the file names.
        const CouncilRules rules = ResultImport::rules(file);
        firstDivisor = rules.forstaDivisor;
        threshold = rules.forstaDivisor > 1.3 || file.thresholdPercent < 0 ? rules.sparr
                                                                           : file.thresholdPercent;
        m_rulesNote =
            QStringLiteral("valdagen %1 ger %2")
                .arg(ReportHeader::dateText(file.electionDate), ResultImport::rulesText(file));
    } else if (!m_options.thresholdGiven) {
        threshold = firstDivisor > 1.3           ? 0.0
                    : file.thresholdPercent >= 0 ? file.thresholdPercent
                                                 : 3.0;
    }
    m_input.firstDivisorTenths = int(std::lround(firstDivisor * 10));
    m_input.thresholdHundredths = int(std::lround(threshold * 100));
    PublishedSeats count;
    count.countedDistricts = votes.countedDistricts;
    count.allDistricts = votes.allDistricts;
    m_countNote = count.countNote();
    for (const ImportedVotes::Party& p : votes.parties) {
        m_input.codes.append(p.code);
        m_input.names.append(p.name);
    }
    QHash<QString, int> index;
    for (const ImportedVotes::Constituency& c : votes.constituencies) {
        index.insert(c.code, int(m_input.constituencies.size()));
        m_input.constituencies.append(
            {c.name, c.fixedSeats, QVector<qint32>(m_input.codes.size(), 0)});
    }
    for (const ImportedVotes::District& d : votes.districts) {
        const int k = index.value(d.constituency, -1);
        if (k < 0)
            throw CalcError(
                QStringLiteral("%1: distriktet %2 hör inte till någon valkrets").arg(path, d.name));
        for (int p = 0; p < d.votes.size(); ++p)
            m_input.constituencies[k].votes[p] += qint32(d.votes.at(p));
    }
    m_published = PublishedSeats();
    if (m_input.seats == file.seats && file.hasPublishedSeats())
        for (const ImportedVotes::Constituency& c : votes.constituencies)
            m_published.constituencies.append({c.seats, c.adjustmentSeats});
}

void ValkretsCalc::loadCsv()
{
    const QString& path = m_options.constituenciesFile;
    const CsvTable csv = CsvTable::read(
        path, {QStringLiteral("constituency"), QStringLiteral("fixed_seats"),
               QStringLiteral("code"), QStringLiteral("name"), QStringLiteral("votes")});
    m_input = ValkretsBer::Input();
    m_input.seats = m_options.seats;
    m_input.firstDivisorTenths = int(std::lround(m_options.firstDivisor * 10));
    m_input.thresholdHundredths = int(std::lround(m_options.threshold * 100));
    // First the parties and constituencies in the order they first appear, then the votes.
    for (const CsvTable::Row& row : csv.rows()) {
        const QString& name = row.fields.at(0);
        const QString& code = row.fields.at(2);
        if (name.isEmpty())
            throw CalcError(
                QStringLiteral("%1 rad %2: valkretsens namn saknas").arg(path).arg(row.lineNumber));
        if (code.isEmpty())
            throw CalcError(
                QStringLiteral("%1 rad %2: partiets kod saknas").arg(path).arg(row.lineNumber));
        const int fixed = csv.count(row, 1, QStringLiteral("fasta mandat"));
        bool known = false;
        for (const ValkretsBer::Constituency& c : m_input.constituencies) {
            if (c.name != name)
                continue;
            known = true;
            if (c.fixedSeats != fixed)
                throw CalcError(QStringLiteral("%1 rad %2: valkretsen %3 har %4 fasta mandat, men "
                                               "%5 på en tidigare rad")
                                    .arg(path)
                                    .arg(row.lineNumber)
                                    .arg(name)
                                    .arg(fixed)
                                    .arg(c.fixedSeats));
        }
        if (!known)
            m_input.constituencies.append({name, fixed, {}});
        bool party = false;
        for (const QString& c : m_input.codes)
            party = party || c.compare(code, Qt::CaseInsensitive) == 0;
        if (!party) {
            m_input.codes.append(code);
            m_input.names.append(row.fields.at(3));
        }
    }
    const int parties = int(m_input.codes.size());
    for (ValkretsBer::Constituency& c : m_input.constituencies)
        c.votes.fill(-1, parties); // -1: no row yet
    for (const CsvTable::Row& row : csv.rows()) {
        int p = 0;
        while (m_input.codes.at(p).compare(row.fields.at(2), Qt::CaseInsensitive) != 0)
            ++p;
        int k = 0;
        while (m_input.constituencies.at(k).name != row.fields.at(0))
            ++k;
        qint32& votes = m_input.constituencies[k].votes[p];
        if (votes >= 0)
            throw CalcError(QStringLiteral("%1 rad %2: %3 har redan röster i %4")
                                .arg(path)
                                .arg(row.lineNumber)
                                .arg(m_input.codes.at(p), row.fields.at(0)));
        votes = csv.count(row, 4, QStringLiteral("röster"));
    }
    for (ValkretsBer::Constituency& c : m_input.constituencies)
        for (qint32& v : c.votes)
            v = qMax(v, 0);
}

void ValkretsCalc::run(QTextStream& out)
{
    load();
    ValkretsBer engine;
    const ValkretsResult& result = engine.calculate(m_input);
    if (m_options.format == CalcOptions::Format::Json) {
        out << QJsonDocument(json(result)).toJson(QJsonDocument::Indented);
        return;
    }
    ValkretsReportText::Options options;
    options.comparisonNumbers = m_options.comparison != CalcOptions::Comparison::None;
    options.fullNumbers = m_options.comparison == CalcOptions::Comparison::Full;
    const QVector<ValkretsReportText::Line> lines = ValkretsReportText::lines(result, options);
    ReportHeader header = ReportHeader::of(m_options.org, QDate::currentDate());
    header.countNote = m_countNote;
    if (!m_options.pdfFile.isEmpty()) {
        PdfOutput pdf(m_options.pdfFile, m_options.title);
        ValkretsPaperReport paper;
        paper.setPrinter(&pdf.printer());
        paper.print(header, m_options.title, lines);
        const int pages = pdf.finish();
        out << m_options.pdfFile << ": " << pages << " sidor\n";
        return;
    }
    PlainTextControl text;
    PlainReportWindow window(&text);
    ValkretsScreenReport(&window).write(header, m_options.title, lines);
    for (const QString& line : text.lines())
        out << line << '\n';
    for (const QString& line : m_published.comparison(result))
        out << line << '\n';
}

QJsonObject ValkretsCalc::json(const ValkretsResult& r)
{
    QJsonArray parties;
    for (const ValkretsResult::Party& p : r.parties)
        parties.append(QJsonObject{{QStringLiteral("code"), p.code},
                                   {QStringLiteral("name"), p.name},
                                   {QStringLiteral("votes"), p.votes},
                                   {QStringLiteral("eligible"), p.takesPart},
                                   {QStringLiteral("seatCount"), p.total},
                                   {QStringLiteral("fixed"), p.fixed},
                                   {QStringLiteral("adjustment"), p.adjustment},
                                   {QStringLiteral("tie"), p.totalTied}});
    QJsonArray constituencies;
    for (const ValkretsResult::Constituency& c : r.constituencies) {
        QJsonArray seats;
        for (int p = 0; p < r.parties.size(); ++p)
            seats.append(QJsonObject{{QStringLiteral("code"), r.parties.at(p).code},
                                     {QStringLiteral("fixed"), c.fixed.at(p)},
                                     {QStringLiteral("adjustment"), c.adjustment.at(p)}});
        constituencies.append(QJsonObject{{QStringLiteral("name"), c.name},
                                          {QStringLiteral("fixedSeats"), c.fixedSeats},
                                          {QStringLiteral("parties"), seats}});
    }
    return {{QStringLiteral("kind"), QStringLiteral("council")},
            {QStringLiteral("rules"), r.rules == ValkretsResult::Rules::Older
                                          ? QStringLiteral("older")
                                          : QStringLiteral("current")},
            {QStringLiteral("seats"), r.seats},
            {QStringLiteral("firstDivisor"), r.firstDivisorTenths / 10.0},
            {QStringLiteral("threshold"), r.thresholdHundredths / 100.0},
            {QStringLiteral("parties"), parties},
            {QStringLiteral("constituencies"), constituencies}};
}
