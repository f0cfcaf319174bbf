// SPDX-License-Identifier: MIT
// TMMBitmapRadioButton: a radio button whose check mark is a frame of a glyph strip taken from
// a bitmap list, drawn with the strip's ground colour left out, beside a caption of its own in
// one look while the pointer is over it (with AllowMouseOver) and another otherwise. Checking
// it clears every other such button on the same parent. It never takes the focus; its
// caption's accelerator letter clicks it (see DialogChars.h for how keys reach it).
//
// State changes repaint the button without its parent: the button keeps the background it
// last saw under itself in the lower half of Buffer and composes each new look above it, off
// screen, before showing it in one step.
#pragma once

#include "MMBitmapListControl.h"
#include "MMFontStyle.h"

#include <QImage>
#include <QString>
#include <memory>

namespace brivmemo {

// Glyph at the left and caption to its right, or the mirror image.
enum class TLeftRight { taLeftJustify, taRightJustify };

// The frame of the glyph strip shown for each state: 0, 1 and 2, never beyond the last frame.
enum class TRadioState { rsUnchecked = 0, rsChecked = 1, rsDisabled = 2 };

class TMMBitmapRadioButton : public TMMCustomBitmapListControl {
    Q_OBJECT

public:
    // Unchecked, 100 x 17 at (0, 0), transparent, four glyph frames, margin 7; captions in red
    // while hovered and in black otherwise, both without styles.
    explicit TMMBitmapRadioButton(QWidget *parent = nullptr);
    ~TMMBitmapRadioButton() override;

    // Takes effect at the next pointer event.
    bool AllowMouseOver() const { return allowMouseOver_; }
    void SetAllowMouseOver(bool allow) { allowMouseOver_ = allow; }

    TMMFontStyle &FontActive() { return *fontActive_; }
    const TMMFontStyle &FontActive() const { return *fontActive_; }
    TMMFontStyle &FontInactive() { return *fontInactive_; }
    const TMMFontStyle &FontInactive() const { return *fontInactive_; }

    // The setters of Alignment, Checked, Margin, NumGlyphs and Caption redraw the button
    // without its parent when the value changes.
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight alignment);

    bool Checked() const { return checked_; }
    // Checking clears Checked on every other radio button of the same parent; those buttons
    // tell checkedChanged before this one does.
    void SetChecked(bool checked);

    // The caption begins (left-justified) or ends (right-justified) this far from the glyph.
    int Margin() const { return margin_; }
    void SetMargin(int margin);

    int NumGlyphs() const { return numGlyphs_; }
    // Values outside 1..4 are clamped.
    void SetNumGlyphs(int numGlyphs);

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);

    // Set while the pointer is over the button, if AllowMouseOver was set when it came; only
    // cleared while the button is enabled.
    bool MouseOver() const { return mouseOver_; }

    // Here Transparent only decides whether Color fills the background: the button always
    // paints its whole rectangle, showing its parent's background when transparent.
    void SetTransparent(bool transparent) override;

    // The frame of the glyph strip for a state; empty without a bitmap.
    TRect GetGlyphRect(TRadioState state) const;

    // The off-screen image: the composed look above, the saved background below, in the
    // pixels of the screen the button is on.
    const QImage &Buffer() const { return buffer_; }

    // Tells clicked, then checks the button, so a handler still sees the old Checked.
    virtual void Click();
    // Tells doubleClicked, then clicks.
    virtual void DblClick();
    // The accelerator letter of the caption (compared without regard to case) clicks an
    // enabled button; true when it did.
    bool DialogChar(QChar character);

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::KeyboardModifiers modifiers, QPoint position);
    // Checked has changed; for what goes beyond the dialogs, which read Checked at their OK.
    void checkedChanged(bool checked);

protected:
    // Paints the background saved just before, then the button.
    void Paint(QPainter &canvas) override;
    // Detects the number of frames of a strip of square frames when NumGlyphs is 1, then
    // repaints in full; nothing while the button is loaded or destroyed.
    void BitmapChanged() override;

    // Only for the left button of an enabled button: redraws, then tells mouseDown/mouseUp.
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    virtual void MouseMove(Qt::KeyboardModifiers modifiers, QPoint position);

    // The button's look on a canvas the size of the button.
    void DrawButton(QPainter &canvas);
    // Shows the present state over the saved background, without the parent.
    void Redraw();
    void UncheckSiblings();

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void saveBackground();
    void sizeBuffer();
    void drawPlaceholder(QPainter &canvas) const;
    void drawCaption(QPainter &canvas, const TRect &rect, const QFont &font, const QColor &color) const;
    void trackPointer(bool over);

    std::unique_ptr<TMMFontStyle> fontInactive_;
    std::unique_ptr<TMMFontStyle> fontActive_;
    TLeftRight alignment_ = TLeftRight::taLeftJustify;
    QImage buffer_;
    int numGlyphs_ = 4;
    int margin_ = 7;
    bool checked_ = false;
    bool mouseOver_ = false;
    bool allowMouseOver_ = false;
    QString caption_;
    // Whether the lower half of buffer_ holds the background under the button.
    bool backgroundSaved_ = false;
    // Set while Redraw has the composed image shown.
    bool showComposed_ = false;
    bool pressed_ = false;
};

} // namespace brivmemo
