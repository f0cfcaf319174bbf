// SPDX-License-Identifier: MIT
// The options dialog on the real windows: its layout, the speeds and names its OK stores in
// the settings in memory and shows in the main window, the ways out that store nothing, and
// the name fields that take at most 200 characters from the keyboard or the clipboard and show
// a name as the settings file keeps it.
#include "Uopcoes.h"

#include "Config.h"
#include "DialogTestSupport.h"
#include "Globais.h"
#include "memo.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace brivmemo::test {
namespace {

class UopcoesTest : public GameWindowsTest {
protected:
    void SetUp() override
    {
        GameWindowsTest::SetUp();
        createWindows();
        Config = defaultConfig();
    }

    static void show(const std::function<void(TfrmOpcoes &)> &action) { showDialog(*frmOpcoes, action); }

    static void pressOk(const std::function<void(TfrmOpcoes &)> &edit)
    {
        show([edit](TfrmOpcoes &dialog) {
            edit(dialog);
            dialog.Button1->click();
        });
    }
};

TEST_F(UopcoesTest, LaysOutItsControlsAsDesigned)
{
    expectLayout(*frmOpcoes, {307, 284},
        {{"GroupBox1", {16, 17, 201, 112}}, {"rabLenta", {28, 23, 81, 20}}, {"rabNormal", {28, 48, 81, 20}},
            {"rabRapida", {28, 77, 81, 20}}, {"GroupBox2", {18, 141, 199, 134}},
            {"edtNomJog1", {17, 38, 164, 21}}, {"edtNomJog2", {17, 84, 164, 21}},
            {"Button1", {231, 22, 70, 27}}, {"Button2", {231, 57, 70, 27}}});
    EXPECT_EQ(frmOpcoes->windowTitle(), "Options");
    EXPECT_TRUE(frmOpcoes->windowFlags().testFlags(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
    EXPECT_FALSE(frmOpcoes->windowFlags().testAnyFlags(Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(frmOpcoes->Label1->geometry(), QRect(QPoint(17, 19), frmOpcoes->Label1->sizeHint()));
    EXPECT_EQ(frmOpcoes->Label2->geometry(), QRect(QPoint(17, 66), frmOpcoes->Label2->sizeHint()));
    EXPECT_EQ(tabOrder(*frmOpcoes),
        (std::vector<QString> {"GroupBox1", "edtNomJog1", "edtNomJog2", "Button1", "Button2"}));
    EXPECT_EQ(frmOpcoes->GroupBox1->title(), "&Animation Speed");
    EXPECT_EQ(frmOpcoes->GroupBox2->title(), "&Player Names");
    EXPECT_EQ(frmOpcoes->Label1->text() + frmOpcoes->Label2->text(), "Player 1Player 2");
    EXPECT_EQ(frmOpcoes->edtNomJog1->text() + frmOpcoes->edtNomJog2->text(), "Player 1Player 2");
    EXPECT_EQ(frmOpcoes->Button1->text() + frmOpcoes->Button2->text(), "&Ok&Cancel");
    EXPECT_TRUE(frmOpcoes->Button1->isDefault());
    EXPECT_EQ(frmOpcoes->MMBitmapList1->Count(), 2);
    for (const auto &[button, caption] : {std::pair {frmOpcoes->rabLenta, "&Slow"},
             std::pair {frmOpcoes->rabNormal, "&Normal"}, std::pair {frmOpcoes->rabRapida, "&Fast"}}) {
        EXPECT_EQ(button->Caption(), caption);
        EXPECT_EQ(button->Checked(), button == frmOpcoes->rabNormal);
        expectDialogRadioButton(*button, frmOpcoes->MMBitmapList1, 0);
    }

    frmOpcoes->move(5, 5);
    show([](TfrmOpcoes &dialog) {
        expectCentredOnScreen(dialog);
        dialog.Button2->click();
    });
}

TEST_F(UopcoesTest, EachSpeedButtonStoresItsTimeAndNoneLeavesTheSpeedAlone)
{
    for (const auto &[button, velocidade] : {std::pair {&TfrmOpcoes::rabLenta, 3000},
             std::pair {&TfrmOpcoes::rabRapida, 500}, std::pair {&TfrmOpcoes::rabNormal, 1000}}) {
        Config.Velocidade = 42;
        pressOk([speed = button](TfrmOpcoes &dialog) { (dialog.*speed)->SetChecked(true); });
        EXPECT_EQ(Config.Velocidade, velocidade);
    }
    Config.Velocidade = 42;
    pressOk([](TfrmOpcoes &dialog) { dialog.rabNormal->SetChecked(false); });
    EXPECT_EQ(Config.Velocidade, 42);
}

// Names are stored as typed, blanks included; a blank name becomes a stand-in, in the field
// too. Player two's name shows only in a game of two people.
TEST_F(UopcoesTest, OkStoresTheNamesAndShowsThem)
{
    struct Case {
        QString typed1, typed2;
        std::int32_t tipoJogo;
        QString stored1, stored2, shown2;
    };
    const QString blanks[] = {QString(), QStringLiteral("   "), QStringLiteral(" \t "), QString(QChar(0x1F))};
    for (const Case &expected : {Case {"  Zoë ", "Bob  ", 1, "  Zoë ", "Bob  ", "Bob  "},
             Case {blanks[0], blanks[1], 1, "Jogador 1", "Jogador 2", "Jogador 2"},
             Case {blanks[2], blanks[3], 1, "Jogador 1", "Jogador 2", "Jogador 2"},
             Case {"Ann", "Carla", 2, "Ann", "Carla", "Computer"},
             // Letters outside the settings file's code page are kept, and shown, as "?".
             Case {"Łukasz", "Ola ża", 1, "?ukasz", "Ola ?a", "Ola ?a"}}) {
        TipoJogo = expected.tipoJogo;
        form().Inic_Jogo();
        pressOk([&expected](TfrmOpcoes &dialog) {
            dialog.edtNomJog1->setText(expected.typed1);
            dialog.edtNomJog2->setText(expected.typed2);
        });
        EXPECT_EQ(QString::fromStdString(nameText(Config.Nome1)), expected.stored1);
        EXPECT_EQ(QString::fromStdString(nameText(Config.Nome2)), expected.stored2);
        EXPECT_EQ(Config.Nome1[0], expected.stored1.size());
        EXPECT_EQ(frmOpcoes->edtNomJog1->text(), expected.stored1);
        EXPECT_EQ(frmOpcoes->edtNomJog2->text(), expected.stored2);
        EXPECT_EQ(form().lblJogador1->text(), expected.stored1);
        EXPECT_EQ(form().lblJogador2->text(), expected.shown2);
    }
}

struct WayOut {
    const char *name;
    void (*leave)(TfrmOpcoes &);
};

void PrintTo(const WayOut &way, std::ostream *out)
{
    *out << way.name;
}

class OptionsWayOutTest : public UopcoesTest, public ::testing::WithParamInterface<WayOut> { };

TEST_P(OptionsWayOutTest, StoresNothingButTheNextShowingKeepsTheEdits)
{
    const TConfig before = Config;
    show([](TfrmOpcoes &dialog) {
        QTest::keyClicks(dialog.edtNomJog1, QStringLiteral(" Jr"));
        dialog.rabLenta->SetChecked(true);
        GetParam().leave(dialog);
    });
    EXPECT_EQ(Config, before);

    // Enter in a name field presses OK, which stores what was left.
    show([](TfrmOpcoes &dialog) {
        EXPECT_EQ(dialog.edtNomJog1->text(), "Player 1 Jr");
        EXPECT_TRUE(dialog.rabLenta->Checked());
        QTest::keyClick(dialog.edtNomJog2, Qt::Key_Return);
    });
    EXPECT_EQ(nameText(Config.Nome1), "Player 1 Jr");
    EXPECT_EQ(Config.Velocidade, 3000);
}

INSTANTIATE_TEST_SUITE_P(UopcoesTest, OptionsWayOutTest,
    ::testing::Values(WayOut {"Cancel", [](TfrmOpcoes &dialog) { dialog.Button2->click(); }},
        WayOut {"Esc", [](TfrmOpcoes &dialog) { QTest::keyClick(dialog.edtNomJog1, Qt::Key_Escape); }},
        WayOut {"TitleBarClose", [](TfrmOpcoes &dialog) { dialog.close(); }},
        WayOut {"AltC", [](TfrmOpcoes &dialog) {
                    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
                    EXPECT_TRUE(waitForClick(*dialog.Button2));
                }}));

TEST_F(UopcoesTest, AcceleratorsCheckTheSpeedButtons)
{
    pressOk([](TfrmOpcoes &dialog) {
        for (const auto &[key, button] :
            {std::pair {Qt::Key_S, dialog.rabLenta}, std::pair {Qt::Key_F, dialog.rabRapida},
                std::pair {Qt::Key_N, dialog.rabNormal}, std::pair {Qt::Key_S, dialog.rabLenta}}) {
            QTest::keyClick(&dialog, key, Qt::AltModifier);
            for (TMMBitmapRadioButton *const other : {dialog.rabLenta, dialog.rabNormal, dialog.rabRapida})
                EXPECT_EQ(other->Checked(), other == button);
        }
    });
    EXPECT_EQ(Config.Velocidade, 3000);
}

TEST_F(UopcoesTest, ANameFieldRefusesTypingOrPastingBeyondTwoHundredCharacters)
{
    QLineEdit &field = *frmOpcoes->edtNomJog1;
    field.clear();
    QTest::keyClicks(&field, QString(201, u'a'));
    EXPECT_EQ(field.text(), QString(200, u'a'));

    field.clear();
    for (const auto &[pasted, expected] :
        {std::pair {QString(250, u'b'), QString()}, std::pair {QString(200, u'c'), QString(200, u'c')},
            std::pair {QString(u'd'), QString(200, u'c')}}) {
        QGuiApplication::clipboard()->setText(pasted);
        field.paste();
        EXPECT_EQ(field.text(), expected);
    }
}

TEST_F(UopcoesTest, ANameFieldShowsAtOnceTheQuestionMarkThatTheFileKeepsForALetterItCannotHold)
{
    QLineEdit &field = *frmOpcoes->edtNomJog1;
    field.clear();
    // The focus keeps the letters from the speed buttons' accelerators.
    field.setFocus();
    // Typed as a keyboard layout with the letter types it: a key event that carries the text.
    QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QStringLiteral("Ł"), Qt::NoModifier);
    QTest::keyClicks(&field, QStringLiteral("ukasz"));
    EXPECT_EQ(field.text(), "?ukasz");

    // Pasted into the middle, a letter of two UTF-16 units is one "?", and the cursor stays
    // after what was pasted.
    field.setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("ż\U0001F600é"));
    field.paste();
    EXPECT_EQ(field.text(), "???éukasz");
    EXPECT_EQ(field.cursorPosition(), 4);
}

TEST_F(UopcoesTest, ALongerNameSetByTheProgramIsKeptInTheFieldAndCutToTwoHundredAndOneWhenStored)
{
    QLineEdit &field = *frmOpcoes->edtNomJog1;
    const QString longName = QString(150, u'x') + QString(100, u'y');
    field.setText(longName);
    QTest::keyClick(&field, Qt::Key_Z);
    EXPECT_EQ(field.text(), longName);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), longName.left(249));

    pressOk([](TfrmOpcoes &) {});
    EXPECT_EQ(Config.Nome1[0], NameMaxLength);
    EXPECT_EQ(form().lblJogador1->text(), longName.left(201));
    EXPECT_EQ(field.text(), longName.left(249));
}

} // namespace
} // namespace brivmemo::test
