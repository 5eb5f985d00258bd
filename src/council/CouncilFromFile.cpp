#include "council/CouncilFromFile.h"

#include "council/CouncilEntry.h"
#include "council/CouncilFingerprint.h"
#include "council/CouncilRules.h"
#include "council/CouncilRun.h"
#include "council/RostBer.h"
#include "council/ValkretsRun.h"
#include "council/ValkretsStore.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "data/Recordset.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "shell/EngineError.h"

#include <memory>

QString CouncilFromFile::prepare(RostBer& engine, const QString& dbPath, MessageService& messages)
{
    auto db = std::make_shared<ElectionDatabase>(dbPath);
    const ElectionSettings settings = ElectionSettings::read(*db);
    const bool valkretsar = ValkretsStore(dbPath).hasConstituencies();
    engine.setAntValsit(settings.councilSeats);
    CouncilRules::of(settings, valkretsar).applyTo(engine);
    engine.setRubrik1(CouncilEntry::HamtaRubrik(settings.heading));
    engine.setVisaDistriktSW(settings.districtReport);

    Recordset parties;
    parties.open(db, CouncilEntry::partyQuery());
    int count = 0;
    switch (CouncilEntry::loadParties(parties, engine, true, messages, QStringLiteral("Valsit"),
                                      &count)) {
    case CouncilEntry::Loaded:
        break;
    case CouncilEntry::TooMany:
        return QStringLiteral("%1 partier har röster; högst %2 kan ingå.")
            .arg(count)
            .arg(engine.MaxPartierF());
    case CouncilEntry::TooFew:
        return QStringLiteral("%1 partier har röster; minst %2 behövs.")
            .arg(count)
            .arg(engine.MinPartier());
    }
    return valkretsar ? ValkretsRun::check(engine, dbPath) : QString();
}

void CouncilFromFile::run(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                          ReportWindow* window, Printer* printer)
{
    if (printer)
        CouncilRun::runOnPaper(engine, dbPath, header, *printer);
    else if (ValkretsRun::applies(dbPath))
        ValkretsRun::runOnScreen(engine, dbPath, header, window);
    else
        CouncilRun::run(engine, dbPath, header);
}

CouncilFromFile::Outcome CouncilFromFile::calculate(const QString& dbPath, MessageService& messages)
{
    Outcome outcome;
    outcome.fingerprint = CouncilFingerprint::of(dbPath);
    RostBer engine(messages);
    PlainTextControl text;
    PlainReportWindow window(&text);
    engine.setFormName(&window);
    const QString problem = prepare(engine, dbPath, messages);
    if (!problem.isEmpty())
        throw EngineError(QStringLiteral("Mandaten kan inte räknas fram: ") + problem);
    engine.setVisaDistriktSW(false); // the seats only: no report lines per district
    run(engine, dbPath, ReportHeader(), &window);
    for (int i = 1; i <= engine.AntPartier(); ++i)
        outcome.parties.append({engine.partiIdAt(i).trimmed(), engine.PartiValRes(i)});
    // Read in parts, so a change made by another program meanwhile would mix two inputs.
    if (CouncilFingerprint::of(dbPath) != outcome.fingerprint)
        throw EngineError(QStringLiteral("Databasen ändrades medan mandaten räknades fram. "
                                         "Försök igen."));
    return outcome;
}

QString CouncilFromFile::seatsText(const Outcome& outcome)
{
    QStringList parts;
    // The parties that won seats: the others (and the line of votes for no party) are
    // stored as 0 all the same.
    for (const PartySeats& p : outcome.parties)
        if (p.seats > 0)
            parts.append(p.code + QLatin1Char(' ') + QString::number(p.seats));
    return parts.join(QStringLiteral(", "));
}
