// SPDX-License-Identifier: MIT
#include "CardFlipOverlay.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "DevicePixels.h"
#include "MMBitmapList.h"
#include "MMBitmapListImage.h"
#include "SystemColors.h"

#include <QEasingCurve>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace brivmemo::extras {

CardFlipOverlay::CardFlipOverlay(
    TMMBitmapListImage &card, int shownBefore, Motion motion, AnimationClock &clock)
    : QWidget(card.parentWidget())
    , card_(card)
    , shownBefore_(shownBefore)
    , motion_(motion)
    , clock_(clock)
    , started_(clock.now())
{
    setObjectName(QStringLiteral("CardFlipOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(card.geometry());
    show();
    raise();
    clock_.atNextFrame(*this, [this] { nextFrame(); });
}

qreal CardFlipOverlay::progress() const
{
    const double share = std::chrono::duration<double>(clock_.now() - started_) / Duration;
    static const QEasingCurve easing(QEasingCurve::InOutSine);
    return easing.valueForProgress(std::clamp(share, 0.0, 1.0));
}

void CardFlipOverlay::end()
{
    hide();
    deleteLater();
}

void CardFlipOverlay::nextFrame()
{
    if (clock_.now() - started_ >= Duration) {
        end();
        return;
    }
    update();
    clock_.atNextFrame(*this, [this] { nextFrame(); });
}

void CardFlipOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QWidget &table = *parentWidget();
    painter.fillRect(rect(), table.palette().color(table.backgroundRole()));
    const qreal done = progress();
    if (motion_ == Motion::Fade) {
        painter.setOpacity(1 - done);
        drawPicture(painter, shownBefore_, 1, beforeScaler_);
        return;
    }
    // The first half closes the picture shown before, the second opens the card's own.
    const qreal widthShare = std::abs(1 - 2 * done);
    if (done < 0.5)
        drawPicture(painter, shownBefore_, widthShare, beforeScaler_);
    else
        drawPicture(painter, card_.BitmapIndex(), widthShare, afterScaler_);
}

void CardFlipOverlay::drawPicture(QPainter &painter, int entry, qreal widthShare, GlyphScaler &scaler)
{
    TMMBitmapList *list = card_.BitmapList();
    if (list == nullptr || entry < 0 || entry >= list->Count())
        return;
    const TBitmap &bitmap = *list->Bitmaps(entry);
    // The cards show each picture whole, as their one frame, scaled straight to the device's
    // pixels: the same scaling as the card's own, which the scaler shares with it.
    const qreal ratio = deviceRatio(painter);
    const PictureFrame source = finestFrame(bitmap, QRect(0, 0, bitmap.width(), bitmap.height()), ratio);
    const QSize full = deviceSize(size(), ratio);
    const QImage &picture
        = scaler.scaled(source.picture, fromQRect(source.frame), full, toQColor(card_.Color()), ratio);
    const int width = static_cast<int>(std::lround(full.width() * widthShare));
    const int left = (full.width() - width) / 2;
    // Narrowed without smoothing: it shows for a few frames only, and costs half as much.
    painter.drawImage(QRectF(left / ratio, 0, width / ratio, full.height() / ratio), picture);
}

} // namespace brivmemo::extras
