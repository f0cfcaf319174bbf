// SPDX-License-Identifier: MIT
// The main window as accessibility tools see it: the table with its forty places named by row
// and column and by what lies there, without ever telling a face-down card's face, and the
// player boxes telling whose turn it is.
#include "KeyboardGameFixture.h"
#include "PlayerTurnDescription.h"
#include "TableKeyboard.h"
#include "Timer.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

namespace brivmemo::test {
namespace {

// The animals of faces 1..20, in the order of the card list.
const std::array<QString, 20> animals {"dog", "cat", "lion", "frog", "pig", "elephant", "penguin", "fox",
    "owl", "octopus", "turtle", "whale", "butterfly", "snail", "crab", "giraffe", "zebra", "parrot", "monkey",
    "ladybug"};

QString placeName(int place, const QString &what)
{
    return QStringLiteral("row %1, column %2, %3")
        .arg((place - 1) / 8 + 1)
        .arg((place - 1) % 8 + 1)
        .arg(what);
}

class AccessibilityTest : public KeyboardGameTest {
protected:
    QAccessibleInterface &table() const
    {
        QAccessibleInterface *const table = QAccessible::queryAccessibleInterface(form().PnBaralho);
        if (table == nullptr)
            throw std::logic_error("the table has no accessible interface");
        return *table;
    }

    QAccessibleInterface &place(int place) const
    {
        QAccessibleInterface *const child = table().child(place - 1);
        if (child == nullptr)
            throw std::logic_error("a place has no accessible interface");
        return *child;
    }

    QString name(int at) const { return place(at).text(QAccessible::Name); }

    QString animal(int at) const
    {
        return animals[static_cast<std::size_t>(form().Tabuleiro.Cartas[at].Valor - 1)];
    }

    void takePair(int first)
    {
        ASSERT_TRUE(player->turn(first, Qt::Key_Space));
        ASSERT_TRUE(player->turn(partner(first), Qt::Key_Space));
        form().tmMarcaJogada->Timer();
        ASSERT_TRUE(form().image(first).isHidden());
    }
};

TEST_F(AccessibilityTest, TheTableHasFortyPlacesNamedByRowAndColumnAllFaceDownAtTheDeal)
{
    startGame(false, &TForm1::Novo1Click, 21);
    ASSERT_EQ(table().childCount(), 40);
    for (int at = 1; at <= NumLugares; ++at) {
        SCOPED_TRACE(at);
        QAccessibleInterface &child = place(at);
        EXPECT_EQ(child.object(), &form().image(at));
        EXPECT_EQ(child.role(), QAccessible::Button);
        EXPECT_EQ(child.text(QAccessible::Name), placeName(at, QStringLiteral("face down")));
        EXPECT_EQ(table().indexOfChild(&child), at - 1);
        EXPECT_EQ(child.parent(), &table());
        const QPoint centre = form().image(at).mapToGlobal(form().image(at).rect().center());
        EXPECT_EQ(table().childAt(centre.x(), centre.y()), &child);
    }
    EXPECT_EQ(name(13), "row 2, column 5, face down");
}

TEST_F(AccessibilityTest, FaceUpCardsAreNamedAfterTheirAnimal)
{
    startGame(false, &TForm1::Novo1Click, 22);
    ASSERT_TRUE(player->turn(30, Qt::Key_Space));
    EXPECT_EQ(name(30), placeName(30, animal(30)));
    EXPECT_EQ(name(partner(30)), placeName(partner(30), QStringLiteral("face down")));

    player->press(Qt::Key_F5);
    for (int at = 1; at <= NumLugares; ++at)
        EXPECT_EQ(name(at), placeName(at, animal(at)));
}

TEST_F(AccessibilityTest, AFaceDownCardNeverTellsItsFace)
{
    startGame(false, &TForm1::Novo1Click, 23);
    const int first = 2;
    const int second = otherFace(first);
    ASSERT_TRUE(player->turn(first, Qt::Key_Space));
    ASSERT_TRUE(player->turn(second, Qt::Key_Space));
    form().tmMarcaJogada->Timer();

    for (int at = 1; at <= NumLugares; ++at) {
        SCOPED_TRACE(at);
        ASSERT_EQ(form().image(at).BitmapIndex(), 0);
        const QAccessibleInterface &child = place(at);
        for (const QAccessible::Text kind :
            {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help}) {
            const QString text = child.text(kind);
            for (const QString &face : animals)
                EXPECT_FALSE(text.contains(face)) << kind << ": " << text.toStdString();
        }
    }
}

TEST_F(AccessibilityTest, TakenPlacesStayInTheTableNamedTakenAndCannotBePressed)
{
    startGame(false, &TForm1::Novo1Click, 24);
    const int first = 8;
    takePair(first);
    ASSERT_EQ(table().childCount(), 40);
    for (const int at : {first, partner(first)}) {
        SCOPED_TRACE(at);
        QAccessibleInterface &taken = place(at);
        EXPECT_EQ(taken.text(QAccessible::Name), placeName(at, QStringLiteral("taken")));
        EXPECT_TRUE(taken.state().disabled);
        EXPECT_FALSE(taken.state().invisible);
        EXPECT_TRUE(taken.actionInterface()->actionNames().isEmpty());
        taken.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(form().CartasViradas, 0);
        EXPECT_TRUE(form().image(at).isHidden());
    }
    EXPECT_FALSE(place(otherFace(first)).state().disabled);
}

TEST_F(AccessibilityTest, PressingAPlaceTurnsItAsAClickDoesLockIncluded)
{
    startGame(false, &TForm1::Novo1Click, 25);
    QAccessibleActionInterface &card = *place(19).actionInterface();
    ASSERT_EQ(card.actionNames(), QStringList {QAccessibleActionInterface::pressAction()});

    Ocupado = true;
    card.doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form().CartasViradas, 0);
    EXPECT_EQ(form().image(19).BitmapIndex(), 0);

    Ocupado = false;
    card.doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form().CartasViradas, 1);
    EXPECT_EQ(name(19), placeName(19, animal(19)));
}

TEST_F(AccessibilityTest, TheFocusedPlaceIsTheOneUnderTheFrame)
{
    startGame(false, &TForm1::Novo1Click, 26);
    EXPECT_EQ(table().focusChild(), nullptr);
    player->press(Qt::Key_Down);
    player->press(Qt::Key_End);
    ASSERT_EQ(player->keyboard().place(), 16);
    ASSERT_NE(table().focusChild(), nullptr);
    EXPECT_EQ(table().focusChild()->object(), &form().image(16));
    for (int at = 1; at <= NumLugares; ++at)
        EXPECT_EQ(place(at).state().focused, at == 16) << at;
}

TEST_F(AccessibilityTest, ThePlayerBoxesSayWhoseTurnItIsAndKeepTheirTexts)
{
    startGame(false, &TForm1::Novo1Click, 27);
    const auto description = [](QWidget *box) {
        return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
    };
    EXPECT_EQ(description(form().grbJg1), PlayerTurnDescription::Turn);
    EXPECT_EQ(description(form().grbJg2), PlayerTurnDescription::NoTurn);

    const int second = otherFace(1);
    ASSERT_TRUE(player->turn(1, Qt::Key_Space));
    ASSERT_TRUE(player->turn(second, Qt::Key_Space));
    EXPECT_EQ(description(form().grbJg1), PlayerTurnDescription::Turn) << "the turn passes at the timer tick";
    form().tmMarcaJogada->Timer();
    EXPECT_EQ(description(form().grbJg1), PlayerTurnDescription::NoTurn);
    EXPECT_EQ(description(form().grbJg2), PlayerTurnDescription::Turn);

    EXPECT_EQ(form().grbJg1->title(), "Player 1 ");
    EXPECT_EQ(form().grbJg2->title(), "Player 2 ");
    EXPECT_EQ(form().lblJogador1->text(), "Player 1");
    EXPECT_EQ(form().lblJogadas1->text(), "1");
}

} // namespace
} // namespace brivmemo::test
