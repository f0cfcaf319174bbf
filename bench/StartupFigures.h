// SPDX-License-Identifier: MIT
// The start-up figures: the time from starting a program to its first painted window, and the
// most memory it held on the way, for the game and for the floor program. Both are started in
// turn, so that both see the same machine; both must end at their first paint.
#pragma once

#include "Figure.h"

#include <string>
#include <vector>

std::vector<Figure> startupFigures(const std::string &game, const std::string &floor, int runs);
