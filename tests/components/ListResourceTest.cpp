// SPDX-License-Identifier: MIT
#include "ListResource.h"

#include "BitmapListControlTestSupport.h"
#include "Exceptions.h"
#include "MMBitmapListImage.h"

#include <QImage>
#include <QResource>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brivmemo {
namespace {

using enum PixelFormat;
using test::qColorOf;
using test::renderedAlone;

struct Entry {
    int width;
    int height;
    PixelFormat format;
    std::size_t tableSize;
};

struct ListCase {
    const char *path;
    std::vector<Entry> entries;
};

const ListCase kShippedLists[] = {
    {":/memo.mbml",
        {{119, 135, Bits16, 256}, {84, 107, Bits8, 256}, {100, 112, Bits8, 256}, {114, 112, Bits8, 256},
            {138, 146, Bits8, 256}, {98, 114, Bits8, 256}, {120, 106, Bits8, 256}, {105, 83, Bits8, 256},
            {88, 160, Bits8, 256}, {125, 90, Bits8, 256}, {127, 94, Bits8, 256}, {132, 92, Bits8, 256},
            {140, 88, Bits8, 256}, {83, 85, Bits8, 256}, {106, 97, Bits8, 256}, {89, 120, Bits8, 256},
            {122, 90, Bits8, 256}, {84, 115, Bits8, 256}, {102, 148, Bits8, 256}, {111, 89, Bits8, 256},
            {134, 119, Bits8, 256}}},
    {":/escolhe.mbml",
        {{216, 25, Bits24, 0}, {126, 30, Bits24, 0}, {126, 30, Bits24, 0}, {87, 20, Bits8, 256},
            {84, 15, Bits8, 256}, {51, 11, Bits8, 256}, {168, 14, Bits8, 256}, {225, 14, Bits24, 0},
            {34, 17, Bits24, 20}, {34, 17, Bits24, 0}, {58, 29, Bits8, 256}, {216, 25, Bits8, 256}}},
    {":/opcoes.mbml", {{34, 17, Bits24, 20}, {34, 17, Bits24, 0}}},
};

TEST(ListResource, TheShippedListsLoadWithTheirEntriesSizesAndFormats)
{
    for (const ListCase &c : kShippedLists) {
        TMMBitmapList list;
        loadBitmapListResource(list, QString::fromUtf8(c.path));
        ASSERT_EQ(list.Count(), static_cast<int>(c.entries.size())) << c.path;
        for (std::size_t i = 0; i < c.entries.size(); ++i) {
            const TBitmap &bitmap = *list.Bitmaps(static_cast<int>(i));
            const Entry &entry = c.entries[i];
            EXPECT_EQ(QSize(bitmap.width(), bitmap.height()), QSize(entry.width, entry.height))
                << c.path << i;
            EXPECT_EQ(bitmap.pixelFormat(), entry.format) << c.path << i;
            EXPECT_EQ(bitmap.palette().size(), entry.tableSize) << c.path << i;
        }
    }
}

// Read in place at start-up: a compressed list would be unpacked into a copy before the first paint.
TEST(ListResource, TheShippedListsAreStoredUncompressed)
{
    for (const ListCase &c : kShippedLists) {
        const QResource resource(QString::fromUtf8(c.path));
        ASSERT_TRUE(resource.isValid()) << c.path;
        EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << c.path;
    }
}

TEST(ListResource, TheGlyphStripTakesMagentaAsItsTransparentColour)
{
    const std::pair<const char *, int> strips[] = {{":/escolhe.mbml", 8}, {":/opcoes.mbml", 0}};
    for (const auto &[path, index] : strips) {
        TMMBitmapList list;
        loadBitmapListResource(list, QString::fromUtf8(path));
        TMMCustomBitmapListControl control;
        control.SetBitmapList(&list);
        control.SetBitmapIndex(index);
        EXPECT_EQ(control.TransparentColor(), 0x00FF00FFU) << path;
    }
}

TEST(ListResource, AMissingOrDamagedListRaisesTheListsError)
{
    const std::pair<const char *, const char *> cases[] = {
        {":/no-such-list.mbml", "Invalid BitmapList stream"},
        {":/damaged/wrong-magic.mbml", "Invalid BitmapList stream"},
        {":/damaged/truncated.mbml", "Stream read error"},
        {":/damaged/not-a-bitmap.mbml", "Bitmap image is not valid"},
    };
    for (const auto &[path, message] : cases) {
        TMMBitmapList list;
        list.Add(*test::solidBitmap(3, 3, clRed));
        try {
            loadBitmapListResource(list, QString::fromUtf8(path));
            ADD_FAILURE() << path << " loaded";
        } catch (const Exception &error) {
            EXPECT_STREQ(error.what(), message) << path;
        }
        EXPECT_EQ(list.Count(), 0) << path << ": nothing of the old content, no blank entries";
    }
}

// Cards on a window that loads its list while it is being built, as the windows do.
class LoadedCardTest : public testing::Test {
protected:
    TMMBitmapListImage &addCard(int width, int height, int index)
    {
        auto *card = new TMMBitmapListImage(&window);
        card->beginLoading();
        card->resize(width, height);
        card->SetBitmapList(&list);
        card->SetBitmapIndex(index);
        cards.push_back(card);
        return *card;
    }

    void load()
    {
        loadBitmapListResource(list, QStringLiteral(":/memo.mbml"));
        for (TMMBitmapListImage *card : cards)
            card->Loaded();
    }

    QWidget window;
    TMMBitmapList list;
    std::vector<TMMBitmapListImage *> cards;
};

TEST_F(LoadedCardTest, EveryCardShowsItsPictureStretchedOverTheWholeCard)
{
    TMMBitmapListImage &back = addCard(82, 82, 0);
    TMMBitmapListImage &shorter = addCard(82, 80, 0);
    TMMBitmapListImage &face = addCard(82, 82, 13);
    load();

    for (TMMBitmapListImage *card : cards) {
        ASSERT_TRUE(card->HasBitmap());
        const QImage painted = renderedAlone(*card);
        EXPECT_EQ(painted.size(), card->size()) << "the size set while loading stays";
        EXPECT_EQ(
            test::paintedPoints(painted).size(), static_cast<std::size_t>(card->width() * card->height()))
            << "entry " << card->BitmapIndex();
    }
    const QImage backPainted = renderedAlone(back);
    const TBitmap &backPicture = *list.Bitmaps(0);
    EXPECT_EQ(backPainted.pixelColor(0, 0), qColorOf(backPicture.pixel(0, 0)));
    EXPECT_EQ(renderedAlone(shorter).pixelColor(81, 79), qColorOf(backPicture.pixel(118, 134)));
    const QImage facePainted = renderedAlone(face);
    EXPECT_EQ(facePainted.pixelColor(0, 0), Qt::white);
    EXPECT_EQ(facePainted.pixelColor(81, 81), Qt::white);
    EXPECT_NE(facePainted.pixelColor(41, 41), Qt::white) << "the face itself lies in the middle";
}

// The other embedded files are there from the start, without any list loaded first.
TEST(EmbeddedResources, PicturesIconsAndCursorsAreReadable)
{
    const std::pair<const char *, QSize> files[] = {
        {":/about.bmp", {234, 60}},
        {":/icons/main.png", {32, 32}},
        {":/icons/main.ico", {32, 32}},
        {":/icons/help.png", {16, 16}},
        {":/icons/help.ico", {16, 16}},
        {":/icons/help-item.png", {16, 16}},
        {":/cursors/15000.cur", {32, 32}},
        {":/cursors/15004.cur", {32, 32}},
        {":/cursors/2001.cur", {32, 32}},
        {":/cursors/2031.cur", {32, 32}},
    };
    for (const auto &[path, size] : files)
        EXPECT_EQ(QImage(QString::fromUtf8(path)).size(), size) << path;
}

} // namespace
} // namespace brivmemo
