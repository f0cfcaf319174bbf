// SPDX-License-Identifier: MIT
// On a screen with more device pixels than logical ones, the pictures come from pixels at least
// as fine as the screen's: each control is rendered into an image of a higher device ratio, as
// a high-density screen has it painted.
#include "BitmapListControlTestSupport.h"
#include "CursorFile.h"
#include "DevicePixels.h"
#include "Image.h"
#include "LazyIcon.h"
#include "ListResource.h"
#include "MMBmpLst.h"
#include "MMCheck.h"

#include <gtest/gtest.h>

using namespace brivmemo;
using test::paintedBitmap;
using test::renderedAlone;

namespace {

QImage renderedAt(QWidget &control, qreal ratio)
{
    QImage image(deviceSize(control.size(), ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(test::kBackground);
    control.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// The pixels alone, whatever their format and ratio.
QImage pixelsOf(const QImage &image, QImage::Format format = QImage::Format_RGB32)
{
    QImage plain = image.convertToFormat(format);
    plain.setDevicePixelRatio(1);
    return plain;
}

// The share of side x side blocks whose pixels differ; a picture enlarged side times from its
// own pixels has none.
double mixedBlocks(const QImage &image, int side = 2)
{
    int mixed = 0;
    int blocks = 0;
    for (int y = 0; y + side <= image.height(); y += side) {
        for (int x = 0; x + side <= image.width(); x += side) {
            const QRgb first = image.pixel(x, y);
            bool differs = false;
            for (int dy = 0; dy < side; ++dy) {
                for (int dx = 0; dx < side; ++dx)
                    differs = differs || image.pixel(x + dx, y + dy) != first;
            }
            mixed += differs ? 1 : 0;
            ++blocks;
        }
    }
    return static_cast<double>(mixed) / blocks;
}

class HighDensityCardTest : public testing::Test {
protected:
    HighDensityCardTest()
    {
        loadBitmapListResource(list_, QStringLiteral(":/memo.mbml"));
        card_.resize(82, 82);
        card_.SetBitmapList(&list_);
    }

    TMMBitmapList list_;
    // A card shows its picture only on its table, as the game's cards do.
    QWidget table_;
    TMMBitmapListImage &card_ = *new TMMBitmapListImage(&table_);
};

TEST_F(HighDensityCardTest, TheGamesOwnCardsAreDrawnFromTheirFineCompanions)
{
    ASSERT_EQ(list_.Count(), 21);
    for (int index = 0; index < list_.Count(); ++index) {
        card_.SetBitmapIndex(index);
        const QImage doubled = renderedAt(card_, 2);
        ASSERT_EQ(doubled.size(), QSize(164, 164));
        EXPECT_GT(mixedBlocks(doubled), 0.05) << index;
        // At three times the card the companion's own pixels show, unscaled.
        const QImage companion(QStringLiteral(":/fine/memo/%1.png").arg(index));
        ASSERT_EQ(companion.size(), QSize(246, 246)) << index;
        EXPECT_TRUE(pixelsOf(renderedAt(card_, 3)) == pixelsOf(companion)) << index;
    }
}

TEST_F(HighDensityCardTest, ACardSetPictureShowsItsOwnPixelsAtEveryRatio)
{
    // A set's picture of three times the card and no companion, such as brivmemo-cardset makes.
    list_.Clear();
    list_.Add(
        *paintedBitmap(246, 246, [](int x, int y) { return TColor((x * 7 + y * 13) % 256 * 0x010101); }));
    card_.SetBitmapIndex(0);
    const QImage picture = list_.Bitmaps(0)->displayImage();
    EXPECT_TRUE(pixelsOf(renderedAt(card_, 3)) == picture);
    EXPECT_TRUE(pixelsOf(renderedAt(card_, 2))
        == picture.scaled(164, 164, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

TEST_F(HighDensityCardTest, MovingToAScreenOfAnotherRatioRedrawsAtThatRatio)
{
    card_.SetBitmapIndex(4);
    const QImage atOne = renderedAlone(card_);
    EXPECT_EQ(renderedAt(card_, 2).size(), QSize(164, 164));
    EXPECT_TRUE(pixelsOf(renderedAt(card_, 3)) == pixelsOf(QImage(QStringLiteral(":/fine/memo/4.png"))));
    EXPECT_TRUE(renderedAlone(card_) == atOne);
}

// Red and blue well above green: the left-out magenta, whole or blended into an edge.
bool magentaTinted(QRgb pixel)
{
    return qRed(pixel) - qGreen(pixel) > 60 && qBlue(pixel) - qGreen(pixel) > 60;
}

TEST(HighDensityRadioButton, GlyphsShowNoFringeOfTheLeftOutColourAtAnyRatio)
{
    TMMBitmapList list;
    loadBitmapListResource(list, QStringLiteral(":/opcoes.mbml"));
    QWidget dialog;
    dialog.resize(120, 40);
    TMMBitmapRadioButton radio(&dialog);
    radio.SetNumGlyphs(2);
    radio.SetBitmapList(&list);
    radio.SetBitmapIndex(0);
    radio.setGeometry(28, 10, 81, 20);
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        for (const bool checked : {false, true}) {
            radio.SetChecked(checked);
            const QImage image = renderedAt(radio, ratio);
            int tinted = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    tinted += magentaTinted(image.pixel(x, y)) ? 1 : 0;
            }
            EXPECT_EQ(tinted, 0) << ratio << (checked ? " checked" : " unchecked");
        }
    }
}

TEST(HighDensityRadioButton, AtThreeTimesTheGlyphIsTheCompanionsFrame)
{
    TMMBitmapList list;
    loadBitmapListResource(list, QStringLiteral(":/opcoes.mbml"));
    QWidget dialog;
    TMMBitmapRadioButton radio(&dialog);
    radio.SetNumGlyphs(2);
    radio.SetBitmapList(&list);
    radio.SetBitmapIndex(0);
    radio.setGeometry(0, 0, 81, 20);
    radio.SetChecked(true);
    const QImage image = renderedAt(radio, 3);
    const QImage companion = pixelsOf(QImage(QStringLiteral(":/fine/opcoes/0.png")));
    ASSERT_EQ(companion.size(), QSize(102, 51));
    // The glyph's top-left corner is (1, 1) for a button 20 high; the checked frame is the second.
    int compared = 0;
    for (int y = 0; y < 51; ++y) {
        for (int x = 0; x < 51; ++x) {
            const QRgb fine = companion.pixel(51 + x, y);
            if ((fine & RGB_MASK) == 0xFF00FF)
                continue;
            ASSERT_EQ(image.pixel(3 + x, 3 + y), fine) << x << ", " << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 1500);
}

TEST(HighDensityPictures, TheAboutPictureIsDrawnFromItsFineCompanion)
{
    TImage image;
    image.setPicture(QImage(QStringLiteral(":/about.bmp")));
    image.setAutoSize(true);
    image.setFinerPicture([] { return QImage(QStringLiteral(":/fine/about.png")); });
    ASSERT_EQ(image.size(), QSize(234, 60));
    EXPECT_TRUE(pixelsOf(renderedAt(image, 3)) == pixelsOf(QImage(QStringLiteral(":/fine/about.png"))));
    EXPECT_TRUE(pixelsOf(renderedAlone(image)) == pixelsOf(QImage(QStringLiteral(":/about.bmp"))));
}

TEST(HighDensityPictures, IconsOfferTheirFinerSizes)
{
    for (const auto &[name, side] :
        {std::pair {"main", 32}, std::pair {"help", 16}, std::pair {"help-item", 16}}) {
        const QString path = QStringLiteral(":/icons/%1.png").arg(QLatin1String(name));
        // Made on first use, as the windows make theirs.
        const QIcon icon = lazyIcon([path] { return iconInFinerSizes(path); });
        for (const int scale : {2, 3}) {
            const QImage finer(QStringLiteral(":/icons/%1@%2x.png").arg(QLatin1String(name)).arg(scale));
            ASSERT_EQ(finer.size(), QSize(side * scale, side * scale)) << name;
            const QImage shown = icon.pixmap(QSize(side, side), scale).toImage();
            EXPECT_TRUE(pixelsOf(shown, QImage::Format_ARGB32) == pixelsOf(finer, QImage::Format_ARGB32))
                << name << " at " << scale;
        }
    }
}

TEST(HighDensityCursors, CursorsComeFromTheirFinePicturesAndKeepTheirHotSpots)
{
    // The pointing hand, and an arrow whose slanted edges the fine picture draws finer.
    for (const int number : {15000, 2002}) {
        const QString file = QStringLiteral(":/cursors/%1.cur").arg(number);
        const QString finer = QStringLiteral(":/cursors/%1@3x.png").arg(number);
        const std::optional<QCursor> plain = loadCursorFile(file, finer, 1);
        ASSERT_TRUE(plain) << number;
        EXPECT_EQ(plain->pixmap().size(), QSize(32, 32)) << number;
        for (const qreal ratio : {2.0, 3.0}) {
            const std::optional<QCursor> cursor = loadCursorFile(file, finer, ratio);
            ASSERT_TRUE(cursor) << number;
            EXPECT_EQ(cursor->pixmap().size(), deviceSize(QSize(32, 32), ratio)) << number;
            EXPECT_EQ(cursor->pixmap().devicePixelRatio(), ratio) << number;
            // Qt's offscreen platform, like all but X11, takes the hot spot in logical pixels.
            EXPECT_EQ(cursor->hotSpot(), plain->hotSpot()) << number;
        }
    }
    const QImage arrow
        = loadCursorFile(QStringLiteral(":/cursors/2002.cur"), QStringLiteral(":/cursors/2002@3x.png"), 3)
              ->pixmap()
              .toImage();
    EXPECT_GT(mixedBlocks(arrow, 3), 0.0);
}

} // namespace
