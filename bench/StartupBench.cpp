// SPDX-License-Identifier: MIT
// The game's speed and memory side by side with their floors, in one run on the offscreen
// platform: start-up to the first painted main window and the memory held until then against an
// empty window of the same size, a full repaint of the table against Qt drawing the same
// pictures, loading the card list against Qt loading the same BMP images, and loading and
// switching card sets against Qt loading their PNG pictures and a repaint. Prints one table
// with the ratios and the ratio each may reach.
// Usage: brivmemo_startup_bench [RUNS]   (start-ups of each program, 20 by default)
#include "CardSetFigures.h"
#include "GameWindows.h"
#include "PaintAndLoadFigures.h"
#include "StartupFigures.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string processorName()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown processor";
}

void print(const std::vector<Figure> &figures)
{
    std::printf("%-46s %12s %12s %7s %8s\n", "measure", "game", "floor", "ratio", "allowed");
    for (const Figure &figure : figures) {
        std::printf("%-46s %8.2f %-3s %8.2f %-3s %7.2f", figure.measure.c_str(), figure.game,
            figure.unit.c_str(), figure.floor, figure.unit.c_str(), figure.ratio());
        if (figure.judged())
            std::printf(" %7.2f%s\n", figure.allowedRatio, figure.met() ? "" : "  missed");
        else
            std::printf("       -\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The game reads and creates its settings file where it starts.
    char directory[] = "/tmp/brivmemo-bench-XXXXXX";
    if (mkdtemp(directory) == nullptr || chdir(directory) != 0) {
        std::perror("a working directory for the runs");
        return 1;
    }
    std::printf("%s, %u hardware threads, Qt %s, offscreen; %d start-ups of each program\n\n",
        processorName().c_str(), std::thread::hardware_concurrency(), qVersion(), runs);

    int status = 0;
    try {
        std::vector<Figure> figures = startupFigures(BRIVMEMO_GAME_PROGRAM, BRIVMEMO_FLOOR_PROGRAM, runs);
        QApplication application(argc, argv);
        setUpApplication();
        for (const Figure &figure : paintAndLoadFigures())
            figures.push_back(figure);
        for (const Figure &figure : cardSetFigures())
            figures.push_back(figure);
        print(figures);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        status = 1;
    }
    std::filesystem::remove_all(directory);
    return status;
}
