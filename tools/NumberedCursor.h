// SPDX-License-Identifier: MIT
// A cursor and the number the program registers it under.
#pragma once

#include "IconFile.h"

#include <QString>

namespace brivmemo::tools {

struct NumberedCursor {
    int number = 0;
    QString name;
    IconPicture picture;
};

} // namespace brivmemo::tools
