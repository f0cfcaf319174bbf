// SPDX-License-Identifier: MIT
// brivmemo_resgen <resource folder> <contact sheet .png> <drawing folder>: writes every picture the game
// ships.
#include "ResourceGenerator.h"

#include <QGuiApplication>
#include <exception>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::cerr << "usage: brivmemo_resgen <resource folder> <contact sheet .png> <drawing folder>\n";
        return 2;
    }
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    try {
        brivmemo::tools::generateResources(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
            QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception &error) {
        std::cerr << "brivmemo_resgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
