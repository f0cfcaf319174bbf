// SPDX-License-Identifier: MIT
#include "MMBevel.h"
#include "MMObj.h"
#include "PixelTestSupport.h"
#include "SystemColors.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using Rows = std::vector<std::string>;

// Counts what the toolkit asks of the control.
class ProbeControl : public TMMGraphicControl {
public:
    using TMMGraphicControl::TMMGraphicControl;

    void paintInto(QImage &image)
    {
        QPainter painter(&image);
        TMMGraphicControl::Paint(painter);
    }

    int paints = 0;
    int bevelChanges = 0;

protected:
    void Paint(QPainter &canvas) override
    {
        ++paints;
        TMMGraphicControl::Paint(canvas);
    }

    void BevelChanged() override
    {
        ++bevelChanges;
        TMMGraphicControl::BevelChanged();
    }
};

// A shown window holding one control, with every pending paint done.
class GraphicControlTest : public testing::Test {
protected:
    GraphicControlTest()
        : control(new ProbeControl(&window))
    {
        window.resize(40, 30);
        control->setGeometry(5, 5, 6, 5);
        window.show();
        settle();
        control->paints = 0;
    }

    static void settle() { QApplication::processEvents(); }

    QWidget window;
    ProbeControl *control;
};

TEST_F(GraphicControlTest, StartsOpaqueWithItsBevelAndTag)
{
    EXPECT_FALSE(control->Transparent());
    EXPECT_TRUE(control->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(control->Bevel().BevelOuter(), TBevelCut::bvLowered);
    EXPECT_EQ(control->Tag(), 0);
    control->SetTag(40);
    EXPECT_EQ(control->Tag(), 40);
    EXPECT_EQ(control->ClientRect(), (TRect {0, 0, 6, 5}));
}

TEST_F(GraphicControlTest, TransparentDropsTheOpaqueStyleAndRepaintsAtOnce)
{
    control->SetTransparent(true);
    EXPECT_TRUE(control->Transparent());
    EXPECT_FALSE(control->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(control->paints, 1);

    control->SetTransparent(true);
    EXPECT_EQ(control->paints, 1);

    control->SetTransparent(false);
    EXPECT_TRUE(control->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(control->paints, 2);
}

TEST_F(GraphicControlTest, OpaqueControlFillsInsideItsBevelWithItsColour)
{
    control->SetColor(clRed);
    QImage image = test::blankImage(6, 5);
    control->paintInto(image);

    const std::map<char, QColor> legend
        = {{'s', toQColor(clBtnShadow)}, {'h', toQColor(clBtnHighlight)}, {'R', toQColor(clRed)}};
    EXPECT_EQ(test::describe(image, legend), (Rows {"sssssh", "sRRRRh", "sRRRRh", "sRRRRh", "hhhhhh"}));
}

TEST_F(GraphicControlTest, TransparentControlLeavesItsInsideUnpainted)
{
    control->SetColor(clRed);
    control->SetTransparent(true);
    QImage image = test::blankImage(6, 5);
    control->paintInto(image);

    const std::map<char, QColor> legend = {{'s', toQColor(clBtnShadow)}, {'h', toQColor(clBtnHighlight)}};
    EXPECT_EQ(test::describe(image, legend), (Rows {"sssssh", "s....h", "s....h", "s....h", "hhhhhh"}));
}

TEST_F(GraphicControlTest, BevelChangeInvalidatesTheControl)
{
    control->Bevel().SetBevelOuter(TBevelCut::bvRaised);
    EXPECT_EQ(control->bevelChanges, 1);
    EXPECT_EQ(control->paints, 0);
    settle();
    EXPECT_EQ(control->paints, 1);

    control->Bevel().SetBevelOuter(TBevelCut::bvRaised);
    settle();
    EXPECT_EQ(control->bevelChanges, 1);
    EXPECT_EQ(control->paints, 1);
}

TEST_F(GraphicControlTest, BatchedBevelChangesInvalidateOnce)
{
    TMMBevel &bevel = control->Bevel();
    bevel.BeginUpdate();
    bevel.SetBorderWidth(2);
    bevel.SetBorderColor(clNavy);
    bevel.SetBevelInner(TBevelCut::bvRaised);
    bevel.EndUpdate();

    EXPECT_EQ(control->bevelChanges, 1);
}

TEST_F(GraphicControlTest, NewColourInvalidatesTheControl)
{
    control->SetColor(control->Color());
    settle();
    EXPECT_EQ(control->paints, 0);

    control->SetColor(clGreen);
    settle();
    EXPECT_EQ(control->Color(), clGreen);
    EXPECT_EQ(control->paints, 1);
}

} // namespace
} // namespace brivmemo
