#pragma once

#include "council/CouncilRules.h"

#include "council/ImportedVotes.h"
#include <optional>

#include <QString>

// Puts imported votes into an election database: the parties (with their totals), the
// districts with their constituencies and the votes per district replace what was there,
// in one transaction, so a
// failure leaves the database as it was (DbError is thrown).
class ElectionDatabase;
class ResultImport
{
public:
    // With rules, the election file takes them as the election's rules in the same
    // transaction (an import sets the rules of the election's day).
    static void apply(ElectionDatabase& db, const ImportedVotes& votes,
                      const std::optional<CouncilRules>& rules = std::nullopt);
    // What an import would bring, for the user to confirm before anything changes.
    static QString summary(const ResultFile& file, const ImportedVotes& votes);
    // The question under the summary; a count not yet complete names how many districts
    // are counted.
    static QString question(const ResultFile& file);
    // The rules of the election's day, which an import sets, and their name.
    static CouncilRules rules(const ResultFile& file);
    static QString rulesText(const ResultFile& file);
};
