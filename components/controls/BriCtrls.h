// SPDX-License-Identifier: MIT
// TBriCustomPanel and TBriPanel: the toolkit panel with its own frame painting. Bevels and the
// border ring are drawn only on the chosen sides, optionally as two one-pixel rings in the 3D
// colours, the ring in its own colour; the caption wraps over several lines and stands at the
// top, middle or bottom. OnMouseEnter and OnMouseLeave follow the pointer onto and off the panel
// and each of its child controls.
#pragma once

#include "Colors.h"
#include "Panel.h"

#include <QFlags>
#include <functional>

namespace brivmemo {

enum class TSide : unsigned { sdLeft = 0x1, sdTop = 0x2, sdRight = 0x4, sdBottom = 0x8 };
Q_DECLARE_FLAGS(TSides, TSide)

inline constexpr TSides kAllSides {TSide::sdLeft, TSide::sdTop, TSide::sdRight, TSide::sdBottom};

enum class TVerticalAlignment { vaTop, vaCenter, vaBottom };

// The colours of one bevel; the inner pair is drawn only in the two-ring 3D style.
struct TBevelColors {
    TColor outerTopLeft;
    TColor outerBottomRight;
    TColor innerTopLeft;
    TColor innerBottomRight;

    friend constexpr bool operator==(const TBevelColors &, const TBevelColors &) = default;
};

// Draws width nested one-pixel lines on the given sides of rect, left and top in topLeft, right
// and bottom in bottomRight, and moves those sides of rect inwards by width. A line paints its
// start and not its end, so the top-right and bottom-left corners take bottomRight. Nothing is
// painted outside rect; a width of 0 or less does nothing.
void FrameSides(QPainter &canvas, TRect &rect, TSides sides, TColor topLeft, TColor bottomRight, int width);

class TBriCustomPanel : public TCustomPanel {
    Q_OBJECT

public:
    using TPanelEvent = std::function<void(TBriCustomPanel *sender)>;

    // Like the toolkit panel, but its name never becomes its caption.
    explicit TBriCustomPanel(QWidget *parent = nullptr);

    bool BevelCtl3D() const { return bevelCtl3D_; }
    TSides BevelSides() const { return bevelSides_; }
    TColor BorderColor() const { return borderColor_; }
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }

    // Also sets BevelWidth: 2 for the 3D style, 1 otherwise.
    void SetBevelCtl3D(bool ctl3D);
    void SetBevelSides(TSides sides);
    void SetBorderColor(TColor color);
    void SetVerticalAlignment(TVerticalAlignment alignment);

    TBevelColors BevelColors(TBevelCut cut) const;

    TPanelEvent OnMouseEnter;
    TPanelEvent OnMouseLeave;

protected:
    // The 3D style keeps BevelWidth at 2 whatever it was set to.
    void AlignControls() override;
    // A single border is one plain line, also for 3D controls.
    TWindowEdge WindowEdge() const override;
    void Paint(QPainter &canvas) override;

    virtual void DoMouseEnter();
    virtual void DoMouseLeave();

private:
    void paintBevel(QPainter &canvas, TRect &rect, TBevelCut cut) const;

    bool bevelCtl3D_ = false;
    TSides bevelSides_ = kAllSides;
    TColor borderColor_ = clBtnFace;
    TVerticalAlignment verticalAlignment_ = TVerticalAlignment::vaCenter;
};

class TBriPanel : public TBriCustomPanel {
    Q_OBJECT

public:
    using TBriCustomPanel::TBriCustomPanel;
};

} // namespace brivmemo

Q_DECLARE_OPERATORS_FOR_FLAGS(brivmemo::TSides)
