// SPDX-License-Identifier: MIT
// A game played to its end, as the statistics keep it: when it ended, how it was played, each
// player's figures and who won.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>

namespace brivmemo::statistics {

// Numbered as they are kept in the file.
enum class GameKind { TwoPeople = 1, AgainstComputer = 2 };
// The computer's level, numbered as the game's settings number it; None in a game of two people.
enum class Level { None = 0, Beginner = 1, Intermediate = 2, Wizard = 3 };

// The winner of a game where both players hold the same points.
constexpr int Draw = 0;

struct PlayerFigures {
    // As the player's box showed it at the end ("Computer" for the computer).
    QString name;
    bool computer = false;
    int points = 0;
    int mistakes = 0;
    // Both the pairs taken and the misses.
    int moves = 0;

    bool operator==(const PlayerFigures &) const = default;
};

struct GameRecord {
    QDateTime endedUtc;
    GameKind kind = GameKind::TwoPeople;
    Level level = Level::None;
    // Player 1, then player 2.
    std::array<PlayerFigures, 2> players;
    // From the deal to the last pair.
    int seconds = 0;
    // 1 or 2, or Draw.
    int winner = Draw;

    bool operator==(const GameRecord &) const = default;
};

} // namespace brivmemo::statistics
