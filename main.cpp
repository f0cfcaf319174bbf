// SPDX-License-Identifier: MIT
// The program's entry.
#include "GameProgram.h"

int main(int argc, char **argv)
{
    return runGame(argc, argv);
}
