// SPDX-License-Identifier: MIT
#include "MMBitmapRadioButton.h"

#include "Bitmap.h"
#include "BitmapRadioButtonAccessible.h"
#include "Canvas.h"
#include "DevicePixels.h"
#include "DialogChars.h"
#include "DrawTransparent.h"
#include "ErrorBox.h"
#include "SystemColors.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>
#include <cstring>

namespace brivmemo {

TMMBitmapRadioButton::TMMBitmapRadioButton(QWidget *parent)
    : TMMCustomBitmapListControl(parent)
    , fontInactive_(std::make_unique<TMMFontStyle>(*this, clBlack))
    , fontActive_(std::make_unique<TMMFontStyle>(*this, clRed))
{
    TMMGraphicControl::SetTransparent(true);
    // Unlike the other windowless controls, a transparent radio button tells Qt that it covers
    // its whole rectangle: only then does Qt repaint the button alone when its state changes.
    // The parent's background still shows, painted from the copy kept in Buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(0, 0, 100, 17);
    buffer_ = QImage(100, 2 * 17, QImage::Format_RGB32);
    buffer_.fill(Qt::black);
    installDialogCharRouter();
    BitmapRadioButtonAccessible::install();
}

TMMBitmapRadioButton::~TMMBitmapRadioButton() = default;

void TMMBitmapRadioButton::SetAlignment(TLeftRight alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Redraw();
}

void TMMBitmapRadioButton::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    if (checked)
        UncheckSiblings();
    BitmapRadioButtonAccessible::announceCheckedChange(*this);
    emit checkedChanged(checked);
    Redraw();
}

void TMMBitmapRadioButton::SetMargin(int margin)
{
    if (margin == margin_)
        return;
    margin_ = margin;
    Redraw();
}

void TMMBitmapRadioButton::SetNumGlyphs(int numGlyphs)
{
    const int clamped = std::clamp(numGlyphs, 1, 4);
    if (clamped == numGlyphs_)
        return;
    numGlyphs_ = clamped;
    Redraw();
}

void TMMBitmapRadioButton::SetCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Redraw();
}

void TMMBitmapRadioButton::SetTransparent(bool transparent)
{
    TMMGraphicControl::SetTransparent(transparent);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TRect TMMBitmapRadioButton::GetGlyphRect(TRadioState state) const
{
    const TBitmap *bitmap = CurrentBitmap();
    if (bitmap == nullptr)
        return {};
    const int frame = std::min(static_cast<int>(state), numGlyphs_ - 1);
    const int frameWidth = bitmap->width() / numGlyphs_;
    return {frame * frameWidth, 0, (frame + 1) * frameWidth, bitmap->height()};
}

void TMMBitmapRadioButton::Click()
{
    emit clicked();
    SetChecked(true);
}

void TMMBitmapRadioButton::DblClick()
{
    emit doubleClicked();
    Click();
}

bool TMMBitmapRadioButton::DialogChar(QChar character)
{
    const QChar accelerator = acceleratorOf(caption_);
    if (accelerator.isNull() || accelerator.toUpper() != character.toUpper() || !isEnabled())
        return false;
    Click();
    return true;
}

void TMMBitmapRadioButton::Paint(QPainter &canvas)
{
    if (buffer_.isNull())
        return;
    const int half = buffer_.height() / 2;
    canvas.drawImage(QPoint(0, 0), buffer_, QRect(0, half, buffer_.width(), half));
    DrawButton(canvas);
}

void TMMBitmapRadioButton::BitmapChanged()
{
    if (inComponentState(
            {TComponentStateFlag::Loading, TComponentStateFlag::Reading, TComponentStateFlag::Destroying}))
        return;
    const TBitmap *bitmap = CurrentBitmap();
    if (bitmap != nullptr && numGlyphs_ == 1) {
        const int stripWidth = bitmap->width();
        const int stripHeight = bitmap->height();
        if (stripWidth > 0 && stripHeight > 0 && stripWidth % stripHeight == 0) {
            const int frames = stripWidth / stripHeight;
            numGlyphs_ = frames <= 4 ? frames : 1;
        }
    }
    repaint();
}

void TMMBitmapRadioButton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position)
{
    if (button != Qt::LeftButton || !isEnabled())
        return;
    Redraw();
    emit mouseDown(button, modifiers, position);
}

void TMMBitmapRadioButton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position)
{
    if (button != Qt::LeftButton || !isEnabled())
        return;
    Redraw();
    emit mouseUp(button, modifiers, position);
}

void TMMBitmapRadioButton::MouseMove(Qt::KeyboardModifiers modifiers, QPoint position)
{
    if (allowMouseOver_ && !mouseOver_ && rect().contains(position)) {
        mouseOver_ = true;
        Redraw();
    }
    emit mouseMoved(modifiers, position);
}

void TMMBitmapRadioButton::DrawButton(QPainter &canvas)
{
    const TBitmap *bitmap = CurrentBitmap();
    if (bitmap == nullptr) {
        drawPlaceholder(canvas);
        return;
    }
    TRadioState state = checked_ ? TRadioState::rsChecked : TRadioState::rsUnchecked;
    if (!isEnabled())
        state = TRadioState::rsDisabled;
    const TRect source = GetGlyphRect(state);
    const int glyphWidth = bitmap->width() / numGlyphs_;
    const int glyphHeight = bitmap->height();
    const int glyphTop = height() / 2 - glyphHeight / 2 - 1;
    const int glyphLeft = alignment_ == TLeftRight::taLeftJustify ? 1 : width() - glyphWidth - 1;

    canvas.save();
    canvas.setClipRect(QRect(0, 0, width(), height()), Qt::IntersectClip);
    if (!Transparent())
        fillRect(canvas, ClientRect(), toQColor(Color()));
    DrawTransparent(canvas, *bitmap, glyphLeft, glyphTop, ResolveTransparentColor(), source);

    const TMMFontStyle &look = mouseOver_ ? *fontActive_ : *fontInactive_;
    const QFont captionFont = withFontStyles(font(), look.Style());
    TRect captionRect = alignment_ == TLeftRight::taLeftJustify
        ? TRect {margin_ + glyphWidth, 0, width() - 1, height() - 1}
        : TRect {1, 0, width() - margin_ - glyphWidth, height() - 1};
    QColor captionColor = toQColor(look.Color());
    if (!isEnabled()) {
        // Engraved: a highlight one pixel down and right, the shadow on top.
        const TRect engraved {
            captionRect.Left + 1, captionRect.Top + 1, captionRect.Right + 1, captionRect.Bottom + 1};
        drawCaption(canvas, engraved, captionFont, toQColor(clBtnHighlight));
        captionColor = toQColor(clBtnShadow);
    }
    drawCaption(canvas, captionRect, captionFont, captionColor);
    canvas.restore();
}

void TMMBitmapRadioButton::Redraw()
{
    if (buffer_.isNull())
        return;
    if (!backgroundSaved_) {
        update();
        return;
    }
    const int rowBytes = static_cast<int>(buffer_.bytesPerLine());
    const int half = buffer_.height() / 2;
    for (int row = 0; row < half; ++row)
        std::memcpy(
            buffer_.scanLine(row), buffer_.constScanLine(row + half), static_cast<std::size_t>(rowBytes));
    {
        QPainter composer(&buffer_);
        composer.setClipRect(QRect(0, 0, width(), height()));
        DrawButton(composer);
    }
    const QScopedValueRollback<bool> composed(showComposed_, true);
    repaint();
}

void TMMBitmapRadioButton::UncheckSiblings()
{
    const QWidget *parent = parentWidget();
    if (parent == nullptr)
        return;
    const QObjectList siblings = parent->children();
    for (QObject *sibling : siblings) {
        auto *const radio = qobject_cast<TMMBitmapRadioButton *>(sibling);
        if (radio != nullptr && radio != this)
            radio->SetChecked(false);
    }
}

void TMMBitmapRadioButton::paintEvent(QPaintEvent *)
{
    // A window moved to a screen of another density needs the buffer in that screen's pixels.
    sizeBuffer();
    if (buffer_.isNull())
        return;
    const bool composed = showComposed_ && backgroundSaved_;
    if (!composed)
        saveBackground();
    QPainter canvas(this);
    if (composed)
        canvas.drawImage(QPoint(0, 0), buffer_);
    else
        runGuarded([this, &canvas] { Paint(canvas); });
}

void TMMBitmapRadioButton::resizeEvent(QResizeEvent *)
{
    backgroundSaved_ = false;
    sizeBuffer();
}

void TMMBitmapRadioButton::sizeBuffer()
{
    // Each half has whole device pixels, so that the halves match row for row also where a
    // logical pixel covers a fraction of device pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize half = deviceSize(size(), ratio);
    if (buffer_.size() == QSize(half.width(), 2 * half.height()) && buffer_.devicePixelRatio() == ratio)
        return;
    backgroundSaved_ = false;
    if (width() > 0 && height() > 0) {
        buffer_ = QImage(half.width(), 2 * half.height(), QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(ratio);
        buffer_.fill(Qt::black);
    } else {
        buffer_ = QImage();
    }
}

void TMMBitmapRadioButton::moveEvent(QMoveEvent *)
{
    // Qt may move the pixels of an opaque widget instead of repainting it; the background
    // under the new place must be read anew.
    backgroundSaved_ = false;
    update();
}

void TMMBitmapRadioButton::enterEvent(QEnterEvent *)
{
    trackPointer(true);
}

void TMMBitmapRadioButton::leaveEvent(QEvent *)
{
    trackPointer(false);
}

void TMMBitmapRadioButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    runGuarded([&] { MouseDown(event->button(), event->modifiers(), event->position().toPoint()); });
}

void TMMBitmapRadioButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const bool click = pressed_ && rect().contains(position);
        pressed_ = false;
        if (click)
            runGuarded([this] { Click(); });
    }
    runGuarded([&] { MouseUp(event->button(), event->modifiers(), position); });
}

void TMMBitmapRadioButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // The second press of a double click gives no click of its own on release.
        pressed_ = false;
        runGuarded([this] { DblClick(); });
    }
    runGuarded([&] { MouseDown(event->button(), event->modifiers(), event->position().toPoint()); });
}

void TMMBitmapRadioButton::mouseMoveEvent(QMouseEvent *event)
{
    runGuarded([&] { MouseMove(event->modifiers(), event->position().toPoint()); });
}

void TMMBitmapRadioButton::saveBackground()
{
    QPainter painter(&buffer_);
    // The lower half begins at its first device row.
    const int firstLowerRow = buffer_.height() / 2;
    painter.translate(0, firstLowerRow / buffer_.devicePixelRatio());
    const QRect lower(0, 0, width(), height());
    QWidget *const parent = parentWidget();
    if (parent == nullptr) {
        painter.fillRect(lower, palette().brush(backgroundRole()));
    } else {
        // The parent's own background and drawing, without any of its children.
        painter.fillRect(lower, parent->palette().brush(parent->backgroundRole()));
        parent->render(&painter, lower.topLeft(), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
    backgroundSaved_ = true;
}

void TMMBitmapRadioButton::drawPlaceholder(QPainter &canvas) const
{
    // The caption as it is written, "&" included, centred, in a dotted frame.
    canvas.setFont(font());
    canvas.setPen(Qt::black);
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(caption_)) / 2;
    const int y = (height() - metrics.height()) / 2;
    canvas.drawText(QPoint(x, y + metrics.ascent()), caption_);
    frameRect(canvas, ClientRect(), Qt::black, LineStyle::Dotted);
}

void TMMBitmapRadioButton::drawCaption(
    QPainter &canvas, const TRect &rect, const QFont &font, const QColor &color) const
{
    const QRect box = toQRect(rect);
    const QString shown
        = QFontMetrics(font).elidedText(caption_, Qt::ElideRight, box.width(), Qt::TextShowMnemonic);
    canvas.setFont(font);
    canvas.setPen(color);
    canvas.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, shown);
}

void TMMBitmapRadioButton::trackPointer(bool over)
{
    if (!isEnabled() || !allowMouseOver_)
        return;
    mouseOver_ = over;
    runGuarded([this] { Redraw(); });
}

} // namespace brivmemo
