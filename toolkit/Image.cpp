// SPDX-License-Identifier: MIT
#include "Image.h"

#include "DevicePixels.h"
#include "ErrorBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace brivmemo {

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
    resize(105, 105);
}

const QImage &TImage::Picture() const
{
    if (makePicture_) {
        picture_ = makePicture_();
        makePicture_ = nullptr;
    }
    return picture_;
}

void TImage::setPicture(const QImage &picture)
{
    forgetFiner();
    makePicture_ = nullptr;
    picture_ = picture;
    sizeToPicture();
    update();
}

void TImage::setPicture(std::function<QImage()> make)
{
    forgetFiner();
    makePicture_ = std::move(make);
    picture_ = QImage();
    sizeToPicture();
    update();
}

void TImage::setFinerPicture(std::function<QImage()> make)
{
    forgetFiner();
    makeFiner_ = std::move(make);
    update();
}

void TImage::forgetFiner()
{
    makeFiner_ = nullptr;
    finer_ = QImage();
    finerShown_ = QImage();
}

void TImage::setAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    sizeToPicture();
}

void TImage::setCenter(bool center)
{
    if (center == center_)
        return;
    center_ = center;
    update();
}

void TImage::setStretch(bool stretch)
{
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    update();
}

void TImage::Click()
{
    emit clicked();
}

void TImage::paintEvent(QPaintEvent *)
{
    const QImage &picture = Picture();
    if (picture.isNull())
        return;
    QPainter canvas(this);
    const QImage shown = shownAt(deviceRatio(canvas));
    if (stretch_) {
        canvas.drawImage(rect(), shown);
        return;
    }
    QPoint origin;
    if (center_)
        origin = QPoint((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    canvas.drawImage(origin, shown);
}

QImage TImage::shownAt(qreal ratio)
{
    if (ratio <= 1 || !makeFiner_)
        return Picture();
    if (finer_.isNull())
        finer_ = makeFiner_();
    if (finer_.isNull())
        return Picture();
    if (finerShown_.devicePixelRatio() != ratio) {
        finerShown_ = finer_.scaled(
            deviceSize(Picture().size(), ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        finerShown_.setDevicePixelRatio(ratio);
    }
    return finerShown_;
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked
        = event->button() == Qt::LeftButton && pressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    if (clicked)
        runGuarded([this] { Click(); });
    QWidget::mouseReleaseEvent(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click gives no click of its own.
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
        emit doubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TImage::sizeToPicture()
{
    if (autoSize_ && !Picture().isNull())
        resize(Picture().size());
}

} // namespace brivmemo
