// SPDX-License-Identifier: MIT
#include "EngineFixture.h"
#include "PerfectMemoryPlayer.h"

namespace brivmemo::testing {
namespace {

enum class Opponent { Human, Beginner, Intermediate, Wizard };

ComandoNivel levelOf(Opponent opponent)
{
    switch (opponent) {
    case Opponent::Beginner:
        return ComandoNivel::mnPrin;
    case Opponent::Wizard:
        return ComandoNivel::mnMagico;
    default:
        return ComandoNivel::mnInter;
    }
}

// What the computer remembered when its move began, and the two places it turned.
struct ComputerMove {
    TTabuleiro memory;
    int first;
    int second;
    bool firstOfGame;
};

class CompleteGame : public EngineTest, public ::testing::WithParamInterface<Opponent> {
protected:
    // Plays one game to its end with a perfect-memory human as player 1 (and as player 2 in
    // a game of two people), checking every computer move on the way.
    void playGame()
    {
        const Opponent opponent = GetParam();
        newGame(opponent == Opponent::Human ? 1 : 2, levelOf(opponent));
        human_.forget();
        bool computerHasMoved = false;
        for (int moves = 0; moves < 500 && window.results().empty(); ++moves) {
            if (window.CartasViradas != 2)
                human_.playMove(window);
            ASSERT_EQ(window.CartasViradas, 2) << "the game stalled";
            human_.observe(window);
            TTabuleiro memory = window.BuffComp;
            const TControleCarta *first = window.Carta1;
            const TControleCarta *second = window.Carta2;
            if (window.Tabuleiro.Cartas[first->Tag()].Valor == window.Tabuleiro.Cartas[second->Tag()].Valor) {
                memory.Cartas[first->Tag()].Retirada = true;
                memory.Cartas[second->Tag()].Retirada = true;
            }
            ASSERT_TRUE(window.fireTimer());
            if (window.results().empty() && window.JogadorAtual == &Jogador2 && opponent != Opponent::Human) {
                checkMove(opponent, {memory, window.Carta1->Tag(), window.Carta2->Tag(), !computerHasMoved});
                computerHasMoved = true;
            }
        }
        checkFinished();
    }

    void checkMove(Opponent opponent, const ComputerMove &move)
    {
        const TCarta &p = move.memory.Cartas[move.first];
        const TCarta &q = move.memory.Cartas[move.second];
        ASSERT_NE(move.first, move.second);
        ASSERT_FALSE(p.Retirada);
        ASSERT_FALSE(q.Retirada);
        EXPECT_TRUE(window.card(move.first).visible && window.card(move.second).visible);
        const bool pair = p.Valor == q.Valor;
        switch (opponent) {
        case Opponent::Wizard:
            EXPECT_TRUE(pair);
            break;
        case Opponent::Intermediate: {
            EXPECT_TRUE(!p.Livre || !seenOnTable(move.memory));
            const int seenPartner = TMotorJogo::Busca_BuffComp(move.memory, p.Valor, move.first);
            if (seenPartner != -1) {
                EXPECT_EQ(move.second, seenPartner);
            } else {
                EXPECT_TRUE(q.Livre) << "a seen card that does not match";
                ++unseenPartnerMoves_;
                unseenPartnerPairs_ += pair;
            }
            if (move.firstOfGame) {
                EXPECT_FALSE(p.Livre) << "the first move did not start from a card the human turned";
            }
            break;
        }
        default:
            blindMisses_ += !pair && !p.Livre && !q.Livre;
            const int partner = TMotorJogo::Busca_BuffComp_Magico(move.memory, p.Valor, move.first);
            missedKnownPairs_ += !pair && !p.Livre && !move.memory.Cartas[partner].Livre;
            break;
        }
    }

    void checkFinished()
    {
        ASSERT_EQ(window.results().size(), 1U);
        EXPECT_EQ(window.Tabuleiro.Total, 0);
        EXPECT_EQ(Jogador1.Pontos + Jogador2.Pontos, 200);
        EXPECT_EQ(window.labelText(Rotulo::lblPtJg1), std::to_string(Jogador1.Pontos));
        EXPECT_EQ(window.labelText(Rotulo::lblPtJg2), std::to_string(Jogador2.Pontos));
        EXPECT_EQ(window.labelText(Rotulo::lblJogadas1), std::to_string(Jogador1.Erros));
        EXPECT_EQ(window.labelText(Rotulo::lblJogadas2), std::to_string(Jogador2.Erros));
        EXPECT_EQ(window.barPosition(Barra::pgbJg2), Jogador2.Pontos);
        for (int place = 1; place <= NumLugares; ++place)
            EXPECT_FALSE(window.card(place).visible);
        EXPECT_TRUE(Ocupado);
        EXPECT_EQ(window.timerInterval(), 0);
        const Resultado result = window.results()[0].tipo;
        if (Jogador1.Pontos == Jogador2.Pontos) {
            EXPECT_EQ(result, Resultado::Empate);
        } else if (GetParam() != Opponent::Human) {
            EXPECT_NE(result, Resultado::JogadorVenceu);
        }
    }

    static bool seenOnTable(const TTabuleiro &memory)
    {
        for (const TCarta &carta : memory.Cartas) {
            if (!carta.Livre && !carta.Retirada)
                return true;
        }
        return false;
    }

    PerfectMemoryPlayer human_;
    int blindMisses_ = 0;
    int missedKnownPairs_ = 0;
    int unseenPartnerMoves_ = 0;
    int unseenPartnerPairs_ = 0;
};

TEST_P(CompleteGame, EveryGameEndsWithEveryPairTaken)
{
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        setRandomSeed(seed * 7919);
        window.clearResults();
        playGame();
        if (HasFatalFailure())
            return;
    }
    if (GetParam() == Opponent::Beginner) {
        // The Beginner never consults its memory.
        EXPECT_GT(blindMisses_, 0);
        EXPECT_GT(missedKnownPairs_, 0);
    }
    if (GetParam() == Opponent::Intermediate) {
        // A card never seen before, drawn blindly, only sometimes matches.
        EXPECT_GT(unseenPartnerPairs_, 0);
        EXPECT_LT(unseenPartnerPairs_, unseenPartnerMoves_);
    }
}

TEST_P(CompleteGame, ASeedFixesTheWholeGame)
{
    setRandomSeed(4242);
    playGame();
    const TResultado first = window.results().at(0);
    const TJogador player1 = Jogador1;
    const TJogador player2 = Jogador2;
    window.clearResults();
    setRandomSeed(4242);
    playGame();
    EXPECT_EQ(window.results().at(0), first);
    EXPECT_EQ(Jogador1, player1);
    EXPECT_EQ(Jogador2, player2);
}

std::string opponentName(const ::testing::TestParamInfo<Opponent> &info)
{
    constexpr std::array names = {"TwoPeople", "Beginner", "Intermediate", "Wizard"};
    return names[static_cast<std::size_t>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Opponents, CompleteGame,
    ::testing::Values(Opponent::Human, Opponent::Beginner, Opponent::Intermediate, Opponent::Wizard),
    opponentName);

} // namespace
} // namespace brivmemo::testing
