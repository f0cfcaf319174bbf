// SPDX-License-Identifier: MIT
#include "DialogPictures.h"

#include "RadioGlyphs.h"

#include <QPainter>
#include <array>

namespace brivmemo::tools {

namespace {

// A strip of equal frames, each a rounded button in one state: normal, lit, pressed, disabled.
QImage buttonStrip(QSize size, int frames, QColor base)
{
    QImage strip(size, QImage::Format_RGB32);
    strip.fill(kGlyphGround);
    QPainter painter(&strip);
    const int frameWidth = size.width() / frames;
    const std::array<QColor, 4> states {base, base.lighter(130), base.darker(130), QColor(160, 160, 160)};
    for (int frame = 0; frame < frames; ++frame) {
        const QRect button(frame * frameWidth + 1, 1, frameWidth - 3, size.height() - 3);
        const int radius = std::min(button.width(), button.height()) / 3;
        painter.setPen(QColor(40, 40, 40));
        painter.setBrush(states[static_cast<std::size_t>(frame % 4)]);
        painter.drawRoundedRect(button, radius, radius);
        painter.setPen(QColor(255, 255, 255));
        const int inset = std::max(2, radius / 2);
        painter.drawLine(button.left() + inset, button.top() + 2, button.right() - inset, button.top() + 2);
    }
    return strip;
}

// A bar that fills from left to right, as a level meter.
QImage meterBar(QSize size)
{
    QImage bar(size, QImage::Format_RGB32);
    bar.fill(kGlyphGround);
    QPainter painter(&bar);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0, QColor(40, 170, 60));
    gradient.setColorAt(0.6, QColor(240, 210, 40));
    gradient.setColorAt(1, QColor(220, 50, 40));
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(gradient);
    painter.drawRect(QRect(QPoint(0, 1), size - QSize(1, 3)));
    return bar;
}

ListPicture entry(const char *name, QImage image, PixelFormat format, int tableSize = 0)
{
    return {QString::fromLatin1(name), std::move(image), format, tableSize, {kGlyphGround}};
}

} // namespace

std::vector<ListPicture> gameTypeDialogList()
{
    using enum PixelFormat;
    return {
        entry("wide buttons", buttonStrip({216, 25}, 4, QColor(60, 110, 200)), Bits24),
        entry("green buttons", buttonStrip({126, 30}, 2, QColor(50, 160, 70)), Bits24),
        entry("red buttons", buttonStrip({126, 30}, 2, QColor(200, 60, 50)), Bits24),
        entry("tabs", buttonStrip({87, 20}, 3, QColor(230, 170, 40)), Bits8, 256),
        entry("small buttons", buttonStrip({84, 15}, 4, QColor(120, 80, 190)), Bits8, 256),
        entry("pills", buttonStrip({51, 11}, 3, QColor(40, 160, 170)), Bits8, 256),
        entry("lamps", buttonStrip({168, 14}, 12, QColor(210, 90, 150)), Bits8, 256),
        entry("meter", meterBar({225, 14}), Bits24),
        entry("radio glyphs", drawRadioStrip(GlyphMark::Check, 1), Bits24, 20),
        entry("radio glyphs, cross", drawRadioStrip(GlyphMark::Cross, 1), Bits24),
        entry("switch", buttonStrip({58, 29}, 2, QColor(90, 90, 100)), Bits8, 256),
        entry("wide buttons, 8 bits", buttonStrip({216, 25}, 4, QColor(150, 100, 60)), Bits8, 256),
    };
}

std::vector<ListPicture> optionsDialogList()
{
    using enum PixelFormat;
    return {
        entry("radio glyphs", drawRadioStrip(GlyphMark::Check, 1), Bits24, 20),
        entry("radio glyphs, cross", drawRadioStrip(GlyphMark::Cross, 1), Bits24),
    };
}

} // namespace brivmemo::tools
