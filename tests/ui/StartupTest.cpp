// SPDX-License-Identifier: MIT
// The main window's creation and first activation: the settings read twice, the random
// generator seeded, the options dialog and the level marks filled, the first deal and the
// game-type dialog, exactly once per run.
#include "Config.h"
#include "GameWindowsFixture.h"
#include "MMCheck.h"
#include "Random.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brivmemo::test {
namespace {

// Above every time of day in milliseconds, so a seed from the clock always differs from it.
constexpr std::uint32_t NotATimeOfDay = 0xFFFFFFFFU;
constexpr std::uint32_t MillisecondsPerDay = 86400000U;

class StartupTest : public GameWindowsTest {
protected:
    void writeSettings(const QByteArray &bytes)
    {
        QFile file(workingFile(QStringLiteral("brivmemo.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    void writeSettings(const TConfig &config)
    {
        const auto bytes = configToBytes(config);
        writeSettings(
            QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    }
};

TEST_F(StartupTest, CreatingTheMainWindowWritesTheDefaultSettingsAndSeedsTheGenerator)
{
    setRandomSeed(NotATimeOfDay);
    createWindows();
    EXPECT_TRUE(boxes.shown().empty());
    QFile file(workingFile(QStringLiteral("brivmemo.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto expected = configToBytes(defaultConfig());
    EXPECT_EQ(file.readAll(),
        QByteArray(reinterpret_cast<const char *>(expected.data()), static_cast<qsizetype>(expected.size())));
    EXPECT_LT(randomSeed(), MillisecondsPerDay);
}

// A Wayland shell ties windows to the menu entry by this id.
TEST_F(StartupTest, TheProgramCarriesTheMenuEntrysId)
{
    createWindows();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.brivosta.MemoryGame"));
}

TEST_F(StartupTest, ADamagedSettingsFileIsReportedAndTheGeneratorIsSeededAllTheSame)
{
    writeSettings(QByteArray(10, 'x'));
    setRandomSeed(NotATimeOfDay);
    createWindows();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().front().icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.shown().front().caption, "Brivosta Vire");
    EXPECT_TRUE(boxes.shown().front().text.contains("brivmemo.ini"));
    EXPECT_LT(randomSeed(), MillisecondsPerDay);
}

struct ActivationCase {
    std::int32_t velocidade;
    std::int32_t nivel;
    TMMBitmapRadioButton *TfrmOpcoes::*speedButton;
    QAction *TForm1::*level;
    QAction *TForm1::*levelTwin;
};

void PrintTo(const ActivationCase &activation, std::ostream *out)
{
    *out << "speed " << activation.velocidade << ", level " << activation.nivel;
}

class FirstActivationTest : public StartupTest, public ::testing::WithParamInterface<ActivationCase> { };

TEST_P(FirstActivationTest, FillsTheOptionsAndLevelsThenDealsAndAsksForTheGameType)
{
    const ActivationCase &expected = GetParam();
    TConfig config = defaultConfig();
    config.Velocidade = expected.velocidade;
    config.Nivel = expected.nivel;
    setNameText(config.Nome1, "Ann");
    setNameText(config.Nome2, "Bob");
    writeSettings(config);
    createWindows();
    frmOpcoes->rabRapida->SetChecked(true);
    Config = defaultConfig();
    // The activation itself marks the game-type dialog's showing as the one at start-up.
    PrimeiraVez = false;

    bool lockedWhileAsking = false;
    showAndActivate(form(), [&lockedWhileAsking](QWidget &dialog) {
        EXPECT_EQ(&dialog, frmEscolhe);
        lockedWhileAsking = Ocupado && PrimeiraVez && Form1->Tabuleiro.Total == NumLugares;
        frmEscolhe->rabHumano->SetChecked(true);
        frmEscolhe->cmdOK->click();
    });
    EXPECT_TRUE(lockedWhileAsking);
    EXPECT_FALSE(Ocupado);
    EXPECT_EQ(Config, config);
    EXPECT_EQ(frmOpcoes->edtNomJog1->text(), "Ann");
    EXPECT_EQ(frmOpcoes->edtNomJog2->text(), "Bob");
    for (auto button : {&TfrmOpcoes::rabLenta, &TfrmOpcoes::rabNormal, &TfrmOpcoes::rabRapida})
        EXPECT_EQ((frmOpcoes->*button)->Checked(), button == expected.speedButton);
    for (auto level : {&TForm1::mnPrin, &TForm1::mnInter, &TForm1::mnMagico})
        EXPECT_EQ((form().*level)->isChecked(), level == expected.level);
    for (auto twin : {&TForm1::PopPrin, &TForm1::PopInter, &TForm1::PopMagico})
        EXPECT_EQ((form().*twin)->isChecked(), twin == expected.levelTwin);
    EXPECT_EQ(form().lblJogador1->text(), "Ann");
    EXPECT_EQ(form().lblJogador2->text(), "Bob");
}

// Before the first activation the test checks "&Fast": a speed of no button leaves the buttons
// as they were, and a level of no command is Wizard.
INSTANTIATE_TEST_SUITE_P(Settings, FirstActivationTest,
    ::testing::Values(ActivationCase {3000, 1, &TfrmOpcoes::rabLenta, &TForm1::mnPrin, &TForm1::PopPrin},
        ActivationCase {1000, 2, &TfrmOpcoes::rabNormal, &TForm1::mnInter, &TForm1::PopInter},
        ActivationCase {500, 3, &TfrmOpcoes::rabRapida, &TForm1::mnMagico, &TForm1::PopMagico},
        ActivationCase {42, 0, &TfrmOpcoes::rabRapida, &TForm1::mnMagico, &TForm1::PopMagico},
        ActivationCase {1000, 7, &TfrmOpcoes::rabNormal, &TForm1::mnMagico, &TForm1::PopMagico}));

TEST_F(StartupTest, TheFirstActivationRunsOncePerRun)
{
    createWindows();
    int asked = 0;
    showAndActivate(form(), [&asked](QWidget &) {
        ++asked;
        frmEscolhe->cmdOK->click();
    });
    EXPECT_EQ(asked, 1);
    const int askedAgain = hideModalsOpenedDuring([this] {
        form().hide();
        form().show();
        activate(form());
        processPendingEvents();
    });
    EXPECT_EQ(askedAgain, 0);
}

TEST_F(StartupTest, AFailedReadAtTheFirstActivationLeavesTheTableLockedWithoutAskingTheGameType)
{
    createWindows();
    writeSettings(QByteArray(3, 'x'));
    const int asked = hideModalsOpenedDuring([this] {
        form().show();
        processPendingEvents();
    });
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().front().icon, QMessageBox::Critical);
    EXPECT_TRUE(Ocupado);
}

} // namespace
} // namespace brivmemo::test
