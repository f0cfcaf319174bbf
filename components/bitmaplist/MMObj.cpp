// SPDX-License-Identifier: MIT
#include "MMObj.h"

#include "Canvas.h"
#include "ErrorBox.h"
#include "MMBevel.h"
#include "SystemColors.h"

#include <QPainter>

namespace brivmemo {

void TMMObject::BeginUpdate()
{
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TMMObject::EndUpdate()
{
    --updateCount_;
    if (updateCount_ == 0)
        SetUpdateState(false);
}

void TMMObject::SetUpdateState(bool updating)
{
    if (!updating)
        Changed();
}

void TMMObject::Changed()
{
    // A copy, so that the handler may replace OnChange while it runs.
    const TNotifyEvent handler = OnChange;
    if (updateCount_ == 0 && handler)
        handler(this);
}

TMMComponent::TMMComponent(QObject *owner)
    : QObject(owner)
{ }

TMMComponent::~TMMComponent()
{
    Destroying();
}

TMMGraphicControl::TMMGraphicControl(QWidget *parent)
    : QWidget(parent)
    , bevel_(std::make_unique<TMMBevel>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    bevel_->OnChange = [this](TObject *) { BevelChanged(); };
}

TMMGraphicControl::~TMMGraphicControl()
{
    Destroying();
    bevel_->OnChange = nullptr;
}

void TMMGraphicControl::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    repaint();
}

void TMMGraphicControl::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TMMGraphicControl::Paint(QPainter &canvas)
{
    const TRect inner = bevel_->PaintBevel(canvas, ClientRect());
    if (!transparent_)
        fillRect(canvas, inner, toQColor(color_));
}

void TMMGraphicControl::BevelChanged()
{
    update();
}

void TMMGraphicControl::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    runGuarded([this, &canvas] { Paint(canvas); });
}

} // namespace brivmemo
