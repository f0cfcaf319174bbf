// SPDX-License-Identifier: MIT
#include "Exceptions.h"
#include "MMBitmapListTestSupport.h"

#include <functional>

namespace brivmemo {
namespace {

using testing::Log;
using testing::taggedBitmap;
using testing::tagOf;

class BitmapList : public testing::LoggedList { };

TEST_F(BitmapList, AddKeepsAPrivateCopy)
{
    auto original = taggedBitmap(7);
    EXPECT_EQ(list.Add(*original), 0);
    EXPECT_EQ(list.Add(*taggedBitmap(8)), 1);
    original->setPixelValue(0, 0, 99);

    ASSERT_EQ(list.Count(), 2);
    EXPECT_NE(list.Bitmaps(0), original.get());
    EXPECT_EQ(tagOf(*list.Bitmaps(0)), 7u);
    EXPECT_EQ(list.Bitmaps(0)->width(), original->width());
    EXPECT_EQ(log, (Log {"changing", "change", "changing", "change"}));
}

TEST_F(BitmapList, InsertPutsTheEntryAtTheIndex)
{
    fill(3);
    list.Insert(0, *taggedBitmap(10));
    list.Insert(2, *taggedBitmap(11));
    list.Insert(5, *taggedBitmap(12));
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {10, 0, 11, 1, 2, 12}));
}

TEST_F(BitmapList, DeleteRemovesTheEntry)
{
    fill(4);
    list.Delete(1);
    list.Delete(2);
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {0, 2}));
    EXPECT_EQ(log, (Log {"changing", "change", "changing", "change"}));
}

TEST_F(BitmapList, ObserversAreToldNewestFirstAndBeforeOnChange)
{
    observe("A");
    observe("B");
    list.Add(*taggedBitmap(1));
    EXPECT_EQ(log, (Log {"changing", "B", "A", "change"}));
}

TEST_F(BitmapList, ClearOfTwentyOneEntriesIsOneChange)
{
    fill(21);
    observe("A");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log, (Log {"changing", "A", "change"}));
}

TEST_F(BitmapList, NestedBatchesTellOnceAtEachEnd)
{
    observe("A");
    list.BeginUpdate();
    list.Add(*taggedBitmap(1));
    list.BeginUpdate();
    list.Add(*taggedBitmap(2));
    list.EndUpdate();
    EXPECT_EQ(log, (Log {"changing"}));
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(log, (Log {"changing", "A", "change"}));
    EXPECT_EQ(list.UpdateCount(), 0);
}

TEST_F(BitmapList, EmptyBatchStillTellsOnce)
{
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(log, (Log {"changing", "change"}));
}

TEST_F(BitmapList, DrawingIntoAnEntryIsAChange)
{
    fill(2);
    observe("A");
    list.Bitmaps(1)->setPixel(1, 1, clRed);
    EXPECT_EQ(log, (Log {"A", "change"}));
}

TEST_F(BitmapList, HandingOutAnEntryIsNoChange)
{
    fill(2);
    observe("A");
    TBitmap *entry = list.Bitmaps(0);
    EXPECT_FALSE(entry->displayImage().isNull());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(list.UpdateCount(), 0);
}

TEST_F(BitmapList, ChangesMadeWhileReactingAreNotBroadcastAgain)
{
    fill(1);
    TMMObserver &a = observe("A");
    a.OnNotify = [this](TMMObserver *, TObject *) {
        log.push_back("A");
        list.Bitmaps(0)->setPixel(0, 0, clBlue);
    };
    list.OnChange = [this](TObject *) {
        log.push_back("change");
        list.Bitmaps(0)->setPixel(1, 0, clBlue);
    };
    list.Bitmaps(0)->setPixel(2, 0, clBlue);
    EXPECT_EQ(log, (Log {"A", "change"}));
    EXPECT_EQ(list.UpdateCount(), 0);
}

TEST_F(BitmapList, UpdateCountFallsBackWhenOnChangeFails)
{
    list.OnChange = [](TObject *) { throw EInvalidGraphic(); };
    EXPECT_THROW(list.Add(*taggedBitmap(1)), EInvalidGraphic);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(BitmapList, RemovedObserverIsNotTold)
{
    TMMObserver &a = observe("A");
    observe("B");
    list.RemoveObserver(&a);
    list.Add(*taggedBitmap(1));
    EXPECT_EQ(log, (Log {"changing", "B", "change"}));
    EXPECT_EQ(a.Observable(), nullptr);
}

struct IndexCase {
    const char *name;
    std::function<void(TMMBitmapList &)> call;
    int index;
};

class BitmapListIndex : public testing::LoggedList, public ::testing::WithParamInterface<IndexCase> { };

TEST_P(BitmapListIndex, OutOfBoundsFailsAndLeavesTheList)
{
    fill(3);
    try {
        GetParam().call(list);
        FAIL() << "no failure";
    } catch (const EListError &e) {
        EXPECT_EQ(
            std::string(e.what()), "List index out of bounds (" + std::to_string(GetParam().index) + ")");
    }
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {0, 1, 2}));
    EXPECT_EQ(list.UpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, BitmapListIndex,
    ::testing::Values(IndexCase {"BitmapsNegative", [](TMMBitmapList &l) { l.Bitmaps(-1); }, -1},
        IndexCase {"BitmapsAtCount", [](TMMBitmapList &l) { l.Bitmaps(3); }, 3},
        IndexCase {"DeleteNegative", [](TMMBitmapList &l) { l.Delete(-1); }, -1},
        IndexCase {"DeleteAtCount", [](TMMBitmapList &l) { l.Delete(3); }, 3},
        IndexCase {"InsertNegative", [](TMMBitmapList &l) { l.Insert(-2, *taggedBitmap(9)); }, -2},
        IndexCase {"InsertPastCount", [](TMMBitmapList &l) { l.Insert(4, *taggedBitmap(9)); }, 4},
        IndexCase {"SetBitmapAtCount", [](TMMBitmapList &l) { l.SetBitmap(3, taggedBitmap(9)); }, 3},
        IndexCase {"SetBitmapNegative", [](TMMBitmapList &l) { l.SetBitmap(-1, taggedBitmap(9)); }, -1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BitmapList, SetBitmapPutsTheGivenBitmapInPlace)
{
    fill(2);
    auto replacement = taggedBitmap(42);
    TBitmap *given = replacement.get();
    list.SetBitmap(1, std::move(replacement));
    EXPECT_EQ(list.Bitmaps(1), given);
    EXPECT_EQ(log, (Log {"changing", "change"}));
    given->setPixel(1, 0, clRed);
    EXPECT_EQ(log, (Log {"changing", "change", "change"}));
}

TEST_F(BitmapList, AddListAppendsCopiesInOneChange)
{
    fill(1);
    TMMBitmapList source;
    source.Add(*taggedBitmap(5));
    source.Add(*taggedBitmap(6));
    list.AddList(source);
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {0, 5, 6}));
    EXPECT_NE(list.Bitmaps(1), source.Bitmaps(0));
    EXPECT_EQ(log, (Log {"changing", "change"}));
}

TEST_F(BitmapList, AddListOfItselfDoublesIt)
{
    fill(2);
    list.AddList(list);
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {0, 1, 0, 1}));
}

TEST_F(BitmapList, AssignFromAListCopiesEntriesAndCompressed)
{
    fill(3);
    TMMBitmapList source;
    source.Add(*taggedBitmap(20));
    source.SetCompressed(true);
    list.Assign(&source);
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {20}));
    EXPECT_TRUE(list.Compressed());
    EXPECT_EQ(log, (Log {"changing", "change"}));
}

TEST_F(BitmapList, AssignFromNothingClears)
{
    fill(3);
    list.Assign(nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log, (Log {"changing", "change"}));
}

TEST_F(BitmapList, AssignFromItselfKeepsTheEntries)
{
    fill(3);
    list.Assign(&list);
    EXPECT_EQ(tags(), (std::vector<std::uint32_t> {0, 1, 2}));
}

TEST_F(BitmapList, AssignFromABitmapFails)
{
    fill(1);
    const auto bitmap = taggedBitmap(1);
    try {
        list.Assign(bitmap.get());
        FAIL() << "assigned";
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TBitmap to a TMMBitmapList");
    }
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(BitmapList, HasListItemsOnlyWithEntries)
{
    EXPECT_FALSE(list.HasListItems());
    fill(1);
    EXPECT_TRUE(list.HasListItems());
    list.Delete(0);
    EXPECT_FALSE(list.HasListItems());
}

TEST(BitmapListLifetime, DestructionTellsObserversButNotTheOwnerAndDetachesThem)
{
    Log log;
    TMMObserver observer;
    auto list = std::make_unique<TMMBitmapList>();
    list->Add(*taggedBitmap(1));
    list->OnChange = [&](TObject *) { log.push_back("change"); };
    list->OnChanging = [&](TObject *) { log.push_back("changing"); };
    observer.OnNotify = [&](TMMObserver *, TObject *data) {
        log.push_back("observer saw " + std::to_string(static_cast<TMMBitmapList *>(data)->Count()));
    };
    list->AddObserver(&observer);
    list.reset();
    EXPECT_EQ(log, (Log {"observer saw 0"}));
    EXPECT_EQ(observer.Observable(), nullptr);
}

} // namespace
} // namespace brivmemo
