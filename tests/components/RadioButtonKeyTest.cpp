// SPDX-License-Identifier: MIT
#include "DialogChars.h"
#include "MMCheck.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

TEST(AcceleratorTest, IsTheLetterAfterTheFirstSingleAmpersand)
{
    EXPECT_EQ(acceleratorOf(QStringLiteral("HUMAN x &COMPUTER")), QLatin1Char('C'));
    EXPECT_EQ(acceleratorOf(QStringLiteral("Fish && &Chips")), QLatin1Char('C'));
    EXPECT_EQ(acceleratorOf(QStringLiteral("&&Only")), QChar());
    EXPECT_EQ(acceleratorOf(QStringLiteral("Trailing&")), QChar());
    EXPECT_EQ(acceleratorOf(QString()), QChar());
}

TEST(AcceleratorTest, DialogCharacterClicksAnEnabledButtonWhateverTheCase)
{
    TMMBitmapRadioButton button;
    button.SetCaption(QStringLiteral("HUMAN x &COMPUTER"));
    const QSignalSpy clicks(&button, &TMMBitmapRadioButton::clicked);
    EXPECT_FALSE(button.DialogChar(QLatin1Char('h')));
    EXPECT_FALSE(button.Checked());
    EXPECT_TRUE(button.DialogChar(QLatin1Char('c')));
    EXPECT_TRUE(button.Checked());
    EXPECT_EQ(clicks.count(), 1);

    button.SetChecked(false);
    button.setEnabled(false);
    EXPECT_FALSE(button.DialogChar(QLatin1Char('C')));
    EXPECT_FALSE(button.Checked());
}

TEST(DialogCharTargetTest, WindowlessControlsComeBeforeTheOtherChildren)
{
    QWidget window;
    new QPushButton(QStringLiteral("&Close"), &window);
    auto *const radio = new TMMBitmapRadioButton(&window);
    radio->SetCaption(QStringLiteral("&Computer"));
    EXPECT_EQ(dialogCharTarget(window, QLatin1Char('c')), radio);
}

TEST(DialogCharTargetTest, EarlierContainerWithAQtMnemonicComesFirst)
{
    QWidget window;
    auto *const first = new QWidget(&window);
    new QPushButton(QStringLiteral("&Close"), first);
    auto *const second = new QWidget(&window);
    auto *const radio = new TMMBitmapRadioButton(second);
    radio->SetCaption(QStringLiteral("&Computer"));
    EXPECT_EQ(dialogCharTarget(window, QLatin1Char('c')), nullptr);

    first->hide();
    EXPECT_EQ(dialogCharTarget(window, QLatin1Char('c')), radio);
}

TEST(DialogCharTargetTest, GroupBoxTitleClaimsItsLetterBeforeItsButtons)
{
    QWidget window;
    auto *const group = new QGroupBox(QStringLiteral("&Animation Speed"), &window);
    auto *const radio = new TMMBitmapRadioButton(group);
    radio->SetCaption(QStringLiteral("F&ast"));
    EXPECT_EQ(dialogCharTarget(window, QLatin1Char('a')), nullptr);
    radio->SetCaption(QStringLiteral("&Fast"));
    EXPECT_EQ(dialogCharTarget(window, QLatin1Char('f')), radio);
}

// The game-type dialog's controls in their order: the group box with the two radio buttons,
// then "&Ok" and "&Close".
class DialogKeyTest : public testing::Test {
protected:
    DialogKeyTest()
        : group(new QGroupBox(QStringLiteral("How would you like to play ?"), &dialog))
        , human(new TMMBitmapRadioButton(group))
        , computer(new TMMBitmapRadioButton(group))
        , ok(new QPushButton(QStringLiteral("&Ok"), &dialog))
        , close(new QPushButton(QStringLiteral("&Close"), &dialog))
        , closeClicks(close, &QPushButton::clicked)
    {
        group->setGeometry(7, 5, 233, 120);
        human->setGeometry(27, 38, 158, 20);
        computer->setGeometry(28, 68, 181, 20);
        ok->setGeometry(249, 12, 70, 27);
        close->setGeometry(249, 46, 70, 27);
        human->SetCaption(QStringLiteral("&HUMAN x HUMAN"));
        computer->SetCaption(QStringLiteral("HUMAN x &COMPUTER"));
        human->SetChecked(true);
        dialog.resize(326, 133);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        ok->setFocus();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *const focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &dialog, key, modifiers);
    }

    QDialog dialog;
    QGroupBox *group;
    TMMBitmapRadioButton *human;
    TMMBitmapRadioButton *computer;
    QPushButton *ok;
    QPushButton *close;
    QSignalSpy closeClicks;
};

TEST_F(DialogKeyTest, AltLetterChecksTheRadioButtonBeforeALaterPushButton)
{
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(computer->Checked());
    EXPECT_FALSE(human->Checked());
    EXPECT_FALSE(close->isDown());
    EXPECT_EQ(closeClicks.count(), 0);
}

TEST_F(DialogKeyTest, PlainLetterWorksWhileTheFocusTakesNoText)
{
    press(Qt::Key_C);
    EXPECT_TRUE(computer->Checked());
    press(Qt::Key_H, Qt::ShiftModifier);
    EXPECT_TRUE(human->Checked());
    EXPECT_EQ(closeClicks.count(), 0);
}

TEST_F(DialogKeyTest, OtherLettersStillReachQt)
{
    // A push button's mnemonic presses it at once and clicks it a moment later.
    press(Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(ok->isDown());
    EXPECT_TRUE(human->Checked());
}

TEST_F(DialogKeyTest, DisabledRadioButtonPassesItsLetterOn)
{
    computer->setEnabled(false);
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_FALSE(computer->Checked());
    EXPECT_TRUE(close->isDown());
}

TEST_F(DialogKeyTest, TextFieldKeepsPlainLettersButNotAltLetters)
{
    auto *const name = new QLineEdit(&dialog);
    name->setGeometry(10, 128, 100, 4);
    name->show();
    name->setFocus();
    press(Qt::Key_C);
    EXPECT_FALSE(computer->Checked());
    EXPECT_EQ(name->text(), QStringLiteral("c"));
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(computer->Checked());
    EXPECT_EQ(name->text(), QStringLiteral("c"));
}

TEST_F(DialogKeyTest, ControlLettersAreNoAccelerators)
{
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(computer->Checked());
}

} // namespace
} // namespace brivmemo
