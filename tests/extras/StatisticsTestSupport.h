// SPDX-License-Identifier: MIT
// What the statistics tests share: readable games in failure messages, and the start of the
// real game of a chosen kind.
#pragma once

#include "GameRecord.h"

#include <iosfwd>

class TForm1;

namespace brivmemo::statistics {
void PrintTo(const GameRecord &game, std::ostream *out);
} // namespace brivmemo::statistics

namespace brivmemo::test {

// Answers the game-type dialog of the start with the kind, then checks the level (against the
// computer) and names the two people "Ana" and "Bruno", dealing a new game for each.
void chooseGame(TForm1 &form, statistics::Level level);

} // namespace brivmemo::test
