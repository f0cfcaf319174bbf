// SPDX-License-Identifier: MIT
#include "MMBitmapListImage.h"

#include "BitmapListControlTestSupport.h"
#include "SystemColors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using test::kBackground;
using test::paintedBitmap;
using test::qColorOf;
using test::renderedAlone;
using test::solidBitmap;

// Counts its paints and lets a test paint it straight into an image.
class ProbeImage : public TMMBitmapListImage {
public:
    using TMMBitmapListImage::TMMBitmapListImage;

    QImage paintedDirectly()
    {
        QImage image = test::blankImage(width(), height());
        QPainter painter(&image);
        PaintGlyph(painter);
        return image;
    }

    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TMMBitmapListImage::paintEvent(event);
    }
};

class BitmapListImageTest : public testing::Test {
protected:
    BitmapListImageTest()
        : image(new ProbeImage(&window))
    {
        window.resize(300, 300);
        image->move(5, 6);
        image->SetBitmapList(&list);
    }

    // Shows entry index of the list with the given framing.
    void show(int index, int numGlyphs, TMMGlyphOrientation orientation = TMMGlyphOrientation::goHorizontal)
    {
        image->SetGlyphOrientation(orientation);
        image->SetNumGlyphs(numGlyphs);
        image->SetBitmapIndex(index);
    }

    void showWindow()
    {
        window.show();
        QApplication::processEvents();
        image->paints = 0;
    }

    QWidget window;
    TMMBitmapList list;
    ProbeImage *image;
};

TEST_F(BitmapListImageTest, NumGlyphsIsOneOrMore)
{
    for (const int numGlyphs : {0, -3}) {
        image->SetNumGlyphs(5);
        image->SetNumGlyphs(numGlyphs);
        EXPECT_EQ(image->NumGlyphs(), 1) << numGlyphs;
    }
}

TEST_F(BitmapListImageTest, GlyphRectCutsTheStripIntoFrames)
{
    struct Case {
        int width;
        int height;
        int numGlyphs;
        TMMGlyphOrientation orientation;
        int index;
        TRect expected;
    };
    constexpr auto horizontal = TMMGlyphOrientation::goHorizontal;
    constexpr auto vertical = TMMGlyphOrientation::goVertical;
    const Case cases[] = {
        {34, 17, 2, horizontal, 0, {0, 0, 17, 17}},
        {34, 17, 2, horizontal, 1, {17, 0, 34, 17}},
        {34, 17, 2, horizontal, 7, {17, 0, 34, 17}},
        {35, 17, 2, horizontal, 1, {17, 0, 34, 17}},
        {34, 17, 2, horizontal, -1, {-17, 0, 0, 17}},
        {34, 17, 40, horizontal, 3, {0, 0, 0, 17}},
        {10, 31, 3, vertical, 0, {0, 0, 10, 10}},
        {10, 31, 3, vertical, 2, {0, 20, 10, 30}},
        {10, 31, 3, vertical, 9, {0, 20, 10, 30}},
        {119, 135, 1, horizontal, 0, {0, 0, 119, 135}},
    };
    for (const Case &c : cases) {
        list.Clear();
        list.Add(*solidBitmap(c.width, c.height, clRed));
        show(0, c.numGlyphs, c.orientation);
        EXPECT_EQ(image->GlyphRect(c.index), c.expected)
            << c.width << " x " << c.height << " / " << c.numGlyphs << " frame " << c.index;
    }
}

TEST_F(BitmapListImageTest, AutoSizeFitsTheControlToOneFrame)
{
    struct Case {
        int width;
        int height;
        int numGlyphs;
        TMMGlyphOrientation orientation;
        QSize expected;
    };
    const Case cases[] = {
        {34, 17, 2, TMMGlyphOrientation::goHorizontal, {17, 17}},
        {34, 17, 2, TMMGlyphOrientation::goVertical, {34, 8}},
        {34, 17, 40, TMMGlyphOrientation::goHorizontal, {80, 80}},
        {10, 31, 40, TMMGlyphOrientation::goVertical, {80, 80}},
        {0, 0, 1, TMMGlyphOrientation::goHorizontal, {80, 80}},
    };
    for (const Case &c : cases) {
        image->SetAutoSize(false);
        image->resize(80, 80);
        list.Clear();
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->create(PixelFormat::Bits24, c.width, c.height);
        list.Add(*bitmap);
        show(0, c.numGlyphs, c.orientation);
        EXPECT_EQ(image->size(), QSize(80, 80)) << "AutoSize off";
        image->SetAutoSize(true);
        EXPECT_EQ(image->size(), c.expected) << c.width << " x " << c.height << " / " << c.numGlyphs;
        EXPECT_EQ(image->pos(), QPoint(5, 6));
    }
}

TEST_F(BitmapListImageTest, AListChangeWhileLoadingDoesNotResize)
{
    image->SetAutoSize(true);
    image->beginLoading();
    show(0, 1);
    list.Add(*solidBitmap(30, 20, clRed));
    EXPECT_EQ(image->size(), QSize(80, 80));
    image->Loaded();
    list.Add(*solidBitmap(9, 9, clRed));
    EXPECT_EQ(image->size(), QSize(30, 20));
}

// Quarters of four colours, the left and top ones one pixel larger.
std::unique_ptr<TBitmap> quarters(int width, int height)
{
    return paintedBitmap(width, height, [width, height](int x, int y) {
        const bool left = x <= width / 2;
        const bool top = y <= height / 2;
        return top ? (left ? clRed : clBlue) : (left ? clLime : clYellow);
    });
}

TEST_F(BitmapListImageTest, APictureIsStretchedOverTheWholeControl)
{
    struct Case {
        QSize picture;
        QSize control;
    };
    const Case cases[] = {{{83, 85}, {82, 82}}, {{119, 135}, {82, 80}}, {{20, 10}, {82, 82}}};
    for (const Case &c : cases) {
        list.Clear();
        list.Add(*quarters(c.picture.width(), c.picture.height()));
        image->resize(c.control);
        show(0, 1);
        const QImage painted = renderedAlone(*image);
        ASSERT_EQ(painted.size(), c.control);
        EXPECT_EQ(test::paintedPoints(painted).size(),
            static_cast<std::size_t>(c.control.width() * c.control.height()))
            << "every pixel painted for " << c.picture.width() << " x " << c.picture.height();
        const int right = c.control.width() - 1;
        const int bottom = c.control.height() - 1;
        EXPECT_EQ(painted.pixelColor(0, 0), qColorOf(clRed));
        EXPECT_EQ(painted.pixelColor(right, 0), qColorOf(clBlue));
        EXPECT_EQ(painted.pixelColor(0, bottom), qColorOf(clLime));
        EXPECT_EQ(painted.pixelColor(right, bottom), qColorOf(clYellow));
    }
}

TEST_F(BitmapListImageTest, StretchingIsSmoothNotBlocky)
{
    list.Add(*paintedBitmap(2, 1, [](int x, int) { return x == 0 ? clBlack : clWhite; }));
    show(0, 1);
    const QImage painted = renderedAlone(*image);
    const int middle = painted.pixelColor(40, 40).red();
    EXPECT_GT(middle, 0x20);
    EXPECT_LT(middle, 0xE0);
    EXPECT_EQ(painted.pixelColor(0, 40), Qt::black);
    EXPECT_EQ(painted.pixelColor(79, 40), Qt::white);
}

TEST_F(BitmapListImageTest, AFrameOfItsOwnSizeIsCopiedExactly)
{
    list.Add(*paintedBitmap(34, 17, [](int x, int y) { return rgbColor(x * 7, y * 15, x < 17 ? 0 : 255); }));
    image->resize(17, 17);
    show(0, 2);
    image->SetGlyphIndex(1);
    const QImage painted = renderedAlone(*image);
    TBitmap &strip = *list.Bitmaps(0);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 17; ++x)
            ASSERT_EQ(painted.pixelColor(x, y), qColorOf(strip.pixel(x + 17, y))) << x << ", " << y;
    }
}

TEST_F(BitmapListImageTest, AFrameOutsideTheBitmapShowsTheControlColour)
{
    list.Add(*solidBitmap(34, 17, clRed));
    show(0, 2);
    image->SetGlyphIndex(-1);
    const QImage painted = renderedAlone(*image);
    EXPECT_EQ(painted.pixelColor(0, 0), toQColor(image->Color()));
    EXPECT_EQ(painted.pixelColor(79, 79), toQColor(image->Color()));
}

TEST_F(BitmapListImageTest, NothingIsPaintedWithoutAnEntry)
{
    list.Add(*solidBitmap(4, 4, clRed));
    for (const int index : {-1, 1}) {
        image->SetBitmapIndex(index);
        EXPECT_FALSE(image->testAttribute(Qt::WA_OpaquePaintEvent)) << "the parent shows through";
        EXPECT_TRUE(test::paintedPoints(renderedAlone(*image)).empty()) << index;
    }
    image->SetBitmapIndex(0);
    EXPECT_TRUE(image->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(renderedAlone(*image).pixelColor(40, 40), qColorOf(clRed));
}

TEST_F(BitmapListImageTest, AHiddenControlPaintsNothing)
{
    list.Add(*solidBitmap(4, 4, clRed));
    show(0, 1);
    EXPECT_EQ(image->paintedDirectly().pixelColor(3, 3), qColorOf(clRed));
    image->hide();
    EXPECT_TRUE(test::paintedPoints(image->paintedDirectly()).empty());
}

TEST_F(BitmapListImageTest, DestroyingTheListLeavesTheControlEmpty)
{
    auto own = std::make_unique<TMMBitmapList>();
    own->Add(*solidBitmap(4, 4, clRed));
    image->SetBitmapList(own.get());
    image->SetBitmapIndex(0);
    ASSERT_FALSE(test::paintedPoints(renderedAlone(*image)).empty());
    own.reset();
    EXPECT_EQ(image->BitmapList(), nullptr);
    EXPECT_TRUE(test::paintedPoints(renderedAlone(*image)).empty());
}

TEST_F(BitmapListImageTest, ChangesOfTheBitmapReachThePicture)
{
    list.Add(*solidBitmap(4, 4, clRed));
    show(0, 1);
    EXPECT_EQ(renderedAlone(*image).pixelColor(40, 40), qColorOf(clRed));
    TBitmap &bitmap = *list.Bitmaps(0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            bitmap.setPixel(x, y, clBlue);
    }
    EXPECT_EQ(renderedAlone(*image).pixelColor(40, 40), qColorOf(clBlue));
    image->resize(20, 30);
    EXPECT_EQ(renderedAlone(*image).size(), QSize(20, 30));
    EXPECT_EQ(renderedAlone(*image).pixelColor(19, 29), qColorOf(clBlue));
}

TEST_F(BitmapListImageTest, GlyphIndexRepaintsAtOnceAndFramingInvalidates)
{
    list.Add(*solidBitmap(34, 17, clRed));
    show(0, 2);
    showWindow();

    image->SetGlyphIndex(1);
    EXPECT_EQ(image->paints, 1);
    image->SetGlyphIndex(1);
    EXPECT_EQ(image->paints, 1);

    image->SetGlyphOrientation(TMMGlyphOrientation::goVertical);
    EXPECT_EQ(image->paints, 1);
    QApplication::processEvents();
    EXPECT_EQ(image->paints, 2);
}

class ImageClickTest : public BitmapListImageTest {
protected:
    ImageClickTest()
    {
        QObject::connect(image, &TMMBitmapListImage::clicked, [this] { ++clicks; });
        QObject::connect(image, &TMMBitmapListImage::doubleClicked, [this] { ++doubleClicks; });
    }

    void send(QEvent::Type type, Qt::MouseButton button, QPoint at = {10, 10})
    {
        const Qt::MouseButtons held
            = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, image->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(image, &event);
    }

    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(ImageClickTest, ALeftPressAndReleaseOnTheControlIsAClick)
{
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    send(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    send(QEvent::MouseButtonPress, Qt::RightButton);
    send(QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(clicks, 1) << "right button";

    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, {90, 10});
    EXPECT_EQ(clicks, 1) << "released outside";

    send(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "release without a press";
    EXPECT_EQ(doubleClicks, 0);
}

TEST_F(ImageClickTest, ADoubleClickIsOneClickAndOneDoubleClick)
{
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

} // namespace
} // namespace brivmemo
