// SPDX-License-Identifier: MIT
#include "MMBitmapListImage.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "DevicePixels.h"
#include "SystemColors.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace brivmemo {

TMMBitmapListImage::TMMBitmapListImage(QWidget *parent)
    : TMMCustomBitmapListControl(parent)
{
    // Opaque only while there is a picture to cover it; see BitmapChanged.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(80, 80);
}

void TMMBitmapListImage::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustToGlyph();
}

void TMMBitmapListImage::SetNumGlyphs(int numGlyphs)
{
    if (numGlyphs == numGlyphs_)
        return;
    numGlyphs_ = std::max(numGlyphs, 1);
    AdjustToGlyph();
}

void TMMBitmapListImage::SetGlyphIndex(int glyphIndex)
{
    if (glyphIndex == glyphIndex_)
        return;
    glyphIndex_ = glyphIndex;
    repaint();
}

void TMMBitmapListImage::SetGlyphOrientation(TMMGlyphOrientation orientation)
{
    if (orientation == glyphOrientation_)
        return;
    glyphOrientation_ = orientation;
    AdjustToGlyph();
}

TRect TMMBitmapListImage::GlyphRect(int index) const
{
    const TBitmap *bitmap = CurrentBitmap();
    if (bitmap == nullptr)
        return {};
    const int width = bitmap->width();
    const int height = bitmap->height();
    const int frame = std::min(index, numGlyphs_ - 1);
    if (glyphOrientation_ == TMMGlyphOrientation::goHorizontal) {
        const int frameWidth = width / numGlyphs_;
        return {frame * frameWidth, 0, (frame + 1) * frameWidth, height};
    }
    const int frameHeight = height / numGlyphs_;
    return {0, frame * frameHeight, width, std::min((frame + 1) * frameHeight, height)};
}

void TMMBitmapListImage::AdjustToGlyph()
{
    if (inComponentState(
            {TComponentStateFlag::Loading, TComponentStateFlag::Reading, TComponentStateFlag::Destroying}))
        return;
    const TBitmap *bitmap = CurrentBitmap();
    if (bitmap != nullptr && autoSize_) {
        int width = bitmap->width();
        int height = bitmap->height();
        if (glyphOrientation_ == TMMGlyphOrientation::goHorizontal)
            width /= numGlyphs_;
        else
            height /= numGlyphs_;
        if (width > 0 && height > 0)
            setGeometry(x(), y(), width, height);
    }
    update();
}

void TMMBitmapListImage::BitmapChanged()
{
    setAttribute(Qt::WA_OpaquePaintEvent, HasBitmap());
    AdjustToGlyph();
}

void TMMBitmapListImage::Paint(QPainter &canvas)
{
    PaintGlyph(canvas);
}

void TMMBitmapListImage::PaintGlyph(QPainter &canvas)
{
    const bool designing = inComponentState(TComponentStateFlag::Designing);
    TBitmap *bitmap = CurrentBitmap();
    if ((!isHidden() || designing) && bitmap != nullptr) {
        if (width() > 0 && height() > 0) {
            // Scaled from the finest pixels there are straight to the device's, so that a
            // high-density screen shows the picture's own detail.
            const qreal ratio = deviceRatio(canvas);
            const PictureFrame source = finestFrame(*bitmap, toQRect(GlyphRect(glyphIndex_)), ratio);
            canvas.drawImage(0, 0,
                scaler_.scaled(source.picture, fromQRect(source.frame), deviceSize(size(), ratio),
                    toQColor(Color()), ratio));
        }
    } else if (designing) {
        frameRect(canvas, ClientRect(), Qt::black, LineStyle::Dotted);
    }
}

void TMMBitmapListImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        TMMCustomBitmapListControl::mousePressEvent(event);
        return;
    }
    pressed_ = true;
}

void TMMBitmapListImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        TMMCustomBitmapListControl::mouseReleaseEvent(event);
        return;
    }
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void TMMBitmapListImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        TMMCustomBitmapListControl::mouseDoubleClickEvent(event);
        return;
    }
    emit doubleClicked();
}

} // namespace brivmemo
