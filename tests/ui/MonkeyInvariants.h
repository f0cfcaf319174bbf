// SPDX-License-Identifier: MIT
// What must hold between any two inputs of a player, whatever they were: the level marks, the
// deal, the count of cards left, the move in progress, the scores and what the window shows of
// them. Each rule is read from state that is kept apart from what it checks.
#pragma once

#include <string>

class TForm1;

namespace brivmemo::test {

// The first rule the window's game breaks, in words; empty when all of them hold.
std::string brokenInvariant(const TForm1 &form);

} // namespace brivmemo::test
