// SPDX-License-Identifier: MIT
#include "MMBitmapListControl.h"

#include "MMBitmapList.h"
#include "MMObsrv.h"
#include "SystemColors.h"

#include <algorithm>

namespace brivmemo {

TMMCustomBitmapListControl::TMMCustomBitmapListControl(QWidget *parent)
    : TMMGraphicControl(parent)
    , observer_(std::make_unique<TMMObserver>())
{
    observer_->OnNotify = [this](TMMObserver *, TObject *) { BitmapChanged(); };
}

TMMCustomBitmapListControl::~TMMCustomBitmapListControl()
{
    // The setter would also repaint, which a control on its way out must not do.
    if (bitmapList_ != nullptr)
        bitmapList_->RemoveObserver(observer_.get());
    QObject::disconnect(listDestroyedConnection_);
}

void TMMCustomBitmapListControl::SetBitmapList(TMMBitmapList *list)
{
    if (bitmapList_ != nullptr)
        bitmapList_->RemoveObserver(observer_.get());
    QObject::disconnect(listDestroyedConnection_);
    bitmapList_ = list;
    if (list != nullptr) {
        list->AddObserver(observer_.get());
        listDestroyedConnection_
            = connect(list, &QObject::destroyed, this, &TMMCustomBitmapListControl::listDestroyed);
    }
    BitmapChanged();
}

void TMMCustomBitmapListControl::listDestroyed()
{
    // The list is past its own destructor: its observable is gone and the observer with it
    // detached, so nothing may be asked of it any more.
    bitmapList_.clear();
    SetBitmapList(nullptr);
}

void TMMCustomBitmapListControl::SetBitmapIndex(int index)
{
    if (index == bitmapIndex_)
        return;
    bitmapIndex_ = std::max(index, -1);
    BitmapChanged();
}

bool TMMCustomBitmapListControl::HasBitmap() const
{
    return bitmapList_ != nullptr && bitmapIndex_ >= 0 && bitmapIndex_ < bitmapList_->Count();
}

TBitmap *TMMCustomBitmapListControl::CurrentBitmap() const
{
    return HasBitmap() ? bitmapList_->Bitmaps(bitmapIndex_) : nullptr;
}

void TMMCustomBitmapListControl::BitmapChanged()
{
    if (inComponentState(TComponentStateFlag::Designing) || parentWidget() != nullptr)
        repaint();
}

TColor TMMCustomBitmapListControl::DefaultTransparentColor() const
{
    const TBitmap *bitmap = CurrentBitmap();
    if (bitmap == nullptr || bitmap->isEmpty())
        return clDefault;
    return bitmap->pixel(0, bitmap->height() - 1);
}

TColor TMMCustomBitmapListControl::ResolveTransparentColor() const
{
    if (transparentColor_ == clDefault)
        return DefaultTransparentColor();
    return colorToRgb(transparentColor_);
}

void TMMCustomBitmapListControl::SetTransparentColor(TColor color)
{
    if (color == transparentColor_)
        return;
    transparentMode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    transparentColor_ = color;
    TransparentColorChanged();
}

void TMMCustomBitmapListControl::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_)
        return;
    SetTransparentColor(mode == TTransparentMode::tmFixed ? ResolveTransparentColor() : clDefault);
}

void TMMCustomBitmapListControl::TransparentColorChanged()
{
    update();
}

std::vector<TColor> TMMCustomBitmapListControl::ControlPalette() const
{
    const TBitmap *bitmap = CurrentBitmap();
    return bitmap != nullptr ? bitmap->palette() : std::vector<TColor> {};
}

} // namespace brivmemo
