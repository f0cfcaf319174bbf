// SPDX-License-Identifier: MIT
// The common base of the controls that draw a picture taken from a bitmap list: it holds the
// list (not owned) and the index of the entry to show, observes the list so that every change
// reaches BitmapChanged, and works out the transparent colour its subclasses leave out.
#pragma once

#include "Colors.h"
#include "MMBitmapList.h"
#include "MMObj.h"

#include <QMetaObject>
#include <QPointer>
#include <memory>
#include <vector>

namespace brivmemo {

class TMMObserver;

// tmFixed exactly when TransparentColor holds a colour of its own; tmAuto takes the colour
// from the bitmap.
enum class TTransparentMode { tmAuto, tmFixed };

class TMMCustomBitmapListControl : public TMMGraphicControl {
    Q_OBJECT

public:
    explicit TMMCustomBitmapListControl(QWidget *parent = nullptr);
    // Leaves the list: its observer is detached before it is destroyed.
    ~TMMCustomBitmapListControl() override;

    // A second free-use tag.
    int Tag2() const { return tag2_; }
    void SetTag2(int tag2) { tag2_ = tag2; }

    TMMBitmapList *BitmapList() const { return bitmapList_; }
    // Runs in full even when the list is the present one: the observer is attached again (and
    // so becomes the first to be told) and BitmapChanged runs. When the list is destroyed the
    // control drops it by itself.
    void SetBitmapList(TMMBitmapList *list);

    int BitmapIndex() const { return bitmapIndex_; }
    // Anything below -1 is stored as -1, which shows nothing.
    void SetBitmapIndex(int index);

    // True when the list holds an entry at BitmapIndex.
    bool HasBitmap() const;
    // The entry shown, or nullptr without one; the list owns it.
    TBitmap *CurrentBitmap() const;

    // The observer that carries the list's changes to BitmapChanged; owned.
    const TMMObserver &Observer() const { return *observer_; }

    // The colour in effect: the fixed one (a system colour resolved to its value), or the
    // bitmap's own colour in tmAuto mode.
    TColor TransparentColor() const { return ResolveTransparentColor(); }
    // The value as set: a colour, or clDefault for "take it from the bitmap".
    TColor StoredTransparentColor() const { return transparentColor_; }
    // Any value but clDefault switches to tmFixed; clDefault switches back to tmAuto.
    void SetTransparentColor(TColor color);

    TTransparentMode TransparentMode() const { return transparentMode_; }
    // tmFixed freezes the colour now in effect; without a bitmap there is none, so the mode
    // stays tmAuto. tmAuto forgets the fixed colour.
    void SetTransparentMode(TTransparentMode mode);

    // The colour table of the bitmap shown; empty without a bitmap or for a picture that has
    // none.
    std::vector<TColor> ControlPalette() const;

    // The colour of the bottom-left pixel of the whole bitmap, or clDefault when there is no
    // bitmap (or it has no pixels).
    virtual TColor DefaultTransparentColor() const;
    virtual TColor ResolveTransparentColor() const;

protected:
    // Runs after every change of the list, the list itself or the index. The base paints the
    // control at once when it sits on a parent.
    virtual void BitmapChanged();
    // Told whenever the transparent colour changes; invalidates the control.
    void TransparentColorChanged();

private:
    void listDestroyed();

    int tag2_ = 0;
    int bitmapIndex_ = -1;
    QPointer<TMMBitmapList> bitmapList_;
    QMetaObject::Connection listDestroyedConnection_;
    std::unique_ptr<TMMObserver> observer_;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
};

} // namespace brivmemo
