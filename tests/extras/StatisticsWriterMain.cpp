// SPDX-License-Identifier: MIT
// Records games through the game's own statistics writer: statistics_writer FILE [COUNT]. Each
// game is told on standard output once it is written. Without a count it writes until it is
// killed, for the test that kills a writer; with one it fills a file with a few varied games.
#include "StatisticsError.h"
#include "StatisticsStore.h"

#include <QCoreApplication>
#include <QStringList>
#include <iostream>

namespace {

using namespace brivmemo::statistics;

constexpr int PairsInAGame = 20;

// Game number n: Ana, Bruno and Carla in turn against the next of them or against the computer
// at each level, player 1 taking between 0 and 20 pairs.
GameRecord sampleGame(int number, const QDateTime &start)
{
    static const QStringList people
        = {QStringLiteral("Ana"), QStringLiteral("Bruno"), QStringLiteral("Carla")};
    GameRecord game;
    game.level = static_cast<Level>(number % 4);
    game.kind = game.level == Level::None ? GameKind::TwoPeople : GameKind::AgainstComputer;
    game.endedUtc = start.addSecs(600LL * number);
    game.seconds = 120 + (number * 37) % 300;
    const int pairs1 = (number * 7 + 3) % (PairsInAGame + 1);
    const std::array<int, 2> pairs = {pairs1, PairsInAGame - pairs1};
    for (std::size_t seat = 0; seat < 2; ++seat) {
        PlayerFigures &player = game.players.at(seat);
        player.computer = seat == 1 && game.kind == GameKind::AgainstComputer;
        player.name = player.computer ? QStringLiteral("Computer")
                                      : people.at((number + static_cast<int>(seat)) % people.size());
        player.points = pairs.at(seat) * 10;
        player.mistakes = (number + static_cast<int>(seat) * 3) % 9;
        player.moves = pairs.at(seat) + player.mistakes;
    }
    if (pairs[0] != pairs[1])
        game.winner = pairs[0] > pairs[1] ? 1 : 2;
    return game;
}

} // namespace

int main(int argc, char **argv)
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::cerr << "usage: statistics_writer FILE [COUNT]\n";
        return 2;
    }
    const int count = arguments.value(2).toInt();
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-3);
    try {
        StatisticsStore store;
        store.open(arguments[1], start);
        for (int number = 0; count == 0 || number < count; ++number) {
            store.record(sampleGame(number, start));
            std::cout << number << std::endl;
        }
    } catch (const StatisticsError &error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
