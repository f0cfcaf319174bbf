// SPDX-License-Identifier: MIT
#include "MMObj.h"

#include "Exceptions.h"
#include "MMBevel.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace brivmemo {
namespace {

// Counts the change events of a bevel.
struct CountedBevel {
    CountedBevel()
    {
        bevel.OnChange = [this](TObject *sender) {
            ++changes;
            lastSender = sender;
        };
    }

    TMMBevel bevel;
    int changes = 0;
    TObject *lastSender = nullptr;
};

TEST(MMObjectTest, BatchTellsOnceWhenTheOutermostBatchCloses)
{
    CountedBevel counted;
    TMMBevel &bevel = counted.bevel;

    bevel.BeginUpdate();
    bevel.BeginUpdate();
    bevel.SetBevelOuter(TBevelCut::bvRaised);
    bevel.SetBorderWidth(4);
    bevel.EndUpdate();
    EXPECT_EQ(counted.changes, 0);
    EXPECT_EQ(bevel.UpdateCount(), 1);
    bevel.EndUpdate();

    EXPECT_EQ(counted.changes, 1);
    EXPECT_EQ(counted.lastSender, &bevel);
    EXPECT_EQ(bevel.UpdateCount(), 0);
}

TEST(MMObjectTest, EmptyBatchStillTellsOnce)
{
    CountedBevel counted;
    counted.bevel.BeginUpdate();
    counted.bevel.EndUpdate();
    EXPECT_EQ(counted.changes, 1);
}

TEST(MMBevelTest, StartsWithTheCreationValues)
{
    const TMMBevel bevel;
    EXPECT_EQ(bevel.BevelInner(), TBevelCut::bvNone);
    EXPECT_EQ(bevel.BevelOuter(), TBevelCut::bvLowered);
    EXPECT_EQ(bevel.BevelInnerWidth(), 1);
    EXPECT_EQ(bevel.BevelOuterWidth(), 1);
    EXPECT_EQ(bevel.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(bevel.BorderWidth(), 0);
    EXPECT_EQ(bevel.BorderSpace(), 0);
    EXPECT_EQ(bevel.BorderColor(), 0x8000000FU);
    EXPECT_EQ(bevel.BorderSpaceColor(), 0U);
    EXPECT_EQ(bevel.InnerLightColor(), 0x80000014U);
    EXPECT_EQ(bevel.InnerShadowColor(), 0x80000010U);
    EXPECT_EQ(bevel.OuterLightColor(), 0x80000014U);
    EXPECT_EQ(bevel.OuterShadowColor(), 0x80000010U);
}

struct PropertyCase {
    const char *name;
    // Sets a value that differs from the creation value.
    std::function<void(TMMBevel &)> change;
    // True when the bevel holds the changed value.
    std::function<bool(const TMMBevel &)> holdsChange;
};

class BevelPropertyTest : public testing::TestWithParam<PropertyCase> { };

TEST_P(BevelPropertyTest, TellsOnlyWhenTheValueChanges)
{
    CountedBevel counted;
    ASSERT_FALSE(GetParam().holdsChange(counted.bevel));

    GetParam().change(counted.bevel);
    EXPECT_TRUE(GetParam().holdsChange(counted.bevel));
    EXPECT_EQ(counted.changes, 1);

    GetParam().change(counted.bevel);
    EXPECT_EQ(counted.changes, 1);
}

INSTANTIATE_TEST_SUITE_P(Properties, BevelPropertyTest,
    testing::Values(PropertyCase {"BevelInner", [](TMMBevel &b) { b.SetBevelInner(TBevelCut::bvRaised); },
                        [](const TMMBevel &b) { return b.BevelInner() == TBevelCut::bvRaised; }},
        PropertyCase {"BevelOuter", [](TMMBevel &b) { b.SetBevelOuter(TBevelCut::bvSpace); },
            [](const TMMBevel &b) { return b.BevelOuter() == TBevelCut::bvSpace; }},
        PropertyCase {"BevelInnerWidth", [](TMMBevel &b) { b.SetBevelInnerWidth(3); },
            [](const TMMBevel &b) { return b.BevelInnerWidth() == 3; }},
        PropertyCase {"BevelOuterWidth", [](TMMBevel &b) { b.SetBevelOuterWidth(2); },
            [](const TMMBevel &b) { return b.BevelOuterWidth() == 2; }},
        PropertyCase {"BorderStyle", [](TMMBevel &b) { b.SetBorderStyle(TBorderStyle::bsSingle); },
            [](const TMMBevel &b) { return b.BorderStyle() == TBorderStyle::bsSingle; }},
        PropertyCase {"BorderWidth", [](TMMBevel &b) { b.SetBorderWidth(5); },
            [](const TMMBevel &b) { return b.BorderWidth() == 5; }},
        PropertyCase {"BorderSpace", [](TMMBevel &b) { b.SetBorderSpace(-2); },
            [](const TMMBevel &b) { return b.BorderSpace() == -2; }},
        PropertyCase {"Color0IsBorderColor", [](TMMBevel &b) { b.SetIndexedColor(0, clRed); },
            [](const TMMBevel &b) { return b.BorderColor() == clRed; }},
        PropertyCase {"Color1IsBorderSpaceColor", [](TMMBevel &b) { b.SetIndexedColor(1, clRed); },
            [](const TMMBevel &b) { return b.BorderSpaceColor() == clRed; }},
        PropertyCase {"Color2IsInnerLightColor", [](TMMBevel &b) { b.SetIndexedColor(2, clRed); },
            [](const TMMBevel &b) { return b.InnerLightColor() == clRed; }},
        PropertyCase {"Color3IsInnerShadowColor", [](TMMBevel &b) { b.SetIndexedColor(3, clRed); },
            [](const TMMBevel &b) { return b.InnerShadowColor() == clRed; }},
        PropertyCase {"Color4IsOuterLightColor", [](TMMBevel &b) { b.SetIndexedColor(4, clRed); },
            [](const TMMBevel &b) { return b.OuterLightColor() == clRed; }},
        PropertyCase {"Color5IsOuterShadowColor", [](TMMBevel &b) { b.SetIndexedColor(5, clRed); },
            [](const TMMBevel &b) { return b.OuterShadowColor() == clRed; }},
        PropertyCase {"NamedColourSetter", [](TMMBevel &b) { b.SetOuterShadowColor(clNavy); },
            [](const TMMBevel &b) { return b.OuterShadowColor() == clNavy; }}),
    [](const testing::TestParamInfo<PropertyCase> &info) { return info.param.name; });

TEST(MMBevelTest, ColourIndexOutsideTheSixChangesNothing)
{
    CountedBevel counted;
    counted.bevel.SetIndexedColor(6, clRed);
    counted.bevel.SetIndexedColor(-1, clRed);
    EXPECT_EQ(counted.changes, 0);
}

TMMBevel &fillWithOtherValues(TMMBevel &bevel)
{
    bevel.SetBevelInner(TBevelCut::bvRaised);
    bevel.SetBevelOuter(TBevelCut::bvNone);
    bevel.SetBevelInnerWidth(2);
    bevel.SetBevelOuterWidth(3);
    bevel.SetBorderStyle(TBorderStyle::bsSingle);
    bevel.SetBorderWidth(4);
    bevel.SetBorderSpace(5);
    bevel.SetBorderColor(clMaroon);
    bevel.SetBorderSpaceColor(clGreen);
    bevel.SetInnerLightColor(clWhite);
    bevel.SetInnerShadowColor(clGray);
    bevel.SetOuterLightColor(clSilver);
    bevel.SetOuterShadowColor(clNavy);
    return bevel;
}

TEST(MMBevelTest, AssignCopiesEveryValueWithOneChange)
{
    TMMBevel source;
    fillWithOtherValues(source);
    CountedBevel counted;

    counted.bevel.Assign(&source);

    const TMMBevel &copy = counted.bevel;
    EXPECT_EQ(counted.changes, 1);
    EXPECT_EQ(copy.UpdateCount(), 0);
    EXPECT_EQ(copy.BevelInner(), TBevelCut::bvRaised);
    EXPECT_EQ(copy.BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(copy.BevelInnerWidth(), 2);
    EXPECT_EQ(copy.BevelOuterWidth(), 3);
    EXPECT_EQ(copy.BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_EQ(copy.BorderWidth(), 4);
    EXPECT_EQ(copy.BorderSpace(), 5);
    EXPECT_EQ(copy.BorderColor(), clMaroon);
    EXPECT_EQ(copy.BorderSpaceColor(), clGreen);
    EXPECT_EQ(copy.InnerLightColor(), clWhite);
    EXPECT_EQ(copy.InnerShadowColor(), clGray);
    EXPECT_EQ(copy.OuterLightColor(), clSilver);
    EXPECT_EQ(copy.OuterShadowColor(), clNavy);
}

TEST(MMBevelTest, AssignFromAnIdenticalBevelStillTellsOnce)
{
    const TMMBevel source;
    CountedBevel counted;
    counted.bevel.Assign(&source);
    EXPECT_EQ(counted.changes, 1);
}

struct AssignFailureCase {
    const char *name;
    std::function<std::unique_ptr<TPersistent>()> makeSource;
    const char *message;
};

class BevelAssignFailureTest : public testing::TestWithParam<AssignFailureCase> { };

TEST_P(BevelAssignFailureTest, AnythingButABevelCannotBeAssigned)
{
    CountedBevel counted;
    const std::unique_ptr<TPersistent> source = GetParam().makeSource();
    try {
        counted.bevel.Assign(source.get());
        FAIL() << "no error";
    } catch (const EConvertError &error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_EQ(counted.changes, 0);
    EXPECT_EQ(counted.bevel.UpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sources, BevelAssignFailureTest,
    testing::Values(
        AssignFailureCase {"Nothing", [] { return nullptr; }, "Cannot assign a nil to a TMMBevel"},
        AssignFailureCase {"PlainObject", [] { return std::make_unique<TMMObject>(); },
            "Cannot assign a TMMObject to a TMMBevel"},
        AssignFailureCase {"Component", [] { return std::make_unique<TMMNonVisualComponent>(); },
            "Cannot assign a TMMNonVisualComponent to a TMMBevel"}),
    [](const testing::TestParamInfo<AssignFailureCase> &info) { return info.param.name; });

TEST(MMComponentTest, KeepsItsOwnerNameTagAndStates)
{
    QObject owner;
    auto *const component = new TMMNonVisualComponent(&owner);
    component->setObjectName(QStringLiteral("MMBitmapList1"));
    component->SetTag(12);
    EXPECT_EQ(component->parent(), &owner);
    EXPECT_EQ(owner.findChild<TMMComponent *>(QStringLiteral("MMBitmapList1")), component);
    EXPECT_EQ(component->Tag(), 12);
    EXPECT_EQ(component->componentState(), TComponentState());

    component->beginLoading();
    EXPECT_TRUE(component->inComponentState(TComponentStateFlag::Loading));
    EXPECT_TRUE(component->inComponentState(TComponentStateFlag::Reading));
    component->Loaded();
    EXPECT_FALSE(component->inComponentState({TComponentStateFlag::Loading, TComponentStateFlag::Reading}));

    component->Destroying();
    EXPECT_EQ(component->componentState(), TComponentState(TComponentStateFlag::Destroying));
    EXPECT_FALSE(component->inComponentState(TComponentStateFlag::Designing));
}

} // namespace
} // namespace brivmemo
