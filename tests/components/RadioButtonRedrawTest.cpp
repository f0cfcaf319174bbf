// SPDX-License-Identifier: MIT
#include "RadioButtonTestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using test::PaintCounter;

// The game-type dialog's group: two hovering radio buttons in a group box on a window, with
// the same look hovered or not, all shown and painted.
class RadioRedrawTest : public testing::Test {
protected:
    RadioRedrawTest()
        : group(new QGroupBox(QStringLiteral("How would you like to play ?"), &window))
        , human(new TMMBitmapRadioButton(group))
        , computer(new TMMBitmapRadioButton(group))
    {
        list.Add(*test::glyphStrip(2));
        window.resize(326, 133);
        group->setGeometry(7, 5, 233, 120);
        human->setGeometry(27, 38, 158, 20);
        computer->setGeometry(28, 68, 181, 20);
        for (TMMBitmapRadioButton *button : {human, computer}) {
            button->SetBitmapList(&list);
            button->SetBitmapIndex(0);
            button->SetNumGlyphs(2);
            button->SetMargin(4);
            button->SetAllowMouseOver(true);
            button->FontActive().SetColor(clBlack);
            button->FontActive().SetStyle(TFontStyle::fsBold);
            button->FontInactive().SetStyle(TFontStyle::fsBold);
        }
        human->SetCaption(QStringLiteral("&HUMAN x HUMAN"));
        computer->SetCaption(QStringLiteral("HUMAN x &COMPUTER"));
        human->SetChecked(true);
        window.show();
        moveTo(QPoint(300, 120));
        QApplication::processEvents();
    }

    void moveTo(QPoint point)
    {
        QTest::mouseMove(&window, point);
        QApplication::processEvents();
    }

    // What the window shows now, without painting anything again.
    QImage onScreen() const
    {
        return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The middle of a button's glyph, in window coordinates.
    static QPoint glyphMiddle(const TMMBitmapRadioButton &button)
    {
        return button.mapTo(button.window(), QPoint(1 + 2, button.height() / 2 - 2 - 1 + 2));
    }

    QWidget window;
    TMMBitmapList list;
    QGroupBox *group;
    TMMBitmapRadioButton *human;
    TMMBitmapRadioButton *computer;
};

TEST_F(RadioRedrawTest, CheckingHoveringAndLeavingRepaintOnlyTheButtons)
{
    const PaintCounter windowPaints(window);
    const PaintCounter groupPaints(*group);
    const PaintCounter humanPaints(*human);
    const PaintCounter computerPaints(*computer);

    computer->SetChecked(true);
    moveTo(computer->mapTo(&window, QPoint(50, 10)));
    EXPECT_TRUE(computer->MouseOver());
    moveTo(QPoint(300, 120));
    EXPECT_FALSE(computer->MouseOver());

    EXPECT_EQ(groupPaints.paints, 0);
    EXPECT_EQ(windowPaints.paints, 0);
    EXPECT_EQ(humanPaints.paints, 1);
    EXPECT_EQ(computerPaints.paints, 3);
}

TEST_F(RadioRedrawTest, RedrawnLookReachesTheScreen)
{
    const QImage before = onScreen();
    EXPECT_EQ(before.pixelColor(glyphMiddle(*human)), test::qColorOf(test::kFrameColors[1]));
    EXPECT_EQ(before.pixelColor(glyphMiddle(*computer)), test::qColorOf(test::kFrameColors[0]));

    computer->SetChecked(true);
    const QImage after = onScreen();
    EXPECT_EQ(after.pixelColor(glyphMiddle(*human)), test::qColorOf(test::kFrameColors[0]));
    EXPECT_EQ(after.pixelColor(glyphMiddle(*computer)), test::qColorOf(test::kFrameColors[1]));
    // The glyph's ground still shows the group box behind it.
    const QPoint groundPoint = computer->mapTo(&window, QPoint(1, computer->height() / 2 - 3));
    EXPECT_EQ(after.pixelColor(groundPoint), before.pixelColor(groundPoint));
}

TEST_F(RadioRedrawTest, BufferHoldsTheBackgroundBelowAndTheLookAbove)
{
    computer->SetChecked(true);
    const QImage &buffer = computer->Buffer();
    // The group box's own ground, as it shows just left of the button.
    const QColor ground = onScreen().pixelColor(computer->mapTo(&window, QPoint(-1, 2)));
    EXPECT_EQ(buffer.pixelColor(1, 20 + 2), ground);
    EXPECT_EQ(buffer.pixelColor(1, 2), ground);
    EXPECT_EQ(buffer.pixelColor(3, 20 / 2 - 3 + 2), test::qColorOf(test::kFrameColors[1]));
}

TEST_F(RadioRedrawTest, EveryEnterAndLeaveRedrawsEvenWithOneLook)
{
    const PaintCounter paints(*computer);
    const QPoint inside = computer->mapTo(&window, QPoint(50, 10));
    for (int round = 1; round <= 2; ++round) {
        moveTo(inside);
        moveTo(QPoint(300, 120));
        EXPECT_EQ(paints.paints, 2 * round);
    }

    computer->SetAllowMouseOver(false);
    moveTo(inside);
    moveTo(QPoint(300, 120));
    EXPECT_EQ(paints.paints, 4);
    EXPECT_FALSE(computer->MouseOver());
}

TEST_F(RadioRedrawTest, MovementSetsMouseOverButNeverClearsIt)
{
    computer->SetAllowMouseOver(false);
    moveTo(computer->mapTo(&window, QPoint(50, 10)));
    EXPECT_FALSE(computer->MouseOver());
    computer->SetAllowMouseOver(true);
    const PaintCounter paints(*computer);
    moveTo(computer->mapTo(&window, QPoint(60, 10)));
    EXPECT_TRUE(computer->MouseOver());
    moveTo(computer->mapTo(&window, QPoint(70, 10)));
    EXPECT_TRUE(computer->MouseOver());
    EXPECT_EQ(paints.paints, 1);
}

TEST_F(RadioRedrawTest, DisabledButtonKeepsMouseOverUntilLeftWhileEnabled)
{
    const QPoint inside = computer->mapTo(&window, QPoint(50, 10));
    moveTo(inside);
    computer->setEnabled(false);
    moveTo(QPoint(300, 120));
    EXPECT_TRUE(computer->MouseOver());
    computer->setEnabled(true);
    moveTo(inside);
    moveTo(QPoint(300, 120));
    EXPECT_FALSE(computer->MouseOver());
}

} // namespace
} // namespace brivmemo
