// SPDX-License-Identifier: MIT
// The main window's commands through their menu items, their context-menu twins and their
// keys: new games, levels, show all, the secondary windows and the context menu itself.
#include "About.h"
#include "FakeGameWindow.h"
#include "GameWindowsFixture.h"
#include "Random.h"
#include "Timer.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <variant>

namespace brivmemo::test {
namespace {

// A command as a person gives it: a key on the main window or a menu item.
using Command = std::variant<QKeyCombination, QAction * TForm1::*>;

class MainWindowCommandsTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
        showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    }

    void give(const Command &command)
    {
        if (const auto *key = std::get_if<QKeyCombination>(&command)) {
            activate(form());
            QTest::keyClick(&form(), key->key(), key->keyboardModifiers());
        } else {
            (form().*std::get<QAction * TForm1::*>(command))->trigger();
        }
    }

    static TTabuleiro dealFrom(std::uint32_t seed)
    {
        testing::FakeGameWindow fake;
        setRandomSeed(seed);
        fake.Inic_Jogo();
        return fake.Tabuleiro;
    }

    void expectFreshDeal(std::uint32_t seed)
    {
        EXPECT_EQ(form().Tabuleiro, dealFrom(seed));
        EXPECT_EQ(form().CartasViradas, 0);
        EXPECT_FALSE(Ocupado);
        EXPECT_FALSE(form().tmMarcaJogada->isActive());
        for (int place = 1; place <= NumLugares; ++place) {
            EXPECT_EQ(form().image(place).BitmapIndex(), 0);
            EXPECT_TRUE(form().image(place).isVisibleTo(form().PnBaralho));
        }
    }

    void expectLevelMarks(QAction *TForm1::*checkedMain, QAction *TForm1::*checkedTwin)
    {
        const std::array<std::pair<QAction * TForm1::*, QAction * TForm1::*>, 3> pairs {{
            {&TForm1::mnPrin, &TForm1::PopPrin},
            {&TForm1::mnInter, &TForm1::PopInter},
            {&TForm1::mnMagico, &TForm1::PopMagico},
        }};
        for (const auto &[main, twin] : pairs) {
            EXPECT_EQ((form().*main)->isChecked(), main == checkedMain)
                << (form().*main)->objectName().toStdString();
            EXPECT_EQ((form().*twin)->isChecked(), twin == checkedTwin)
                << (form().*twin)->objectName().toStdString();
        }
    }
};

TEST_F(MainWindowCommandsTest, NewGameDealsAgainFromEveryWayOfAskingWithACardTurned)
{
    const std::vector<Command> commands {QKeyCombination(Qt::Key_F2), &TForm1::Novo1, &TForm1::Novo2};
    std::uint32_t seed = 100;
    for (const Command &command : commands) {
        QTest::mouseClick(&form().image(5), Qt::LeftButton);
        ASSERT_EQ(form().CartasViradas, 1);
        setRandomSeed(++seed);
        give(command);
        expectFreshDeal(seed);
    }
}

TEST_F(MainWindowCommandsTest, ALevelCommandMarksItsLevelInBothMenusAndDealsEvenWhenAlreadyChosen)
{
    struct LevelStep {
        QAction *TForm1::*command;
        QAction *TForm1::*main;
        QAction *TForm1::*twin;
    };
    const std::vector<LevelStep> steps {
        {&TForm1::mnPrin, &TForm1::mnPrin, &TForm1::PopPrin},
        {&TForm1::PopPrin, &TForm1::mnPrin, &TForm1::PopPrin},
        {&TForm1::PopMagico, &TForm1::mnMagico, &TForm1::PopMagico},
        {&TForm1::mnInter, &TForm1::mnInter, &TForm1::PopInter},
        {&TForm1::mnInter, &TForm1::mnInter, &TForm1::PopInter},
        {&TForm1::mnMagico, &TForm1::mnMagico, &TForm1::PopMagico},
        {&TForm1::PopInter, &TForm1::mnInter, &TForm1::PopInter},
    };
    std::uint32_t seed = 200;
    for (const LevelStep &step : steps) {
        SCOPED_TRACE((form().*step.command)->objectName().toStdString());
        setRandomSeed(++seed);
        give(step.command);
        expectLevelMarks(step.main, step.twin);
        expectFreshDeal(seed);
    }
}

TEST_F(MainWindowCommandsTest, ShowAllCardsTurnsEveryFaceUpAndLocksTheTable)
{
    for (const Command &command :
        std::vector<Command> {QKeyCombination(Qt::Key_F5), &TForm1::Mostrartodascartas1}) {
        give(&TForm1::Novo1);
        give(command);
        EXPECT_TRUE(Ocupado);
        for (int place = 1; place <= NumLugares; ++place) {
            EXPECT_TRUE(form().image(place).isVisibleTo(form().PnBaralho));
            EXPECT_EQ(form().image(place).BitmapIndex(), form().Tabuleiro.Cartas[place].Valor);
        }
        const TTabuleiro revealed = form().Tabuleiro;
        QTest::mouseClick(&form().image(3), Qt::LeftButton);
        EXPECT_EQ(form().CartasViradas, 0);
        EXPECT_EQ(form().Tabuleiro, revealed);
    }
}

TEST_F(MainWindowCommandsTest, OpensEachSecondaryWindowModallyAndLeavesTheGameAsItWas)
{
    struct WindowCase {
        Command command;
        QWidget *(*window)();
    };
    const std::vector<WindowCase> cases {
        {QKeyCombination(Qt::Key_F3), []() -> QWidget * { return frmOpcoes; }},
        {&TForm1::Opes1, []() -> QWidget * { return frmOpcoes; }},
        {&TForm1::mnOpcoes, []() -> QWidget * { return frmOpcoes; }},
        {QKeyCombination(Qt::Key_F4), []() -> QWidget * { return frmEscolhe; }},
        {&TForm1::TipodeJogo1, []() -> QWidget * { return frmEscolhe; }},
        {&TForm1::mnTipoJogo, []() -> QWidget * { return frmEscolhe; }},
        {QKeyCombination(Qt::Key_F1), []() -> QWidget * { return frmAjuda; }},
        {&TForm1::AjudadoMemo1, []() -> QWidget * { return frmAjuda; }},
        {&TForm1::mnSobre, []() -> QWidget * { return f_sobre; }},
    };
    QTest::mouseClick(&form().image(9), Qt::LeftButton);
    const TTabuleiro board = form().Tabuleiro;
    for (const WindowCase &expected : cases) {
        QWidget *opened = nullptr;
        whenModal([&opened](QWidget &modal) {
            opened = &modal;
            modal.close();
        });
        give(expected.command);
        processPendingEvents();
        EXPECT_EQ(opened, expected.window());
        EXPECT_FALSE(opened != nullptr && opened->isVisible());
        EXPECT_EQ(form().Tabuleiro, board);
        EXPECT_EQ(form().CartasViradas, 1);
    }
}

TEST_F(MainWindowCommandsTest, ARightClickOverACardOrABoxOpensTheContextMenu)
{
    for (QWidget *target :
        {static_cast<QWidget *>(&form().image(12)), static_cast<QWidget *>(form().lblPtJg2)}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), target->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(target, &event);
        EXPECT_TRUE(form().PopupMenu1->isVisible()) << target->objectName().toStdString();
        form().PopupMenu1->hide();
    }
}

} // namespace
} // namespace brivmemo::test
