// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include <string>
#include <vector>

namespace brivmemo::testing {
namespace {

// Writes down every event it hears, with the score the window shows at that moment, so that
// the order against the board's own changes is checked too.
class EventLog final : public GameObserver {
public:
    explicit EventLog(const FakeGameWindow &window)
        : window_(window)
    { }

    void gameDealt() override { add("dealt"); }
    void cardTurnedUp(int place) override { add("up " + std::to_string(place)); }
    void cardTurnedDown(int place) override { add("down " + std::to_string(place)); }
    void cardRemoved(int place) override { add("removed " + std::to_string(place)); }
    void moveScored(bool pair, int player) override
    {
        add((pair ? "pair by " : "miss by ") + std::to_string(player) + " points "
            + std::to_string(Jogador1.Pontos) + ":" + std::to_string(Jogador2.Pontos));
    }
    void gameOver() override { add("over, results shown " + std::to_string(window_.results().size())); }
    void allCardsShown() override { add("all shown"); }

    std::vector<std::string> events;

private:
    void add(std::string event) { events.push_back(std::move(event)); }

    const FakeGameWindow &window_;
};

class GameObserverTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        window.setObserver(&log);
    }

    static std::string place(int number) { return std::to_string(number); }

    EventLog log {window};
};

TEST_F(GameObserverTest, TellsEachEventAfterTheBoardShowsIt)
{
    newGame(1);
    const int a = placesOf(1)[0];
    const int b = placesOf(2)[0];
    turnMiss(1, 2);
    ASSERT_TRUE(window.fireTimer());
    const auto [c, d] = placesOf(3);
    window.click(c);
    window.click(d);
    ASSERT_TRUE(window.fireTimer());
    window.Mostra_Todos();

    const std::vector<std::string> expected {
        "dealt",
        "up " + place(a),
        "up " + place(b),
        "down " + place(a),
        "down " + place(b),
        "miss by 1 points 0:0",
        "up " + place(c),
        "up " + place(d),
        "down " + place(c),
        "down " + place(d),
        "removed " + place(c),
        "removed " + place(d),
        "pair by 2 points 0:10",
        "all shown",
    };
    EXPECT_EQ(log.events, expected);
}

TEST_F(GameObserverTest, TellsTheEndBeforeTheResultAndTheComputersCards)
{
    newGame(2, ComandoNivel::mnMagico);
    turnMiss(1, 2);
    log.events.clear();
    ASSERT_TRUE(window.fireTimer());
    ASSERT_EQ(log.events.size(), 5U);
    EXPECT_EQ(log.events[2], "miss by 1 points 0:0");
    EXPECT_EQ(log.events[3].substr(0, 3), "up ");
    EXPECT_EQ(log.events[4].substr(0, 3), "up ");

    while (window.fireTimer()) { }
    ASSERT_EQ(window.results().size(), 1U);
    EXPECT_EQ(log.events.back(), "over, results shown 0");
    EXPECT_EQ(log.events[log.events.size() - 2], "pair by 2 points 0:200");
}

} // namespace
} // namespace brivmemo::testing
