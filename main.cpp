// SPDX-License-Identifier: MIT
// The program's entry: the application object with its title and look, the five windows in
// their order, then the message loop until the main window's exit is confirmed.
#include "FirstPaintExit.h"
#include "GameWindows.h"
#include "MessageBoxes.h"
#include "memo.h"

#include <QApplication>
#include <exception>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    setUpApplication();
    try {
        const TGameWindows windows;
        brivmemo::exitAfterFirstPaintIfAsked(windows.mainWindow());
        windows.mainWindow().show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        // Only building the windows can get here: every handler shows its own errors.
        brivmemo::showErrorBox(QString::fromUtf8(error.what()));
        return 1;
    }
}
