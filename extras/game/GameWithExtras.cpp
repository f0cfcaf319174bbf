// SPDX-License-Identifier: MIT
#include "GameWithExtras.h"

#include "Extras.h"
#include "GameProgram.h"

namespace brivmemo::extras {

int runGameWithExtras(int &argc, char **argv, const std::function<void(QWidget &mainWindow)> &beforeFirstShow)
{
    return runGame(argc, argv, [&beforeFirstShow](QWidget &mainWindow) {
        installExtras(mainWindow);
        if (beforeFirstShow)
            beforeFirstShow(mainWindow);
    });
}

} // namespace brivmemo::extras
