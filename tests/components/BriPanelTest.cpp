// SPDX-License-Identifier: MIT
#include "BriCtrls.h"
#include "PixelTestSupport.h"
#include "SystemColors.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using Rows = std::vector<std::string>;

class ProbePanel : public TBriPanel {
public:
    using TBriPanel::TBriPanel;

    QImage painted()
    {
        QImage image = test::blankImage(width(), height());
        QPainter painter(&image);
        Paint(painter);
        return image;
    }

    int paints = 0;

protected:
    void Paint(QPainter &canvas) override
    {
        ++paints;
        TBriPanel::Paint(canvas);
    }
};

// System colours are read from the application's palette, so only once the application exists.
std::map<char, QColor> legend()
{
    return {{'h', toQColor(clBtnHighlight)}, {'s', toQColor(clBtnShadow)}, {'t', toQColor(clBtnText)},
        {'l', toQColor(cl3DLight)}, {'F', toQColor(clYellow)}, {'B', toQColor(clAqua)}};
}

Rows framePixels(ProbePanel &panel, int width, int height)
{
    panel.resize(width, height);
    panel.setColor(clYellow);
    return test::describe(panel.painted(), legend());
}

TEST(BriPanelTest, DefaultPanelHasOneRaisedRingWithShadedCorners)
{
    ProbePanel panel;
    EXPECT_EQ(panel.size(), QSize(185, 41));
    EXPECT_EQ(panel.BevelSides(), kAllSides);
    EXPECT_EQ(panel.BorderColor(), clBtnFace);
    EXPECT_EQ(panel.VerticalAlignment(), TVerticalAlignment::vaCenter);
    EXPECT_FALSE(panel.BevelCtl3D());
    EXPECT_EQ(framePixels(panel, 8, 5), (Rows {"hhhhhhhs", "hFFFFFFs", "hFFFFFFs", "hFFFFFFs", "ssssssss"}));
}

TEST(BriPanelTest, BevelOnlyOnTheChosenSides)
{
    ProbePanel panel;
    panel.SetBevelSides({TSide::sdTop, TSide::sdBottom});
    EXPECT_EQ(framePixels(panel, 8, 5), (Rows {"hhhhhhhh", "FFFFFFFF", "FFFFFFFF", "FFFFFFFF", "ssssssss"}));

    panel.SetBevelSides({TSide::sdLeft, TSide::sdBottom});
    EXPECT_EQ(framePixels(panel, 6, 4), (Rows {"hFFFFF", "hFFFFF", "hFFFFF", "ssssss"}));
}

TEST(BriPanelTest, Ctl3DStyleDrawsTwoRingsAndWidensTheBevel)
{
    ProbePanel panel;
    panel.SetBevelCtl3D(true);
    EXPECT_EQ(panel.BevelWidth(), 2);
    EXPECT_EQ(framePixels(panel, 8, 6),
        (Rows {"hhhhhhht", "hlllllst", "hlFFFFst", "hlFFFFst", "hsssssst", "tttttttt"}));
}

TEST(BriPanelTest, BorderRingBetweenBevelsShrinksTheInside)
{
    ProbePanel panel;
    panel.setBorderWidth(3);
    panel.SetBorderColor(clAqua);
    panel.setBevelInner(TBevelCut::bvLowered);
    EXPECT_EQ(framePixels(panel, 12, 11),
        (Rows {
            "hhhhhhhhhhhs",
            "hBBBBBBBBBBs",
            "hBBBBBBBBBBs",
            "hBBBBBBBBBBs",
            "hBBBssshBBBs",
            "hBBBsFFhBBBs",
            "hBBBhhhhBBBs",
            "hBBBBBBBBBBs",
            "hBBBBBBBBBBs",
            "hBBBBBBBBBBs",
            "ssssssssssss",
        }));
}

TEST(BriPanelTest, WideBevelOnOneSideStopsAtThePanelEdge)
{
    ProbePanel panel;
    panel.setBevelWidth(1000000);
    panel.SetBevelSides(TSide::sdLeft);
    EXPECT_EQ(framePixels(panel, 4, 2), (Rows {"hhhh", "hhhh"}));
}

struct BevelColorCase {
    const char *name;
    TBevelCut cut;
    bool ctl3D;
    TBevelColors colors;
};

class BevelColorTest : public testing::TestWithParam<BevelColorCase> { };

TEST_P(BevelColorTest, GivesTheColoursOfTheCut)
{
    ProbePanel panel;
    panel.setColor(clYellow);
    panel.SetBevelCtl3D(GetParam().ctl3D);
    EXPECT_EQ(panel.BevelColors(GetParam().cut), GetParam().colors);
}

INSTANTIATE_TEST_SUITE_P(Cuts, BevelColorTest,
    testing::Values(BevelColorCase {"Lowered", TBevelCut::bvLowered, false,
                        {clBtnShadow, clBtnHighlight, clBtnText, cl3DLight}},
        BevelColorCase {
            "Lowered3D", TBevelCut::bvLowered, true, {clBtnShadow, clBtnHighlight, clBtnText, cl3DLight}},
        BevelColorCase {
            "Raised", TBevelCut::bvRaised, false, {clBtnHighlight, clBtnShadow, clBtnHighlight, clBtnShadow}},
        BevelColorCase {
            "Raised3D", TBevelCut::bvRaised, true, {clBtnHighlight, clBtnText, cl3DLight, clBtnShadow}},
        BevelColorCase {
            "SpaceIsAnEmptyBand", TBevelCut::bvSpace, true, {clYellow, clYellow, clYellow, clYellow}}),
    [](const testing::TestParamInfo<BevelColorCase> &info) { return info.param.name; });

TEST(BriPanelTest, Ctl3DHoldsTheBevelWidthAtTwo)
{
    ProbePanel panel;
    panel.SetBevelCtl3D(true);
    panel.setBevelWidth(5);
    EXPECT_EQ(panel.BevelWidth(), 2);
    panel.SetBevelCtl3D(false);
    EXPECT_EQ(panel.BevelWidth(), 1);
    panel.setBevelWidth(5);
    EXPECT_EQ(panel.BevelWidth(), 5);
}

TEST(BriPanelTest, SingleBorderIsOnePlainLineAlsoFor3DControls)
{
    ProbePanel panel;
    panel.resize(20, 10);
    panel.setBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(panel.ClientRect(), (TRect {1, 1, 19, 9}));
    panel.setCtl3D(false);
    EXPECT_EQ(panel.ClientRect(), (TRect {1, 1, 19, 9}));
}

TEST(BriPanelTest, NameNeverBecomesTheCaption)
{
    TBriPanel panel;
    panel.setObjectName(QStringLiteral("BriPanel1"));
    EXPECT_EQ(panel.Caption(), QString());
}

TEST(BriPanelTest, FrameSettersRepaintOnlyOnChange)
{
    ProbePanel panel;
    panel.show();
    QApplication::processEvents();
    const std::vector<std::function<void()>> changes = {[&] { panel.SetBevelSides(TSide::sdTop); },
        [&] { panel.SetBorderColor(clRed); }, [&] { panel.SetVerticalAlignment(TVerticalAlignment::vaTop); },
        [&] { panel.SetBevelCtl3D(true); }};
    for (const auto &change : changes) {
        change();
        QApplication::processEvents();
        const int paints = panel.paints;
        change();
        QApplication::processEvents();
        EXPECT_EQ(panel.paints, paints);
    }
    EXPECT_GE(panel.paints, 4);
}

// The inside of image with its rows moved down by dy, the uncovered rows in the fill colour.
QImage shiftedInside(const QImage &image, const QRect &inside, int dy, const QColor &fill)
{
    QImage shifted = image.copy();
    QPainter painter(&shifted);
    painter.fillRect(inside, fill);
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft() + QPoint(0, dy), image.copy(inside));
    return shifted;
}

TEST(BriPanelTest, CaptionBlockStandsAtTheTopMiddleOrBottom)
{
    ProbePanel panel;
    panel.resize(120, 100);
    panel.setColor(clWhite);
    QFont font = panel.font();
    font.setPixelSize(11);
    panel.setFont(font);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    panel.setPalette(palette);
    const QString caption = QStringLiteral("one two three four five six seven eight nine ten eleven twelve");
    panel.setCaption(caption);

    const QRect inside(1, 1, 118, 98);
    const int flags
        = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic;
    const int blockHeight = QFontMetrics(font).boundingRect(inside, flags, caption).height();
    ASSERT_GT(blockHeight, 2 * QFontMetrics(font).height());
    const int space = inside.height() - blockHeight;

    panel.SetVerticalAlignment(TVerticalAlignment::vaTop);
    const QImage top = panel.painted();
    const std::set<std::pair<int, int>> ink = test::paintedPoints(top);
    const auto inkRows = std::count_if(ink.begin(), ink.end(),
        [&top](const auto &point) { return top.pixelColor(point.first, point.second) == Qt::red; });
    EXPECT_GT(inkRows, 0);

    panel.SetVerticalAlignment(TVerticalAlignment::vaBottom);
    EXPECT_EQ(panel.painted(), shiftedInside(top, inside, space, Qt::white));
    panel.SetVerticalAlignment(TVerticalAlignment::vaCenter);
    EXPECT_EQ(panel.painted(), shiftedInside(top, inside, space / 2, Qt::white));
}

class PointerTest : public testing::Test {
protected:
    PointerTest()
        : panel(new TBriPanel(&window))
        , child(new QWidget(panel))
    {
        window.resize(200, 100);
        panel->setGeometry(50, 20, 100, 60);
        child->setGeometry(10, 10, 30, 30);
        panel->OnMouseEnter
            = [this](TBriCustomPanel *sender) { log.push_back(sender == panel ? "enter" : "?"); };
        panel->OnMouseLeave
            = [this](TBriCustomPanel *sender) { log.push_back(sender == panel ? "leave" : "?"); };
        window.show();
        moveTo(QPoint(5, 5));
        log.clear();
    }

    void moveTo(QPoint point)
    {
        QTest::mouseMove(&window, point);
        QApplication::processEvents();
    }

    QWidget window;
    TBriPanel *panel;
    QWidget *child;
    std::vector<std::string> log;
};

TEST_F(PointerTest, EnteringAndLeavingThePanel)
{
    moveTo(QPoint(120, 70));
    EXPECT_EQ(log, (std::vector<std::string> {"enter"}));
    moveTo(QPoint(125, 72));
    EXPECT_EQ(log, (std::vector<std::string> {"enter"}));
    moveTo(QPoint(190, 90));
    EXPECT_EQ(log, (std::vector<std::string> {"enter", "leave"}));
}

TEST_F(PointerTest, MovingOntoAndOffAChildLeavesAndEntersAgain)
{
    moveTo(QPoint(120, 70));
    moveTo(QPoint(70, 45));
    EXPECT_EQ(log, (std::vector<std::string> {"enter", "leave", "enter"}));
    moveTo(QPoint(120, 70));
    EXPECT_EQ(log, (std::vector<std::string> {"enter", "leave", "enter", "leave", "enter"}));
}

TEST_F(PointerTest, StraightOntoAChildAndStraightOutIsOneEnterAndOneLeave)
{
    child->setGeometry(0, 0, 30, 30);
    moveTo(QPoint(52, 22));
    EXPECT_EQ(log, (std::vector<std::string> {"enter"}));
    moveTo(QPoint(5, 5));
    EXPECT_EQ(log, (std::vector<std::string> {"enter", "leave"}));
}

TEST_F(PointerTest, ChildAddedLaterIsWatchedToo)
{
    auto *const grandchild = new QWidget(child);
    grandchild->setGeometry(5, 5, 10, 10);
    grandchild->show();
    moveTo(QPoint(62, 32));
    EXPECT_EQ(log, (std::vector<std::string> {"enter"}));
    moveTo(QPoint(67, 37));
    EXPECT_EQ(log, (std::vector<std::string> {"enter", "leave", "enter"}));
}

} // namespace
} // namespace brivmemo
