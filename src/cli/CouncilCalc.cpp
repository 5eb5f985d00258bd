#include "cli/CouncilCalc.h"

#include "cli/CalcError.h"
#include "cli/CsvTable.h"
#include "cli/LotOption.h"
#include "cli/PdfOutput.h"
#include "cli/ResultJson.h"
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
#include <memory>

CouncilCalc::CouncilCalc(const CalcOptions& options, MessageService& messages)
    : m_options(options), m_messages(messages)
{
}

void CouncilCalc::load()
{
    m_seats = m_options.seats;
    m_rules.forstaDivisor = m_options.firstDivisor;
    m_rules.sparr = m_options.threshold;
    if (!m_options.importFile.isEmpty()) {
        loadImport();
        return;
    }
    m_parties =
        PartyTable::read(m_options.inputFile, QStringLiteral("votes"), QStringLiteral("röster"));
    LotOption::checkCodes(m_options.lots, m_parties);
    if (!m_options.districtsFile.isEmpty())
        loadDistricts();
}

void CouncilCalc::loadDistricts()
{
    const QString& path = m_options.districtsFile;
    const CsvTable csv = CsvTable::read(
        path, {QStringLiteral("district"), QStringLiteral("code"), QStringLiteral("votes")});
    const int n = int(m_parties.parties.size());
    QMap<QString, int> index;
    for (const CsvTable::Row& row : csv.rows()) {
        const QString& name = row.fields.at(0);
        if (name.isEmpty())
            throw CalcError(
                QStringLiteral("%1 rad %2: distriktets namn saknas").arg(path).arg(row.lineNumber));
        const int slot = m_parties.slotOf(row.fields.at(1));
        // A party without votes in the party file may be listed with none here too.
        if (slot == 0 && m_parties.withoutValue.contains(row.fields.at(1), Qt::CaseInsensitive) &&
            csv.count(row, 2, QStringLiteral("röster")) == 0)
            continue;
        if (slot == 0)
            throw CalcError(QStringLiteral("%1 rad %2: okänt parti %3")
                                .arg(path)
                                .arg(row.lineNumber)
                                .arg(row.fields.at(1)));
        const qint32 votes = csv.count(row, 2, QStringLiteral("röster"));
        if (!index.contains(name)) {
            index.insert(name, int(m_districts.size()));
            m_districts.append({name, QVector<qint32>(n + 1, -1)}); // -1: no row yet
        }
        District& d = m_districts[index.value(name)];
        if (d.votes[slot] >= 0)
            throw CalcError(QStringLiteral("%1 rad %2: %3 har redan röster i %4")
                                .arg(path)
                                .arg(row.lineNumber)
                                .arg(m_parties.parties.at(slot - 1).code, name));
        d.votes[slot] = votes;
    }

    // The district table must add up to the party totals the seats are computed from:
    // a district file that does not is a typing error somewhere, not a result.
    for (int slot = 1; slot <= n; ++slot) {
        qint64 sum = 0;
        for (const District& d : m_districts)
            sum += qMax(d.votes[slot], 0);
        const PartyTable::Party& p = m_parties.parties.at(slot - 1);
        if (sum != p.value)
            throw CalcError(
                QStringLiteral("%1: distriktens röster för %2 blir %3, men partiet har %4")
                    .arg(path, p.code)
                    .arg(sum)
                    .arg(p.value));
    }
    // The districts are written in the Swedish order of their names, as in the program.
    std::stable_sort(m_districts.begin(), m_districts.end(),
                     [](const District& a, const District& b) {
                         return SwedishOrder::lessThan(a.name, b.name);
                     });
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
    if (m_seats == 0)
        m_seats = votes.seats;
    if (m_seats < 5 || m_seats > 350)
        throw CalcError(QStringLiteral("%1: %2 mandat; ange --seats mellan 5 och 350")
                            .arg(m_options.importFile)
                            .arg(m_seats));
    LotOption::checkSeats(m_options.lots, m_seats);
    if (!m_options.rulesGiven) {
        m_rules = ResultImport::rules(file);
        m_rulesNote =
            QStringLiteral("valdagen %1 ger %2")
                .arg(ReportHeader::dateText(file.electionDate), ResultImport::rulesText(file));
    }
    PublishedSeats count;
    count.countedDistricts = votes.countedDistricts;
    count.allDistricts = votes.allDistricts;
    m_countNote = count.countNote();
    // The reader refuses counts past ResultLimits, so every count fits the engine's 32 bits.
    for (const ImportedVotes::Party& p : votes.parties) {
        m_parties.parties.append({p.code, p.name, qint32(p.votes)});
        if (p.publishedSeats >= 0 && m_seats == votes.seats)
            m_published.insert(p.code, p.publishedSeats);
    }
    LotOption::checkCodes(m_options.lots, m_parties);
    for (const ImportedVotes::District& d : votes.districts) {
        District district{d.name, QVector<qint32>(d.votes.size() + 1, 0)};
        for (int i = 0; i < d.votes.size(); ++i)
            district.votes[i + 1] = qint32(d.votes.at(i));
        m_districts.append(district);
    }
    std::stable_sort(m_districts.begin(), m_districts.end(),
                     [](const District& a, const District& b) {
                         return SwedishOrder::lessThan(a.name, b.name);
                     });
}

void CouncilCalc::prepare(RostBer& engine) const
{
    CalcOptions options = m_options;
    options.seats = m_seats; // an imported file may give them
    options.applyTo(engine);
    ReportHeader header = engine.reportHeader();
    header.countNote = m_countNote;
    engine.setReportHeader(header);
    engine.setPublishedSeats(m_published);
    m_parties.loadInto(engine);
    for (int i = 1; i <= m_parties.parties.size(); ++i)
        engine.setRoster(i, m_parties.parties.at(i - 1).value);
    engine.setVisaDistriktSW(!m_districts.isEmpty());
    engine.setForstaDivisor(m_rules.forstaDivisor);
    engine.setSparr(m_rules.sparr);
}

void CouncilCalc::calculate(RostBer& engine) const
{
    engine.BearbBest();
    if (engine.VisaDistriktSW()) {
        for (const District& d : m_districts) {
            engine.setDistrikt(d.name);
            for (int slot = 1; slot < d.votes.size(); ++slot)
                engine.setDRoster(slot, qMax(d.votes[slot], 0));
            engine.BearbBest1();
        }
    }
    engine.BearbBest2();
    LotOption::checkApplied(engine.result());
}

void CouncilCalc::writeJson(const RostBer& engine, QTextStream& out) const
{
    QJsonObject json = ResultJson::council(engine.result());
    if (!m_published.isEmpty()) {
        QJsonObject published;
        for (auto it = m_published.cbegin(); it != m_published.cend(); ++it)
            published.insert(it.key(), it.value());
        json.insert(QStringLiteral("publishedSeats"), published);
    }
    out << QJsonDocument(json).toJson(QJsonDocument::Indented);
}

void CouncilCalc::run(QTextStream& out)
{
    load();
    RostBer engine(m_messages);
    PlainTextControl text;
    PlainReportWindow window(&text);
    engine.setFormName(&window);
    prepare(engine);
    std::unique_ptr<PdfOutput> pdf;
    if (!m_options.pdfFile.isEmpty()) {
        pdf = std::make_unique<PdfOutput>(m_options.pdfFile, m_options.title);
        engine.setPrinter(&pdf->printer());
        engine.setSkrivUtSW(true);
    }
    calculate(engine);
    if (m_options.format == CalcOptions::Format::Json) {
        if (pdf)
            pdf->finish();
        writeJson(engine, out);
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
