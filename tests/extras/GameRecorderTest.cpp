// SPDX-License-Identifier: MIT
#include "GameRecorder.h"

#include "FakeGameClock.h"
#include "GameEvents.h"
#include "GameWindowsFixture.h"
#include "Globais.h"
#include "MMCheck.h"
#include "StatisticsTestSupport.h"
#include "TargetedPlayer.h"
#include "Timer.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QPushButton>

namespace brivmemo::test {

namespace {

using statistics::GameKind;
using statistics::GameRecord;
using statistics::Level;
using statistics::PlayerFigures;

constexpr int SecondsPerMove = 7;

class GameRecorderTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
        new extras::GameRecorder(form(), form(), *new extras::GameEvents(form()), clock,
            [this](const GameRecord &game) { recorded.push_back(game); });
        // Time passes before the first deal too; it must not count.
        clock.advanceSeconds(1000);
    }

    TargetedPlayer player(std::array<int, 2> pairs)
    {
        return TargetedPlayer(form(), pairs, [this] { clock.advanceSeconds(SecondsPerMove); });
    }

    FakeGameClock clock;
    std::vector<GameRecord> recorded;
};

struct Ending {
    const char *name;
    Level level;
    // The pairs player 1 and player 2 end with.
    std::array<int, 2> pairs;
    int winner;
};

void PrintTo(const Ending &ending, std::ostream *out)
{
    *out << ending.name;
}

class GameEndingTest : public GameRecorderTest, public ::testing::WithParamInterface<Ending> { };

TEST_P(GameEndingTest, IsRecordedOnceWithTheFiguresOfBothPlayers)
{
    const Ending &ending = GetParam();
    chooseGame(form(), ending.level);
    TargetedPlayer playing = player(ending.pairs);
    ASSERT_TRUE(playing.playToTheEnd());

    const bool computer = ending.level != Level::None;
    GameRecord expected;
    expected.endedUtc = clock.utcNow();
    expected.kind = computer ? GameKind::AgainstComputer : GameKind::TwoPeople;
    expected.level = ending.level;
    expected.players = {
        PlayerFigures {
            QStringLiteral("Ana"), false, ending.pairs[0] * 10, playing.misses()[0], playing.moves()[0]},
        PlayerFigures {computer ? QStringLiteral("Computer") : QStringLiteral("Bruno"), computer,
            ending.pairs[1] * 10, playing.misses()[1], playing.moves()[1]},
    };
    expected.seconds = SecondsPerMove * (playing.moves()[0] + playing.moves()[1]);
    expected.winner = ending.winner;
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0], expected);
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndResult, GameEndingTest,
    ::testing::Values(Ending {"TwoPeoplePlayer1Wins", Level::None, {20, 0}, 1},
        Ending {"TwoPeoplePlayer2Wins", Level::None, {0, 20}, 2},
        Ending {"TwoPeopleDraw", Level::None, {10, 10}, statistics::Draw},
        Ending {"BeginnerPlayer1Wins", Level::Beginner, {20, 0}, 1},
        Ending {"BeginnerComputerWins", Level::Beginner, {0, 20}, 2},
        Ending {"BeginnerDraw", Level::Beginner, {10, 10}, statistics::Draw},
        Ending {"IntermediatePlayer1Wins", Level::Intermediate, {20, 0}, 1},
        Ending {"IntermediateComputerWins", Level::Intermediate, {0, 20}, 2},
        Ending {"IntermediateDraw", Level::Intermediate, {10, 10}, statistics::Draw},
        Ending {"WizardPlayer1Wins", Level::Wizard, {20, 0}, 1},
        Ending {"WizardComputerWins", Level::Wizard, {0, 20}, 2},
        Ending {"WizardDraw", Level::Wizard, {10, 10}, statistics::Draw}),
    [](const auto &info) { return std::string(info.param.name); });

struct Leaving {
    const char *name;
    // Leaves the game whose last pair waits for the timer.
    std::function<void(TForm1 &form, MessageBoxRecorder &boxes)> leave;
};

void PrintTo(const Leaving &leaving, std::ostream *out)
{
    *out << leaving.name;
}

class LeftGameTest : public GameRecorderTest, public ::testing::WithParamInterface<Leaving> { };

TEST_P(LeftGameTest, IsNotRecordedAndTheNextGameCountsFromItsOwnDeal)
{
    chooseGame(form(), Level::None);
    ASSERT_TRUE(player({20, 20}).playUntilWaitingWithPairsLeft(1));
    GetParam().leave(form(), boxes);
    EXPECT_TRUE(recorded.empty());
    if (!form().isVisible())
        return;

    form().Novo1Click();
    TargetedPlayer next = player({12, 8});
    ASSERT_TRUE(next.playToTheEnd());
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].players[0].moves, next.moves()[0]);
    EXPECT_EQ(recorded[0].players[1].moves, next.moves()[1]);
    EXPECT_EQ(recorded[0].seconds, SecondsPerMove * (next.moves()[0] + next.moves()[1]));
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, LeftGameTest,
    ::testing::Values(Leaving {"NewGame", [](TForm1 &form, MessageBoxRecorder &) { form.Novo1Click(); }},
        Leaving {"LevelChange", [](TForm1 &form, MessageBoxRecorder &) { form.mnMagicoClick(); }},
        Leaving {"GameTypeChange",
            [](TForm1 &form, MessageBoxRecorder &) {
                whenModal([](QWidget &) {
                    frmEscolhe->rabHumano->SetChecked(true);
                    frmEscolhe->cmdOK->click();
                });
                form.mnTipoJogoClick();
            }},
        // The pair that was waiting still leaves the table and ends the game.
        Leaving {"ShowAll",
            [](TForm1 &form, MessageBoxRecorder &) {
                form.mnMostraTodosClick();
                form.tmMarcaJogada->Timer();
                EXPECT_EQ(form.Tabuleiro.Total, 0);
            }},
        Leaving {"Exit",
            [](TForm1 &form, MessageBoxRecorder &boxes) {
                boxes.setAnswer(QStringLiteral("&Yes"));
                form.close();
                EXPECT_FALSE(form.isVisible());
            }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

} // namespace brivmemo::test
