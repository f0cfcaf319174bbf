// SPDX-License-Identifier: MIT
// brivmemo_cardsets <art folder> <card-sets folder>: draws the card sets that ship with the game.
#include "CardSetError.h"
#include "ShippedSetGenerator.h"

#include <QGuiApplication>
#include <exception>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::cerr << "usage: brivmemo_cardsets <art folder> <card-sets folder>\n";
        return 2;
    }
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    try {
        brivmemo::tools::generateShippedSets(
            QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const brivmemo::cardset::CardSetError &error) {
        std::cerr << "brivmemo_cardsets: " << error.message().toStdString() << '\n';
        return 1;
    } catch (const std::exception &error) {
        std::cerr << "brivmemo_cardsets: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
