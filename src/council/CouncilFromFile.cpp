#include "council/CouncilFromFile.h"

#include "council/CouncilEntry.h"
#include "council/CouncilFingerprint.h"
#include "council/CouncilRules.h"
#include "council/CouncilRun.h"
#include "council/CouncilSetup.h"
#include "council/ValkretsRun.h"
#include "council/ValkretsStore.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "data/Recordset.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "seats/SeatResult.h"
#include "shell/EngineError.h"

#include <memory>

QString CouncilFromFile::prepare(CouncilSetup& setup, const std::shared_ptr<ElectionDatabase>& db)
{
    DbTransaction read(db->database());
    const ElectionSettings settings = ElectionSettings::read(*db);
    const bool valkretsar = ValkretsStore(*db).hasConstituencies();
    setup.setAntValsit(settings.councilSeats);
    CouncilRules::of(settings, valkretsar).applyTo(setup);
    setup.setRubrik1(CouncilEntry::HamtaRubrik(settings.heading));
    setup.setVisaDistriktSW(settings.districtReport);

    Recordset parties;
    parties.open(db, CouncilEntry::partyQuery());
    int count = 0;
    QString message;
    switch (CouncilEntry::loadParties(parties, setup, true, &message, &count)) {
    case CouncilEntry::Loaded:
        break;
    case CouncilEntry::TooMany:
        return QStringLiteral("%1 partier har röster; högst %2 kan ingå.")
            .arg(count)
            .arg(setup.MaxPartier());
    case CouncilEntry::TooFew:
        return QStringLiteral("%1 partier har röster; minst %2 behövs.")
            .arg(count)
            .arg(setup.MinPartier());
    }
    const QString problem = valkretsar ? ValkretsRun::check(setup, *db) : QString();
    read.commit();
    return problem;
}

void CouncilFromFile::run(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header,
                          ReportWindow* window, Printer* printer)
{
    if (printer) {
        CouncilRun::runOnPaper(setup, db, header, *printer);
    } else if (ValkretsRun::applies(db)) {
        ValkretsRun::runOnScreen(setup, db, header, window);
    } else {
        // The result is a large fixed-size value: on the heap.
        const auto result = std::make_unique<SeatResult>();
        CouncilRun::runOnScreen(setup, db, header, window, *result);
    }
}

CouncilFromFile::Outcome CouncilFromFile::calculate(const std::shared_ptr<ElectionDatabase>& db)
{
    // One read of the file for all of it: the fingerprint is that of the input calculated.
    DbTransaction read(db->database());
    Outcome outcome;
    outcome.fingerprint = CouncilFingerprint::of(read);
    CouncilSetup setup;
    const QString problem = prepare(setup, db);
    if (!problem.isEmpty())
        throw EngineError(QStringLiteral("Mandaten kan inte räknas fram: ") + problem);
    setup.setVisaDistriktSW(false); // the seats only: no report lines per district
    PlainTextControl text;
    PlainReportWindow window(&text);
    run(setup, *db, ReportHeader(), &window);
    read.commit();
    for (int i = 1; i <= setup.AntPartier(); ++i)
        outcome.parties.append({setup.partiIdAt(i).trimmed(), setup.PartiValRes(i)});
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
