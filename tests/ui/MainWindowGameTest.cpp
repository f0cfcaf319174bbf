// SPDX-License-Identifier: MIT
// Whole games on the real main window: cards clicked with the mouse, every move ended by the
// window's timer tick, against each computer level and between two people.
#include "ClickingPlayer.h"
#include "DealtGameFixture.h"
#include "MMCheck.h"
#include "Random.h"
#include "Timer.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace brivmemo::test {
namespace {

using Strategy = ClickingPlayer::Strategy;

// Counts the paint events of a widget while it lives.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget &widget, int &paints)
        : paints_(paints)
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints_;
        return false;
    }

private:
    int &paints_;
};

struct GameCase {
    const char *name;
    bool againstComputer;
    void (TForm1::*chooseLevel)();
    Strategy strategy;
    std::uint32_t seed;
};

void PrintTo(const GameCase &game, std::ostream *out)
{
    *out << game.name;
}

QString expectedResult(bool againstComputer)
{
    const int points1 = Jogador1.Pontos;
    const int points2 = Jogador2.Pontos;
    if (points1 == points2)
        return QStringLiteral("Draw. Try again.");
    if (againstComputer) {
        return points1 > points2 ? QStringLiteral("You have just beaten the computer, congratulations ! Show "
                                                  "you are the best , beat him again.")
                                 : QStringLiteral("The computer has just  beaten you .Try again !");
    }
    const QString winner = points1 > points2 ? QStringLiteral("Player 1") : QStringLiteral("Player 2");
    const QString loser = points1 > points2 ? QStringLiteral("Player 2") : QStringLiteral("Player 1");
    return QStringLiteral("Congratulations %1 you won. %2 do not give up, try again.").arg(winner, loser);
}

// A game dealt from a known seed, and the colour a label is written in.
class PlayingTest : public DealtGameTest {
protected:
    QColor textColor(const QLabel *label) const { return label->palette().color(label->foregroundRole()); }
};

class MainWindowGameTest : public PlayingTest, public ::testing::WithParamInterface<GameCase> { };

TEST_P(MainWindowGameTest, IsPlayedToTheEndByClicksAndTimerTicks)
{
    const GameCase &game = GetParam();
    startGame(game.againstComputer, game.chooseLevel, game.seed);
    ASSERT_EQ(Jogador2.Tipo, game.againstComputer ? 2 : 1);
    EXPECT_EQ(form().lblJogador2->text(), game.againstComputer ? "Computer" : "Player 2");

    ClickingPlayer player(form(), game.strategy);
    ASSERT_GT(player.playGame(), 0);

    ASSERT_EQ(boxes.shown().size(), 1U);
    const ShownBox &result = boxes.shown().front();
    EXPECT_EQ(result.caption, "Brivosta Vire");
    EXPECT_EQ(result.icon, QMessageBox::NoIcon);
    EXPECT_EQ(result.buttons.size(), 1U);
    EXPECT_EQ(result.text, expectedResult(game.againstComputer));

    EXPECT_EQ(Jogador1.Pontos + Jogador2.Pontos, 200);
    EXPECT_EQ(form().lblPtJg1->text().toInt(), Jogador1.Pontos);
    EXPECT_EQ(form().lblPtJg2->text().toInt(), Jogador2.Pontos);
    EXPECT_EQ(form().lblJogadas1->text().toInt(), Jogador1.Erros);
    EXPECT_EQ(form().lblJogadas2->text().toInt(), Jogador2.Erros);
    EXPECT_EQ(form().pgbJg1->value(), Jogador1.Pontos);
    EXPECT_EQ(form().pgbJg2->value(), Jogador2.Pontos);
    for (int place = 1; place <= NumLugares; ++place)
        EXPECT_FALSE(form().image(place).isVisibleTo(form().PnBaralho)) << "place " << place;
    if (game.strategy == Strategy::Knowing) {
        EXPECT_EQ(Jogador1.Pontos, 200);
    }

    QTest::mouseClick(form().PnBaralho, Qt::LeftButton, {}, form().image(1).geometry().center());
    EXPECT_EQ(form().CartasViradas, 0);
    EXPECT_FALSE(form().tmMarcaJogada->isActive());
}

INSTANTIATE_TEST_SUITE_P(EachOpponent, MainWindowGameTest,
    ::testing::Values(GameCase {"Beginner", true, &TForm1::mnPrinClick, Strategy::Remembering, 11},
        GameCase {"Intermediate", true, &TForm1::mnInterClick, Strategy::Remembering, 22},
        GameCase {"WizardAgainstAPlayerWhoNeverMisses", true, &TForm1::mnMagicoClick, Strategy::Knowing, 33},
        GameCase {"Wizard", true, &TForm1::mnMagicoClick, Strategy::Remembering, 44},
        GameCase {"TwoPeople", false, &TForm1::Novo1Click, Strategy::Remembering, 55}),
    [](const ::testing::TestParamInfo<GameCase> &info) { return std::string(info.param.name); });

using MainWindowMoveTest = PlayingTest;

TEST_F(MainWindowMoveTest, AMissShowsBothFacesUntilTheTimerTickThenPassesTheTurn)
{
    startGame(false, &TForm1::Novo1Click, 7);
    const auto [first, second] = missingPair();
    QTest::mouseClick(&form().image(first), Qt::LeftButton);
    QTest::mouseClick(&form().image(first), Qt::LeftButton);
    EXPECT_EQ(form().CartasViradas, 1);
    QTest::mouseClick(&form().image(second), Qt::LeftButton);
    EXPECT_EQ(form().image(first).BitmapIndex(), form().Tabuleiro.Cartas[first].Valor);
    EXPECT_EQ(form().image(second).BitmapIndex(), form().Tabuleiro.Cartas[second].Valor);
    EXPECT_EQ(form().tmMarcaJogada->Interval(), 1000);
    EXPECT_EQ(textColor(form().lblJogador1), Qt::red);

    form().tmMarcaJogada->Timer();
    EXPECT_EQ(form().image(first).BitmapIndex(), 0);
    EXPECT_EQ(form().image(second).BitmapIndex(), 0);
    EXPECT_FALSE(form().tmMarcaJogada->isActive());
    EXPECT_EQ(form().lblJogadas1->text(), "1");
    for (const QLabel *label : {form().lblJogador1, form().lblJogadas1, form().lblPtJg1})
        EXPECT_EQ(textColor(label), Qt::black) << label->objectName().toStdString();
    for (const QLabel *label : {form().lblJogador2, form().lblJogadas2, form().lblPtJg2})
        EXPECT_EQ(textColor(label), Qt::red) << label->objectName().toStdString();
}

TEST_F(MainWindowMoveTest, OnePairShowsOnTheBarAtOnce)
{
    startGame(true, &TForm1::Novo1Click, 9);
    processPendingEvents();
    int paints = 0;
    PaintCounter counter(*form().pgbJg2, paints);
    form().setBarPosition(Barra::pgbJg2, 10);
    processPendingEvents();
    EXPECT_GT(paints, 0);
}

TEST_F(MainWindowMoveTest, TheTimerEndsTheMoveWhileAModalWindowIsOpen)
{
    startGame(false, &TForm1::Novo1Click, 8);
    Config.Velocidade = 1;
    const auto [first, second] = missingPair();
    QTest::mouseClick(&form().image(first), Qt::LeftButton);
    QTest::mouseClick(&form().image(second), Qt::LeftButton);
    ASSERT_EQ(form().CartasViradas, 2);

    bool settledBehindHelp = false;
    whenModal([&settledBehindHelp](QWidget &help) {
        // Bounded: the real timer, 1 ms, must fire inside the help window's own loop.
        settledBehindHelp = QTest::qWaitFor([] { return Form1->CartasViradas == 0; }, 5000);
        help.close();
    });
    QTest::keyClick(&form(), Qt::Key_F1);
    EXPECT_TRUE(settledBehindHelp);
    EXPECT_EQ(Jogador1.Erros, 1);
    EXPECT_EQ(form().JogadorAtual, &Jogador2);
}

} // namespace
} // namespace brivmemo::test
