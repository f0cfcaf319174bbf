// SPDX-License-Identifier: MIT
// The program's entry.
#include "GameWithExtras.h"

int main(int argc, char **argv)
{
    return brivmemo::extras::runGameWithExtras(argc, argv);
}
