#include "ui/seats/LotCommand.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "seats/LotDraw.h"
#include "shell/AppGlobals.h"
#include "shell/AppInfo.h"
#include "shell/Clock.h"
#include "shell/MessageService.h"
#include "shell/SystemRandom.h"
#include "ui/seats/LotDialog.h"
#include "ui/shell/AppServices.h"

namespace LotCommand {

bool record(QWidget* parent, const SeatResult& result, LotStore::Kind kind, const QString& dbPath,
            MessageService& messages, const Clock& clock, RandomSource& random)
{
    const QVector<int> groups = LotDraw::openGroups(result);
    if (groups.isEmpty()) {
        QStringList drawn;
        for (const SeatLot& lot : result.lots)
            if (lot.outcome == SeatLot::Outcome::Applied)
                drawn.append(QString::number(lot.seat));
        messages.msgBox(
            !drawn.isEmpty()
                ? QStringLiteral("Lotten är redan dragen för ") +
                      (drawn.size() == 1
                           ? QStringLiteral("plats ") + drawn.first()
                           : QStringLiteral("platserna ") +
                                 drawn.mid(0, drawn.size() - 1).join(QStringLiteral(", ")) +
                                 QStringLiteral(" och ") + drawn.last()) +
                      QStringLiteral(" och ingår i resultatet. Inga andra lika "
                                     "jämförelsetal avgör vem som får en plats.")
            : result.takesLots
                ? QStringLiteral("Inga lika jämförelsetal i resultatet avgör vem som "
                                 "får en plats, så ingen lottning behövs.")
                : QStringLiteral("När alla kombinationer beräknas tas ingen lottning "
                                 "med. Beräkna den kombination som gäller och lotta "
                                 "där."),
            MessageService::Ok, MessageService::Information, AppInfo::appNamn());
        return false;
    }
    LotDialog dialog(result, groups, clock.now(), messages, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.choice() == LotDialog::Choice::None)
        return false;
    const QVector<SeatLot> lots =
        dialog.choice() == LotDialog::Choice::ByProgram
            ? LotDraw::byProgram(result, dialog.group(), random, clock.now())
            : LotDraw::byHand(result, dialog.group(), dialog.winners(), dialog.drawnBy(),
                              dialog.drawnAt(), dialog.note());
    // Lots that no longer fit their tie are replaced, so the next report starts clean.
    QList<int> stale;
    for (const SeatLot& lot : result.lots)
        if (lot.outcome != SeatLot::Outcome::Applied)
            stale.append(lot.seat);
    ElectionDatabase election(dbPath);
    LotStore(election).record(kind, lots, stale);
    return true;
}

bool recordFor(QWidget* parent, AppServices& services, const SeatResult& result,
               LotStore::Kind kind)
{
    SystemRandom systemRandom;
    try {
        return record(parent, result, kind, AppGlobals::instance().DBSokVag, services.messages,
                      services.clock,
                      services.random ? *services.random
                                      : static_cast<RandomSource&>(systemRandom));
    } catch (const DbError& e) {
        services.messages.msgBox(QStringLiteral("Lotten kunde inte sparas. ") + e.Description(),
                                 MessageService::Ok, MessageService::Critical, AppInfo::appNamn());
        return false;
    }
}

} // namespace LotCommand
