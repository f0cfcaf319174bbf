// SPDX-License-Identifier: MIT
#include "BriCtrls.h"

#include "Canvas.h"
#include "ErrorBox.h"
#include "Frame3D.h"
#include "PointerWatcher.h"
#include "SystemColors.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

namespace brivmemo {

void FrameSides(QPainter &canvas, TRect &rect, TSides sides, TColor topLeft, TColor bottomRight, int width)
{
    if (width <= 0)
        return;
    const QColor lit = toQColor(topLeft);
    const QColor shaded = toQColor(bottomRight);
    TRect r = rect;
    // After this many lines every further one lies outside the rectangle.
    const std::int64_t lines = std::min<std::int64_t>(width, std::max(rect.width(), rect.height()) + 1);
    canvas.save();
    canvas.setClipRect(toQRect(rect), Qt::IntersectClip);
    for (std::int64_t k = 0; k < lines; ++k) {
        if (sides.testFlag(TSide::sdLeft))
            drawLine(canvas, QPoint(r.Left, r.Top), QPoint(r.Left, r.Bottom), lit);
        if (sides.testFlag(TSide::sdTop))
            drawLine(canvas, QPoint(r.Left, r.Top), QPoint(r.Right, r.Top), lit);
        if (sides.testFlag(TSide::sdRight))
            drawLine(canvas, QPoint(r.Right - 1, r.Top), QPoint(r.Right - 1, r.Bottom), shaded);
        if (sides.testFlag(TSide::sdBottom))
            drawLine(canvas, QPoint(r.Left, r.Bottom - 1), QPoint(r.Right, r.Bottom - 1), shaded);
        r.Left += sides.testFlag(TSide::sdLeft) ? 1 : 0;
        r.Top += sides.testFlag(TSide::sdTop) ? 1 : 0;
        r.Right -= sides.testFlag(TSide::sdRight) ? 1 : 0;
        r.Bottom -= sides.testFlag(TSide::sdBottom) ? 1 : 0;
    }
    canvas.restore();
    const TRect shrunk = insetRect(rect, width);
    if (sides.testFlag(TSide::sdLeft))
        rect.Left = shrunk.Left;
    if (sides.testFlag(TSide::sdTop))
        rect.Top = shrunk.Top;
    if (sides.testFlag(TSide::sdRight))
        rect.Right = shrunk.Right;
    if (sides.testFlag(TSide::sdBottom))
        rect.Bottom = shrunk.Bottom;
}

TBriCustomPanel::TBriCustomPanel(QWidget *parent)
    : TCustomPanel(parent)
{
    setCaptionFollowsName(false);
    new PointerWatcher(
        *this, [this] { runGuarded([this] { DoMouseEnter(); }); },
        [this] { runGuarded([this] { DoMouseLeave(); }); });
}

void TBriCustomPanel::SetBevelCtl3D(bool ctl3D)
{
    if (ctl3D == bevelCtl3D_)
        return;
    bevelCtl3D_ = ctl3D;
    setBevelWidth(ctl3D ? 2 : 1);
    update();
}

void TBriCustomPanel::SetBevelSides(TSides sides)
{
    if (sides == bevelSides_)
        return;
    bevelSides_ = sides;
    update();
}

void TBriCustomPanel::SetBorderColor(TColor color)
{
    if (color == borderColor_)
        return;
    borderColor_ = color;
    update();
}

void TBriCustomPanel::SetVerticalAlignment(TVerticalAlignment alignment)
{
    if (alignment == verticalAlignment_)
        return;
    verticalAlignment_ = alignment;
    update();
}

TBevelColors TBriCustomPanel::BevelColors(TBevelCut cut) const
{
    switch (cut) {
    case TBevelCut::bvLowered:
        return {clBtnShadow, clBtnHighlight, clBtnText, cl3DLight};
    case TBevelCut::bvRaised:
        if (bevelCtl3D_)
            return {clBtnHighlight, clBtnText, cl3DLight, clBtnShadow};
        return {clBtnHighlight, clBtnShadow, clBtnHighlight, clBtnShadow};
    case TBevelCut::bvNone:
    case TBevelCut::bvSpace:
        break;
    }
    // An empty band in the panel's own colour.
    return {Color(), Color(), Color(), Color()};
}

void TBriCustomPanel::AlignControls()
{
    if (bevelCtl3D_)
        setBevelWidth(2);
    TCustomPanel::AlignControls();
}

TWindowEdge TBriCustomPanel::WindowEdge() const
{
    const TWindowEdge edge = TCustomPanel::WindowEdge();
    if (Ctl3D() && BorderStyle() == TBorderStyle::bsSingle)
        return TWindowEdge::Single;
    return edge;
}

void TBriCustomPanel::Paint(QPainter &canvas)
{
    TRect rect = ClientRect();
    if (BevelOuter() != TBevelCut::bvNone)
        paintBevel(canvas, rect, BevelOuter());
    FrameSides(canvas, rect, bevelSides_, borderColor_, borderColor_, BorderWidth());
    if (BevelInner() != TBevelCut::bvNone)
        paintBevel(canvas, rect, BevelInner());
    fillRect(canvas, rect, toQColor(Color()));

    canvas.setFont(font());
    canvas.setPen(palette().color(foregroundRole()));
    const auto flags = static_cast<int>(toQtAlignment(Alignment()) | Qt::AlignTop | Qt::TextWordWrap
        | Qt::TextExpandTabs | Qt::TextShowMnemonic);
    if (verticalAlignment_ != TVerticalAlignment::vaTop) {
        const int captionHeight = canvas.fontMetrics().boundingRect(toQRect(rect), flags, Caption()).height();
        const int bottom = rect.Bottom;
        rect.Bottom = rect.Top + captionHeight;
        const int space = bottom - rect.Bottom;
        const int offset = verticalAlignment_ == TVerticalAlignment::vaCenter ? space / 2 : space;
        rect.Top += offset;
        rect.Bottom += offset;
    }
    canvas.drawText(toQRect(rect), flags, Caption());
}

void TBriCustomPanel::DoMouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TBriCustomPanel::DoMouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TBriCustomPanel::paintBevel(QPainter &canvas, TRect &rect, TBevelCut cut) const
{
    const TBevelColors colors = BevelColors(cut);
    if (bevelCtl3D_) {
        FrameSides(canvas, rect, bevelSides_, colors.outerTopLeft, colors.outerBottomRight, 1);
        FrameSides(canvas, rect, bevelSides_, colors.innerTopLeft, colors.innerBottomRight, 1);
    } else {
        FrameSides(canvas, rect, bevelSides_, colors.outerTopLeft, colors.outerBottomRight, BevelWidth());
    }
}

} // namespace brivmemo
