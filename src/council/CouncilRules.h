#pragma once

#include <QDate>
#include <QString>

class RostBer;
class SettingsStore;

// The two rule options of the council calculation: the first divisor (1.2, or 1.4) and a
// threshold in percent of all votes (0 = none). They are kept in the settings store so
// the next calculation offers the same rules. A user who has made no choice gets the
// rules in force since the 2018 elections (prop. 2013/14:48): 1.2 and 2 %, or 3 % in a
// municipality divided into constituencies.
class CouncilRules
{
public:
    static QString divisorKey() { return QStringLiteral("ForstaDivisor"); }
    static QString thresholdKey() { return QStringLiteral("Sparr"); }
    // "1" when the user chose today's rules: they follow the municipality next time.
    static QString todayKey() { return QStringLiteral("GallandeRegler"); }

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

    // The stored rules; a missing or unreadable value falls back to today's rules. Rules
    // stored as today's are today's for this municipality, with or without constituencies.
    static CouncilRules load(const SettingsStore& settings, bool valkretsar);
    void save(SettingsStore& settings, bool valkretsar) const;
    void applyTo(RostBer& engine) const;

    // A threshold typed by the user: digits with at most two decimals, "," or "." as the
    // decimal sign, 0 to 100. False for anything else.
    static bool parseSparr(const QString& text, double* percent);
    // The threshold as the user sees it: "0", "4", "2,5".
    static QString sparrText(double percent);
};
