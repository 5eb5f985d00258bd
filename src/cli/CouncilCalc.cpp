#include "cli/CouncilCalc.h"

#include "cli/CalcError.h"
#include "cli/CsvTable.h"
#include "cli/LotOption.h"
#include "cli/PartyTable.h"
#include "cli/PdfOutput.h"
#include "cli/ResultJson.h"
#include "council/CouncilPaperReport.h"
#include "council/CouncilScreenReport.h"
#include "council/ImportedVotes.h"
#include "council/PublishedSeats.h"
#include "council/ResultImport.h"
#include "council/RostBer.h"
#include "data/ResultFileError.h"
#include "data/ResultFileReader.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "report/ReportHeader.h"
#include "shell/SwedishOrder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <memory>

CouncilCalc::CouncilCalc(const CalcOptions& options) : m_options(options) {}

void CouncilCalc::load()
{
    m_input.seats = m_options.seats;
    m_input.heading = m_options.title;
    m_input.report = m_options.reportChoices();
    m_input.lots = m_options.lots;
    applyRules(m_options.firstDivisor, m_options.threshold);
    if (!m_options.importFile.isEmpty())
        loadImport();
    else
        loadParties();
    m_input.showDistricts = !m_input.districts.isEmpty();
    sortDistricts();
}

void CouncilCalc::loadParties()
{
    const PartyTable parties =
        PartyTable::read(m_options.inputFile, QStringLiteral("votes"), QStringLiteral("röster"));
    LotOption::checkCodes(m_options.lots, parties);
    m_withoutVotes = parties.withoutValue;
    for (const PartyTable::Party& p : parties.parties)
        m_input.parties.append({p.code, p.name, p.value});
    if (!m_options.districtsFile.isEmpty())
        loadDistricts();
}

void CouncilCalc::loadDistricts()
{
    const QString& path = m_options.districtsFile;
    const CsvTable csv = CsvTable::read(
        path, {QStringLiteral("district"), QStringLiteral("code"), QStringLiteral("votes")});
    PartyTable parties;
    for (const CouncilInput::Party& p : m_input.parties)
        parties.parties.append({p.code, p.name, p.votes});
    const int n = int(parties.parties.size());
    QMap<QString, int> index;
    QVector<QVector<qint32>> seen; // -1: no row yet for the party in the district
    for (const CsvTable::Row& row : csv.rows()) {
        const QString& name = row.fields.at(0);
        if (name.isEmpty())
            throw CalcError(
                QStringLiteral("%1 rad %2: distriktets namn saknas").arg(path).arg(row.lineNumber));
        const int slot = parties.slotOf(row.fields.at(1));
        // A party without votes in the party file may be listed with none here too.
        if (slot == 0 && m_withoutVotes.contains(row.fields.at(1), Qt::CaseInsensitive) &&
            csv.count(row, 2, QStringLiteral("röster")) == 0)
            continue;
        if (slot == 0)
            throw CalcError(QStringLiteral("%1 rad %2: okänt parti %3")
                                .arg(path)
                                .arg(row.lineNumber)
                                .arg(row.fields.at(1)));
        const qint32 votes = csv.count(row, 2, QStringLiteral("röster"));
        if (!index.contains(name)) {
            index.insert(name, int(seen.size()));
            seen.append(QVector<qint32>(n, -1));
            m_input.districts.append({name, QVector<qint32>(n, 0)});
        }
        const int d = index.value(name);
        if (seen[d][slot - 1] >= 0)
            throw CalcError(QStringLiteral("%1 rad %2: %3 har redan röster i %4")
                                .arg(path)
                                .arg(row.lineNumber)
                                .arg(parties.parties.at(slot - 1).code, name));
        seen[d][slot - 1] = votes;
        m_input.districts[d].votes[slot - 1] = votes;
    }

    // The district table must add up to the party totals the seats are computed from:
    // a district file that does not is a typing error somewhere, not a result.
    for (int slot = 1; slot <= n; ++slot) {
        qint64 sum = 0;
        for (const CouncilInput::District& d : m_input.districts)
            sum += d.votes[slot - 1];
        const PartyTable::Party& p = parties.parties.at(slot - 1);
        if (sum != p.value)
            throw CalcError(
                QStringLiteral("%1: distriktens röster för %2 blir %3, men partiet har %4")
                    .arg(path, p.code)
                    .arg(sum)
                    .arg(p.value));
    }
}

void CouncilCalc::loadImport()
{
    ImportedVotes votes;
    ResultFile file;
    try {
        file = ResultFileReader::read(m_options.importFile);
        if (!file.constituencies.isEmpty())
            throw CalcError(QStringLiteral("%1: kommunen har valkretsar; det räknas inte här ännu")
                                .arg(m_options.importFile));
        votes = ImportedVotes::from(file);
    } catch (const ResultFileError& e) {
        throw CalcError(m_options.importFile + QStringLiteral(": ") + e.message());
    }
    if (m_input.seats == 0)
        m_input.seats = votes.seats;
    if (m_input.seats < 5 || m_input.seats > 350)
        throw CalcError(QStringLiteral("%1: %2 mandat; ange --seats mellan 5 och 350")
                            .arg(m_options.importFile)
                            .arg(m_input.seats));
    LotOption::checkSeats(m_options.lots, m_input.seats);
    if (!m_options.rulesGiven) {
        const CouncilRules rules = ResultImport::rules(file);
        applyRules(rules.forstaDivisor, rules.sparr);
        m_rulesNote =
            QStringLiteral("valdagen %1 ger %2")
                .arg(ReportHeader::dateText(file.electionDate), ResultImport::rulesText(file));
    }
    PublishedSeats count;
    count.countedDistricts = votes.countedDistricts;
    count.allDistricts = votes.allDistricts;
    m_countNote = count.countNote();
    // More parties than the engine has slots would lose some of them from the result.
    if (votes.parties.size() > 16)
        throw CalcError(QStringLiteral("%1: för många partier (%2), högst 16")
                            .arg(m_options.importFile)
                            .arg(votes.parties.size()));
    // The reader refuses counts past ResultLimits, so every count fits the engine's 32 bits.
    for (const ImportedVotes::Party& p : votes.parties) {
        m_input.parties.append({p.code, p.name, qint32(p.votes)});
        if (p.publishedSeats >= 0 && m_input.seats == votes.seats)
            m_input.publishedSeats.insert(p.code, p.publishedSeats);
    }
    PartyTable parties;
    for (const CouncilInput::Party& p : m_input.parties)
        parties.parties.append({p.code, p.name, p.votes});
    LotOption::checkCodes(m_options.lots, parties);
    for (const ImportedVotes::District& d : votes.districts) {
        CouncilInput::District district{d.name, QVector<qint32>(d.votes.size(), 0)};
        for (int i = 0; i < d.votes.size(); ++i)
            district.votes[i] = qMax(qint32(d.votes.at(i)), 0);
        m_input.districts.append(district);
    }
}

// The districts are written in the Swedish order of their names, as in the program.
void CouncilCalc::sortDistricts()
{
    std::stable_sort(m_input.districts.begin(), m_input.districts.end(),
                     [](const CouncilInput::District& a, const CouncilInput::District& b) {
                         return SwedishOrder::lessThan(a.name, b.name);
                     });
}

void CouncilCalc::applyRules(double firstDivisor, double threshold)
{
    m_input.firstDivisorTenths = int(std::lround(firstDivisor * 10.0));
    m_input.thresholdHundredths = int(std::lround(threshold * 100.0));
}

ReportHeader CouncilCalc::header() const
{
    ReportHeader header = m_options.header();
    header.countNote = m_countNote;
    return header;
}

void CouncilCalc::run(QTextStream& out)
{
    load();
    const auto result = std::make_unique<SeatResult>();
    RostBer::calculate(m_input, *result);
    PlainTextControl text;
    PlainReportWindow window(&text);
    std::unique_ptr<PdfOutput> pdf;
    if (!m_options.pdfFile.isEmpty()) {
        pdf = std::make_unique<PdfOutput>(m_options.pdfFile, m_options.title);
        CouncilPaperReport paper(m_input);
        paper.setPrinter(&pdf->printer());
        paper.setHeader(header());
        paper.write(*result);
    } else if (m_options.format != CalcOptions::Format::Json) {
        CouncilScreenReport(&window, header(), m_input).write(*result);
    }
    LotOption::checkApplied(*result);
    if (m_options.format == CalcOptions::Format::Json) {
        if (pdf)
            pdf->finish();
        QJsonObject json = ResultJson::council(*result);
        if (!m_input.publishedSeats.isEmpty()) {
            QJsonObject published;
            for (auto it = m_input.publishedSeats.cbegin(); it != m_input.publishedSeats.cend();
                 ++it)
                published.insert(it.key(), it.value());
            json.insert(QStringLiteral("publishedSeats"), published);
        }
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return;
    }
    if (pdf) {
        const int pages = pdf->finish();
        out << m_options.pdfFile << ": " << pages << " sidor\n";
        return;
    }
    for (const QString& line : text.lines())
        out << line << '\n';
}
