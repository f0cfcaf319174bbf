// SPDX-License-Identifier: MIT
// The five hand cursors, numbers 15000 to 15004, with their fixed hot spots.
#pragma once

#include "NumberedCursor.h"

#include <vector>

namespace brivmemo::tools {

std::vector<NumberedCursor> handCursors();

} // namespace brivmemo::tools
