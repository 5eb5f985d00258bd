#pragma once

#include "seats/LotStore.h"

#include <QString>

struct AppServices;
class Clock;
class MessageService;
class QWidget;
class RandomSource;
struct SeatResult;

// The command "Lottning" of the result windows: settles a tie that decides who gets a
// seat, by hand or by the program, and stores the lot.
namespace LotCommand {

// Asks how to settle a tie of `result` that decides who gets a seat, draws or takes the
// lot and stores it, in place of any lot of the result that is void. Says so and gives
// false when there is nothing to settle or the user cancels; true when a lot was stored
// (the report is to be made again). Throws DbError when it cannot be stored.
bool record(QWidget* parent, const SeatResult& result, LotStore::Kind kind, const QString& dbPath,
            MessageService& messages, const Clock& clock, RandomSource& random);

// record() with the working database and the window's services (the system's random
// source when they have none); a lot that cannot be stored is told to the user (false).
bool recordFor(QWidget* parent, AppServices& services, const SeatResult& result,
               LotStore::Kind kind);

} // namespace LotCommand
