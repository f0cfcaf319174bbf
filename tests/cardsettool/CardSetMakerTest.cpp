// SPDX-License-Identifier: MIT
#include "Bitmap.h"
#include "CardBitmap.h"
#include "CardSetError.h"
#include "FaceLikeness.h"
#include "FolderReplacement.h"
#include "SquarePicture.h"
#include "TestPictures.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

using namespace brivmemo;
using namespace brivmemo::cardtool;

namespace {

constexpr int kSide = 246;

struct FitCase {
    const char *name;
    QSize size;
    QRect covered; // where the picture lies on the square
};

void PrintTo(const FitCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class FitOnSquareTest : public testing::TestWithParam<FitCase> { };

// The picture is red with a transparent frame one eighth of its size wide, so that the frame
// must come out white like the square around it.
TEST_P(FitOnSquareTest, ScalesToFitKeepingTheShapeCentredOnWhite)
{
    const FitCase &fit = GetParam();
    QImage picture(fit.size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(QRect(QPoint(0, 0), fit.size)
                                    .adjusted(fit.size.width() / 8, fit.size.height() / 8,
                                        -fit.size.width() / 8, -fit.size.height() / 8),
        Qt::red);

    const QImage square = fitOnSquare(picture, kSide);

    ASSERT_EQ(square.size(), QSize(kSide, kSide));
    const QRect &covered = fit.covered;
    const QRect red = covered.adjusted(
        covered.width() / 4, covered.height() / 4, -covered.width() / 4, -covered.height() / 4);
    for (const QPoint point : {red.topLeft(), red.bottomRight(), red.center()})
        EXPECT_EQ(square.pixel(point), qRgb(255, 0, 0)) << point.x() << "," << point.y();
    const QPoint frame(covered.left() + 1, covered.center().y());
    const QPoint outside = covered.width() < kSide ? QPoint(covered.left() / 2, kSide / 2)
                                                   : QPoint(kSide / 2, covered.top() / 2);
    for (const QPoint point : {frame, outside})
        EXPECT_EQ(square.pixel(point), qRgb(255, 255, 255)) << point.x() << "," << point.y();
}

INSTANTIATE_TEST_SUITE_P(Shapes, FitOnSquareTest,
    testing::Values(FitCase {"wide", QSize(100, 50), QRect(0, 61, 246, 123)},
        FitCase {"tall", QSize(40, 80), QRect(61, 0, 123, 246)},
        FitCase {"small_square", QSize(16, 16), QRect(0, 0, 246, 246)},
        FitCase {"large_square", QSize(800, 800), QRect(0, 0, 246, 246)}),
    [](const auto &info) { return std::string(info.param.name); });

QImage pictureOfColors(int colors)
{
    QImage picture(64, 64, QImage::Format_RGB32);
    for (int pixel = 0; pixel < 64 * 64; ++pixel)
        picture.setPixel(pixel % 64, pixel / 64, qRgb(pixel % colors % 256, pixel % colors / 256, 7));
    return picture;
}

struct FormCase {
    int colors;
    PixelFormat format;
};

void PrintTo(const FormCase &testCase, std::ostream *out)
{
    *out << testCase.colors << " colours";
}

class CardPixelsTest : public testing::TestWithParam<FormCase> { };

TEST_P(CardPixelsTest, KeepsEveryColourInTheSmallestForm)
{
    const QImage picture = pictureOfColors(GetParam().colors);

    const TBitmap stored(toCardPixels(picture));

    EXPECT_EQ(stored.pixelFormat(), GetParam().format);
    if (GetParam().format == PixelFormat::Bits8) {
        EXPECT_EQ(stored.palette().size(), static_cast<std::size_t>(GetParam().colors));
    }
    EXPECT_EQ(stored.displayImage(), picture.convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Colours, CardPixelsTest,
    testing::Values(FormCase {1, PixelFormat::Bits8}, FormCase {2, PixelFormat::Bits8},
        FormCase {256, PixelFormat::Bits8}, FormCase {257, PixelFormat::Bits24},
        FormCase {4096, PixelFormat::Bits24}));

// A white 256 x 256 picture with the first `cells` thumbnail cells black: each black cell adds
// 255 / 256 to the mean difference from white.
QImage withBlackCells(int cells)
{
    QImage picture(256, 256, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int cell = 0; cell < cells; ++cell)
        painter.fillRect(cell % 16 * 16, cell / 16 * 16, 16, 16, Qt::black);
    return picture;
}

TEST(FaceLikenessTest, ThumbnailAveragesTheGreyOfEachCell)
{
    QImage picture(246, 246, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // Columns 0 to 122 fall in the cells 0 to 7 (122 * 16 / 246 = 7).
    QPainter(&picture).fillRect(0, 0, 123, 246, QColor(100, 150, 200));
    const double grey = (299.0 * 100 + 587.0 * 150 + 114.0 * 200) / 1000.0;

    const Thumbnail thumbnail = greyThumbnail(picture);

    for (int row = 0; row < kThumbnailSide; ++row) {
        EXPECT_DOUBLE_EQ(thumbnail[static_cast<std::size_t>(row * 16 + 7)], grey);
        EXPECT_DOUBLE_EQ(thumbnail[static_cast<std::size_t>(row * 16 + 8)], 255.0);
    }
    QImage white(246, 246, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_DOUBLE_EQ(meanDifference(thumbnail, greyThumbnail(white)), (255.0 - grey) / 2);
}

struct LikenessCase {
    const char *name;
    QImage second;
    std::optional<Likeness> expected;
};

void PrintTo(const LikenessCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class FindLookAlikesTest : public testing::TestWithParam<LikenessCase> { };

TEST_P(FindLookAlikesTest, RefusesFacesThatDifferByLessThanFourLevels)
{
    const std::vector<QImage> faces {
        codedPicture(0xF000, 256), withBlackCells(0), codedPicture(0x000F, 256), GetParam().second};

    const auto found = findLookAlikes(faces);

    ASSERT_EQ(found.has_value(), GetParam().expected.has_value());
    if (found) {
        EXPECT_EQ(found->first, 1);
        EXPECT_EQ(found->second, 3);
        EXPECT_EQ(found->likeness, *GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, FindLookAlikesTest,
    testing::Values(LikenessCase {"same_pixels", withBlackCells(0), Likeness::Identical},
        LikenessCase {"four_cells_apart", withBlackCells(4), Likeness::TooAlike},
        LikenessCase {"five_cells_apart", withBlackCells(5), std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

enum class Fill { Succeeds, Fails };

struct ReplaceCase {
    const char *name;
    Existing existing;
    Fill fill;
    QStringList expected; // the target's files afterwards
};

void PrintTo(const ReplaceCase &testCase, std::ostream *out)
{
    *out << testCase.name;
}

class ReplaceFolderTest : public testing::TestWithParam<ReplaceCase> { };

TEST_P(ReplaceFolderTest, LeavesTheOldFolderUnlessTheNewOneIsWhole)
{
    const QTemporaryDir parent;
    const QString target = QDir(parent.path()).filePath(QStringLiteral("set"));
    QDir().mkpath(target);
    writeFile(QDir(target).filePath(QStringLiteral("old")), "old");
    const ReplaceCase &replace = GetParam();

    const auto run = [&] {
        replaceFolder(target, replace.existing, [&](const QString &fresh) {
            writeFile(QDir(fresh).filePath(QStringLiteral("new")), "new");
            if (replace.fill == Fill::Fails)
                throw std::runtime_error("fill failed");
        });
    };
    if (replace.fill == Fill::Fails)
        EXPECT_THROW(run(), std::runtime_error);
    else if (replace.existing == Existing::Refuse)
        EXPECT_THROW(run(), cardset::CardSetError);
    else
        run();

    EXPECT_EQ(entries(target), replace.expected);
    EXPECT_EQ(entries(parent.path()), QStringList {QStringLiteral("set")});
}

INSTANTIATE_TEST_SUITE_P(Outcomes, ReplaceFolderTest,
    testing::Values(ReplaceCase {"replaced", Existing::Replace, Fill::Succeeds, {QStringLiteral("new")}},
        ReplaceCase {"fill_fails", Existing::Replace, Fill::Fails, {QStringLiteral("old")}},
        ReplaceCase {"refused", Existing::Refuse, Fill::Succeeds, {QStringLiteral("old")}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
