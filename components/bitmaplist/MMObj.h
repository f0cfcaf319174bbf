// SPDX-License-Identifier: MIT
// The roots of the component library: TMMObject, a value object whose changes can be batched;
// TMMComponent and TMMNonVisualComponent, the roots of its non-visual components; and
// TMMGraphicControl, the root of its windowless controls, which owns a bevel (see MMBevel.h).
#pragma once

#include "Colors.h"
#include "ComponentState.h"
#include "Persistent.h"
#include "Rect.h"

#include <QObject>
#include <QWidget>
#include <memory>

class QPainter;

namespace brivmemo {

class TMMBevel;

// Tells OnChange after each change; between BeginUpdate and the matching EndUpdate it keeps
// quiet, and closing the outermost batch tells once, whether or not anything changed.
class TMMObject : public TPersistent {
public:
    const char *ClassName() const override { return "TMMObject"; }

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    TNotifyEvent OnChange;

protected:
    // Opening the outermost batch passes true, closing it false; the base runs Changed on close.
    virtual void SetUpdateState(bool updating);
    // Fires OnChange unless a batch is open.
    virtual void Changed();

private:
    int updateCount_ = 0;
};

// The owner is the QObject parent, the name the objectName.
class TMMComponent : public QObject, public TPersistent, public TComponentStateHolder {
    Q_OBJECT

public:
    explicit TMMComponent(QObject *owner = nullptr);
    ~TMMComponent() override;

    const char *ClassName() const override { return "TMMComponent"; }

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

private:
    int tag_ = 0;
};

class TMMNonVisualComponent : public TMMComponent {
    Q_OBJECT

public:
    using TMMComponent::TMMComponent;

    const char *ClassName() const override { return "TMMNonVisualComponent"; }
};

// A child widget that paints itself through Paint: its bevel first, then, unless Transparent,
// the inside in Color. An opaque control tells Qt that the parent need not paint beneath it.
class TMMGraphicControl : public QWidget, public TComponentStateHolder {
    Q_OBJECT

public:
    explicit TMMGraphicControl(QWidget *parent = nullptr);
    ~TMMGraphicControl() override;

    // Owned; any change of it invalidates the control.
    TMMBevel &Bevel() const { return *bevel_; }

    bool Transparent() const { return transparent_; }
    // Repaints at once. Virtual so that a control with its own painting rule keeps it even
    // when it is set through this base.
    virtual void SetTransparent(bool transparent);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TRect ClientRect() const { return TRect {0, 0, width(), height()}; }

protected:
    virtual void Paint(QPainter &canvas);
    virtual void BevelChanged();

    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<TMMBevel> bevel_;
    bool transparent_ = false;
    TColor color_ = clBtnFace;
    int tag_ = 0;
};

} // namespace brivmemo
