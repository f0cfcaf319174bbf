// SPDX-License-Identifier: MIT
#include "Image.h"

#include <gtest/gtest.h>

namespace brivmemo {
namespace {

// A 6 x 4 red picture whose making is counted.
struct CountedPicture {
    int made = 0;

    std::function<QImage()> make()
    {
        return [this] {
            ++made;
            QImage picture(6, 4, QImage::Format_RGB32);
            picture.fill(Qt::red);
            return picture;
        };
    }
};

TEST(LazyPictureTest, IsMadeOnlyWhenFirstNeededAndThenKept)
{
    TImage image;
    CountedPicture counted;
    image.setPicture(counted.make());
    EXPECT_EQ(counted.made, 0) << "neither painted nor asked for";
    EXPECT_EQ(image.Picture().size(), QSize(6, 4));
    EXPECT_EQ(image.Picture().size(), QSize(6, 4));
    EXPECT_EQ(counted.made, 1);
}

TEST(LazyPictureTest, PaintingMakesItAndShowsIt)
{
    TImage image;
    image.resize(10, 10);
    CountedPicture counted;
    image.setPicture(counted.make());
    const QImage painted = image.grab().toImage();
    EXPECT_EQ(counted.made, 1);
    EXPECT_EQ(painted.pixel(5, 3), QColor(Qt::red).rgb());
}

TEST(LazyPictureTest, AutoSizeMakesItAtOnceToSizeTheControl)
{
    TImage image;
    image.setAutoSize(true);
    CountedPicture counted;
    image.setPicture(counted.make());
    EXPECT_EQ(counted.made, 1);
    EXPECT_EQ(image.size(), QSize(6, 4));
}

TEST(LazyPictureTest, APictureSetLaterReplacesOneNotYetMade)
{
    TImage image;
    CountedPicture counted;
    image.setPicture(counted.make());
    QImage blue(2, 2, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    image.setPicture(blue);
    EXPECT_EQ(image.Picture(), blue);
    EXPECT_EQ(counted.made, 0);
}

} // namespace
} // namespace brivmemo
