// SPDX-License-Identifier: MIT
#include "GlyphScaler.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace brivmemo;

QImage stripes()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 8, (x / 4 % 2) * 255));
    return picture;
}

TEST(GlyphScalerTest, ScalersAskingForTheSameFrameAtTheSameSizeShareOneResult)
{
    const QImage picture = stripes();
    const TRect frame {0, 0, 20, 30};
    GlyphScaler first;
    GlyphScaler second;
    GlyphScaler larger;

    const QImage &a = first.scaled(picture, frame, QSize(82, 82), Qt::green);
    const QImage &b = second.scaled(picture, frame, QSize(82, 82), Qt::green);
    const QImage &c = larger.scaled(picture, frame, QSize(90, 82), Qt::green);

    EXPECT_EQ(a.constBits(), b.constBits());
    EXPECT_NE(a.constBits(), c.constBits());
    EXPECT_EQ(a, picture.copy(0, 0, 20, 30).scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    EXPECT_EQ(c.size(), QSize(90, 82));
}

TEST(GlyphScalerTest, MovingOnToAnotherFrameLeavesTheSharedResultOfTheOthersAsItWas)
{
    const QImage picture = stripes();
    GlyphScaler first;
    GlyphScaler second;
    first.scaled(picture, {0, 0, 20, 30}, QSize(50, 50), Qt::green);
    const QImage &kept = second.scaled(picture, {0, 0, 20, 30}, QSize(50, 50), Qt::green);
    const QImage before = kept.copy();

    const QImage &moved = first.scaled(picture, {20, 0, 40, 30}, QSize(50, 50), Qt::green);

    EXPECT_EQ(kept, before);
    EXPECT_NE(moved, before);
    EXPECT_EQ(
        moved, picture.copy(20, 0, 20, 30).scaled(50, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

TEST(GlyphScalerTest, APictureWithNewPixelsIsScaledAgain)
{
    QImage picture = stripes();
    GlyphScaler first;
    GlyphScaler second;
    const QImage before = first.scaled(picture, {0, 0, 40, 30}, QSize(60, 60), Qt::green).copy();

    picture.fill(Qt::red);
    const QImage &after = second.scaled(picture, {0, 0, 40, 30}, QSize(60, 60), Qt::green);

    EXPECT_NE(after, before);
    EXPECT_EQ(after.pixel(30, 30), qRgb(255, 0, 0));
}

} // namespace
