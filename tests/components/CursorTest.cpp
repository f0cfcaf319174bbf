// SPDX-License-Identifier: MIT
#include "BriUrl.h"
#include "CursorFile.h"
#include "ProgramCursors.h"
#include "ScreenCursors.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QWidget>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace brivmemo {
namespace {

std::vector<std::uint8_t> cursorDirectory(std::uint16_t reserved, std::uint16_t type, std::uint16_t count,
    std::uint16_t hotX, std::uint16_t hotY, std::size_t size = 22)
{
    std::vector<std::uint8_t> bytes(size, 0);
    const auto put16 = [&bytes](std::size_t at, std::uint16_t value) {
        if (at + 1 < bytes.size()) {
            bytes[at] = static_cast<std::uint8_t>(value);
            bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
        }
    };
    put16(0, reserved);
    put16(2, type);
    put16(4, count);
    bytes[6] = 32;
    bytes[7] = 32;
    put16(10, hotX);
    put16(12, hotY);
    return bytes;
}

// A cursor file of one 2 x 2 picture: the directory, a 40-byte header with the doubled height,
// the palette, the colour rows and the mask rows, both from the bottom up, each padded to 4 bytes.
std::vector<std::uint8_t> cursorFile(std::uint16_t bitCount, const std::vector<std::uint32_t> &palette,
    const std::vector<std::uint8_t> &colourRows, const std::vector<std::uint8_t> &maskRows,
    std::uint32_t compression = 0)
{
    std::vector<std::uint8_t> dib;
    const auto put = [&dib](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            dib.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(40, 4);
    put(2, 4);
    put(4, 4);
    put(1, 2);
    put(bitCount, 2);
    put(compression, 4);
    // Image size, resolutions and colour counts.
    dib.insert(dib.end(), 20, 0);
    for (const std::uint32_t entry : palette)
        put(entry, 4);
    dib.insert(dib.end(), colourRows.begin(), colourRows.end());
    dib.insert(dib.end(), maskRows.begin(), maskRows.end());
    std::vector<std::uint8_t> bytes = cursorDirectory(0, 2, 1, 1, 0);
    for (int i = 0; i < 4; ++i) {
        bytes[14 + i] = static_cast<std::uint8_t>(dib.size() >> (8 * i));
        bytes[18 + i] = static_cast<std::uint8_t>(bytes.size() >> (8 * i));
    }
    bytes.insert(bytes.end(), dib.begin(), dib.end());
    return bytes;
}

// Bottom row: mask clear on the left, set on the right; top row: both clear.
const std::vector<std::uint8_t> kMask {0x40, 0, 0, 0, 0x00, 0, 0, 0};

struct PictureCase {
    const char *name;
    std::vector<std::uint8_t> file;
    // Top-left, top-right, bottom-left, bottom-right; 0 for see-through.
    std::array<QRgb, 4> pixels;
};

class CursorPictureTest : public testing::TestWithParam<PictureCase> { };

TEST_P(CursorPictureTest, ShowsTheColoursWhereTheMaskIsClearAndNothingWhereItIsSet)
{
    const QImage picture = cursorFilePicture(GetParam().file);
    ASSERT_EQ(picture.size(), QSize(2, 2));
    const std::array<QPoint, 4> places {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)};
    for (std::size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(picture.pixel(places[i]), GetParam().pixels[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Formats, CursorPictureTest,
    testing::Values(
        // Palette: 0 black, 1 white. Bottom row 1 0, top row 0 1.
        PictureCase {"OneBit", cursorFile(1, {0x000000, 0xFFFFFF}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}, kMask),
            {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0}},
        PictureCase {"FourBits",
            cursorFile(4, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                {0x12, 0, 0, 0, 0x30, 0, 0, 0}, kMask),
            {0xFF0000FF, 0xFF000000, 0xFFFF0000, 0}},
        PictureCase {"TwentyFourBits",
            cursorFile(24, {}, {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0}, kMask),
            {0xFF030201, 0xFF060504, 0xFF302010, 0}}),
    [](const testing::TestParamInfo<PictureCase> &info) { return std::string(info.param.name); });

TEST(CursorFileTest, RefusesPicturesItCannotRead)
{
    const std::vector<std::uint8_t> rows {0x80, 0, 0, 0, 0x40, 0, 0, 0};
    const std::vector<std::uint32_t> palette {0x000000, 0xFFFFFF};
    EXPECT_FALSE(cursorFilePicture(cursorFile(1, palette, rows, kMask)).isNull());
    std::vector<std::uint8_t> maskCut = cursorFile(1, palette, rows, kMask);
    maskCut.resize(maskCut.size() - 1);
    EXPECT_TRUE(cursorFilePicture(maskCut).isNull()) << "mask cut short";
    const std::vector<std::uint8_t> alpha(16, 0xFF);
    EXPECT_TRUE(cursorFilePicture(cursorFile(32, {}, alpha, kMask)).isNull()) << "32 bits";
    EXPECT_TRUE(cursorFilePicture(cursorFile(1, palette, rows, kMask, 1)).isNull()) << "compressed";
    std::vector<std::uint8_t> farOffset = cursorFile(1, palette, rows, kMask);
    farOffset[19] = 0x40;
    EXPECT_TRUE(cursorFilePicture(farOffset).isNull()) << "picture beyond the file";
    EXPECT_TRUE(cursorFilePicture(cursorDirectory(0, 2, 1, 1, 0)).isNull()) << "no picture";
}

TEST(CursorFileTest, ShippedCursorsLookAsQtsIconReaderShowsThem)
{
    registerProgramCursors();
    std::vector<int> numbers {
        crBriHandPoint, crBriSmallHandPoint, crBriGrabHand, crBriGrabHandArrow, crBriDragHand};
    for (int number = kFirstLibraryCursor; number <= kLastLibraryCursor; ++number)
        numbers.push_back(number);
    for (const int number : numbers) {
        QFile file(QStringLiteral(":/cursors/%1.cur").arg(number));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << number;
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "cur");
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull()) << number;
        const QImage picture
            = cursorFilePicture(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                static_cast<std::size_t>(bytes.size())));
        EXPECT_EQ(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected) << number;
    }
}

TEST(CursorFileTest, ReadsTheHotSpotOfTheFirstEntry)
{
    EXPECT_EQ(cursorFileHotSpot(cursorDirectory(0, 2, 1, 13, 9)), QPoint(13, 9));
    EXPECT_EQ(cursorFileHotSpot(cursorDirectory(0, 2, 3, 0x102, 0x201)), QPoint(0x102, 0x201));
}

TEST(CursorFileTest, RefusesWhatIsNoCursorDirectory)
{
    EXPECT_EQ(cursorFileHotSpot(cursorDirectory(0, 1, 1, 6, 0)), std::nullopt) << "an icon";
    EXPECT_EQ(cursorFileHotSpot(cursorDirectory(1, 2, 1, 6, 0)), std::nullopt) << "reserved field set";
    EXPECT_EQ(cursorFileHotSpot(cursorDirectory(0, 2, 0, 6, 0)), std::nullopt) << "no entry";
    EXPECT_EQ(cursorFileHotSpot(cursorDirectory(0, 2, 1, 6, 0, 21)), std::nullopt) << "entry cut short";
    EXPECT_EQ(cursorFileHotSpot({}), std::nullopt);
}

TEST(CursorFileTest, RefusesMissingFilesAndHotSpotsOutsideThePicture)
{
    EXPECT_EQ(loadCursorFile(QStringLiteral(":/cursors/no-such.cur")), std::nullopt);

    QFile shipped(QStringLiteral(":/cursors/15000.cur"));
    registerProgramCursors();
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArray bytes = shipped.readAll();
    bytes[10] = 32;
    const QTemporaryDir directory;
    QFile damaged(directory.filePath(QStringLiteral("damaged.cur")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes);
    damaged.close();
    EXPECT_EQ(loadCursorFile(damaged.fileName()), std::nullopt);
}

struct HandCase {
    int number;
    QPoint hotSpot;
};

class HandCursorTest : public testing::TestWithParam<HandCase> { };

TEST_P(HandCursorTest, NumberResolvesToAHandOfThirtyTwoPixelsWithItsHotSpotOnTheOutline)
{
    registerProgramCursors();
    const std::optional<QCursor> cursor = screenCursor(GetParam().number);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), GetParam().hotSpot);
    const QImage picture = cursor->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(32, 32));
    const QColor atHotSpot = picture.pixelColor(GetParam().hotSpot);
    EXPECT_EQ(atHotSpot.alpha(), 255);
    EXPECT_EQ(atHotSpot.rgb(), QColor(Qt::black).rgb());
}

INSTANTIATE_TEST_SUITE_P(Hands, HandCursorTest,
    testing::Values(HandCase {crBriHandPoint, {6, 0}}, HandCase {crBriSmallHandPoint, {13, 9}},
        HandCase {crBriGrabHand, {4, 2}}, HandCase {crBriGrabHandArrow, {0, 0}},
        HandCase {crBriDragHand, {0, 0}}),
    [](const testing::TestParamInfo<HandCase> &info) { return std::to_string(info.param.number); });

TEST(ProgramCursorsTest, RegistersThirtySixDistinctCursors)
{
    registerProgramCursors();
    std::vector<int> numbers
        = {crBriHandPoint, crBriSmallHandPoint, crBriGrabHand, crBriGrabHandArrow, crBriDragHand};
    for (int number = kFirstLibraryCursor; number <= kLastLibraryCursor; ++number)
        numbers.push_back(number);
    std::set<QByteArray> pictures;
    for (const int number : numbers) {
        const std::optional<QCursor> cursor = screenCursor(number);
        ASSERT_TRUE(cursor.has_value()) << number;
        const QImage picture = cursor->pixmap().toImage();
        EXPECT_TRUE(picture.rect().contains(cursor->hotSpot())) << number;
        pictures.insert(
            QByteArray(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), numbers.size());
    EXPECT_FALSE(screenCursor(kLastLibraryCursor + 1).has_value());
}

TEST(ProgramCursorsTest, NumberWhoseFileIsMissingIsLeftWithoutACursor)
{
    registerProgramCursors();
    const QTemporaryDir directory;
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(":/cursors/15002.cur"), directory.filePath(QStringLiteral("15000.cur"))));
    registerProgramCursors(directory.path());

    ASSERT_TRUE(screenCursor(crBriHandPoint).has_value());
    EXPECT_EQ(screenCursor(crBriHandPoint)->hotSpot(), QPoint(4, 2));
    EXPECT_FALSE(screenCursor(crBriSmallHandPoint).has_value());
    EXPECT_FALSE(screenCursor(2001).has_value());
    registerProgramCursors();
}

TEST(ScreenCursorsTest, ControlFollowsTheCursorRegisteredUnderItsNumber)
{
    constexpr int kNumber = 31999;
    QWidget window;
    QWidget &control = *new QWidget(&window);
    setCursorNumber(control, kNumber);
    EXPECT_EQ(cursorNumber(control), kNumber);
    EXPECT_FALSE(control.testAttribute(Qt::WA_SetCursor));

    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    setScreenCursor(kNumber, QCursor(picture, 3, 4));
    EXPECT_TRUE(control.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(control.cursor().hotSpot(), QPoint(3, 4));

    setScreenCursor(kNumber, QCursor(picture, 5, 6));
    EXPECT_EQ(control.cursor().hotSpot(), QPoint(5, 6));

    removeScreenCursor(kNumber);
    EXPECT_FALSE(control.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(control.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursorNumber(QWidget()), crDefault);
}

TEST(ScreenCursorsTest, AnyControlGivenAHandNumberShowsThatHand)
{
    registerProgramCursors();
    QWidget control;
    setCursorNumber(control, crBriGrabHand);
    EXPECT_EQ(control.cursor().hotSpot(), QPoint(4, 2));
    EXPECT_EQ(control.cursor().pixmap().toImage(), screenCursor(crBriGrabHand)->pixmap().toImage());
}

} // namespace
} // namespace brivmemo
