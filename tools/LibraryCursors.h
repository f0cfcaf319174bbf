// SPDX-License-Identifier: MIT
// The component library's 31 cursors, numbers 2001 to 2031: arrows, resize and move marks, and
// pointers with a badge, each with its hot spot where it points or at its centre.
#pragma once

#include "NumberedCursor.h"

#include <vector>

namespace brivmemo::tools {

std::vector<NumberedCursor> libraryCursors();

} // namespace brivmemo::tools
