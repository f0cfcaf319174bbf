// SPDX-License-Identifier: MIT
#include "StatisticsSummary.h"

#include <gtest/gtest.h>

namespace brivmemo::test {

namespace {

using namespace statistics;

PlayerFigures person(const char *name, int points, int mistakes, int moves)
{
    return {QString::fromUtf8(name), false, points, mistakes, moves};
}

PlayerFigures computer(int points, int mistakes, int moves)
{
    return {QStringLiteral("Computer"), true, points, mistakes, moves};
}

GameRecord game(Level level, PlayerFigures first, PlayerFigures second, int winner)
{
    GameRecord made;
    made.kind = level == Level::None ? GameKind::TwoPeople : GameKind::AgainstComputer;
    made.level = level;
    made.players = {std::move(first), std::move(second)};
    made.winner = winner;
    return made;
}

TEST(StatisticsSummaryTest, SumsUpEachPersonPerKindOfGameWithoutTheComputer)
{
    const std::vector<GameRecord> games = {
        game(Level::Wizard, person("Ana", 0, 1, 1), computer(200, 0, 20), 2),
        game(Level::None, person("Ana", 120, 3, 15), person("Bruno", 80, 5, 13), 1),
        game(Level::Beginner, person("Ana", 150, 6, 21), computer(50, 7, 12), 1),
        game(Level::None, person("Bruno", 100, 2, 12), person("Ana", 100, 4, 14), Draw),
        game(Level::Beginner, person("Ana", 110, 2, 13), computer(90, 9, 18), 1),
        game(Level::Beginner, person("Ana", 60, 8, 14), computer(140, 3, 17), 2),
    };
    const std::vector<SummaryRow> expected = {
        {QStringLiteral("Ana"), Level::None, 2, 1, 1, 0, 3, 29.0 / 22},
        {QStringLiteral("Ana"), Level::Beginner, 3, 2, 0, 1, 2, 48.0 / 32},
        {QStringLiteral("Ana"), Level::Wizard, 1, 0, 0, 1, 1, std::nullopt},
        {QStringLiteral("Bruno"), Level::None, 2, 0, 1, 1, 2, 25.0 / 18},
    };
    EXPECT_EQ(summarize(games), expected);
}

} // namespace

} // namespace brivmemo::test
