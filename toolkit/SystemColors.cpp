// SPDX-License-Identifier: MIT
#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace brivmemo {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// One row per system colour number, in number order.
constexpr std::array<PaletteEntry, kSystemColorCount> kSystemPalette = {{
    {QPalette::Active, QPalette::Midlight}, // clScrollBar
    {QPalette::Active, QPalette::Dark}, // clBackground
    {QPalette::Active, QPalette::Highlight}, // clActiveCaption
    {QPalette::Disabled, QPalette::Highlight}, // clInactiveCaption
    {QPalette::Active, QPalette::Window}, // clMenu
    {QPalette::Active, QPalette::Base}, // clWindow
    {QPalette::Active, QPalette::WindowText}, // clWindowFrame
    {QPalette::Active, QPalette::WindowText}, // clMenuText
    {QPalette::Active, QPalette::Text}, // clWindowText
    {QPalette::Active, QPalette::HighlightedText}, // clCaptionText
    {QPalette::Active, QPalette::Window}, // clActiveBorder
    {QPalette::Inactive, QPalette::Window}, // clInactiveBorder
    {QPalette::Active, QPalette::Dark}, // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight}, // clHighlight
    {QPalette::Active, QPalette::HighlightedText}, // clHighlightText
    {QPalette::Active, QPalette::Button}, // clBtnFace
    {QPalette::Active, QPalette::Dark}, // clBtnShadow
    {QPalette::Disabled, QPalette::Text}, // clGrayText
    {QPalette::Active, QPalette::ButtonText}, // clBtnText
    {QPalette::Disabled, QPalette::WindowText}, // clInactiveCaptionText
    {QPalette::Active, QPalette::Light}, // clBtnHighlight
    {QPalette::Active, QPalette::Shadow}, // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight}, // cl3DLight
    {QPalette::Active, QPalette::ToolTipText}, // clInfoText
    {QPalette::Active, QPalette::ToolTipBase}, // clInfoBk
}};

QColor systemQColor(unsigned index)
{
    if (index >= kSystemPalette.size())
        return QColor(0, 0, 0);
    const PaletteEntry entry = kSystemPalette[index];
    const QColor color = QGuiApplication::palette().color(entry.group, entry.role);
    return QColor(color.red(), color.green(), color.blue());
}

} // namespace

QColor toQColor(TColor color)
{
    if (isSystemColor(color))
        return systemQColor(systemColorIndex(color));
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

TColor colorToRgb(TColor color)
{
    if (!isSystemColor(color))
        return color;
    return fromQColor(systemQColor(systemColorIndex(color)));
}

TColor fromQColor(const QColor &color)
{
    return rgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
        static_cast<std::uint8_t>(color.blue()));
}

} // namespace brivmemo
