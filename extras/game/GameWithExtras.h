// SPDX-License-Identifier: MIT
// The game as players start it: the program's body with the extras installed in its main
// window. The start-up measurement runs the same, handing in only its exit at the first paint.
#pragma once

#include <functional>

class QWidget;

namespace brivmemo::extras {

int runGameWithExtras(
    int &argc, char **argv, const std::function<void(QWidget &mainWindow)> &beforeFirstShow = {});

} // namespace brivmemo::extras
