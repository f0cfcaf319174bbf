// SPDX-License-Identifier: MIT
// Records games through the game's own statistics writer: statistics_writer FILE [COUNT]. Each
// game is told on standard output once it is written. Without a count it writes until it is
// killed, for the test that kills a writer; with one it fills a file with a few varied games.
// The games are played by the engine itself, against a fake window.
#include "FakeGameWindow.h"
#include "ForgetfulPlayer.h"
#include "Random.h"
#include "StatisticsError.h"
#include "StatisticsStore.h"

#include <QCoreApplication>
#include <QStringList>
#include <iostream>

namespace {

using namespace brivmemo::statistics;
using brivmemo::Jogador1;
using brivmemo::Jogador2;

constexpr std::array<brivmemo::ComandoNivel, 3> LevelCommands
    = {brivmemo::ComandoNivel::mnPrin, brivmemo::ComandoNivel::mnInter, brivmemo::ComandoNivel::mnMagico};

// Game number n, played by the engine to its end: Ana, Bruno and Carla in turn against the next
// of them or against the computer at each level, each a player who forgets a little, so that
// the figures are those of real games.
GameRecord playedGame(int number, const QDateTime &start, brivmemo::testing::FakeGameWindow &window)
{
    static const QStringList people
        = {QStringLiteral("Ana"), QStringLiteral("Bruno"), QStringLiteral("Carla")};
    GameRecord game;
    game.level = static_cast<Level>(number % 4);
    game.kind = game.level == Level::None ? GameKind::TwoPeople : GameKind::AgainstComputer;
    brivmemo::TipoJogo = game.kind == GameKind::TwoPeople ? 1 : 2;
    if (game.level != Level::None)
        window.checkLevel(LevelCommands.at(static_cast<std::size_t>(game.level) - 1));
    brivmemo::Ocupado = true;
    window.Inic_Jogo();
    brivmemo::Ocupado = false;
    window.clearResults();
    brivmemo::testing::ForgetfulPlayer player(0.05 * (number % 3 + 1), static_cast<std::uint32_t>(number));
    if (player.playGame(window) < 0)
        throw StatisticsError(QStringLiteral("a sample game did not end"));

    game.endedUtc = start.addSecs(600LL * number);
    game.seconds = 120 + (number * 37) % 300;
    const std::array<const brivmemo::TJogador *, 2> seats = {&Jogador1, &Jogador2};
    for (std::size_t seat = 0; seat < 2; ++seat) {
        PlayerFigures &figures = game.players.at(seat);
        figures.computer = seats.at(seat)->Tipo == 2;
        figures.name = figures.computer ? QStringLiteral("Computer")
                                        : people.at((number + static_cast<int>(seat)) % people.size());
        figures.points = seats.at(seat)->Pontos;
        figures.mistakes = seats.at(seat)->Erros;
        figures.moves = figures.points / 10 + figures.mistakes;
    }
    if (Jogador1.Pontos != Jogador2.Pontos)
        game.winner = Jogador1.Pontos > Jogador2.Pontos ? 1 : 2;
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
        brivmemo::resetGlobais();
        brivmemo::Config = brivmemo::defaultConfig();
        brivmemo::setRandomSeed(7);
        brivmemo::testing::FakeGameWindow window;
        StatisticsStore store;
        store.open(arguments[1], start);
        for (int number = 0; count == 0 || number < count; ++number) {
            store.record(playedGame(number, start, window));
            std::cout << number << std::endl;
        }
    } catch (const StatisticsError &error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
