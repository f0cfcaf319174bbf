// SPDX-License-Identifier: MIT
// The figures the statistics window shows: one row per player and kind of game (two people, or
// each level against the computer), the computer itself not being a player of its own.
#pragma once

#include "GameRecord.h"

#include <optional>
#include <vector>

namespace brivmemo::statistics {

struct SummaryRow {
    QString name;
    // None for the games of two people.
    Level level = Level::None;
    int games = 0;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    // The best game: the fewest mistakes made in one of them.
    int fewestMistakes = 0;
    // All the player's moves over all the pairs the player took; none without a pair.
    std::optional<double> movesPerPair;

    bool operator==(const SummaryRow &) const = default;
};

// Rows ordered by name, then two people before the levels from Beginner to Wizard.
std::vector<SummaryRow> summarize(const std::vector<GameRecord> &games);

} // namespace brivmemo::statistics
