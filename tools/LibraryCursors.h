// SPDX-License-Identifier: MIT
// The component library's 31 cursors, numbers 2001 to 2031: arrows, resize and move marks, and
// pointers with a badge, each with its hot spot where it points or at its centre.
#pragma once

#include "NumberedCursor.h"

#include <vector>

namespace brivmemo::tools {

// Drawn scale times finer than the 32 x 32 cursors, with the hot spots scaled alike.
std::vector<NumberedCursor> libraryCursors(int scale);

} // namespace brivmemo::tools
