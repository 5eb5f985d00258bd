#pragma once

#include <QString>

class RostBer;
class SettingsStore;

// The two rule options of the council calculation under current Swedish rules: the
// first divisor (1.4, or 1.2) and a threshold in percent of all votes (0 = none). They
// are kept in the settings store so the next calculation offers the same rules.
class CouncilRules
{
public:
    static QString divisorKey() { return QStringLiteral("ForstaDivisor"); }
    static QString thresholdKey() { return QStringLiteral("Sparr"); }

    double forstaDivisor = 1.4;
    double sparr = 0.0;

    // The stored rules; anything unreadable falls back to the defaults 1.4 and 0.
    static CouncilRules load(const SettingsStore& settings);
    void save(SettingsStore& settings) const;
    void applyTo(RostBer& engine) const;

    // A threshold typed by the user: digits with at most two decimals, "," or "." as the
    // decimal sign, 0 to 100. False for anything else.
    static bool parseSparr(const QString& text, double* percent);
    // The threshold as the user sees it: "0", "4", "2,5".
    static QString sparrText(double percent);
};
