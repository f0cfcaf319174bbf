// SPDX-License-Identifier: MIT
#include "SpeedsAndLevels.h"

#include "FakeGameWindow.h"

#include <gtest/gtest.h>
#include <utility>

namespace brivmemo {
namespace {

TEST(SpeedsAndLevels, EachSpeedHasItsTimeAndBack)
{
    for (const auto &[speed, milliseconds] : {std::pair {AnimationSpeed::Slow, 3000},
             {AnimationSpeed::Normal, 1000}, {AnimationSpeed::Fast, 500}}) {
        EXPECT_EQ(speedTime(speed), milliseconds);
        EXPECT_EQ(speedOfTime(milliseconds), speed) << milliseconds;
    }
    for (const std::int32_t other : {0, -1000, 1, 499, 501, 2000, 3001})
        EXPECT_EQ(speedOfTime(other), std::nullopt) << other;
}

TEST(SpeedsAndLevels, TheOptionsListTheSpeedsFromSlowToFast)
{
    EXPECT_EQ(
        AnimationSpeeds, (std::array {AnimationSpeed::Slow, AnimationSpeed::Normal, AnimationSpeed::Fast}));
}

TEST(SpeedsAndLevels, SettingsLevelsChooseTheirCommandsAndAnyOtherIsWizard)
{
    for (const auto &[nivel, command] : {std::pair {1, ComandoNivel::mnPrin}, {2, ComandoNivel::mnInter},
             {3, ComandoNivel::mnMagico}, {0, ComandoNivel::mnMagico}, {-1, ComandoNivel::mnMagico},
             {4, ComandoNivel::mnMagico}, {99, ComandoNivel::mnMagico}})
        EXPECT_EQ(levelCommand(nivel), command) << nivel;
}

TEST(SpeedsAndLevels, TheCheckedCommandGivesTheLevelTheSettingsKeep)
{
    testing::FakeGameWindow window;
    for (const auto &[command, nivel] :
        {std::pair {ComandoNivel::mnPrin, 1}, {ComandoNivel::mnInter, 2}, {ComandoNivel::mnMagico, 3}}) {
        EXPECT_EQ(levelNumber(command), nivel);
        window.checkLevel(command);
        EXPECT_EQ(checkedLevelNumber(window), nivel);
    }
}

} // namespace
} // namespace brivmemo
