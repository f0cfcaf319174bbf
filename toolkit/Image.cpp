// SPDX-License-Identifier: MIT
#include "Image.h"

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
    makePicture_ = nullptr;
    picture_ = picture;
    sizeToPicture();
    update();
}

void TImage::setPicture(std::function<QImage()> make)
{
    makePicture_ = std::move(make);
    picture_ = QImage();
    sizeToPicture();
    update();
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
    if (stretch_) {
        canvas.drawImage(rect(), picture);
        return;
    }
    QPoint origin;
    if (center_)
        origin = QPoint((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    canvas.drawImage(origin, picture);
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
