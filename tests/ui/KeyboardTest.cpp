// SPDX-License-Identifier: MIT
// Keyboard play on the real main window: the focus frame, its movement and its drawing, cards
// turned with Space and Enter through the game's own click handling, and a whole game played
// with keys alone against the computer.
#include "KeyboardGameFixture.h"
#include "TableFocusFrame.h"
#include "TableKeyboard.h"
#include "Timer.h"

#include <QTest>

namespace brivmemo::test {
namespace {

// What the keys may change: the board, the move in progress and the cards on the screen.
struct TableSnapshot {
    TTabuleiro board;
    int cardsUp;
    bool locked;
    std::array<int, NumLugares> pictures;
    std::array<bool, NumLugares> hidden;

    bool operator==(const TableSnapshot &) const = default;
};

TableSnapshot snapshot(const TForm1 &form)
{
    TableSnapshot result {form.Tabuleiro, form.CartasViradas, Ocupado, {}, {}};
    for (int place = 1; place <= NumLugares; ++place) {
        result.pictures[static_cast<std::size_t>(place - 1)] = form.image(place).BitmapIndex();
        result.hidden[static_cast<std::size_t>(place - 1)] = form.image(place).isHidden();
    }
    return result;
}

using KeyboardTest = KeyboardGameTest;

TEST_F(KeyboardTest, TheFrameShowsAtTheFirstMovingKeyAndNoKeyTurnsACardBefore)
{
    startGame(false, &TForm1::Novo1Click, 3);
    EXPECT_FALSE(player->keyboard().isFrameShown());
    const TableSnapshot before = snapshot(form());
    EXPECT_EQ(hideModalsOpenedDuring([this] {
        player->press(Qt::Key_Space);
        player->press(Qt::Key_Return);
    }),
        0);
    EXPECT_TRUE(snapshot(form()) == before);
    EXPECT_FALSE(player->keyboard().isFrameShown());

    player->press(Qt::Key_Down);
    EXPECT_TRUE(player->keyboard().isFrameShown());
    EXPECT_EQ(player->keyboard().place(), 9);
}

TEST_F(KeyboardTest, ModifiedKeysAreLeftAloneAndTheFunctionKeysKeepTheirMeaning)
{
    startGame(false, &TForm1::Novo1Click, 4);
    player->press(Qt::Key_Right);
    player->press(Qt::Key_Right, Qt::ControlModifier);
    player->press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(player->keyboard().place(), 2);

    player->press(Qt::Key_F5);
    EXPECT_TRUE(Ocupado);
    for (int place = 1; place <= NumLugares; ++place)
        EXPECT_EQ(form().image(place).BitmapIndex(), form().Tabuleiro.Cartas[place].Valor) << place;
}

struct FrameCase {
    const char *name;
    int place;
    bool taken;
};

void PrintTo(const FrameCase &frame, std::ostream *out)
{
    *out << frame.name;
}

class KeyboardFrameTest : public KeyboardGameTest, public ::testing::WithParamInterface<FrameCase> { };

TEST_P(KeyboardFrameTest, IsDrawnInTheGapAroundTheCardWithoutCoveringIt)
{
    const FrameCase &frame = GetParam();
    startGame(false, &TForm1::Novo1Click, 5);
    if (frame.taken)
        form().Esconde_Carta(*form().Busca_Controle(frame.place));
    QWidget &client = *form().centralWidget();
    const QImage before = client.grab().toImage();
    ASSERT_TRUE(player->moveTo(frame.place));
    const QImage after = client.grab().toImage();

    const QRect card = form().image(frame.place).geometry().translated(form().PnBaralho->pos());
    for (int y = card.top(); y <= card.bottom(); ++y) {
        for (int x = card.left(); x <= card.right(); ++x)
            ASSERT_EQ(after.pixelColor(x, y), before.pixelColor(x, y)) << x << ", " << y;
    }
    // From the outside in, on each side of the card: yellow, yellow, black, then the card.
    const QPoint middle = card.center();
    const std::array<QColor, TableFocusFrame::Width> rings {Qt::yellow, Qt::yellow, Qt::black};
    for (int ring = 0; ring < TableFocusFrame::Width; ++ring) {
        const int gap = TableFocusFrame::Width - ring;
        const QColor expected = rings[static_cast<std::size_t>(ring)];
        SCOPED_TRACE(ring);
        EXPECT_EQ(after.pixelColor(card.left() - gap, middle.y()), expected);
        EXPECT_EQ(after.pixelColor(card.right() + gap, middle.y()), expected);
        EXPECT_EQ(after.pixelColor(middle.x(), card.top() - gap), expected);
        EXPECT_EQ(after.pixelColor(middle.x(), card.bottom() + gap), expected);
    }
    // The green table goes on just outside the frame.
    EXPECT_EQ(after.pixelColor(card.left() - TableFocusFrame::Width - 1, middle.y()), QColor(0, 128, 0));
}

INSTANTIATE_TEST_SUITE_P(Places, KeyboardFrameTest,
    ::testing::Values(FrameCase {"FirstPlace", 1, false}, FrameCase {"ShorterSeventhPlace", 7, false},
        FrameCase {"LastPlace", 40, false}, FrameCase {"TakenPlace", 21, true}),
    [](const ::testing::TestParamInfo<FrameCase> &info) { return std::string(info.param.name); });

struct TurningKey {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const TurningKey &key, std::ostream *out)
{
    *out << key.name;
}

class KeyboardTurnTest : public KeyboardGameTest, public ::testing::WithParamInterface<TurningKey> { };

TEST_P(KeyboardTurnTest, TurnsTheCardUnderTheFrameAsAClickDoes)
{
    const TurningKey &turning = GetParam();
    startGame(false, &TForm1::Novo1Click, 6);
    const int first = 11;
    const int second = otherFace(first);
    ASSERT_TRUE(player->moveTo(first));
    player->press(turning.key, turning.modifiers);
    EXPECT_EQ(form().CartasViradas, 1);
    EXPECT_EQ(form().image(first).BitmapIndex(), form().Tabuleiro.Cartas[first].Valor);
    EXPECT_FALSE(form().Tabuleiro.Cartas[first].Fechada);
    EXPECT_FALSE(form().BuffComp.Cartas[first].Livre);
    EXPECT_FALSE(Ocupado);

    ASSERT_TRUE(player->moveTo(second));
    player->press(turning.key, turning.modifiers);
    EXPECT_EQ(form().CartasViradas, 2);
    EXPECT_EQ(form().image(second).BitmapIndex(), form().Tabuleiro.Cartas[second].Valor);
    EXPECT_TRUE(Ocupado);
    EXPECT_TRUE(form().tmMarcaJogada->isActive());
}

INSTANTIATE_TEST_SUITE_P(EachKey, KeyboardTurnTest,
    ::testing::Values(TurningKey {"Space", Qt::Key_Space, Qt::NoModifier},
        TurningKey {"Return", Qt::Key_Return, Qt::NoModifier},
        TurningKey {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier}),
    [](const ::testing::TestParamInfo<TurningKey> &info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, SpaceOnAFaceUpOrATakenCardDoesNothing)
{
    startGame(false, &TForm1::Novo1Click, 7);
    const int first = 5;
    ASSERT_TRUE(player->turn(first, Qt::Key_Space));
    const TableSnapshot oneUp = snapshot(form());
    player->press(Qt::Key_Space);
    player->press(Qt::Key_Return);
    EXPECT_TRUE(snapshot(form()) == oneUp);

    ASSERT_TRUE(player->turn(partner(first), Qt::Key_Space));
    form().tmMarcaJogada->Timer();
    ASSERT_TRUE(form().image(first).isHidden());
    ASSERT_EQ(Jogador1.Pontos, 10);
    ASSERT_TRUE(player->moveTo(first));
    const TableSnapshot taken = snapshot(form());
    player->press(Qt::Key_Space);
    player->press(Qt::Key_Return);
    EXPECT_TRUE(snapshot(form()) == taken);
    EXPECT_EQ(player->keyboard().place(), first);
}

enum class Lock { TwoCardsUp, ComputersCardsUp, BoardLockedWithNoCardUp };

class KeyboardLockTest : public KeyboardGameTest, public ::testing::WithParamInterface<Lock> {
protected:
    // Brings the board into the locked state.
    void lockBoard(Lock lock)
    {
        if (lock == Lock::BoardLockedWithNoCardUp) {
            Ocupado = true;
            return;
        }
        const int second = otherFace(1);
        player->turn(1, Qt::Key_Space);
        player->turn(second, Qt::Key_Space);
        if (lock == Lock::ComputersCardsUp)
            form().tmMarcaJogada->Timer();
    }

    int faceDownPlace() const
    {
        for (int place = NumLugares; place >= 1; --place) {
            if (!form().image(place).isHidden() && form().image(place).BitmapIndex() == 0)
                return place;
        }
        return 0;
    }
};

TEST_P(KeyboardLockTest, NoKeyTurnsACardWhileTheBoardIsLocked)
{
    const Lock lock = GetParam();
    startGame(lock == Lock::ComputersCardsUp, &TForm1::mnPrinClick, 8);
    lockBoard(lock);
    ASSERT_TRUE(Ocupado);
    ASSERT_EQ(form().CartasViradas, lock == Lock::BoardLockedWithNoCardUp ? 0 : 2);
    if (lock == Lock::ComputersCardsUp) {
        ASSERT_EQ(form().JogadorAtual, &Jogador2);
    }
    const int place = faceDownPlace();
    ASSERT_TRUE(player->moveTo(place));
    const TableSnapshot locked = snapshot(form());
    player->press(Qt::Key_Space);
    player->press(Qt::Key_Return);
    EXPECT_TRUE(snapshot(form()) == locked);
}

std::string lockName(const ::testing::TestParamInfo<Lock> &info)
{
    switch (info.param) {
    case Lock::TwoCardsUp:
        return "TwoCardsUp";
    case Lock::ComputersCardsUp:
        return "ComputersCardsUp";
    case Lock::BoardLockedWithNoCardUp:
        return "BoardLockedWithNoCardUp";
    }
    return {};
}

INSTANTIATE_TEST_SUITE_P(EachLock, KeyboardLockTest,
    ::testing::Values(Lock::TwoCardsUp, Lock::ComputersCardsUp, Lock::BoardLockedWithNoCardUp), lockName);

TEST_F(KeyboardTest, AWholeGameIsPlayedWithKeysAloneAgainstTheComputer)
{
    startGame(true, &TForm1::mnPrinClick, 11);
    ASSERT_GT(player->playGame(), 0);

    EXPECT_EQ(Jogador1.Pontos + Jogador2.Pontos, 200);
    EXPECT_GT(Jogador1.Pontos, 0);
    EXPECT_GT(Jogador1.Erros, 0) << "the computer never had a move";
    for (int place = 1; place <= NumLugares; ++place)
        EXPECT_TRUE(form().image(place).isHidden()) << place;
    ASSERT_EQ(boxes.shown().size(), 1U);
    const QString expected = Jogador1.Pontos > Jogador2.Pontos
        ? QStringLiteral(
            "You have just beaten the computer, congratulations ! Show you are the best , beat him "
            "again.")
        : Jogador1.Pontos < Jogador2.Pontos ? QStringLiteral("The computer has just  beaten you .Try again !")
                                            : QStringLiteral("Draw. Try again.");
    EXPECT_EQ(boxes.shown().front().text, expected);
}

} // namespace
} // namespace brivmemo::test
