// SPDX-License-Identifier: MIT
// The toolkit's container panel: an outer bevel, a border band in the panel's own colour and an
// inner bevel, the inside filled with Color and a one-line caption across its middle. Children
// given an alignment are docked to its edges, or fill what is left, inside that frame.
#pragma once

#include "Colors.h"
#include "ComponentState.h"
#include "ControlTypes.h"
#include "Rect.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace brivmemo {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Where a child is docked: not at all, to one edge (taking the whole length of it), or over the
// space the docked ones leave.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The edge around a window's client area: none, one line in the window-frame colour, or the
// sunken two-pixel edge of 3D controls.
enum class TWindowEdge { None, Single, Sunken };

class TCustomPanel : public QWidget, public TComponentStateHolder {
    Q_OBJECT

public:
    // 185 x 41, a raised outer bevel one pixel wide, the button-face colour, centred caption.
    explicit TCustomPanel(QWidget *parent = nullptr);

    TBevelCut BevelInner() const { return bevelInner_; }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    TBevelWidth BevelWidth() const { return bevelWidth_; }
    TBorderWidth BorderWidth() const { return borderWidth_; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    bool Ctl3D() const { return ctl3D_; }
    TAlignment Alignment() const { return alignment_; }
    TColor Color() const { return color_; }
    QString Caption() const { return caption_; }

    // The frame setters re-align the children and invalidate the panel when the value changes.
    void setBevelInner(TBevelCut cut);
    void setBevelOuter(TBevelCut cut);
    // Stores even an unchanged width, then re-aligns and invalidates.
    void setBevelWidth(TBevelWidth width);
    void setBorderWidth(TBorderWidth width);
    void setBorderStyle(TBorderStyle style);
    void setCtl3D(bool ctl3D);
    void setAlignment(TAlignment alignment);
    void setColor(TColor color);
    void setCaption(const QString &caption);

    // Children of this panel only; a child that is hidden, destroyed or moved elsewhere is
    // left out of the placing.
    TAlign childAlign(const QWidget *child) const;
    void setChildAlign(QWidget *child, TAlign align);

    // The area inside the window edge, in the panel's coordinates.
    TRect ClientRect() const;

    // Places the aligned children anew. Asked for while they are being placed or while the panel
    // is being loaded, it does nothing; the end of loading places them.
    void Realign();
    void Loaded() override;

protected:
    // Docks the aligned children inside AdjustClientRect(ClientRect()): first those at the top,
    // then the bottom, left and right ones, each kind in the order of its position, and the
    // filling ones last.
    virtual void AlignControls();
    // The rectangle less the frame: the border band and a bevel width for each bevel drawn.
    virtual TRect AdjustClientRect(const TRect &rect) const;
    virtual TWindowEdge WindowEdge() const;
    // The frame, the fill and the caption, inside ClientRect.
    virtual void Paint(QPainter &canvas);

    // The new name of the panel becomes its caption while the caption still shows the old name,
    // except while the panel is being loaded. On by default.
    void setCaptionFollowsName(bool follows) { captionFollowsName_ = follows; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct AlignedChild {
        QPointer<QWidget> widget;
        TAlign align = TAlign::alNone;
    };

    void frameChanged();
    void nameChanged(const QString &name);
    void paintWindowEdge(QPainter &canvas) const;

    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelWidth bevelWidth_ = 1;
    TBorderWidth borderWidth_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    bool ctl3D_ = true;
    TAlignment alignment_ = TAlignment::taCenter;
    TColor color_ = clBtnFace;
    QString caption_;
    QString name_;
    bool captionFollowsName_ = true;
    bool aligning_ = false;
    std::vector<AlignedChild> aligned_;
};

class TPanel : public TCustomPanel {
    Q_OBJECT

public:
    using TCustomPanel::TCustomPanel;
};

// The Qt alignment flags of a horizontal text alignment.
Qt::Alignment toQtAlignment(TAlignment alignment);

} // namespace brivmemo
