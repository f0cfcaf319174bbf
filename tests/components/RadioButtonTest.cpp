// SPDX-License-Identifier: MIT
#include "RadioButtonTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using test::glyphStrip;
using test::PaintCounter;
using test::ProbeRadioButton;

TEST(RadioButtonTest, StartsUncheckedTransparentWithFourFrames)
{
    const TMMBitmapRadioButton button;
    EXPECT_EQ(button.geometry(), QRect(0, 0, 100, 17));
    EXPECT_TRUE(button.Transparent());
    EXPECT_TRUE(button.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(button.Buffer().size(), QSize(100, 34));
    EXPECT_EQ(button.NumGlyphs(), 4);
    EXPECT_EQ(button.Margin(), 7);
    EXPECT_EQ(button.Alignment(), TLeftRight::taLeftJustify);
    EXPECT_FALSE(button.Checked());
    EXPECT_FALSE(button.MouseOver());
    EXPECT_FALSE(button.AllowMouseOver());
    EXPECT_EQ(button.FontActive().Color(), clRed);
    EXPECT_EQ(button.FontActive().Style(), TFontStyles());
    EXPECT_EQ(button.FontInactive().Color(), clBlack);
    EXPECT_EQ(button.BitmapIndex(), -1);
    EXPECT_EQ(button.TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}

TEST(RadioButtonTest, StaysOpaqueToQtWhenTransparentIsSetThroughTheBaseClass)
{
    TMMBitmapRadioButton button;
    TMMGraphicControl &control = button;
    control.SetTransparent(false);
    control.SetTransparent(true);
    EXPECT_TRUE(button.Transparent());
    EXPECT_TRUE(button.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(RadioButtonTest, BufferFollowsTheSize)
{
    QWidget window;
    auto *const button = new TMMBitmapRadioButton(&window);
    button->setGeometry(3, 4, 158, 20);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(button->Buffer().size(), QSize(158, 40));
}

struct ClampCase {
    int value;
    int stored;
};

class NumGlyphsClampTest : public testing::TestWithParam<ClampCase> { };

TEST_P(NumGlyphsClampTest, KeepsTheValueWithinOneToFour)
{
    TMMBitmapRadioButton button;
    button.SetNumGlyphs(GetParam().value);
    EXPECT_EQ(button.NumGlyphs(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Values, NumGlyphsClampTest,
    testing::Values(
        ClampCase {0, 1}, ClampCase {9, 4}, ClampCase {-3, 1}, ClampCase {3, 3}, ClampCase {2, 2}));

struct DetectionCase {
    const char *name;
    int stripWidth;
    int stripHeight;
    int numGlyphsBefore;
    int numGlyphsAfter;
};

class NumGlyphsDetectionTest : public testing::TestWithParam<DetectionCase> { };

TEST_P(NumGlyphsDetectionTest, SplitsAStripOfSquareFramesOnlyFromOne)
{
    const DetectionCase &c = GetParam();
    TMMBitmapList list;
    list.Add(*test::solidBitmap(c.stripWidth, c.stripHeight, clFuchsia));
    TMMBitmapRadioButton button;
    button.SetNumGlyphs(c.numGlyphsBefore);
    button.SetBitmapList(&list);
    button.SetBitmapIndex(0);
    EXPECT_EQ(button.NumGlyphs(), c.numGlyphsAfter);
}

INSTANTIATE_TEST_SUITE_P(Strips, NumGlyphsDetectionTest,
    testing::Values(DetectionCase {"TwoSquares", 34, 17, 1, 2}, DetectionCase {"FourSquares", 68, 17, 1, 4},
        DetectionCase {"OneSquare", 17, 17, 1, 1}, DetectionCase {"TenSquaresIsTooMany", 170, 17, 1, 1},
        DetectionCase {"NotAMultiple", 35, 17, 1, 1}, DetectionCase {"OnlyFromOne", 34, 17, 3, 3}),
    [](const testing::TestParamInfo<DetectionCase> &info) { return info.param.name; });

TEST(RadioButtonTest, NoDetectionWhileLoading)
{
    TMMBitmapList list;
    list.Add(*test::solidBitmap(34, 17, clFuchsia));
    TMMBitmapRadioButton button;
    button.SetNumGlyphs(1);
    button.beginLoading();
    button.SetBitmapList(&list);
    button.SetBitmapIndex(0);
    EXPECT_EQ(button.NumGlyphs(), 1);
    button.Loaded();
    list.Add(*test::solidBitmap(1, 1, clFuchsia));
    EXPECT_EQ(button.NumGlyphs(), 2);
}

// Three buttons in a group box with a check box, and one more in a second group box.
class RadioGroupTest : public testing::Test {
protected:
    RadioGroupTest()
        : group(new QGroupBox(&window))
        , other(new QGroupBox(&window))
        , checkBox(new QCheckBox(group))
        , slow(new TMMBitmapRadioButton(group))
        , normal(new TMMBitmapRadioButton(group))
        , fast(new TMMBitmapRadioButton(group))
        , elsewhere(new TMMBitmapRadioButton(other))
    {
        checkBox->setChecked(true);
        elsewhere->SetChecked(true);
    }

    std::vector<bool> checks() const
    {
        return {
            slow->Checked(), normal->Checked(), fast->Checked(), elsewhere->Checked(), checkBox->isChecked()};
    }

    QWidget window;
    QGroupBox *group;
    QGroupBox *other;
    QCheckBox *checkBox;
    TMMBitmapRadioButton *slow;
    TMMBitmapRadioButton *normal;
    TMMBitmapRadioButton *fast;
    TMMBitmapRadioButton *elsewhere;
};

TEST_F(RadioGroupTest, CheckingOneClearsTheOthersOfItsParentOnly)
{
    normal->SetChecked(true);
    EXPECT_EQ(checks(), (std::vector<bool> {false, true, false, true, true}));
    fast->SetChecked(true);
    EXPECT_EQ(checks(), (std::vector<bool> {false, false, true, true, true}));
    slow->SetChecked(true);
    EXPECT_EQ(checks(), (std::vector<bool> {true, false, false, true, true}));
}

TEST_F(RadioGroupTest, UncheckingLeavesTheGroupWithNoneChecked)
{
    normal->SetChecked(true);
    normal->SetChecked(false);
    EXPECT_EQ(checks(), (std::vector<bool> {false, false, false, true, true}));
}

TEST_F(RadioGroupTest, ClickTellsBeforeChecking)
{
    std::vector<bool> seen;
    QObject::connect(fast, &TMMBitmapRadioButton::clicked, [&] { seen.push_back(fast->Checked()); });
    fast->Click();
    fast->Click();
    EXPECT_EQ(seen, (std::vector<bool> {false, true}));
    EXPECT_TRUE(fast->Checked());
}

TEST_F(RadioGroupTest, DoubleClickTellsDoubleClickedThenClicks)
{
    std::vector<std::string> log;
    QObject::connect(slow, &TMMBitmapRadioButton::clicked, [&] { log.emplace_back("click"); });
    QObject::connect(slow, &TMMBitmapRadioButton::doubleClicked, [&] { log.emplace_back("double"); });
    slow->DblClick();
    EXPECT_EQ(log, (std::vector<std::string> {"double", "click"}));
    EXPECT_TRUE(slow->Checked());
}

TEST_F(RadioGroupTest, LeftButtonClickOnTheButtonChecksIt)
{
    window.resize(300, 200);
    group->setGeometry(0, 0, 300, 100);
    normal->setGeometry(10, 20, 100, 17);
    window.show();
    QApplication::processEvents();
    const QSignalSpy clicks(normal, &TMMBitmapRadioButton::clicked);
    QTest::mouseClick(normal, Qt::RightButton);
    EXPECT_FALSE(normal->Checked());
    QTest::mouseClick(normal, Qt::LeftButton);
    EXPECT_TRUE(normal->Checked());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(RadioButtonMouseTest, OnlyTheLeftButtonOfAnEnabledButtonIsTold)
{
    ProbeRadioButton button;
    const QSignalSpy downs(&button, &TMMBitmapRadioButton::mouseDown);
    const QSignalSpy ups(&button, &TMMBitmapRadioButton::mouseUp);
    button.pressAndRelease(Qt::RightButton);
    EXPECT_EQ(downs.count(), 0);
    button.pressAndRelease(Qt::LeftButton);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 1);
    button.setEnabled(false);
    button.pressAndRelease(Qt::LeftButton);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_FALSE(button.Checked());
}

TEST(RadioButtonFontStyleTest, ChangedFieldRepaintsTheButtonInFull)
{
    QWidget window;
    auto *const button = new TMMBitmapRadioButton(&window);
    window.show();
    QApplication::processEvents();
    const PaintCounter buttonPaints(*button);
    const PaintCounter parentPaints(window);

    button->FontInactive().SetColor(clBlack);
    button->FontActive().SetStyle({});
    EXPECT_EQ(buttonPaints.paints, 0);

    button->FontInactive().SetColor(clNavy);
    EXPECT_EQ(buttonPaints.paints, 1);
    // A full repaint reads the parent's background again.
    EXPECT_EQ(parentPaints.paints, 1);
    button->FontActive().SetStyle(TFontStyle::fsItalic);
    EXPECT_EQ(buttonPaints.paints, 2);
    EXPECT_EQ(&button->FontActive().OwnerButton(), button);
}

} // namespace
} // namespace brivmemo
