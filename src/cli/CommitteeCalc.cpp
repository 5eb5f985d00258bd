#include "cli/CommitteeCalc.h"

#include "cli/CalcError.h"
#include "cli/CommitteeJsonReport.h"
#include "cli/LotOption.h"
#include "cli/PdfOutput.h"
#include "cli/StreamTextControl.h"
#include "committee/CommitteePaperReport.h"
#include "committee/CommitteeScreenReport.h"
#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QTextStream>
#include <memory>

CommitteeCalc::CommitteeCalc(const CalcOptions& options) : m_options(options) {}

QVector<int> CommitteeCalc::parsePairs(const QString& text, const PartyTable& parties)
{
    const int n = int(parties.parties.size());
    const int maxPair = n * (n - 1) / 2;
    QVector<int> pairs;
    const QStringList tokens = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (tokens.isEmpty())
        throw CalcError(QStringLiteral("inga par angivna"));
    for (const QString& raw : tokens) {
        const QString token = raw.trimmed();
        bool isNumber = false;
        const int number = token.toInt(&isNumber);
        int pair = 0;
        if (isNumber) {
            if (number < 1 || number > maxPair)
                throw CalcError(QStringLiteral("paret %1 finns inte bland %2 partier (1-%3)")
                                    .arg(token)
                                    .arg(n)
                                    .arg(maxPair));
            pair = number;
        } else {
            // A code may itself hold a '-': try every split until both halves are codes.
            for (int at = token.indexOf(QLatin1Char('-')); at > 0 && pair == 0;
                 at = token.indexOf(QLatin1Char('-'), at + 1)) {
                const int a = parties.slotOf(token.left(at).trimmed());
                const int b = parties.slotOf(token.mid(at + 1).trimmed());
                if (a && b && a != b)
                    pair = CommitteeInput::pairNumber(qMin(a, b), qMax(a, b));
            }
            if (pair == 0)
                throw CalcError(
                    QStringLiteral("paret \"%1\" är inga två kända partikoder").arg(token));
        }
        if (!pairs.contains(pair))
            pairs.append(pair);
    }
    return pairs;
}

void CommitteeCalc::load()
{
    const PartyTable parties = PartyTable::read(
        m_options.inputFile, QStringLiteral("council_seats"), QStringLiteral("fullmäktigeplatser"));
    LotOption::checkCodes(m_options.lots, parties);
    for (const PartyTable::Party& p : parties.parties)
        if (p.code.contains(QLatin1Char(',')) || p.code.contains(QLatin1Char(' ')))
            throw CalcError(
                QStringLiteral("%1: partikoden \"%2\" får inte innehålla komma eller blanksteg")
                    .arg(m_options.inputFile, p.code));
    if (m_options.cooperation == CalcOptions::Cooperation::All && parties.parties.size() > 9)
        throw CalcError(QStringLiteral("--all klarar högst 9 partier, filen har %1")
                            .arg(parties.parties.size()));
    for (const PartyTable::Party& p : parties.parties)
        m_input.parties.append({p.code, p.name, p.value});
    if (m_options.cooperation != CalcOptions::Cooperation::None)
        for (int pair : parsePairs(m_options.pairs, parties))
            m_input.marks.insert(pair);
    m_input.seats = m_options.seats;
    m_input.cooperation = m_options.cooperation == CalcOptions::Cooperation::None
                              ? CommitteeInput::Cooperation::None
                          : m_options.cooperation == CalcOptions::Cooperation::Fixed
                              ? CommitteeInput::Cooperation::Fixed
                              : CommitteeInput::Cooperation::AllCombinations;
    m_input.heading = m_options.title;
    m_input.report = m_options.reportChoices();
    m_input.lots = m_options.lots;
}

void CommitteeCalc::run(QTextStream& out)
{
    load();
    write(m_input, m_options, m_options.header(), out);
}

void CommitteeCalc::write(const CommitteeInput& input, const CalcOptions& options,
                          const ReportHeader& header, QTextStream& out)
{
    const bool json = options.format == CalcOptions::Format::Json;
    const QString letter = ValsitBer::runLetterText(1);
    // An all-combinations run (up to two million results, and never a lot to check after
    // it) goes out as it is written; a single result waits until its lots are checked, so
    // a refused lot leaves nothing on standard output.
    const bool streamed = input.cooperation == CommitteeInput::Cooperation::AllCombinations;
    StreamTextControl stream(out);
    PlainTextControl text;
    text.setRecordStyles(false);
    PlainReportWindow window(streamed ? static_cast<RichTextControl*>(&stream) : &text);
    std::unique_ptr<PdfOutput> pdf;
    std::unique_ptr<SeatReport> report;
    if (!options.pdfFile.isEmpty()) {
        pdf = std::make_unique<PdfOutput>(options.pdfFile, options.title);
        auto paper = std::make_unique<CommitteePaperReport>(input, letter);
        paper->setPrinter(&pdf->printer());
        paper->setHeader(header);
        report = std::move(paper);
    } else {
        // With JSON the screen report has no window to go to.
        report = std::make_unique<CommitteeScreenReport>(json ? nullptr : &window, header, input,
                                                         letter);
    }
    const char* mode = input.cooperation == CommitteeInput::Cooperation::None    ? "none"
                       : input.cooperation == CommitteeInput::Cooperation::Fixed ? "fixed"
                                                                                 : "all";
    CommitteeJsonReport jsonReport(out, mode, options.jsonComparison(), report.get());
    // The engine holds a large fixed-size result: on the heap.
    const auto engine = std::make_unique<ValsitBer>(input);
    engine->run(json ? static_cast<SeatReport&>(jsonReport) : *report);
    LotOption::checkApplied(engine->result());
    const int pages = pdf ? pdf->finish() : 0;
    if (json)
        out << "\n    ]\n}\n";
    else if (pdf)
        out << options.pdfFile << ": " << pages << " sidor\n";
    else if (!streamed)
        for (const QString& line : text.lines())
            out << line << '\n';
}
