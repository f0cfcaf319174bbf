// SPDX-License-Identifier: MIT
// TMMBevel describes a bevelled border (an outline, outer bevel, border band, inner bevel and
// inner space band) and paints it; DrawEdgeFrame is the nested-frame routine it is built on.
#pragma once

#include "Colors.h"
#include "ControlTypes.h"
#include "MMObj.h"
#include "Rect.h"

#include <array>

class QPainter;

namespace brivmemo {

// Draws width nested one-pixel frames inside rect, the top and left edges in topColor and the
// bottom and right edges (with both corners they share with the others) in bottomColor, and
// shrinks rect by width on every side. A width of 0 or less does nothing. Frames never paint
// outside the rectangle, and a width beyond what fits paints no more than fits.
void DrawEdgeFrame(QPainter &canvas, TRect &rect, TColor topColor, TColor bottomColor, int width);

// Whether PaintBevel paints the border band or only leaves room for it.
enum class TBevelBorder { Paint, ReserveOnly };

class TMMBevel : public TMMObject {
public:
    // The colours in the order of their index.
    enum ColorIndex {
        BorderColorIndex = 0,
        BorderSpaceColorIndex = 1,
        InnerLightColorIndex = 2,
        InnerShadowColorIndex = 3,
        OuterLightColorIndex = 4,
        OuterShadowColorIndex = 5,
    };

    // One sunken pixel frame: an outer lowered bevel of width 1 and nothing else.
    TMMBevel() = default;

    const char *ClassName() const override { return "TMMBevel"; }

    TBevelCut BevelInner() const { return bevelInner_; }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    TBevelWidth BevelInnerWidth() const { return bevelInnerWidth_; }
    TBevelWidth BevelOuterWidth() const { return bevelOuterWidth_; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    TBorderWidth BorderWidth() const { return borderWidth_; }
    TBorderWidth BorderSpace() const { return borderSpace_; }

    // Each setter stores and runs Changed only when the value differs.
    void SetBevelInner(TBevelCut value);
    void SetBevelOuter(TBevelCut value);
    void SetBevelInnerWidth(TBevelWidth value);
    void SetBevelOuterWidth(TBevelWidth value);
    void SetBorderStyle(TBorderStyle value);
    void SetBorderWidth(TBorderWidth value);
    void SetBorderSpace(TBorderWidth value);

    // The one setter of the six colours, by their index 0..5; other indices change nothing.
    void SetIndexedColor(int index, TColor color);

    TColor BorderColor() const { return colors_[BorderColorIndex]; }
    TColor BorderSpaceColor() const { return colors_[BorderSpaceColorIndex]; }
    TColor InnerLightColor() const { return colors_[InnerLightColorIndex]; }
    TColor InnerShadowColor() const { return colors_[InnerShadowColorIndex]; }
    TColor OuterLightColor() const { return colors_[OuterLightColorIndex]; }
    TColor OuterShadowColor() const { return colors_[OuterShadowColorIndex]; }

    void SetBorderColor(TColor color) { SetIndexedColor(BorderColorIndex, color); }
    void SetBorderSpaceColor(TColor color) { SetIndexedColor(BorderSpaceColorIndex, color); }
    void SetInnerLightColor(TColor color) { SetIndexedColor(InnerLightColorIndex, color); }
    void SetInnerShadowColor(TColor color) { SetIndexedColor(InnerShadowColorIndex, color); }
    void SetOuterLightColor(TColor color) { SetIndexedColor(OuterLightColorIndex, color); }
    void SetOuterShadowColor(TColor color) { SetIndexedColor(OuterShadowColorIndex, color); }

    // From another bevel: every value through its setter in one batch, so one OnChange follows.
    // Anything else fails with "Cannot assign a %s to a %s".
    void Assign(const TPersistent *source) override;

    // Paints the border into rect and returns what is left inside it.
    virtual TRect PaintBevel(QPainter &canvas, const TRect &rect, TBevelBorder border = TBevelBorder::Paint);

private:
    template<typename T> void store(T &field, T value);

    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvLowered;
    TBevelWidth bevelInnerWidth_ = 1;
    TBevelWidth bevelOuterWidth_ = 1;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    TBorderWidth borderWidth_ = 0;
    TBorderWidth borderSpace_ = 0;
    std::array<TColor, 6> colors_
        = {clBtnFace, clBlack, clBtnHighlight, clBtnShadow, clBtnHighlight, clBtnShadow};
};

} // namespace brivmemo
