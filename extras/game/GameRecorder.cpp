// SPDX-License-Identifier: MIT
#include "GameRecorder.h"

#include "GameClock.h"
#include "GameEvents.h"
#include "Globais.h"
#include "JanelaJogo.h"
#include "SpeedsAndLevels.h"

namespace brivmemo::extras {

namespace {

constexpr int ComputerType = 2;
constexpr int MillisecondsPerSecond = 1000;

statistics::PlayerFigures figures(const TJogador &player, const std::string &name, int moves)
{
    return {QString::fromStdString(name), player.Tipo == ComputerType, player.Pontos, player.Erros, moves};
}

} // namespace

GameRecorder::GameRecorder(QObject &owner, const TJanelaJogo &window, const GameEvents &events,
    const statistics::GameClock &clock, Finished finished)
    : QObject(&owner)
    , window_(window)
    , clock_(clock)
    , finished_(std::move(finished))
{
    connect(&events, &GameEvents::dealt, this, &GameRecorder::dealt);
    connect(&events, &GameEvents::scored, this, [this](bool, int player) { scored(player); });
    connect(&events, &GameEvents::over, this, &GameRecorder::over);
    // The board stays shown and locked; a pair that was still waiting may yet empty the table.
    connect(&events, &GameEvents::allShown, this, [this] { following_ = false; });
}

void GameRecorder::dealt()
{
    following_ = true;
    dealtAt_ = clock_.steadyMilliseconds();
    moves_ = {};
}

void GameRecorder::scored(int player)
{
    ++moves_.at(static_cast<std::size_t>(player - 1));
}

void GameRecorder::over()
{
    if (!following_)
        return;
    following_ = false;
    statistics::GameRecord game;
    game.endedUtc = clock_.utcNow();
    const bool againstComputer = Jogador2.Tipo == ComputerType;
    game.kind = againstComputer ? statistics::GameKind::AgainstComputer : statistics::GameKind::TwoPeople;
    game.level = againstComputer ? level() : statistics::Level::None;
    game.players = {figures(Jogador1, window_.labelText(Rotulo::lblJogador1), moves_[0]),
        figures(Jogador2, window_.labelText(Rotulo::lblJogador2), moves_[1])};
    game.seconds = static_cast<int>((clock_.steadyMilliseconds() - dealtAt_) / MillisecondsPerSecond);
    if (Jogador1.Pontos != Jogador2.Pontos)
        game.winner = Jogador1.Pontos > Jogador2.Pontos ? 1 : 2;
    finished_(game);
}

statistics::Level GameRecorder::level() const
{
    // The statistics number the levels as the settings do.
    return static_cast<statistics::Level>(levelNumber(playingLevel(window_)));
}

} // namespace brivmemo::extras
