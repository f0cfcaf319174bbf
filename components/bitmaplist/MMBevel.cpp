// SPDX-License-Identifier: MIT
#include "MMBevel.h"

#include "Frame3D.h"
#include "SystemColors.h"

#include <QPainter>

namespace brivmemo {

void DrawEdgeFrame(QPainter &canvas, TRect &rect, TColor topColor, TColor bottomColor, int width)
{
    Frame3D(canvas, rect, toQColor(topColor), toQColor(bottomColor), width);
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
        r = insetRect(r, borderWidth_);
    if (bevelInner_ == TBevelCut::bvLowered)
        DrawEdgeFrame(canvas, r, InnerShadowColor(), InnerLightColor(), bevelInnerWidth_);
    else if (bevelInner_ == TBevelCut::bvRaised)
        DrawEdgeFrame(canvas, r, InnerLightColor(), InnerShadowColor(), bevelInnerWidth_);
    if (borderSpace_ != 0)
        DrawEdgeFrame(canvas, r, BorderSpaceColor(), BorderSpaceColor(), borderSpace_);
    return r;
}

} // namespace brivmemo
