// SPDX-License-Identifier: MIT
// The game-type dialog's twelve pictures and the options dialog's two. Only the radio glyph strip
// is shown; the other entries keep their places with small button strips of the stored sizes.
#pragma once

#include "ListPicture.h"

#include <vector>

namespace brivmemo::tools {

std::vector<ListPicture> gameTypeDialogList();
std::vector<ListPicture> optionsDialogList();

} // namespace brivmemo::tools
