// SPDX-License-Identifier: MIT
#include "MMBevel.h"

#include "Canvas.h"
#include "SystemColors.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace brivmemo {

namespace {

int clampToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Widths may be as large as an int holds, so the arithmetic must not overflow.
TRect shrunk(const TRect &rect, int by)
{
    return TRect {clampToInt(std::int64_t {rect.Left} + by), clampToInt(std::int64_t {rect.Top} + by),
        clampToInt(std::int64_t {rect.Right} - by), clampToInt(std::int64_t {rect.Bottom} - by)};
}

} // namespace

void DrawEdgeFrame(QPainter &canvas, TRect &rect, TColor topColor, TColor bottomColor, int width)
{
    if (width <= 0)
        return;
    const QColor top = toQColor(topColor);
    const QColor bottom = toQColor(bottomColor);
    const std::int64_t left = rect.Left;
    const std::int64_t upper = rect.Top;
    const std::int64_t right = std::int64_t {rect.Right} - 1;
    const std::int64_t lower = std::int64_t {rect.Bottom} - 1;
    // Once a frame has shrunk past both spans of the rectangle, it and every later one lie
    // wholly outside it, where the clip would drop them anyway.
    const std::int64_t frames = std::min<std::int64_t>(width, std::max(right - left, lower - upper) + 1);
    canvas.save();
    canvas.setClipRect(toQRect(rect), Qt::IntersectClip);
    for (std::int64_t k = 0; k < frames; ++k) {
        const auto point
            = [](std::int64_t x, std::int64_t y) { return QPoint(clampToInt(x), clampToInt(y)); };
        const std::array<QPoint, 3> topEdges
            = {point(left + k, lower - k), point(left + k, upper + k), point(right - k, upper + k)};
        const std::array<QPoint, 3> bottomEdges
            = {point(right - k, upper + k), point(right - k, lower - k), point(left + k - 1, lower - k)};
        drawPolyline(canvas, topEdges, top);
        drawPolyline(canvas, bottomEdges, bottom);
    }
    canvas.restore();
    rect = shrunk(rect, width);
}

template<typename T> void TMMBevel::store(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TMMBevel::SetBevelInner(TBevelCut value)
{
    store(bevelInner_, value);
}

void TMMBevel::SetBevelOuter(TBevelCut value)
{
    store(bevelOuter_, value);
}

void TMMBevel::SetBevelInnerWidth(TBevelWidth value)
{
    store(bevelInnerWidth_, value);
}

void TMMBevel::SetBevelOuterWidth(TBevelWidth value)
{
    store(bevelOuterWidth_, value);
}

void TMMBevel::SetBorderStyle(TBorderStyle value)
{
    store(borderStyle_, value);
}

void TMMBevel::SetBorderWidth(TBorderWidth value)
{
    store(borderWidth_, value);
}

void TMMBevel::SetBorderSpace(TBorderWidth value)
{
    store(borderSpace_, value);
}

void TMMBevel::SetIndexedColor(int index, TColor color)
{
    if (index >= 0 && static_cast<std::size_t>(index) < colors_.size())
        store(colors_[static_cast<std::size_t>(index)], color);
}

void TMMBevel::Assign(const TPersistent *source)
{
    const auto *const bevel = dynamic_cast<const TMMBevel *>(source);
    if (bevel == nullptr) {
        TMMObject::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        SetBevelInner(bevel->BevelInner());
        SetBevelOuter(bevel->BevelOuter());
        SetBevelInnerWidth(bevel->BevelInnerWidth());
        SetBevelOuterWidth(bevel->BevelOuterWidth());
        SetBorderStyle(bevel->BorderStyle());
        SetBorderWidth(bevel->BorderWidth());
        SetBorderSpace(bevel->BorderSpace());
        for (const int index : {BorderColorIndex, BorderSpaceColorIndex, OuterLightColorIndex,
                 OuterShadowColorIndex, InnerLightColorIndex, InnerShadowColorIndex})
            SetIndexedColor(index, bevel->colors_[static_cast<std::size_t>(index)]);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TRect TMMBevel::PaintBevel(QPainter &canvas, const TRect &rect, TBevelBorder border)
{
    TRect r = rect;
    if (borderStyle_ == TBorderStyle::bsSingle)
        DrawEdgeFrame(canvas, r, clWindowFrame, clWindowFrame, 1);
    if (bevelOuter_ == TBevelCut::bvLowered)
        DrawEdgeFrame(canvas, r, OuterShadowColor(), OuterLightColor(), bevelOuterWidth_);
    else if (bevelOuter_ == TBevelCut::bvRaised)
        DrawEdgeFrame(canvas, r, OuterLightColor(), OuterShadowColor(), bevelOuterWidth_);
    if (border == TBevelBorder::Paint)
        DrawEdgeFrame(canvas, r, BorderColor(), BorderColor(), borderWidth_);
    else if (borderWidth_ > 0)
        r = shrunk(r, borderWidth_);
    if (bevelInner_ == TBevelCut::bvLowered)
        DrawEdgeFrame(canvas, r, InnerShadowColor(), InnerLightColor(), bevelInnerWidth_);
    else if (bevelInner_ == TBevelCut::bvRaised)
        DrawEdgeFrame(canvas, r, InnerLightColor(), InnerShadowColor(), bevelInnerWidth_);
    if (borderSpace_ != 0)
        DrawEdgeFrame(canvas, r, BorderSpaceColor(), BorderSpaceColor(), borderSpace_);
    return r;
}

} // namespace brivmemo
