// SPDX-License-Identifier: MIT
// The in-process figures, each next to the plain Qt calls that do the same work: a full repaint
// of the main window's table against drawing its forty pictures scaled, and loading the main
// window's list up to its display forms against Qt's own BMP loading and conversion. Needs the
// application object, set up as the game sets it up.
#pragma once

#include "Figure.h"

#include <vector>

std::vector<Figure> paintAndLoadFigures();
