#pragma once

// What the user chose to see in a report beside the seats: the comparison-number list
// (none, with two decimals, or in full) and the lines on ties and lots under the result.
struct ReportChoices
{
    enum class Comparison { None, TwoDecimals, Full };

    Comparison comparison = Comparison::None;
    bool showLots = false;

    bool operator==(const ReportChoices& other) const
    {
        return comparison == other.comparison && showLots == other.showLots;
    }
};
