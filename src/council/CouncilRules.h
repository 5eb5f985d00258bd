#pragma once

#include <QDate>
#include <QString>

class ElectionSettings;
class CouncilSetup;

// The two rule options of the council calculation: the first divisor (1.2, or 1.4) and a
// threshold in percent of all votes (0 = none). They are kept with the election
// (ElectionSettings) so the next calculation of the same election has the same rules. A user who
// has made no choice gets the rules in force since the 2018 elections (prop. 2013/14:48): 1.2 and 2
// %, or 3 % in a municipality divided into constituencies.
class CouncilRules
{
public:
    // The rules the user picks by name, or values of the user's own.
    enum Named { Today, Older, Own };
    static QString namedText(Named named, bool valkretsar = false);
    static CouncilRules of(Named named, bool valkretsar = false);
    Named named(bool valkretsar = false) const;
    // The rules in force on an election's day: before 2018 the older ones, from 2018
    // today's (with the threshold of a municipality with or without constituencies).
    static CouncilRules ofElection(const QDate& day, bool valkretsar);

    double forstaDivisor = 1.2;
    double sparr = 2.0;

    // The election's rules. Rules stored as today's are today's for this municipality,
    // with or without constituencies.
    static CouncilRules of(const ElectionSettings& settings, bool valkretsar);
    void storeIn(ElectionSettings& settings, bool valkretsar) const;
    void applyTo(CouncilSetup& setup) const;

    // A threshold typed by the user: digits with at most two decimals, "," or "." as the
    // decimal sign, 0 to 100. False for anything else.
    static bool parseSparr(const QString& text, double* percent);
    // The threshold as the user sees it: "0", "4", "2,5".
    static QString sparrText(double percent);
};
