// SPDX-License-Identifier: MIT
// The game as the start-up benchmark measures it: the same windows, extras and body as the
// program, except that the process ends right after the main window's first paint.
#include "FirstPaintExit.h"
#include "GameWithExtras.h"

int main(int argc, char **argv)
{
    return brivmemo::extras::runGameWithExtras(argc, argv, brivmemo::exitAfterFirstPaint);
}
