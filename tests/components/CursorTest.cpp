// SPDX-License-Identifier: MIT
#include "BriUrl.h"
#include "CursorFile.h"
#include "ProgramCursors.h"
#include "ScreenCursors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
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
