#include "cli/CommitteeCalc.h"

#include "cli/CalcError.h"
#include "cli/CombinationJson.h"
#include "cli/LotOption.h"
#include "cli/PdfOutput.h"
#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QTextStream>
#include <memory>

CommitteeCalc::CommitteeCalc(const CalcOptions& options, MessageService& messages)
    : m_options(options), m_messages(messages)
{
}

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
                    pair = ValsitBer::pairNumber(qMin(a, b), qMax(a, b));
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
    m_parties = PartyTable::read(m_options.inputFile, QStringLiteral("council_seats"),
                                 QStringLiteral("fullmäktigeplatser"));
    LotOption::checkCodes(m_options.lots, m_parties);
    for (const PartyTable::Party& p : m_parties.parties)
        if (p.code.contains(QLatin1Char(',')) || p.code.contains(QLatin1Char(' ')))
            throw CalcError(
                QStringLiteral("%1: partikoden \"%2\" får inte innehålla komma eller blanksteg")
                    .arg(m_options.inputFile, p.code));
    if (m_options.cooperation == CalcOptions::Cooperation::All && m_parties.parties.size() > 9)
        throw CalcError(QStringLiteral("--all klarar högst 9 partier, filen har %1")
                            .arg(m_parties.parties.size()));
    if (m_options.cooperation != CalcOptions::Cooperation::None)
        m_pairs = parsePairs(m_options.pairs, m_parties);
}

void CommitteeCalc::prepare(ValsitBer& engine) const
{
    m_options.applyTo(engine);
    m_parties.loadInto(engine);
    for (int i = 1; i <= m_parties.parties.size(); ++i)
        engine.setPartiValRes(i, m_parties.parties.at(i - 1).value);
    for (int k = 1; k <= engine.MaxSamv(); ++k)
        engine.setSamvSW(k, 0);
    for (int k : m_pairs)
        engine.setSamvSW(k, 1);
    const qint16 mode = m_options.cooperation == CalcOptions::Cooperation::None    ? 0
                        : m_options.cooperation == CalcOptions::Cooperation::Fixed ? 1
                                                                                   : 2;
    engine.setSamvSW(0, mode);
}

void CommitteeCalc::calculate(ValsitBer& engine, QTextStream* json) const
{
    if (json) {
        // Every combination is written as it is made: all combinations of nine parties
        // would not fit in memory as one document.
        QTextStream& out = *json;
        const char* mode = engine.SamvSW(0) == 0 ? "none" : engine.SamvSW(0) == 2 ? "all" : "fixed";
        out << "{\n    \"kind\": \"committee\",\n    \"seats\": " << engine.AntValsit()
            << ",\n    \"mode\": \"" << mode << "\",\n    \"combinations\": [";
        auto writer = std::make_shared<CombinationJson>(m_options.jsonComparison());
        engine.setResultObserver([&engine, &out, writer]() {
            LotOption::checkApplied(engine.result());
            out << (engine.resultCounter() > 1 ? ",\n        " : "\n        ")
                << writer->write(engine.result());
        });
    }
    engine.AntalResultat(); // the estimate sets the progress maximum, as the windows do
    engine.BearbBest();
    LotOption::checkApplied(engine.result());
    if (json) {
        *json << "\n    ]\n}\n";
        engine.setResultObserver(nullptr);
    }
}

void CommitteeCalc::run(QTextStream& out)
{
    load();
    ValsitBer engine(m_messages);
    PlainTextControl text;
    text.setRecordStyles(false);
    PlainReportWindow window(&text);
    const bool json = m_options.format == CalcOptions::Format::Json;
    engine.setFormName(json ? nullptr : &window);
    prepare(engine);
    std::unique_ptr<PdfOutput> pdf;
    if (!m_options.pdfFile.isEmpty()) {
        pdf = std::make_unique<PdfOutput>(m_options.pdfFile, m_options.title);
        engine.setPrinter(&pdf->printer());
        engine.setSkrivUtSW(true);
    }
    calculate(engine, json ? &out : nullptr);
    const int pages = pdf ? pdf->finish() : 0;
    if (pdf && !json)
        out << m_options.pdfFile << ": " << pages << " sidor\n";
    else if (!json)
        for (const QString& line : text.lines())
            out << line << '\n';
}
