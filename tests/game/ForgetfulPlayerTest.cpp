// SPDX-License-Identifier: MIT
#include "ForgetfulPlayer.h"

#include "EngineFixture.h"

#include <ostream>
#include <vector>

namespace brivmemo::testing {
namespace {

struct Move {
    int first;
    int second;
    bool byPlayer;
    bool operator==(const Move &) const = default;
};

// The player's moves measured against every card shown face up before them, by either player.
struct Lapses {
    // Moves that began with a shown pair on the table, or whose first card's partner had been
    // shown, and how many of them missed.
    int chances = 0;
    int missed = 0;
    // Misses that began with a card shown before.
    int shownCardsTurnedAgain = 0;

    double missedShare() const { return chances == 0 ? 0 : static_cast<double>(missed) / chances; }
};

class ForgetfulPlayerTest : public EngineTest {
protected:
    using PlaceFlags = std::array<bool, NumLugares + 1>;

    // Plays the game just dealt to its end, the player moving for every human.
    std::vector<Move> play(ForgetfulPlayer &player)
    {
        player.forget();
        std::vector<Move> moves;
        for (int n = 0; n < 1000 && window.results().empty(); ++n) {
            const bool byPlayer = window.CartasViradas != 2;
            if (byPlayer)
                player.playMove(window);
            if (window.CartasViradas != 2) {
                ADD_FAILURE() << "the game stalled";
                break;
            }
            moves.push_back({window.Carta1->Tag(), window.Carta2->Tag(), byPlayer});
            player.endMove(window);
        }
        EXPECT_EQ(window.results().size(), 1U);
        return moves;
    }

    void countLapses(const std::vector<Move> &moves, Lapses &lapses) const
    {
        PlaceFlags shown {};
        PlaceFlags taken {};
        for (const Move &move : moves) {
            const bool pair = faceAt(move.first) == faceAt(move.second);
            const bool chance = shownPairOnTable(shown, taken) || shown[partnerOf(move.first)];
            if (move.byPlayer) {
                lapses.chances += chance ? 1 : 0;
                lapses.missed += chance && !pair ? 1 : 0;
                lapses.shownCardsTurnedAgain += shown[move.first] && !pair ? 1 : 0;
            }
            for (const int place : {move.first, move.second}) {
                shown[place] = true;
                taken[place] = pair;
            }
        }
    }

    int faceAt(int place) const { return window.Tabuleiro.Cartas[place].Valor; }

    int partnerOf(int place) const
    {
        const auto places = placesOf(faceAt(place));
        return places[0] == place ? places[1] : places[0];
    }

    bool shownPairOnTable(const PlaceFlags &shown, const PlaceFlags &taken) const
    {
        for (int face = 1; face <= NumLugares / 2; ++face) {
            const auto places = placesOf(face);
            if (shown[places[0]] && shown[places[1]] && !taken[places[0]])
                return true;
        }
        return false;
    }
};

struct Memory {
    const char *name;
    double forgetting;
    // The share of its chances that the player misses, at least and at most.
    double fewestMissed;
    double mostMissed;
};

void PrintTo(const Memory &memory, std::ostream *out)
{
    *out << memory.name;
}

class ForgetfulPlayerMemory : public ForgetfulPlayerTest, public ::testing::WithParamInterface<Memory> { };

TEST_P(ForgetfulPlayerMemory, MissesWhatItWasShownOnlyAsOftenAsItForgets)
{
    ForgetfulPlayer player(GetParam().forgetting, 5);
    Lapses lapses;
    for (int game = 0; game < 20; ++game) {
        newGame(2, ComandoNivel::mnPrin);
        window.clearResults();
        countLapses(play(player), lapses);
    }
    ASSERT_GT(lapses.chances, 100);
    EXPECT_GE(lapses.missedShare(), GetParam().fewestMissed) << lapses.missed << " of " << lapses.chances;
    EXPECT_LE(lapses.missedShare(), GetParam().mostMissed) << lapses.missed << " of " << lapses.chances;
    EXPECT_EQ(lapses.shownCardsTurnedAgain > 0, GetParam().forgetting > 0) << lapses.shownCardsTurnedAgain;
}

INSTANTIATE_TEST_SUITE_P(Forgetting, ForgetfulPlayerMemory,
    // Remembering nothing from one move to the next, it finds a pair only when a second card
    // turned blind happens to match, about one time in twenty.
    ::testing::Values(Memory {"Never", 0.0, 0.0, 0.0}, Memory {"Sometimes", 0.2, 0.2, 0.8},
        Memory {"Always", 1.0, 0.9, 1.0}),
    [](const ::testing::TestParamInfo<Memory> &info) { return std::string(info.param.name); });

TEST_F(ForgetfulPlayerTest, ItsOwnSeedFixesItsGameAndLeavesTheGameGeneratorToTheDeal)
{
    const auto gameWithPlayerSeed = [this](std::uint32_t seed) {
        setRandomSeed(77);
        newGame(1);
        const std::uint32_t afterDeal = randomSeed();
        ForgetfulPlayer player(0.1, seed);
        std::vector<Move> moves = play(player);
        EXPECT_EQ(randomSeed(), afterDeal) << "the player drew from the game's generator";
        window.clearResults();
        return moves;
    };
    const std::vector<Move> first = gameWithPlayerSeed(3);
    EXPECT_EQ(gameWithPlayerSeed(3), first);
    EXPECT_NE(gameWithPlayerSeed(4), first);
}

} // namespace
} // namespace brivmemo::testing
