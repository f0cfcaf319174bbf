// SPDX-License-Identifier: MIT
#include "GameProgram.h"

#include "ErrorText.h"
#include "GameWindows.h"
#include "MessageBoxes.h"
#include "Translations.h"
#include "memo.h"

#include <QApplication>
#include <exception>

int runGame(int &argc, char **argv, const std::function<void(QWidget &mainWindow)> &beforeFirstShow)
{
    QApplication application(argc, argv);
    brivmemo::followDesktopLanguage();
    setUpApplication();
    try {
        const TGameWindows windows;
        if (beforeFirstShow)
            beforeFirstShow(windows.mainWindow());
        windows.mainWindow().show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        // Only building the windows can get here: every handler shows its own errors.
        brivmemo::showErrorBox(brivmemo::errorText(error));
        return 1;
    }
}
