// SPDX-License-Identifier: MIT
// The game as the start-up benchmark measures it: the same windows and the same body as the
// program, except that the process ends right after the main window's first paint.
#include "FirstPaintExit.h"
#include "GameProgram.h"

int main(int argc, char **argv)
{
    return runGame(argc, argv, brivmemo::exitAfterFirstPaint);
}
