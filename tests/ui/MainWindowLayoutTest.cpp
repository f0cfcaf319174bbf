// SPDX-License-Identifier: MIT
// The main window as built: frame, table, player boxes, the menus and the context menu.
#include "Extras.h"
#include "GameWindowsFixture.h"
#include "MMBitmapList.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

namespace brivmemo::test {
namespace {

using MainWindowLayoutTest = GameWindowsTest;

std::vector<QString> names(const QList<QAction *> &actions)
{
    std::vector<QString> result;
    for (const QAction *action : actions)
        result.push_back(action->objectName());
    return result;
}

TEST_F(MainWindowLayoutTest, HasAFixedFrameAroundItsClientAreaAtTheScreenCorner)
{
    createWindows();
    showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    EXPECT_EQ(form().windowTitle(), "Brivosta Memory Game");
    EXPECT_EQ(form().centralWidget()->size(), QSize(800, 534));
    EXPECT_EQ(form().minimumSize(), form().maximumSize());
    EXPECT_EQ(form().size().height(), 534 + form().menuBar()->height());
    EXPECT_FALSE(form().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form().testAttribute(Qt::WA_Moved));
    EXPECT_EQ(form().pos(), QPoint(0, 0));
    EXPECT_EQ(form().font().family(), "MS Sans Serif");
    EXPECT_EQ(form().font().pixelSize(), 11);
    EXPECT_EQ(form().windowIcon().availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(form().menuBar()->objectName(), "mnPrincipal");
}

TEST_F(MainWindowLayoutTest, LaysOutFortyCardsOnTheGreenPanel)
{
    createWindows();
    EXPECT_EQ(form().PnBaralho->geometry(), QRect(38, -8, 722, 455));
    EXPECT_EQ(form().PnBaralho->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(form().MMBitmapList1->Count(), 21);
    const std::array<int, 8> lefts {16, 102, 190, 277, 364, 451, 539, 626};
    const std::array<int, 5> tops {20, 106, 192, 278, 364};
    QObjectList expectedChildren;
    for (int place = 1; place <= NumLugares; ++place) {
        const TMMBitmapListImage &card = form().image(place);
        SCOPED_TRACE(place);
        expectedChildren.append(const_cast<TMMBitmapListImage *>(&card));
        EXPECT_EQ(card.objectName(), QStringLiteral("image%1").arg(place));
        EXPECT_EQ(card.Tag(), place);
        const QRect expected(lefts[static_cast<std::size_t>((place - 1) % 8)],
            tops[static_cast<std::size_t>((place - 1) / 8)], 82, place == 7 ? 80 : 82);
        EXPECT_EQ(card.geometry(), expected);
        EXPECT_EQ(card.BitmapList(), form().MMBitmapList1);
        EXPECT_EQ(card.BitmapIndex(), 0);
        EXPECT_EQ(card.NumGlyphs(), 1);
        EXPECT_FALSE(card.AutoSize());
    }
    EXPECT_EQ(form().PnBaralho->children(), expectedChildren);
}

TEST_F(MainWindowLayoutTest, PaintsTheCardBacksOnTheGreenTable)
{
    createWindows();
    const QImage table = form().PnBaralho->grab().toImage();
    EXPECT_EQ(table.pixelColor(8, 60), QColor(0, 128, 0));
    const QRect card = form().image(1).geometry();
    const QImage back = form().image(1).grab().toImage();
    EXPECT_EQ(table.copy(card), back.convertToFormat(table.format()));
    EXPECT_NE(back.pixelColor(2, 2), QColor(0, 128, 0));
}

TEST_F(MainWindowLayoutTest, PlayerLabelsFitTheirTextAndTheBarsShowNoPercentage)
{
    createWindows();
    EXPECT_EQ(form().grbJg1->title(), "Player 1 ");
    EXPECT_EQ(form().grbJg2->title(), "Player 2 ");
    form().setLabelText(Rotulo::lblJogador1, "A rather long name for a player, <b>not</b> markup");
    EXPECT_EQ(form().lblJogador1->text(), "A rather long name for a player, <b>not</b> markup");
    EXPECT_EQ(form().lblJogador1->textFormat(), Qt::PlainText);
    EXPECT_EQ(form().lblJogador1->size(), form().lblJogador1->sizeHint());
    EXPECT_EQ(form().lblJogador1->pos(), QPoint(67, 17));
    for (const QProgressBar *bar : {form().pgbJg1, form().pgbJg2}) {
        EXPECT_EQ(bar->geometry(), QRect(133, 51, 161, 15));
        EXPECT_FALSE(bar->isTextVisible());
    }
}

struct ItemCase {
    QAction *TForm1::*item;
    const char *text;
    QKeySequence shortcut;
    bool checkable;
    bool checked;
};

TEST_F(MainWindowLayoutTest, OffersEveryCommandInBothMenusWithItsKey)
{
    createWindows();
    extras::installExtras(form());
    const std::vector<ItemCase> items {
        {&TForm1::Novo1, "&New  Game", QKeySequence(Qt::Key_F2), false, false},
        {&TForm1::mnPrin, "&Beginner", {}, true, false},
        {&TForm1::mnInter, "&Intermediate", {}, true, true},
        {&TForm1::mnMagico, "&Wizard", {}, true, false},
        {&TForm1::mnOpcoes, "&Options", QKeySequence(Qt::Key_F3), false, false},
        {&TForm1::mnTipoJogo, "Game &Type", QKeySequence(Qt::Key_F4), false, false},
        {&TForm1::mnMostraTodos, "&Show all Cards", QKeySequence(Qt::Key_F5), false, false},
        {&TForm1::mnSair, "E&xit", QKeySequence(Qt::ALT | Qt::Key_F4), false, false},
        {&TForm1::AjudadoMemo1, "Brivosta Vire &Help", QKeySequence(Qt::Key_F1), false, false},
        {&TForm1::mnSobre, "&About Brivosta  Memory Game", {}, false, false},
        // The context menu shows the keys after a tab but leaves them to the main menu.
        {&TForm1::Novo2, "&New Game\tF2", {}, false, false},
        {&TForm1::PopPrin, "&Beginner", {}, true, false},
        {&TForm1::PopInter, "&Intermediate", {}, true, true},
        {&TForm1::PopMagico, "&Wizard", {}, true, false},
        {&TForm1::Opes1, "&Options\tF3", {}, false, false},
        {&TForm1::TipodeJogo1, "Game &Type\tF4", {}, false, false},
        {&TForm1::Mostrartodascartas1, "&Show all Cards\tF5", {}, false, false},
        {&TForm1::Sair1, "E&xit\tAlt+F4", {}, false, false},
    };
    for (const ItemCase &expected : items) {
        const QAction *item = form().*expected.item;
        SCOPED_TRACE(item->objectName().toStdString());
        EXPECT_EQ(item->text(), expected.text);
        EXPECT_EQ(item->shortcut(), expected.shortcut);
        EXPECT_EQ(item->isCheckable(), expected.checkable);
        EXPECT_EQ(item->isChecked(), expected.checked);
    }
    EXPECT_FALSE(form().AjudadoMemo1->icon().isNull());

    using Names = std::vector<QString>;
    // The extras add their menu between the two of the game and change nothing in them.
    ASSERT_EQ(form().menuBar()->actions().size(), 3);
    EXPECT_EQ(form().menuBar()->actions().value(0)->menu(), form().mnJogo);
    EXPECT_EQ(form().menuBar()->actions().value(1)->text(), "&Extras");
    EXPECT_EQ(form().menuBar()->actions().value(2)->menu(), form().mnAjuda);
    EXPECT_EQ(form().mnJogo->title(), "&Game");
    EXPECT_EQ(form().mnAjuda->title(), "&Help");
    EXPECT_EQ(names(form().mnJogo->actions()),
        (Names {"Novo1", "N1", "mnPrin", "mnInter", "mnMagico", "N2", "mnOpcoes", "mnTipoJogo",
            "mnMostraTodos", "N3", "mnSair"}));
    EXPECT_EQ(names(form().mnAjuda->actions()), (Names {"AjudadoMemo1", "mnSobre"}));
    EXPECT_EQ(names(form().PopupMenu1->actions()),
        (Names {"Novo2", "N6", "PopPrin", "PopInter", "PopMagico", "N5", "Opes1", "TipodeJogo1",
            "Mostrartodascartas1", "N4", "Sair1"}));
}

} // namespace
} // namespace brivmemo::test
