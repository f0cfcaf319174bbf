// SPDX-License-Identifier: MIT
// Leaving the program through the main window: every way of closing asks first, and only a
// confirmed exit writes the settings, with the level of the menus.
#include "Config.h"
#include "GameWindowsFixture.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace brivmemo::test {
namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray recordBytes(const TConfig &config)
{
    const auto bytes = configToBytes(config);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

struct CloseWay {
    const char *name;
    std::function<void(TForm1 &)> ask;
};

void PrintTo(const CloseWay &way, std::ostream *out)
{
    *out << way.name;
}

class MainWindowExitTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
        showAndActivate(form(), [](QWidget &) { frmEscolhe->cmdOK->click(); });
    }

    QString settingsPath() const { return workingFile(QStringLiteral("brivmemo.ini")); }

    void expectTheExitQuestion(std::size_t boxesShown)
    {
        ASSERT_EQ(boxes.shown().size(), boxesShown);
        const ShownBox &box = boxes.shown().back();
        EXPECT_EQ(box.text, "Do you really want to exit ?");
        EXPECT_EQ(box.caption, "Confirm");
        EXPECT_EQ(box.icon, QMessageBox::Question);
        EXPECT_EQ(box.buttons, (std::vector<QString> {"&Yes", "&No"}));
        EXPECT_EQ(box.defaultButton, "&Yes");
        EXPECT_EQ(box.escapeButton, "&No");
    }
};

class EveryWayOfClosingTest : public MainWindowExitTest, public ::testing::WithParamInterface<CloseWay> { };

TEST_P(EveryWayOfClosingTest, AsksAndKeepsTheGameOnNoOrEscThenWritesTheSettingsOnYes)
{
    form().mnMagicoClick();
    setNameText(Config.Nome1, "Ann");
    QTest::mouseClick(&form().image(1), Qt::LeftButton);
    const QByteArray before = fileBytes(settingsPath());
    const TTabuleiro board = form().Tabuleiro;
    const TJogador player1 = Jogador1;

    std::size_t asked = 0;
    for (const char *answer : {"&No", ""}) {
        boxes.setAnswer(QString::fromLatin1(answer));
        GetParam().ask(form());
        expectTheExitQuestion(++asked);
        EXPECT_TRUE(form().isVisible());
        EXPECT_EQ(fileBytes(settingsPath()), before);
        EXPECT_EQ(form().Tabuleiro, board);
        EXPECT_EQ(form().CartasViradas, 1);
        EXPECT_EQ(Jogador1, player1);
        EXPECT_TRUE(form().mnMagico->isChecked());
    }

    boxes.setAnswer(QStringLiteral("&Yes"));
    GetParam().ask(form());
    expectTheExitQuestion(++asked);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(Config.Nivel, 3);
    EXPECT_EQ(nameText(Config.Nome1), "Ann");
    EXPECT_EQ(fileBytes(settingsPath()), recordBytes(Config));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, EveryWayOfClosingTest,
    ::testing::Values(CloseWay {"ExitItem", [](TForm1 &form) { form.mnSair->trigger(); }},
        CloseWay {"ContextExitItem", [](TForm1 &form) { form.Sair1->trigger(); }},
        CloseWay {"AltF4",
            [](TForm1 &form) {
                activate(form);
                QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
            }},
        CloseWay {"TitleBar", [](TForm1 &form) { form.close(); }}),
    [](const ::testing::TestParamInfo<CloseWay> &info) { return std::string(info.param.name); });

TEST_F(MainWindowExitTest, StoresTheCheckedLevel)
{
    const std::vector<std::pair<void (TForm1::*)(), int>> levels {
        {&TForm1::mnPrinClick, 1}, {&TForm1::mnInterClick, 2}, {&TForm1::mnMagicoClick, 3}};
    boxes.setAnswer(QStringLiteral("&Yes"));
    for (const auto &[choose, nivel] : levels) {
        (form().*choose)();
        Config.Nivel = 0;
        form().close();
        EXPECT_EQ(Config.Nivel, nivel);
        EXPECT_EQ(fileBytes(settingsPath()).mid(408), recordBytes(Config).mid(408));
        form().show();
    }
}

TEST_F(MainWindowExitTest, AWriteThatFailsKeepsTheWindowOpen)
{
    ASSERT_TRUE(QFile::remove(settingsPath()));
    ASSERT_TRUE(QDir(workingFile({})).mkdir(QStringLiteral("brivmemo.ini")));
    boxes.setAnswer(QStringLiteral("&Yes"));
    form().close();
    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown().back().icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.shown().back().caption, "Brivosta Vire");
    EXPECT_TRUE(form().isVisible());

    ASSERT_TRUE(QDir(workingFile({})).rmdir(QStringLiteral("brivmemo.ini")));
    form().close();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(fileBytes(settingsPath()), recordBytes(Config));
}

} // namespace
} // namespace brivmemo::test
