// SPDX-License-Identifier: MIT
#include "Canvas.h"

#include "PixelTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

namespace brivmemo {
namespace {

using test::blankImage;
using test::describe;
using test::paintedPoints;
using Points = std::set<std::pair<int, int>>;
using Rows = std::vector<std::string>;

const QColor kInk(255, 0, 0);

struct LineCase {
    const char *name;
    QPoint from;
    QPoint to;
    Points painted;
};

class LineTest : public testing::TestWithParam<LineCase> { };

TEST_P(LineTest, PaintsTheStartAndStopsBeforeTheEnd)
{
    const LineCase &line = GetParam();
    QImage image = blankImage(8, 8);
    {
        QPainter painter(&image);
        drawLine(painter, line.from, line.to, kInk);
    }
    EXPECT_EQ(paintedPoints(image), line.painted);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineTest,
    testing::Values(LineCase {"Rightwards", {1, 2}, {4, 2}, {{1, 2}, {2, 2}, {3, 2}}},
        LineCase {"Leftwards", {4, 2}, {1, 2}, {{4, 2}, {3, 2}, {2, 2}}},
        LineCase {"Downwards", {3, 0}, {3, 3}, {{3, 0}, {3, 1}, {3, 2}}},
        LineCase {"Upwards", {3, 3}, {3, 0}, {{3, 3}, {3, 2}, {3, 1}}},
        LineCase {"Diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        LineCase {"OneStep", {5, 5}, {6, 5}, {{5, 5}}}, LineCase {"NoLength", {5, 5}, {5, 5}, {}},
        LineCase {"Shallow", {0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}}),
    [](const testing::TestParamInfo<LineCase> &info) { return info.param.name; });

TEST(CanvasTest, PolylinePaintsEachCornerOnceAndLeavesOutTheLastPoint)
{
    QImage image = blankImage(5, 5);
    const std::vector<QPoint> points = {{0, 3}, {0, 0}, {3, 0}};
    {
        QPainter painter(&image);
        drawPolyline(painter, points, kInk);
    }
    EXPECT_EQ(describe(image, {{'x', kInk}}), (Rows {"xxx..", "x....", "x....", "x....", "....."}));
}

TEST(CanvasTest, DottedPolylineKeepsItsPatternAcrossCorners)
{
    QImage image = blankImage(5, 5);
    const std::vector<QPoint> points = {{0, 0}, {3, 0}, {3, 4}};
    {
        QPainter painter(&image);
        drawPolyline(painter, points, kInk, LineStyle::Dotted);
    }
    // Pixels in drawing order: (0,0) (1,0) (2,0) | (3,0) (3,1) (3,2) (3,3); every other one is painted.
    EXPECT_EQ(describe(image, {{'x', kInk}}), (Rows {"x.x..", "...x.", ".....", "...x.", "....."}));
}

TEST(CanvasTest, FillCoversLeftToRightAndTopToBottomExclusive)
{
    QImage image = blankImage(6, 5);
    {
        QPainter painter(&image);
        fillRect(painter, TRect {1, 1, 4, 3}, kInk);
        fillRect(painter, TRect {5, 4, 3, 2}, QColor(0, 255, 0));
        fillRect(painter, TRect {2, 4, 2, 5}, QColor(0, 255, 0));
    }
    EXPECT_EQ(describe(image, {{'x', kInk}}), (Rows {"......", ".xxx..", ".xxx..", "......", "......"}));
}

TEST(CanvasTest, FrameOutlinesTheOutermostColumnsAndRows)
{
    QImage image = blankImage(6, 5);
    {
        QPainter painter(&image);
        frameRect(painter, TRect {1, 0, 5, 4}, kInk);
    }
    EXPECT_EQ(describe(image, {{'x', kInk}}), (Rows {".xxxx.", ".x..x.", ".x..x.", ".xxxx.", "......"}));
}

TEST(CanvasTest, DottedFrameOfASingleRowPaintsEveryOtherPixelOnce)
{
    QImage image = blankImage(6, 2);
    {
        QPainter painter(&image);
        frameRect(painter, TRect {0, 1, 5, 2}, kInk, LineStyle::Dotted);
    }
    EXPECT_EQ(describe(image, {{'x', kInk}}), (Rows {"......", "x.x.x."}));
}

TEST(CanvasTest, FollowsThePainterTranslation)
{
    QImage image = blankImage(4, 4);
    {
        QPainter painter(&image);
        painter.translate(2, 1);
        drawLine(painter, QPoint(0, 0), QPoint(2, 0), kInk);
    }
    EXPECT_EQ(paintedPoints(image), (Points {{2, 1}, {3, 1}}));
}

TEST(CanvasTest, RectanglesConvertWithTheirExclusiveEdges)
{
    const TRect rect {2, 3, 7, 5};
    const QRect converted = toQRect(rect);
    EXPECT_EQ(converted, QRect(2, 3, 5, 2));
    EXPECT_EQ(converted.right(), 6);
    EXPECT_EQ(fromQRect(converted), rect);
    EXPECT_TRUE(TRect({4, 4, 4, 9}).isEmpty());
    EXPECT_FALSE(rect.contains(7, 3));
    EXPECT_TRUE(rect.contains(6, 4));
}

} // namespace
} // namespace brivmemo
