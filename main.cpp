// SPDX-License-Identifier: MIT
#include <cstdio>

int main()
{
    std::puts("Brivosta Memory Game: the engine and components are built; the main window comes later.");
    return 0;
}
