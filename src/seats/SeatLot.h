#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// One lot drawn for a seat where comparison numbers were equal: the party whose list
// takes the seat, the tie it was drawn for (its fingerprint) and how it was drawn, for
// the minutes. After a run it also says what became of it.
struct SeatLot
{
    enum class Outcome {
        Pending,   // not met yet in this run
        Applied,   // gave its seat to its list
        Void,      // the tie it was drawn for is not there any more: not applied
        NotNeeded, // the tie only orders seats every tied list gets: not applied
    };

    int seat = 0;
    QString code;            // a party of the winning list (any member of a group)
    quint64 fingerprint = 0; // of the tie it was drawn for; 0 takes any tie at the seat
    bool byProgram = false;
    QString drawnBy;
    QDateTime drawnAt;
    QString note;

    Outcome outcome = Outcome::Pending;
    int list = 0; // the list that took the seat, when applied
};
