// SPDX-License-Identifier: MIT
#include "MMBevel.h"
#include "PixelTestSupport.h"
#include "SystemColors.h"

#include <QPainter>
#include <climits>
#include <gtest/gtest.h>

namespace brivmemo {

void PrintTo(const TRect &rect, std::ostream *out)
{
    *out << "(" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom << ")";
}

namespace {

using Rows = std::vector<std::string>;
using test::blankImage;
using test::describe;

// Plain colours for every band, so each letter of a map names one band.
const std::map<char, QColor> kBands = {
    {'L', toQColor(clRed)}, // outer light
    {'S', toQColor(clLime)}, // outer shadow
    {'B', toQColor(clBlue)}, // border band
    {'l', toQColor(clYellow)}, // inner light
    {'s', toQColor(clAqua)}, // inner shadow
    {'F', toQColor(clFuchsia)} // border space band
};

void useBandColours(TMMBevel &bevel)
{
    bevel.SetOuterLightColor(clRed);
    bevel.SetOuterShadowColor(clLime);
    bevel.SetBorderColor(clBlue);
    bevel.SetInnerLightColor(clYellow);
    bevel.SetInnerShadowColor(clAqua);
    bevel.SetBorderSpaceColor(clFuchsia);
}

struct Painted {
    Rows rows;
    TRect inner;
};

Painted paint(TMMBevel &bevel, int width, int height, TBevelBorder border = TBevelBorder::Paint)
{
    QImage image = blankImage(width, height);
    TRect inner;
    {
        QPainter painter(&image);
        inner = bevel.PaintBevel(painter, TRect {0, 0, width, height}, border);
    }
    return {describe(image, kBands), inner};
}

TEST(MMBevelPaintTest, CreationValuesPaintOneSunkenFrame)
{
    TMMBevel bevel;
    QImage image = blankImage(82, 82);
    TRect inner;
    {
        QPainter painter(&image);
        inner = bevel.PaintBevel(painter, TRect {0, 0, 82, 82});
    }

    EXPECT_EQ(inner, (TRect {1, 1, 81, 81}));
    const QColor shadow = toQColor(clBtnShadow);
    const QColor highlight = toQColor(clBtnHighlight);
    for (int i = 0; i <= 80; ++i) {
        EXPECT_EQ(image.pixelColor(0, i), shadow) << "column 0, row " << i;
        EXPECT_EQ(image.pixelColor(i, 0), shadow) << "row 0, column " << i;
    }
    for (int i = 0; i <= 81; ++i) {
        EXPECT_EQ(image.pixelColor(81, i), highlight) << "column 81, row " << i;
        EXPECT_EQ(image.pixelColor(i, 81), highlight) << "row 81, column " << i;
    }
    for (int y = 1; y <= 80; ++y) {
        for (int x = 1; x <= 80; ++x)
            ASSERT_EQ(image.pixelColor(x, y), test::kBackground) << x << ", " << y;
    }
}

TEST(MMBevelPaintTest, EveryBandInItsPlaceAndColour)
{
    TMMBevel bevel;
    useBandColours(bevel);
    bevel.SetBevelOuter(TBevelCut::bvRaised);
    bevel.SetBorderWidth(1);
    bevel.SetBevelInner(TBevelCut::bvLowered);
    bevel.SetBorderSpace(1);

    const Painted painted = paint(bevel, 10, 10);

    EXPECT_EQ(painted.rows,
        (Rows {"LLLLLLLLLS", //
            "LBBBBBBBBS", //
            "LBssssslBS", //
            "LBsFFFFlBS", //
            "LBsF..FlBS", //
            "LBsF..FlBS", //
            "LBsFFFFlBS", //
            "LBllllllBS", //
            "LBBBBBBBBS", //
            "SSSSSSSSSS"}));
    EXPECT_EQ(painted.inner, (TRect {4, 4, 6, 6}));
}

TEST(MMBevelPaintTest, BorderBandCanBeReservedWithoutPainting)
{
    TMMBevel bevel;
    useBandColours(bevel);
    bevel.SetBevelOuter(TBevelCut::bvRaised);
    bevel.SetBorderWidth(1);
    bevel.SetBevelInner(TBevelCut::bvRaised);

    const Painted painted = paint(bevel, 6, 6, TBevelBorder::ReserveOnly);

    EXPECT_EQ(painted.rows, (Rows {"LLLLLS", "L....S", "L.ls.S", "L.ss.S", "L....S", "SSSSSS"}));
    EXPECT_EQ(painted.inner, (TRect {3, 3, 3, 3}));
}

TEST(MMBevelPaintTest, WideLoweredBevelNestsItsFrames)
{
    TMMBevel bevel;
    useBandColours(bevel);
    bevel.SetBevelOuterWidth(2);

    const Painted painted = paint(bevel, 6, 6);

    EXPECT_EQ(painted.rows, (Rows {"SSSSSL", "SSSSLL", "SS..LL", "SS..LL", "SLLLLL", "LLLLLL"}));
    EXPECT_EQ(painted.inner, (TRect {2, 2, 4, 4}));
}

TEST(MMBevelPaintTest, SingleBorderWithoutBevelIsAWindowFrameOutline)
{
    TMMBevel bevel;
    bevel.SetBorderStyle(TBorderStyle::bsSingle);
    bevel.SetBevelOuter(TBevelCut::bvNone);
    QImage image = blankImage(5, 4);
    TRect inner;
    {
        QPainter painter(&image);
        inner = bevel.PaintBevel(painter, TRect {0, 0, 5, 4});
    }

    EXPECT_EQ(describe(image, {{'W', toQColor(clWindowFrame)}}), (Rows {"WWWWW", "W...W", "W...W", "WWWWW"}));
    EXPECT_EQ(inner, (TRect {1, 1, 4, 3}));
}

TEST(MMBevelPaintTest, SingleBorderSitsOutsideTheBevel)
{
    TMMBevel bevel;
    useBandColours(bevel);
    bevel.SetBorderStyle(TBorderStyle::bsSingle);
    QImage image = blankImage(5, 5);
    TRect inner;
    {
        QPainter painter(&image);
        inner = bevel.PaintBevel(painter, TRect {0, 0, 5, 5});
    }
    std::map<char, QColor> legend = kBands;
    legend['W'] = toQColor(clWindowFrame);

    EXPECT_EQ(describe(image, legend), (Rows {"WWWWW", "WSSLW", "WS.LW", "WLLLW", "WWWWW"}));
    EXPECT_EQ(inner, (TRect {2, 2, 3, 3}));
}

struct EmptyBevelCase {
    const char *name;
    TBevelCut outer;
    TBevelCut inner;
};

class EmptyBevelTest : public testing::TestWithParam<EmptyBevelCase> { };

TEST_P(EmptyBevelTest, PaintsAndReservesNothing)
{
    TMMBevel bevel;
    bevel.SetBevelOuter(GetParam().outer);
    bevel.SetBevelInner(GetParam().inner);
    bevel.SetBevelInnerWidth(3);
    bevel.SetBevelOuterWidth(3);

    const Painted painted = paint(bevel, 4, 3);

    EXPECT_EQ(painted.rows, (Rows {"....", "....", "...."}));
    EXPECT_EQ(painted.inner, (TRect {0, 0, 4, 3}));
}

INSTANTIATE_TEST_SUITE_P(Cuts, EmptyBevelTest,
    testing::Values(EmptyBevelCase {"InnerSpace", TBevelCut::bvNone, TBevelCut::bvSpace},
        EmptyBevelCase {"OuterSpace", TBevelCut::bvSpace, TBevelCut::bvNone},
        EmptyBevelCase {"BothNone", TBevelCut::bvNone, TBevelCut::bvNone}),
    [](const testing::TestParamInfo<EmptyBevelCase> &info) { return info.param.name; });

TEST(MMBevelPaintTest, WidthZeroOrLessDrawsNothingAndTakesNoRoom)
{
    TMMBevel bevel;
    bevel.SetBevelOuterWidth(0);
    bevel.SetBorderWidth(-3);
    bevel.SetBorderSpace(-2);

    const Painted painted = paint(bevel, 3, 3);
    const Painted reserved = paint(bevel, 3, 3, TBevelBorder::ReserveOnly);

    EXPECT_EQ(painted.rows, (Rows {"...", "...", "..."}));
    EXPECT_EQ(painted.inner, (TRect {0, 0, 3, 3}));
    EXPECT_EQ(reserved.inner, (TRect {0, 0, 3, 3}));
}

TEST(MMBevelPaintTest, WidthBeyondTheRectangleStaysInsideIt)
{
    QImage image = blankImage(12, 12);
    TRect rect {4, 4, 8, 8};
    {
        QPainter painter(&image);
        DrawEdgeFrame(painter, rect, clRed, clLime, 10);
    }

    EXPECT_EQ(rect, (TRect {14, 14, -2, -2}));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (!TRect({4, 4, 8, 8}).contains(x, y)) {
                EXPECT_EQ(image.pixelColor(x, y), test::kBackground) << x << ", " << y;
            }
        }
    }
}

TEST(MMBevelPaintTest, LargestWidthEndsAndShrinksWithoutOverflow)
{
    QImage image = blankImage(4, 4);
    TRect rect {0, 0, 4, 4};
    {
        QPainter painter(&image);
        DrawEdgeFrame(painter, rect, clRed, clLime, INT_MAX);
    }
    EXPECT_EQ(rect, (TRect {INT_MAX, INT_MAX, 4 - INT_MAX, 4 - INT_MAX}));
}

} // namespace
} // namespace brivmemo
