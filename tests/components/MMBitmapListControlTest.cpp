// SPDX-License-Identifier: MIT
#include "MMBitmapListControl.h"

#include "BitmapListControlTestSupport.h"
#include "MMObsrv.h"
#include "SystemColors.h"

#include <QApplication>
#include <QPaintEvent>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brivmemo {
namespace {

using test::solidBitmap;

// Writes its name into a shared log whenever BitmapChanged runs, and counts its paints.
class ProbeControl : public TMMCustomBitmapListControl {
public:
    ProbeControl(QWidget *parent, std::string name, std::vector<std::string> &log)
        : TMMCustomBitmapListControl(parent)
        , name_(std::move(name))
        , log_(log)
    { }

    int paints = 0;

protected:
    void BitmapChanged() override
    {
        log_.push_back(name_);
        TMMCustomBitmapListControl::BitmapChanged();
    }

    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TMMCustomBitmapListControl::paintEvent(event);
    }

private:
    std::string name_;
    std::vector<std::string> &log_;
};

class BitmapListControlTest : public testing::Test {
protected:
    BitmapListControlTest()
        : control(new ProbeControl(&window, "control", log))
    {
        window.resize(50, 50);
    }

    // A change of the list that its observers hear of.
    static void touch(TMMBitmapList &list) { list.Add(*solidBitmap(2, 2, clBlack)); }

    // The names logged by touching the list, and nothing else.
    std::vector<std::string> heardFrom(TMMBitmapList &list)
    {
        log.clear();
        touch(list);
        return log;
    }

    std::vector<std::string> log;
    QWidget window;
    TMMBitmapList first;
    TMMBitmapList second;
    ProbeControl *control;
};

TEST_F(BitmapListControlTest, StartsWithoutListOrEntry)
{
    EXPECT_EQ(control->BitmapList(), nullptr);
    EXPECT_EQ(control->BitmapIndex(), -1);
    EXPECT_EQ(control->Tag2(), 0);
    EXPECT_EQ(control->Observer().Observable(), nullptr);
    EXPECT_FALSE(control->HasBitmap());
    EXPECT_EQ(control->CurrentBitmap(), nullptr);
    EXPECT_EQ(control->TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(control->StoredTransparentColor(), clDefault);
}

TEST_F(BitmapListControlTest, ObserverFollowsTheList)
{
    control->SetBitmapList(&first);
    EXPECT_EQ(control->BitmapList(), &first);
    EXPECT_NE(control->Observer().Observable(), nullptr);
    EXPECT_EQ(log, std::vector<std::string> {"control"});
    EXPECT_EQ(heardFrom(first), std::vector<std::string> {"control"});

    control->SetBitmapList(&second);
    EXPECT_EQ(heardFrom(first), std::vector<std::string> {});
    EXPECT_EQ(heardFrom(second), std::vector<std::string> {"control"});

    log.clear();
    control->SetBitmapList(nullptr);
    EXPECT_EQ(log, std::vector<std::string> {"control"});
    EXPECT_EQ(control->Observer().Observable(), nullptr);
    EXPECT_EQ(heardFrom(first), std::vector<std::string> {});
    EXPECT_EQ(heardFrom(second), std::vector<std::string> {});
}

TEST_F(BitmapListControlTest, SettingTheSameListRunsInFullAndMovesTheObserverToTheFront)
{
    auto *other = new ProbeControl(&window, "other", log);
    control->SetBitmapList(&first);
    other->SetBitmapList(&first);
    EXPECT_EQ(heardFrom(first), (std::vector<std::string> {"other", "control"}));

    log.clear();
    control->SetBitmapList(&first);
    EXPECT_EQ(log, std::vector<std::string> {"control"});
    EXPECT_EQ(heardFrom(first), (std::vector<std::string> {"control", "other"}));
}

TEST_F(BitmapListControlTest, DestroyingTheListDropsIt)
{
    auto list = std::make_unique<TMMBitmapList>();
    list->Add(*solidBitmap(3, 3, clRed));
    control->SetBitmapList(list.get());
    control->SetBitmapIndex(0);
    ASSERT_TRUE(control->HasBitmap());

    log.clear();
    list.reset();
    EXPECT_EQ(control->BitmapList(), nullptr);
    EXPECT_FALSE(control->HasBitmap());
    EXPECT_EQ(control->CurrentBitmap(), nullptr);
    EXPECT_EQ(control->BitmapIndex(), 0);
    EXPECT_EQ(control->Observer().Observable(), nullptr);
    // Once for the emptying the list still broadcasts, once for dropping it.
    EXPECT_EQ(log, (std::vector<std::string> {"control", "control"}));
}

TEST_F(BitmapListControlTest, ADestroyedControlLeavesTheListWithoutIt)
{
    auto *other = new ProbeControl(&window, "other", log);
    control->SetBitmapList(&first);
    other->SetBitmapList(&first);
    delete control;
    EXPECT_EQ(heardFrom(first), std::vector<std::string> {"other"});
}

TEST_F(BitmapListControlTest, BitmapIndexIsMinusOneOrMore)
{
    struct Case {
        int set;
        int stored;
        bool changes;
    };
    const Case cases[]
        = {{-5, -1, true}, {3, 3, true}, {3, 3, false}, {-5, -1, true}, {-1, -1, false}, {0, 0, true}};
    for (const Case &c : cases) {
        log.clear();
        control->SetBitmapIndex(c.set);
        EXPECT_EQ(control->BitmapIndex(), c.stored) << c.set;
        EXPECT_EQ(log.size(), c.changes ? 1U : 0U) << c.set;
    }
}

TEST_F(BitmapListControlTest, HasBitmapOnlyForAnEntryOfTheList)
{
    first.Add(*solidBitmap(2, 2, clRed));
    first.Add(*solidBitmap(4, 4, clBlue));
    control->SetBitmapIndex(1);
    EXPECT_FALSE(control->HasBitmap()) << "no list";

    control->SetBitmapList(&first);
    EXPECT_TRUE(control->HasBitmap());
    EXPECT_EQ(control->CurrentBitmap(), first.Bitmaps(1));

    control->SetBitmapIndex(2);
    EXPECT_FALSE(control->HasBitmap()) << "past the end";
    EXPECT_EQ(control->CurrentBitmap(), nullptr);
    EXPECT_EQ(control->BitmapIndex(), 2);

    log.clear();
    first.Add(*solidBitmap(5, 5, clLime));
    EXPECT_EQ(log, std::vector<std::string> {"control"});
    EXPECT_TRUE(control->HasBitmap()) << "the list grew to cover the index";
    EXPECT_EQ(control->CurrentBitmap()->width(), 5);

    control->SetBitmapIndex(-1);
    EXPECT_FALSE(control->HasBitmap());
}

// The bottom row is red, except its first pixel: magenta.
class TransparentColorTest : public BitmapListControlTest {
protected:
    TransparentColorTest()
    {
        auto strip = solidBitmap(34, 17, clRed);
        strip->setPixel(0, 16, clFuchsia);
        first.Add(*strip);
        control->SetBitmapList(&first);
    }
};

TEST_F(TransparentColorTest, AutoModeTakesTheBottomLeftPixelOfTheWholeBitmap)
{
    EXPECT_EQ(control->TransparentColor(), clDefault) << "no entry shown";
    control->SetBitmapIndex(0);
    EXPECT_EQ(control->DefaultTransparentColor(), 0x00FF00FFU);
    EXPECT_EQ(control->TransparentColor(), 0x00FF00FFU);
}

TEST_F(TransparentColorTest, AFixedColourSwitchesTheModeAndBack)
{
    control->SetBitmapIndex(0);
    control->SetTransparentColor(clRed);
    EXPECT_EQ(control->TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(control->TransparentColor(), clRed);

    control->SetTransparentColor(clBtnFace);
    EXPECT_EQ(control->StoredTransparentColor(), clBtnFace);
    EXPECT_EQ(control->TransparentColor(), colorToRgb(clBtnFace));
    EXPECT_NE(control->TransparentColor(), clBtnFace);

    control->SetTransparentColor(clDefault);
    EXPECT_EQ(control->TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(control->TransparentColor(), 0x00FF00FFU);
}

TEST_F(TransparentColorTest, FixedModeFreezesTheColourInEffect)
{
    control->SetBitmapIndex(0);
    control->SetTransparentMode(TTransparentMode::tmFixed);
    EXPECT_EQ(control->TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(control->StoredTransparentColor(), 0x00FF00FFU);

    control->SetBitmapIndex(-1);
    EXPECT_EQ(control->TransparentColor(), 0x00FF00FFU) << "no longer taken from the bitmap";

    control->SetTransparentMode(TTransparentMode::tmAuto);
    EXPECT_EQ(control->StoredTransparentColor(), clDefault);
    EXPECT_EQ(control->TransparentColor(), clDefault);
}

TEST_F(TransparentColorTest, FixedModeWithoutABitmapChangesNothing)
{
    control->SetTransparentMode(TTransparentMode::tmFixed);
    EXPECT_EQ(control->TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(control->StoredTransparentColor(), clDefault);
}

TEST_F(TransparentColorTest, AnEmptyBitmapHasNoColourOfItsOwn)
{
    first.Add(TBitmap());
    control->SetBitmapIndex(1);
    ASSERT_TRUE(control->HasBitmap());
    EXPECT_EQ(control->DefaultTransparentColor(), clDefault);
}

TEST_F(TransparentColorTest, ANewColourInvalidatesTheControl)
{
    window.show();
    QApplication::processEvents();
    control->paints = 0;

    control->SetTransparentColor(clRed);
    EXPECT_EQ(control->paints, 0) << "invalidated, not painted at once";
    QApplication::processEvents();
    EXPECT_EQ(control->paints, 1);

    control->SetTransparentColor(clRed);
    QApplication::processEvents();
    EXPECT_EQ(control->paints, 1) << "the same colour changes nothing";
}

TEST_F(TransparentColorTest, ControlPaletteIsTheColourTableOfTheEntryShown)
{
    EXPECT_TRUE(control->ControlPalette().empty());
    auto indexed = std::make_unique<TBitmap>();
    indexed->setPalette({clRed, clLime, clBlue});
    indexed->create(PixelFormat::Bits8, 2, 2);
    first.Add(*indexed);
    control->SetBitmapIndex(1);
    EXPECT_EQ(control->ControlPalette(), (std::vector<TColor> {clRed, clLime, clBlue}));
}

TEST_F(BitmapListControlTest, AChangeOnAShownWindowPaintsAtOnce)
{
    window.show();
    QApplication::processEvents();
    control->paints = 0;
    control->SetBitmapList(&first);
    EXPECT_EQ(control->paints, 1);
}

} // namespace
} // namespace brivmemo
