// SPDX-License-Identifier: MIT
// A radio button that a test can paint straight into an image and whose paints it can count,
// and glyph strips of 5 x 5 frames: a magenta ring (the ground the button leaves out) around
// a 3 x 3 square in the frame's own colour.
#pragma once

#include "BitmapListControlTestSupport.h"
#include "MMCheck.h"

#include <QEvent>
#include <QPainter>
#include <array>
#include <map>

namespace brivmemo::test {

inline constexpr int kFrameSide = 5;
inline constexpr std::array<TColor, 4> kFrameColors = {clLime, clAqua, clYellow, clMaroon};

inline std::unique_ptr<TBitmap> glyphStrip(int frames)
{
    return paintedBitmap(frames * kFrameSide, kFrameSide, [](int x, int y) {
        const int inFrame = x % kFrameSide;
        const bool ring = inFrame == 0 || inFrame == kFrameSide - 1 || y == 0 || y == kFrameSide - 1;
        return ring ? clFuchsia : kFrameColors[static_cast<std::size_t>(x / kFrameSide)];
    });
}

// Letters for the frames' colours (frame 0 to 3), the caption colours and magenta.
inline std::map<char, QColor> glyphLegend()
{
    return {{'0', qColorOf(kFrameColors[0])}, {'1', qColorOf(kFrameColors[1])},
        {'2', qColorOf(kFrameColors[2])}, {'3', qColorOf(kFrameColors[3])}, {'m', qColorOf(clFuchsia)},
        {'W', qColorOf(clWhite)}};
}

class ProbeRadioButton : public TMMBitmapRadioButton {
public:
    using TMMBitmapRadioButton::TMMBitmapRadioButton;

    // DrawButton on an image of the button's size filled with the test background.
    QImage drawn()
    {
        QImage image = blankImage(width(), height());
        QPainter painter(&image);
        DrawButton(painter);
        return image;
    }

    void pressAndRelease(Qt::MouseButton button)
    {
        MouseDown(button, Qt::NoModifier, QPoint(1, 1));
        MouseUp(button, Qt::NoModifier, QPoint(1, 1));
    }
};

// Counts the paint events an object receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject &watched) { watched.installEventFilter(this); }

    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace brivmemo::test
