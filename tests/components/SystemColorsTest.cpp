// SPDX-License-Identifier: MIT
#include "SystemColors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

struct SystemColorCase {
    const char *name;
    TColor color;
    TColor number;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

class SystemColorTest : public testing::TestWithParam<SystemColorCase> { };

TEST_P(SystemColorTest, ResolvesThroughTheApplicationPalette)
{
    const SystemColorCase &entry = GetParam();
    const QColor expected = QApplication::palette().color(entry.group, entry.role);
    EXPECT_EQ(entry.color, entry.number);
    EXPECT_EQ(toQColor(entry.color).rgb(), expected.rgb());
    EXPECT_EQ(colorToRgb(entry.color),
        rgbColor(static_cast<std::uint8_t>(expected.red()), static_cast<std::uint8_t>(expected.green()),
            static_cast<std::uint8_t>(expected.blue())));
}

INSTANTIATE_TEST_SUITE_P(SystemColors, SystemColorTest,
    testing::Values(SystemColorCase {"BtnFace", clBtnFace, 0x8000000F, QPalette::Active, QPalette::Button},
        SystemColorCase {"BtnShadow", clBtnShadow, 0x80000010, QPalette::Active, QPalette::Dark},
        SystemColorCase {"BtnHighlight", clBtnHighlight, 0x80000014, QPalette::Active, QPalette::Light},
        SystemColorCase {"WindowFrame", clWindowFrame, 0x80000006, QPalette::Active, QPalette::WindowText},
        SystemColorCase {"BtnText", clBtnText, 0x80000012, QPalette::Active, QPalette::ButtonText},
        SystemColorCase {"GrayText", clGrayText, 0x80000011, QPalette::Disabled, QPalette::Text},
        SystemColorCase {"DarkShadow", cl3DDkShadow, 0x80000015, QPalette::Active, QPalette::Shadow}),
    [](const testing::TestParamInfo<SystemColorCase> &info) { return info.param.name; });

TEST(ColorTest, PlainColoursAreBlueGreenRedFromTheHighByteDown)
{
    EXPECT_EQ(toQColor(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(toQColor(clSilver), QColor(192, 192, 192));
    EXPECT_EQ(rgbColor(0x99, 0x66, 0x33), 0x00336699U);
    EXPECT_EQ(fromQColor(QColor(1, 2, 3)), 0x00030201U);
}

TEST(ColorTest, OnlySystemColoursChangeWhenMadePlain)
{
    EXPECT_EQ(colorToRgb(clGreen), clGreen);
    EXPECT_EQ(colorToRgb(clDefault), clDefault);
    EXPECT_EQ(colorToRgb(clNone), clNone);
    EXPECT_FALSE(isSystemColor(colorToRgb(clBtnFace)));
}

TEST(ColorTest, UnknownSystemColourNumberIsBlack)
{
    EXPECT_EQ(toQColor(systemColor(99)), QColor(0, 0, 0));
    EXPECT_EQ(colorToRgb(systemColor(99)), clBlack);
}

// The bevel pixel tests tell these apart, so the palette must keep them distinct.
TEST(ColorTest, BevelColoursAreDistinct)
{
    const std::vector<QColor> colors
        = {toQColor(clBtnFace), toQColor(clBtnShadow), toQColor(clBtnHighlight), toQColor(clWindowFrame)};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        for (std::size_t j = i + 1; j < colors.size(); ++j)
            EXPECT_NE(colors[i], colors[j]) << i << " and " << j;
    }
}

TEST(ColorTest, FollowsAChangeOfTheApplicationPalette)
{
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(changed);
    const QColor resolved = toQColor(clBtnFace);
    QApplication::setPalette(original);

    EXPECT_EQ(resolved, QColor(10, 20, 30));
    EXPECT_EQ(toQColor(clBtnFace).rgb(), original.color(QPalette::Active, QPalette::Button).rgb());
}

} // namespace
} // namespace brivmemo
