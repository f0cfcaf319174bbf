// SPDX-License-Identifier: MIT
#include "StatisticsSummary.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace brivmemo::statistics {

namespace {

// What the game gives for a pair.
constexpr int PointsPerPair = 10;

struct Totals {
    SummaryRow row;
    int moves = 0;
    int pairs = 0;
};

} // namespace

std::vector<SummaryRow> summarize(const std::vector<GameRecord> &games)
{
    std::map<std::tuple<QString, Level>, Totals> totals;
    for (const GameRecord &game : games) {
        for (std::size_t seat = 0; seat < game.players.size(); ++seat) {
            const PlayerFigures &player = game.players[seat];
            if (player.computer)
                continue;
            Totals &kept = totals[{player.name, game.level}];
            SummaryRow &row = kept.row;
            row.fewestMistakes
                = row.games == 0 ? player.mistakes : std::min(row.fewestMistakes, player.mistakes);
            ++row.games;
            if (game.winner == Draw)
                ++row.draws;
            else if (game.winner == static_cast<int>(seat) + 1)
                ++row.wins;
            else
                ++row.losses;
            row.name = player.name;
            row.level = game.level;
            kept.moves += player.moves;
            kept.pairs += player.points / PointsPerPair;
        }
    }
    std::vector<SummaryRow> rows;
    for (auto &[key, kept] : totals) {
        if (kept.pairs > 0)
            kept.row.movesPerPair = static_cast<double>(kept.moves) / kept.pairs;
        rows.push_back(kept.row);
    }
    return rows;
}

} // namespace brivmemo::statistics
