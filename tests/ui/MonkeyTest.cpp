// SPDX-License-Identifier: MIT
// Tens of thousands of random but legal inputs on the real windows, from a fixed seed, with the
// game's rules checked after every one. BRIVMEMO_MONKEY_STEPS and BRIVMEMO_MONKEY_SEED choose a
// longer run or another seed; a failure names the seed and the step to replay it.
#include "Monkey.h"

#include "GameWindowsFixture.h"
#include "MMCheck.h"
#include "MonkeyInvariants.h"
#include "Random.h"
#include "Timer.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <cstdlib>
#include <functional>
#include <string>

namespace brivmemo::test {
namespace {

constexpr long DefaultSteps = 20000;
constexpr std::uint32_t DefaultSeed = 20240611;

long fromEnvironment(const char *name, long fallback)
{
    const char *const value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return fallback;
    return std::strtol(value, nullptr, 10);
}

class MonkeyTest : public GameWindowsTest {
protected:
    void startGame(std::uint32_t seed)
    {
        createWindows();
        showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
        setRandomSeed(seed);
        form().Novo1Click();
    }
};

TEST_F(MonkeyTest, SurvivesAnythingAPlayerDoes)
{
    const long steps = fromEnvironment("BRIVMEMO_MONKEY_STEPS", DefaultSteps);
    const auto seed = static_cast<std::uint32_t>(fromEnvironment("BRIVMEMO_MONKEY_SEED", DefaultSeed));
    startGame(seed);
    ASSERT_EQ(brokenInvariant(form()), "");
    Monkey monkey(form(), seed);
    for (long step = 1; step <= steps; ++step) {
        const std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step)
            + "; replay with BRIVMEMO_MONKEY_SEED=" + std::to_string(seed)
            + " BRIVMEMO_MONKEY_STEPS=" + std::to_string(step);
        {
            SCOPED_TRACE(where);
            monkey.step();
        }
        const std::string broken = brokenInvariant(form());
        ASSERT_EQ(broken, "") << where << " after " << monkey.lastAction();
        ASSERT_EQ(monkey.errorBoxes(), 0)
            << where << " after " << monkey.lastAction() << ": " << monkey.lastError().toStdString();
        ASSERT_FALSE(HasFailure()) << where << " after " << monkey.lastAction();
    }
    // A run of the default length must have seen games to their end, or the rules of the end
    // of a game were never checked.
    if (steps >= DefaultSteps) {
        EXPECT_GT(monkey.results(), 0);
    }
    RecordProperty("finished_games", monkey.results());
}

struct Corruption {
    const char *name;
    std::function<void(TForm1 &)> apply;
};

void PrintTo(const Corruption &corruption, std::ostream *out)
{
    *out << corruption.name;
}

class MonkeyInvariantsTest : public MonkeyTest, public ::testing::WithParamInterface<Corruption> { };

TEST_P(MonkeyInvariantsTest, ReportsABrokenRuleOfAGameInProgress)
{
    startGame(DefaultSeed);
    // A pair taken by player 1, so that scores and taken cards are not all zero.
    int first = 1;
    int second = 2;
    while (form().Tabuleiro.Cartas[second].Valor != form().Tabuleiro.Cartas[first].Valor)
        ++second;
    form().image1Click(*form().Busca_Controle(first));
    form().image1Click(*form().Busca_Controle(second));
    form().tmMarcaJogada->Timer();
    ASSERT_EQ(Jogador1.Pontos, 10);
    ASSERT_EQ(brokenInvariant(form()), "");

    GetParam().apply(form());
    EXPECT_NE(brokenInvariant(form()), "");
}

INSTANTIATE_TEST_SUITE_P(Corruptions, MonkeyInvariantsTest,
    ::testing::Values(Corruption {"NoLevelChecked", [](TForm1 &form) { form.mnInter->setChecked(false); }},
        Corruption {"TwoLevelsChecked", [](TForm1 &form) { form.mnMagico->setChecked(true); }},
        Corruption {"MenusDisagree",
            [](TForm1 &form) {
                form.PopPrin->setChecked(!form.PopPrin->isChecked());
                form.PopInter->setChecked(!form.PopInter->isChecked());
            }},
        Corruption {"FaceOnThreePlaces",
            [](TForm1 &form) { form.Tabuleiro.Cartas[3].Valor = form.Tabuleiro.Cartas[3].Valor % 20 + 1; }},
        Corruption {"TotalNotCountingATakenPair", [](TForm1 &form) { form.Tabuleiro.Total += 2; }},
        Corruption {"HalfAPairTaken",
            [](TForm1 &form) {
                for (int place = 1; place <= NumLugares; ++place) {
                    if (form.BuffComp.Cartas[place].Retirada) {
                        form.BuffComp.Cartas[place].Retirada = false;
                        return;
                    }
                }
            }},
        Corruption {"PairScoredTwenty", [](TForm1 &) { Jogador1.Pontos += 10; }},
        Corruption {"PointsMovedBetweenPlayers",
            [](TForm1 &) {
                Jogador1.Pontos -= 5;
                Jogador2.Pontos += 5;
            }},
        Corruption {"ThreeCardsUp", [](TForm1 &form) { form.CartasViradas = 3; }},
        Corruption {"TimerRunningWithOneCardUp",
            [](TForm1 &form) {
                form.CartasViradas = 1;
                form.tmMarcaJogada->setInterval(1000);
            }},
        Corruption {"TurnOfNoOne", [](TForm1 &) { Jogador1.Vez = false; }},
        Corruption {"WrongFaceShown",
            [](TForm1 &form) {
                const int face = form.Tabuleiro.Cartas[7].Valor % 20 + 1;
                form.setCardImage(*form.Busca_Controle(7), face);
            }},
        Corruption {"CardOnTableHidden",
            [](TForm1 &form) {
                int place = 1;
                while (form.BuffComp.Cartas[place].Retirada)
                    ++place;
                form.image(place).hide();
            }},
        Corruption {
            "LabelBehindThePoints", [](TForm1 &form) { form.lblPtJg1->setText(QStringLiteral("0")); }},
        Corruption {"BarBehindThePoints", [](TForm1 &form) { form.pgbJg1->setValue(0); }}),
    [](const ::testing::TestParamInfo<Corruption> &info) { return std::string(info.param.name); });

} // namespace
} // namespace brivmemo::test
