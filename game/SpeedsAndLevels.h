// SPDX-License-Identifier: MIT
// What the settings record's speed and level numbers mean: the three animation speeds the
// options offer, as the milliseconds that two turned cards stay face up, and the computer's
// levels as the level commands of the main window.
#pragma once

#include "JanelaJogo.h"

#include <array>
#include <cstdint>
#include <optional>

namespace brivmemo {

enum class AnimationSpeed { Slow, Normal, Fast };

// In the order the options list them.
inline constexpr std::array<AnimationSpeed, 3> AnimationSpeeds {
    AnimationSpeed::Slow, AnimationSpeed::Normal, AnimationSpeed::Fast};

constexpr std::int32_t speedTime(AnimationSpeed speed)
{
    switch (speed) {
    case AnimationSpeed::Slow:
        return 3000;
    case AnimationSpeed::Normal:
        return 1000;
    case AnimationSpeed::Fast:
        return 500;
    }
    return 1000;
}

// The speed whose time the settings hold, or none for any other time.
constexpr std::optional<AnimationSpeed> speedOfTime(std::int32_t milliseconds)
{
    for (const AnimationSpeed speed : AnimationSpeeds)
        if (speedTime(speed) == milliseconds)
            return speed;
    return std::nullopt;
}

// In the order of the menus; a level the settings do not know is read as the last, Wizard.
inline constexpr std::array<ComandoNivel, 3> LevelCommands {
    ComandoNivel::mnPrin, ComandoNivel::mnInter, ComandoNivel::mnMagico};

constexpr std::int32_t levelNumber(ComandoNivel level)
{
    switch (level) {
    case ComandoNivel::mnPrin:
        return 1;
    case ComandoNivel::mnInter:
        return 2;
    case ComandoNivel::mnMagico:
        return 3;
    }
    return 3;
}

constexpr ComandoNivel levelCommand(std::int32_t nivel)
{
    for (const ComandoNivel level : LevelCommands)
        if (levelNumber(level) == nivel)
            return level;
    return ComandoNivel::mnMagico;
}

// The level the settings keep for the window's level commands: the first one checked, in the
// menus' order, and Wizard when none of those before it is.
inline std::int32_t checkedLevelNumber(const TJanelaJogo &window)
{
    for (const ComandoNivel level : LevelCommands)
        if (window.isLevelChecked(level))
            return levelNumber(level);
    return levelNumber(LevelCommands.back());
}

// The level the computer plays at when its move begins: the level commands are tested in this
// order, Intermediate first, and Wizard when neither of the others is checked.
inline ComandoNivel playingLevel(const TJanelaJogo &window)
{
    if (window.isLevelChecked(ComandoNivel::mnInter))
        return ComandoNivel::mnInter;
    if (window.isLevelChecked(ComandoNivel::mnPrin))
        return ComandoNivel::mnPrin;
    return ComandoNivel::mnMagico;
}

} // namespace brivmemo
