#pragma once

#include "data/ResultFile.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

// A result file made into the council calculation's input, the same for the vote entry
// window and valsit-calc: the parties with votes, most votes first, then the line of the
// others (CouncilInput::OthersCode) when there are any; every district with a name and a
// number of its own and its votes by party; the seats to share.
struct ImportedVotes
{
    // The program's limits on a party: code and name lengths, and the number of parties.
    static constexpr int MaxCode = 6;
    static constexpr int MaxName = 30;
    static constexpr int MaxParties = 16;

    struct Party
    {
        QString code;
        QString name;
        qint64 votes = 0;
        int publishedSeats = -1; // -1: the file publishes none
    };
    struct District
    {
        int number = 0;
        QString name;
        QString constituency;  // its constituency's code; empty without constituencies
        QVector<qint64> votes; // by party, in the order of `parties`
    };

    struct Constituency
    {
        QString code;
        QString name;
        int fixedSeats = 0;
        // As published per party code: all seats won here, and how many are adjustment
        // seats; empty where the file gives none.
        QMap<QString, int> seats;
        QMap<QString, int> adjustmentSeats;
    };

    int seats = 0;
    // A preliminary count may hold only some districts: the votes are those counted.
    int countedDistricts = 0;
    int allDistricts = 0;
    QList<Party> parties;
    QList<District> districts;
    QList<Constituency> constituencies; // in the file's order; none without constituencies

    // Throws ResultFileError when the file has more parties than the program can take.
    static ImportedVotes from(const ResultFile& file);
};
