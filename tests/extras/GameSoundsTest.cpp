// SPDX-License-Identifier: MIT
// Which game event plays which sound, the switch that turns them off and is kept, and when the
// sounds are made ready; a recorder stands for the audio output.
#include "GameSounds.h"

#include "ExtrasPaths.h"
#include "ExtrasPreferences.h"
#include "ExtrasTestSupport.h"
#include "GameEvents.h"
#include "Globais.h"
#include "MMCheck.h"
#include "SoundPlayer.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace brivmemo::test {
namespace {

using sound::Sound;

struct SoundLog {
    int prepared = 0;
    std::vector<Sound> played;
};

class RecordingSoundPlayer final : public sound::SoundPlayer {
public:
    explicit RecordingSoundPlayer(SoundLog &log)
        : log_(log)
    { }
    void prepare() override { ++log_.prepared; }
    void play(Sound sound) override { log_.played.push_back(sound); }

private:
    SoundLog &log_;
};

QString soundKey()
{
    return QString::fromLatin1(extras::SoundSwitchKey);
}

class GameSoundsTest : public ExtrasTest {
protected:
    void SetUp() override
    {
        ExtrasTest::SetUp();
        extras::keepSwitch(soundKey(), true);
    }

    // The windows with the sounds put in as the extras put them, the recorder in place of
    // the audio output.
    void install()
    {
        createWindows();
        events_ = new extras::GameEvents(form());
        menu_ = new QMenu(&form());
        addSounds();
    }

    // The sounds once more, as at the next start of the game.
    void addSounds()
    {
        menu_->clear();
        new extras::GameSounds(form(), form(), *menu_, *events_, std::make_unique<RecordingSoundPlayer>(log));
    }

    QAction &switchItem() const
    {
        for (QAction *item : menu_->actions()) {
            if (item->text() == "S&ound")
                return *item;
        }
        throw std::runtime_error("no sound item");
    }

    GameObserver &engineObserver() const { return *events_; }

    // The first two places, from place 1 on, whose faces match (or differ).
    std::pair<int, int> twoPlaces(bool matching) const
    {
        const TCartas &cards = form().Tabuleiro.Cartas;
        for (int first = 1; first <= NumLugares; ++first) {
            for (int second = first + 1; second <= NumLugares; ++second) {
                if (cards[first].Fechada && cards[second].Fechada
                    && (cards[first].Valor == cards[second].Valor) == matching)
                    return {first, second};
            }
        }
        throw std::runtime_error("no such places");
    }

    SoundLog log;

private:
    extras::GameEvents *events_ = nullptr;
    QMenu *menu_ = nullptr;
};

struct EventCase {
    const char *name;
    std::function<void(GameObserver &)> event;
    Sound sound;
};

void PrintTo(const EventCase &event, std::ostream *out)
{
    *out << event.name;
}

// Sets the players as a game ends: the second one a computer or a person, and the points.
std::function<void(GameObserver &)> gameEnding(int secondPlayerType, int firstPoints, int secondPoints)
{
    return [=](GameObserver &observer) {
        Jogador2.Tipo = secondPlayerType;
        Jogador1.Pontos = firstPoints;
        Jogador2.Pontos = secondPoints;
        observer.gameOver();
    };
}

constexpr int Person = 1;
constexpr int Computer = 2;

class GameSoundsEventTest : public GameSoundsTest, public ::testing::WithParamInterface<EventCase> { };

TEST_P(GameSoundsEventTest, PlaysItsSound)
{
    install();
    GetParam().event(engineObserver());
    EXPECT_EQ(log.played, std::vector {GetParam().sound});
}

INSTANTIATE_TEST_SUITE_P(Events, GameSoundsEventTest,
    ::testing::Values(
        EventCase {"CardTurnedUp", [](GameObserver &o) { o.cardTurnedUp(7); }, Sound::CardTurned},
        EventCase {"PairOfThePlayer", [](GameObserver &o) { o.moveScored(true, 1); }, Sound::PairFound},
        EventCase {"PairOfTheOther", [](GameObserver &o) { o.moveScored(true, 2); }, Sound::PairFound},
        EventCase {"Miss", [](GameObserver &o) { o.moveScored(false, 1); }, Sound::Missed},
        EventCase {"PlayerBeatsComputer", gameEnding(Computer, 110, 90), Sound::Won},
        EventCase {"ComputerBeatsPlayer", gameEnding(Computer, 90, 110), Sound::Lost},
        EventCase {"DrawWithComputer", gameEnding(Computer, 100, 100), Sound::Drawn},
        EventCase {"FirstPersonWins", gameEnding(Person, 120, 80), Sound::Won},
        EventCase {"SecondPersonWins", gameEnding(Person, 80, 120), Sound::Won},
        EventCase {"DrawOfTwoPeople", gameEnding(Person, 100, 100), Sound::Drawn}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(GameSoundsTest, SilentEventsPlayNothing)
{
    install();
    engineObserver().gameDealt();
    engineObserver().cardTurnedDown(3);
    engineObserver().cardRemoved(3);
    engineObserver().allCardsShown();
    EXPECT_TRUE(log.played.empty());
}

TEST_F(GameSoundsTest, CardsTurnedOnTheTableThenTheMoveEachPlayTheirSound)
{
    install();
    showAndActivate(form(), [](QWidget &) {
        frmEscolhe->rabHumano->SetChecked(true);
        frmEscolhe->cmdOK->click();
    });
    for (const bool matching : {false, true}) {
        log.played.clear();
        const auto [first, second] = twoPlaces(matching);
        QTest::mouseClick(&form().image(first), Qt::LeftButton);
        QTest::mouseClick(&form().image(second), Qt::LeftButton);
        EXPECT_EQ(log.played, (std::vector {Sound::CardTurned, Sound::CardTurned}));
        form().tmMarcaJogadaTimer();
        EXPECT_EQ(log.played.back(), matching ? Sound::PairFound : Sound::Missed);
        EXPECT_EQ(log.played.size(), 3U);
    }
}

TEST_F(GameSoundsTest, TurnedOffPlaysNothingUntilTurnedOnAgain)
{
    install();
    ASSERT_TRUE(switchItem().isChecked());
    switchItem().trigger();
    engineObserver().cardTurnedUp(1);
    engineObserver().moveScored(true, 1);
    engineObserver().gameOver();
    EXPECT_TRUE(log.played.empty());

    switchItem().trigger();
    engineObserver().cardTurnedUp(1);
    EXPECT_EQ(log.played, std::vector {Sound::CardTurned});
}

TEST_F(GameSoundsTest, IsOnTheFirstTimeAndKeptAsThePlayerLeftIt)
{
    ASSERT_TRUE(QFile::remove(cardset::extrasPreferencesFile()));
    install();
    EXPECT_TRUE(switchItem().isChecked());
    for (const bool on : {false, true}) {
        if (switchItem().isChecked() != on)
            switchItem().trigger();
        addSounds();
        EXPECT_EQ(switchItem().isChecked(), on);
        EXPECT_EQ(extras::keptSwitch(soundKey(), !on), on);
    }
}

TEST_F(GameSoundsTest, AreMadeReadyOnceTheWindowHasFirstBeenPainted)
{
    install();
    EXPECT_EQ(log.prepared, 0);
    showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    EXPECT_EQ(log.prepared, 1);
}

TEST_F(GameSoundsTest, TurnedOffAtTheStartAreMadeReadyWhenTurnedOn)
{
    extras::keepSwitch(soundKey(), false);
    install();
    showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    EXPECT_EQ(log.prepared, 0);
    switchItem().trigger();
    EXPECT_EQ(log.prepared, 1);
}

TEST_F(GameSoundsTest, TheSwitchFollowsTheCardSetSubmenuInTheExtrasMenu)
{
    start();
    const QList<QAction *> items = extrasMenu().actions();
    const auto isSound = [](const QAction *item) { return item->text() == "S&ound"; };
    const auto sound = std::find_if(items.begin(), items.end(), isSound);
    ASSERT_NE(sound, items.end());
    EXPECT_TRUE((*sound)->isCheckable());
    EXPECT_EQ(std::count_if(items.begin(), items.end(), isSound), 1);
    EXPECT_EQ(items.front()->menu(), &cardSetMenu());
}

} // namespace
} // namespace brivmemo::test
