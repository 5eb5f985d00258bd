#pragma once

#include "seats/SeatLot.h"

#include <QJsonArray>
#include <QStringList>
#include <QVector>

struct PartyTable;
struct SeatResult;

// valsit-calc's --lot SEAT=CODE: a lot drawn for a seat where comparison numbers are
// equal, giving the seat to the party's list. Each is checked against the input before
// the run and against the ties after it; one that cannot be applied is an error, never
// passed over in silence.
namespace LotOption {

// Throws CalcError on a value that is not SEAT=CODE with a seat in 1..seats, or on a
// seat given twice.
QVector<SeatLot> parse(const QStringList& values, int seats);
// Throws CalcError when a lot's seat is past the seats to share.
void checkSeats(const QVector<SeatLot>& lots, int seats);
// Throws CalcError when a lot names no party of the input.
void checkCodes(const QVector<SeatLot>& lots, const PartyTable& parties);
// Throws CalcError when a lot of the run was not applied.
void checkApplied(const SeatResult& result);

// The JSON of the run's ties and lots.
QJsonArray ties(const SeatResult& result);
QJsonArray lots(const SeatResult& result);

} // namespace LotOption
