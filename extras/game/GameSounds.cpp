// SPDX-License-Identifier: MIT
#include "GameSounds.h"

#include "AfterFirstPaint.h"
#include "ErrorBox.h"
#include "GameEvents.h"
#include "Globais.h"
#include "KeptSwitchItem.h"
#include "SoundPlayer.h"

#include <QAction>

namespace brivmemo::extras {

namespace {

using sound::Sound;

// Against the computer the sound is the first player's: won or lost. Between two people one of
// them has won, which is always a happy end.
Sound endingSound()
{
    if (Jogador1.Pontos == Jogador2.Pontos)
        return Sound::Drawn;
    const bool againstComputer = Jogador2.Tipo == 2;
    if (againstComputer && Jogador2.Pontos > Jogador1.Pontos)
        return Sound::Lost;
    return Sound::Won;
}

} // namespace

GameSounds::GameSounds(QObject &owner, QWidget &window, QMenu &extrasMenu, const GameEvents &events,
    std::unique_ptr<sound::SoundPlayer> player)
    : QObject(&owner)
    , player_(std::move(player))
{
    switch_ = addKeptSwitchItem(
        extrasMenu, tr("S&ound"), QString::fromLatin1(SoundSwitchKey), true, [this](bool on) {
            if (on)
                player_->prepare();
        });
    runAfterFirstPaint(window, guarded([this] {
        if (switch_->isChecked())
            player_->prepare();
    }));
    connect(&events, &GameEvents::turnedUp, this, [this] { play(Sound::CardTurned); });
    connect(&events, &GameEvents::scored, this,
        [this](bool pair) { play(pair ? Sound::PairFound : Sound::Missed); });
    connect(&events, &GameEvents::over, this, [this] { play(endingSound()); });
}

GameSounds::~GameSounds() = default;

void GameSounds::play(Sound sound)
{
    if (switch_->isChecked())
        player_->play(sound);
}

} // namespace brivmemo::extras
