// SPDX-License-Identifier: MIT
#include "Panel.h"

#include "Canvas.h"
#include "ErrorBox.h"
#include "Frame3D.h"
#include "SystemColors.h"

#include <QEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>

namespace brivmemo {

namespace {

int windowEdgeWidth(TWindowEdge edge)
{
    switch (edge) {
    case TWindowEdge::None:
        return 0;
    case TWindowEdge::Single:
        return 1;
    case TWindowEdge::Sunken:
        return 2;
    }
    return 0;
}

// A space bevel is an empty band in the panel's colour.
void frameBevel(QPainter &canvas, TRect &rect, TBevelCut cut, TBevelWidth width, TColor color)
{
    QColor top = toQColor(color);
    QColor bottom = top;
    if (cut == TBevelCut::bvLowered) {
        top = toQColor(clBtnShadow);
        bottom = toQColor(clBtnHighlight);
    } else if (cut == TBevelCut::bvRaised) {
        top = toQColor(clBtnHighlight);
        bottom = toQColor(clBtnShadow);
    }
    Frame3D(canvas, rect, top, bottom, width);
}

int placedLength(int length)
{
    return std::max(length, 0);
}

} // namespace

Qt::Alignment toQtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return Qt::AlignLeft;
    case TAlignment::taRightJustify:
        return Qt::AlignRight;
    case TAlignment::taCenter:
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

TCustomPanel::TCustomPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
    connect(this, &QObject::objectNameChanged, this, &TCustomPanel::nameChanged);
}

void TCustomPanel::setBevelInner(TBevelCut cut)
{
    if (cut == bevelInner_)
        return;
    bevelInner_ = cut;
    frameChanged();
}

void TCustomPanel::setBevelOuter(TBevelCut cut)
{
    if (cut == bevelOuter_)
        return;
    bevelOuter_ = cut;
    frameChanged();
}

void TCustomPanel::setBevelWidth(TBevelWidth width)
{
    bevelWidth_ = width;
    frameChanged();
}

void TCustomPanel::setBorderWidth(TBorderWidth width)
{
    if (width == borderWidth_)
        return;
    borderWidth_ = width;
    frameChanged();
}

void TCustomPanel::setBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    frameChanged();
}

void TCustomPanel::setCtl3D(bool ctl3D)
{
    if (ctl3D == ctl3D_)
        return;
    ctl3D_ = ctl3D;
    frameChanged();
}

void TCustomPanel::setAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

void TCustomPanel::setColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TCustomPanel::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

TAlign TCustomPanel::childAlign(const QWidget *child) const
{
    const auto found = std::find_if(aligned_.begin(), aligned_.end(),
        [child](const AlignedChild &entry) { return entry.widget == child; });
    return found == aligned_.end() ? TAlign::alNone : found->align;
}

void TCustomPanel::setChildAlign(QWidget *child, TAlign align)
{
    if (child == nullptr || child->parentWidget() != this)
        return;
    const auto found = std::find_if(aligned_.begin(), aligned_.end(),
        [child](const AlignedChild &entry) { return entry.widget == child; });
    if (found != aligned_.end())
        aligned_.erase(found);
    if (align == TAlign::alNone) {
        child->removeEventFilter(this);
    } else {
        aligned_.push_back({child, align});
        child->installEventFilter(this);
    }
    Realign();
}

TRect TCustomPanel::ClientRect() const
{
    return insetRect(TRect {0, 0, width(), height()}, windowEdgeWidth(WindowEdge()));
}

void TCustomPanel::Realign()
{
    if (aligning_ || inComponentState(TComponentStateFlag::Loading))
        return;
    const QScopedValueRollback<bool> aligning(aligning_, true);
    AlignControls();
}

void TCustomPanel::Loaded()
{
    TComponentStateHolder::Loaded();
    Realign();
}

void TCustomPanel::AlignControls()
{
    std::erase_if(aligned_, [this](const AlignedChild &entry) {
        return entry.widget.isNull() || entry.widget->parentWidget() != this;
    });
    TRect rect = AdjustClientRect(ClientRect());
    const auto placeAll = [this](TAlign align, auto placedBefore, auto place) {
        std::vector<QWidget *> children;
        for (const AlignedChild &entry : aligned_) {
            if (entry.align == align && !entry.widget->isHidden())
                children.push_back(entry.widget);
        }
        std::stable_sort(children.begin(), children.end(), placedBefore);
        for (QWidget *child : children)
            place(*child);
    };
    placeAll(
        TAlign::alTop, [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); },
        [&rect](QWidget &child) {
            child.setGeometry(rect.Left, rect.Top, placedLength(rect.width()), child.height());
            rect.Top += child.height();
        });
    placeAll(
        TAlign::alBottom,
        [](const QWidget *a, const QWidget *b) { return a->geometry().bottom() > b->geometry().bottom(); },
        [&rect](QWidget &child) {
            child.setGeometry(
                rect.Left, rect.Bottom - child.height(), placedLength(rect.width()), child.height());
            rect.Bottom -= child.height();
        });
    placeAll(
        TAlign::alLeft, [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); },
        [&rect](QWidget &child) {
            child.setGeometry(rect.Left, rect.Top, child.width(), placedLength(rect.height()));
            rect.Left += child.width();
        });
    placeAll(
        TAlign::alRight,
        [](const QWidget *a, const QWidget *b) { return a->geometry().right() > b->geometry().right(); },
        [&rect](QWidget &child) {
            child.setGeometry(
                rect.Right - child.width(), rect.Top, child.width(), placedLength(rect.height()));
            rect.Right -= child.width();
        });
    placeAll(
        TAlign::alClient, [](const QWidget *, const QWidget *) { return false; },
        [&rect](QWidget &child) {
            child.setGeometry(rect.Left, rect.Top, placedLength(rect.width()), placedLength(rect.height()));
        });
}

TRect TCustomPanel::AdjustClientRect(const TRect &rect) const
{
    int frame = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone)
        frame += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone)
        frame += bevelWidth_;
    return insetRect(rect, frame);
}

TWindowEdge TCustomPanel::WindowEdge() const
{
    if (borderStyle_ != TBorderStyle::bsSingle)
        return TWindowEdge::None;
    return ctl3D_ ? TWindowEdge::Sunken : TWindowEdge::Single;
}

void TCustomPanel::Paint(QPainter &canvas)
{
    TRect rect = ClientRect();
    if (bevelOuter_ != TBevelCut::bvNone)
        frameBevel(canvas, rect, bevelOuter_, bevelWidth_, color_);
    Frame3D(canvas, rect, toQColor(color_), toQColor(color_), borderWidth_);
    if (bevelInner_ != TBevelCut::bvNone)
        frameBevel(canvas, rect, bevelInner_, bevelWidth_, color_);
    fillRect(canvas, rect, toQColor(color_));

    // One line high across the middle; text beyond it is cut off.
    canvas.setFont(font());
    canvas.setPen(palette().color(foregroundRole()));
    const int lineHeight = canvas.fontMetrics().height();
    rect.Top = (rect.Bottom + rect.Top - lineHeight) / 2;
    rect.Bottom = rect.Top + lineHeight;
    const int flags = static_cast<int>((toQtAlignment(alignment_) | Qt::AlignTop).toInt())
        | Qt::TextExpandTabs | Qt::TextShowMnemonic;
    canvas.drawText(toQRect(rect), flags, caption_);
}

void TCustomPanel::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    paintWindowEdge(canvas);
    runGuarded([this, &canvas] { Paint(canvas); });
}

void TCustomPanel::resizeEvent(QResizeEvent *)
{
    Realign();
}

bool TCustomPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched->parent() == this
        && (type == QEvent::Resize || type == QEvent::ShowToParent || type == QEvent::HideToParent))
        Realign();
    return QWidget::eventFilter(watched, event);
}

void TCustomPanel::frameChanged()
{
    Realign();
    update();
}

void TCustomPanel::nameChanged(const QString &name)
{
    if (captionFollowsName_ && !inComponentState(TComponentStateFlag::Loading) && caption_ == name_)
        setCaption(name);
    name_ = name;
}

void TCustomPanel::paintWindowEdge(QPainter &canvas) const
{
    TRect rect {0, 0, width(), height()};
    switch (WindowEdge()) {
    case TWindowEdge::None:
        break;
    case TWindowEdge::Single:
        frameRect(canvas, rect, toQColor(clWindowFrame));
        break;
    case TWindowEdge::Sunken:
        Frame3D(canvas, rect, toQColor(clBtnShadow), toQColor(clBtnHighlight), 1);
        Frame3D(canvas, rect, toQColor(cl3DDkShadow), toQColor(cl3DLight), 1);
        break;
    }
}

} // namespace brivmemo
