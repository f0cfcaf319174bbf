// SPDX-License-Identifier: MIT
// The card-set figures: loading a set of 246-pixel pictures from disk up to their display forms
// against Qt loading the same pictures from PNG files, and switching sets in a running game
// against one full repaint of the table. Needs the application object, set up as the game sets
// it up.
#pragma once

#include "Figure.h"

#include <vector>

std::vector<Figure> cardSetFigures();
