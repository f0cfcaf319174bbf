// SPDX-License-Identifier: MIT
// The five hand cursors, numbers 15000 to 15004, with their fixed hot spots.
#pragma once

#include "NumberedCursor.h"

#include <vector>

namespace brivmemo::tools {

// Drawn scale times finer than the 32 x 32 cursors, with the hot spots scaled alike.
std::vector<NumberedCursor> handCursors(int scale);

} // namespace brivmemo::tools
