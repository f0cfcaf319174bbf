// SPDX-License-Identifier: MIT
// The game-type dialog on the real windows: its layout, the OK that deals a game of the chosen
// type, and its second button, which ends the program after a question at start-up and only
// closes the dialog afterwards, whichever way out is taken.
#include "Uescolhe.h"

#include "DialogTestSupport.h"
#include "Globais.h"
#include "memo.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace brivmemo::test {
namespace {

class UescolheTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
    }

    static void show(const std::function<void(TfrmEscolhe &)> &action) { showDialog(*frmEscolhe, action); }

    // A game in progress: scores, mistakes and eight cards taken.
    void playSomeMoves()
    {
        form().Inic_Jogo();
        Jogador1 = {1, 30, 2, true};
        Jogador2.Pontos = 10;
        Jogador2.Erros = 4;
        form().Tabuleiro.Total = 32;
    }
};

TEST_F(UescolheTest, LaysOutItsControlsAsDesigned)
{
    expectLayout(*frmEscolhe, {326, 133},
        {{"GroupBox1", {7, 5, 233, 120}}, {"rabHumano", {27, 38, 158, 20}},
            {"rabComputador", {28, 68, 181, 20}}, {"cmdOK", {249, 12, 70, 27}},
            {"cmdSair", {249, 46, 70, 27}}});
    EXPECT_EQ(frmEscolhe->windowTitle(), "Brivosta Memory Game");
    EXPECT_TRUE(frmEscolhe->windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(frmEscolhe->windowFlags().testAnyFlags(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(frmEscolhe->GroupBox1->title(), "How would you like to play ?");
    EXPECT_EQ(frmEscolhe->rabHumano->Caption(), "&HUMAN x HUMAN");
    EXPECT_EQ(frmEscolhe->rabComputador->Caption(), "HUMAN x &COMPUTER");
    EXPECT_EQ(frmEscolhe->cmdOK->text(), "&Ok");
    EXPECT_EQ(frmEscolhe->cmdSair->text(), "E&xit");
    EXPECT_TRUE(frmEscolhe->cmdOK->isDefault());
    EXPECT_EQ(tabOrder(*frmEscolhe), (std::vector<QString> {"cmdOK", "cmdSair"}));
    EXPECT_EQ(frmEscolhe->MMBitmapList1->Count(), 12);
    for (const TMMBitmapRadioButton *const button : {frmEscolhe->rabHumano, frmEscolhe->rabComputador}) {
        EXPECT_EQ(button->parentWidget(), frmEscolhe->GroupBox1);
        expectDialogRadioButton(*button, frmEscolhe->MMBitmapList1, 8);
    }
    EXPECT_TRUE(frmEscolhe->rabHumano->Checked());
    EXPECT_FALSE(frmEscolhe->rabComputador->Checked());
}

TEST_F(UescolheTest, EveryShowingIsCentredAndNamesTheSecondButtonByTheMoment)
{
    for (const bool startUp : {true, false}) {
        PrimeiraVez = startUp;
        frmEscolhe->move(5, 5);
        show([startUp](TfrmEscolhe &dialog) {
            EXPECT_EQ(dialog.cmdSair->text(), startUp ? "E&xit" : "&Close");
            expectCentredOnScreen(dialog);
            dialog.cmdOK->click();
        });
    }
}

// OK or Enter, with the type chosen or left as it was: always a new game of that type.
TEST_F(UescolheTest, OkDealsANewGameOfTheChosenTypeAndShowsPlayerTwo)
{
    struct Case {
        TMMBitmapRadioButton *TfrmEscolhe::*button;
        bool withEnter;
        std::int32_t tipoJogo;
        const char *playerTwo;
    };
    setNameText(Config.Nome2, "Bea");
    for (const Case &expected : {Case {&TfrmEscolhe::rabComputador, false, 2, "Computer"},
             Case {&TfrmEscolhe::rabComputador, true, 2, "Computer"},
             Case {&TfrmEscolhe::rabHumano, true, 1, "Bea"},
             Case {&TfrmEscolhe::rabHumano, false, 1, "Bea"}}) {
        playSomeMoves();
        Ocupado = true;
        show([&expected](TfrmEscolhe &dialog) {
            (dialog.*expected.button)->SetChecked(true);
            if (expected.withEnter)
                QTest::keyClick(&dialog, Qt::Key_Return);
            else
                dialog.cmdOK->click();
        });
        EXPECT_EQ(TipoJogo, expected.tipoJogo);
        EXPECT_EQ(form().lblJogador2->text(), expected.playerTwo);
        EXPECT_EQ(Jogador1, (TJogador {1, 0, 0, true}));
        EXPECT_EQ(Jogador2, (TJogador {expected.tipoJogo, 0, 0, false}));
        EXPECT_EQ(form().Tabuleiro.Total, NumLugares);
        EXPECT_FALSE(Ocupado || PrimeiraVez || PediuSair);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

// The ways of leaving without OK. The bare title bar offers no close button on X11, but the
// window system may still ask the dialog to close, and Wayland decorations draw a close button
// on every window: that request reaches the dialog through its native window.
struct WayOut {
    const char *name;
    void (*leave)(TfrmEscolhe &);
};

void PrintTo(const WayOut &way, std::ostream *out)
{
    *out << way.name;
}

class GameTypeWayOutTest : public UescolheTest, public ::testing::WithParamInterface<WayOut> { };

TEST_P(GameTypeWayOutTest, AtStartUpAsksAndNoKeepsTheDialogOpenAsItWas)
{
    PrimeiraVez = true;
    show([this](TfrmEscolhe &dialog) {
        dialog.rabComputador->SetChecked(true);
        boxes.setAnswer(QStringLiteral("&No"));
        GetParam().leave(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.rabComputador->Checked() && !dialog.rabHumano->Checked());
        dialog.cmdOK->click();
    });
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().front().caption, "Confirm");
    EXPECT_EQ(boxes.shown().front().text, "Do you really want to exit ?");
    EXPECT_EQ(TipoJogo, 2);
}

TEST_P(GameTypeWayOutTest, AfterStartUpClosesWithoutAQuestionAndLeavesTheGameAlone)
{
    PrimeiraVez = false;
    TipoJogo = 1;
    playSomeMoves();
    const TTabuleiro board = form().Tabuleiro;
    const TJogador player1 = Jogador1;
    const TJogador player2 = Jogador2;
    show([](TfrmEscolhe &dialog) {
        dialog.rabComputador->SetChecked(true);
        GetParam().leave(dialog);
    });
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(TipoJogo, 1);
    EXPECT_EQ(form().Tabuleiro, board);
    EXPECT_EQ(Jogador1, player1);
    EXPECT_EQ(Jogador2, player2);

    // The next showing offers the selection left behind, not the type of the game in progress.
    show([](TfrmEscolhe &dialog) {
        EXPECT_TRUE(dialog.rabComputador->Checked() && !dialog.rabHumano->Checked());
        dialog.cmdSair->click();
    });
}

INSTANTIATE_TEST_SUITE_P(UescolheTest, GameTypeWayOutTest,
    ::testing::Values(WayOut {"SecondButton", [](TfrmEscolhe &dialog) { dialog.cmdSair->click(); }},
        WayOut {"Esc", [](TfrmEscolhe &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
        WayOut {"WindowSystemClose", [](TfrmEscolhe &dialog) {
                    QCloseEvent request;
                    QCoreApplication::sendEvent(dialog.windowHandle(), &request);
                }}));

// accept() is no button of the dialog, but Qt code may call it: it must ask, as the second
// button does, once that button has been pressed at start-up, and close quietly afterwards.
TEST_F(UescolheTest, AcceptGoesThroughTheClosingRules)
{
    PrimeiraVez = true;
    show([this](TfrmEscolhe &dialog) {
        boxes.setAnswer(QStringLiteral("&No"));
        dialog.cmdSair->click();
        ASSERT_TRUE(dialog.isVisible());
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << "closed without asking";
        dialog.cmdOK->click();
    });
    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown().back().text, "Do you really want to exit ?");

    show([](TfrmEscolhe &dialog) { dialog.accept(); });
    EXPECT_EQ(boxes.shown().size(), 2U);
}

TEST_F(UescolheTest, AcceleratorsCheckTheRadioButtonsBeforeALaterButtonWithTheSameLetter)
{
    PrimeiraVez = false;
    show([](TfrmEscolhe &dialog) {
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        EXPECT_TRUE(dialog.rabComputador->Checked() && !dialog.rabHumano->Checked());
        EXPECT_FALSE(dialog.cmdSair->isDown());
        QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
        EXPECT_TRUE(dialog.rabHumano->Checked() && !dialog.rabComputador->Checked());
        QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
        EXPECT_TRUE(waitForClick(*dialog.cmdOK));
    });
    EXPECT_EQ(TipoJogo, 1);
}

// Once the application has been told to exit, every running event loop ends and a new loop
// returns at once with -1.
bool programLoopsEnding()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
    return probe.exec() == -1;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The start-up as the program runs it: the main window's first activation shows the dialog
// inside the program's message loop, and "&Yes" to the question must end that loop.
TEST_F(UescolheTest, YesToTheQuestionAtStartUpEndsTheProgramWithoutWritingTheSettings)
{
    const QString settings = workingFile(QStringLiteral("brivmemo.ini"));
    const QByteArray settingsBefore = fileBytes(settings);
    ASSERT_EQ(settingsBefore.size(), static_cast<qsizetype>(ConfigRecordSize));
    bool loopsEnding = false;
    whenModal([this, &loopsEnding](QWidget &) {
        Config.Velocidade = 3000;
        form().mnMagico->setChecked(true);
        boxes.setAnswer(QStringLiteral("&No"));
        frmEscolhe->cmdSair->click();
        EXPECT_FALSE(programLoopsEnding());
        boxes.setAnswer(QStringLiteral("&Yes"));
        frmEscolhe->cmdSair->click();
        loopsEnding = programLoopsEnding();
        if (!loopsEnding)
            QCoreApplication::exit(1);
    });
    QTimer::singleShot(0, &form(), [this] { form().show(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(loopsEnding);
    EXPECT_FALSE(frmEscolhe->isVisible());
    EXPECT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(fileBytes(settings), settingsBefore);
}

} // namespace
} // namespace brivmemo::test
