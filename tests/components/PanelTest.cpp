// SPDX-License-Identifier: MIT
#include "Panel.h"

#include "PixelTestSupport.h"
#include "SystemColors.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

using Rows = std::vector<std::string>;

class ProbePanel : public TPanel {
public:
    using TPanel::TPanel;

    QImage painted()
    {
        QImage image = test::blankImage(width(), height());
        QPainter painter(&image);
        render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return image;
    }

    int alignments = 0;

protected:
    void AlignControls() override
    {
        ++alignments;
        TPanel::AlignControls();
    }
};

// System colours are read from the application's palette, so only once the application exists.
std::map<char, QColor> legend()
{
    return {{'h', toQColor(clBtnHighlight)}, {'s', toQColor(clBtnShadow)}, {'F', toQColor(clYellow)},
        {'f', toQColor(clWindowFrame)}, {'d', toQColor(cl3DDkShadow)}, {'l', toQColor(cl3DLight)}};
}

TEST(PanelTest, PaintsOuterBevelBorderBandAndInnerBevel)
{
    ProbePanel panel;
    panel.resize(10, 9);
    panel.setColor(clYellow);
    panel.setBorderWidth(1);
    panel.setBevelInner(TBevelCut::bvLowered);
    panel.setBevelWidth(2);
    EXPECT_EQ(test::describe(panel.painted(), legend()),
        (Rows {
            "hhhhhhhhhs",
            "hhhhhhhhss",
            "hhFFFFFFss",
            "hhFssshFss",
            "hhFshhhFss",
            "hhFhhhhFss",
            "hhFFFFFFss",
            "hsssssssss",
            "ssssssssss",
        }));
}

TEST(PanelTest, DrawsTheWindowEdgeOfItsBorderStyle)
{
    ProbePanel panel;
    panel.resize(6, 6);
    panel.setColor(clYellow);
    panel.setBevelOuter(TBevelCut::bvNone);
    panel.setBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(panel.ClientRect(), (TRect {2, 2, 4, 4}));
    EXPECT_EQ(test::describe(panel.painted(), legend()),
        (Rows {"sssssh", "sdddlh", "sdFFlh", "sdFFlh", "sllllh", "hhhhhh"}));

    panel.setCtl3D(false);
    EXPECT_EQ(panel.ClientRect(), (TRect {1, 1, 5, 5}));
    EXPECT_EQ(test::describe(panel.painted(), legend()),
        (Rows {"ffffff", "fFFFFf", "fFFFFf", "fFFFFf", "fFFFFf", "ffffff"}));
}

TEST(PanelTest, DocksAlignedChildrenInsideTheFrame)
{
    ProbePanel panel;
    panel.resize(100, 80);
    panel.setBorderWidth(3);
    auto *const top = new QWidget(&panel);
    auto *const bottom = new QWidget(&panel);
    auto *const left = new QWidget(&panel);
    auto *const right = new QWidget(&panel);
    auto *const client = new QWidget(&panel);
    top->resize(10, 10);
    bottom->resize(10, 12);
    left->resize(7, 10);
    right->resize(9, 10);
    panel.setChildAlign(client, TAlign::alClient);
    panel.setChildAlign(right, TAlign::alRight);
    panel.setChildAlign(left, TAlign::alLeft);
    panel.setChildAlign(bottom, TAlign::alBottom);
    panel.setChildAlign(top, TAlign::alTop);
    // Qt tells a hidden panel nothing about its new size.
    panel.show();

    // Inside a raised bevel of 1 and a border of 3.
    EXPECT_EQ(top->geometry(), QRect(4, 4, 92, 10));
    EXPECT_EQ(bottom->geometry(), QRect(4, 64, 92, 12));
    EXPECT_EQ(left->geometry(), QRect(4, 14, 7, 50));
    EXPECT_EQ(right->geometry(), QRect(87, 14, 9, 50));
    EXPECT_EQ(client->geometry(), QRect(11, 14, 76, 50));

    panel.setBevelWidth(2);
    EXPECT_EQ(client->geometry(), QRect(12, 15, 74, 48));
    panel.resize(120, 80);
    EXPECT_EQ(client->geometry(), QRect(12, 15, 94, 48));

    // A hidden child keeps its place; the others close up.
    top->hide();
    EXPECT_EQ(client->geometry(), QRect(12, 5, 94, 58));
    EXPECT_EQ(panel.childAlign(top), TAlign::alTop);
    EXPECT_EQ(panel.childAlign(new QWidget(&panel)), TAlign::alNone);
}

TEST(PanelTest, DocksChildrenOfOneEdgeInTheOrderOfTheirPlaces)
{
    ProbePanel panel;
    panel.resize(50, 60);
    panel.setBevelOuter(TBevelCut::bvNone);
    panel.beginLoading();
    const int alignments = panel.alignments;
    auto *const lower = new QWidget(&panel);
    auto *const upper = new QWidget(&panel);
    lower->setGeometry(0, 30, 10, 5);
    upper->setGeometry(0, 20, 10, 8);
    panel.setChildAlign(lower, TAlign::alTop);
    panel.setChildAlign(upper, TAlign::alTop);
    EXPECT_EQ(panel.alignments, alignments);
    panel.Loaded();
    EXPECT_EQ(upper->geometry(), QRect(0, 0, 50, 8));
    EXPECT_EQ(lower->geometry(), QRect(0, 8, 50, 5));
}

TEST(PanelTest, BevelWidthSetterAlwaysRealigns)
{
    ProbePanel panel;
    panel.setChildAlign(new QWidget(&panel), TAlign::alClient);
    const int before = panel.alignments;
    panel.setBevelWidth(panel.BevelWidth());
    EXPECT_EQ(panel.alignments, before + 1);
    panel.setBorderWidth(panel.BorderWidth());
    EXPECT_EQ(panel.alignments, before + 1);
}

TEST(PanelTest, CaptionFollowsTheNameUntilItIsSetOtherwise)
{
    TPanel panel;
    panel.setObjectName(QStringLiteral("Panel1"));
    EXPECT_EQ(panel.Caption(), QStringLiteral("Panel1"));
    panel.setObjectName(QStringLiteral("Panel2"));
    EXPECT_EQ(panel.Caption(), QStringLiteral("Panel2"));

    panel.setCaption(QStringLiteral("Title"));
    panel.setObjectName(QStringLiteral("Panel3"));
    EXPECT_EQ(panel.Caption(), QStringLiteral("Title"));

    TPanel loaded;
    loaded.beginLoading();
    loaded.setObjectName(QStringLiteral("Panel4"));
    EXPECT_EQ(loaded.Caption(), QString());
}

} // namespace
} // namespace brivmemo
