// SPDX-License-Identifier: MIT
// A picture control that shows one frame of a list entry holding a strip of equally sized
// frames, stretched to fill the whole control. The game's cards are such controls.
#pragma once

#include "GlyphScaler.h"
#include "MMBitmapListControl.h"

namespace brivmemo {

// Frames side by side (goHorizontal) or stacked (goVertical).
enum class TMMGlyphOrientation { goHorizontal, goVertical };

class TMMBitmapListImage : public TMMCustomBitmapListControl {
    Q_OBJECT

public:
    // 80 x 80 pixels at first.
    explicit TMMBitmapListImage(QWidget *parent = nullptr);

    // Sizes the control to one frame whenever the picture or its framing changes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    int NumGlyphs() const { return numGlyphs_; }
    // Anything below 1 is stored as 1.
    void SetNumGlyphs(int numGlyphs);

    int GlyphIndex() const { return glyphIndex_; }
    // Repaints at once. Indices past the last frame show the last frame.
    void SetGlyphIndex(int glyphIndex);

    TMMGlyphOrientation GlyphOrientation() const { return glyphOrientation_; }
    void SetGlyphOrientation(TMMGlyphOrientation orientation);

    // The rectangle of frame index within the bitmap shown. The index is bounded from above
    // only, so a negative one names a rectangle before the bitmap's start.
    TRect GlyphRect(int index) const;

    // Outside the window's loading and destruction: sizes the control to one frame when
    // AutoSize is set, then invalidates it.
    void AdjustToGlyph();

signals:
    // A left-button press and release on the control. The second press of a double click
    // gives doubleClicked instead of a second click.
    void clicked();
    void doubleClicked();

protected:
    void Paint(QPainter &canvas) override;
    void BitmapChanged() override;
    void PaintGlyph(QPainter &canvas);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool autoSize_ = false;
    int numGlyphs_ = 1;
    int glyphIndex_ = 0;
    TMMGlyphOrientation glyphOrientation_ = TMMGlyphOrientation::goHorizontal;
    bool pressed_ = false;
    GlyphScaler scaler_;
};

} // namespace brivmemo
