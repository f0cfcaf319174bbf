// SPDX-License-Identifier: MIT
// The program's body: the application object with its title and look, the five windows in
// their order, then the message loop until the main window's exit is confirmed. The game runs
// it as it is; a measuring program built from the same windows hands in what it needs to see
// of the main window before that is first shown.
#pragma once

#include <functional>

class QWidget;

int runGame(int &argc, char **argv, const std::function<void(QWidget &mainWindow)> &beforeFirstShow = {});
