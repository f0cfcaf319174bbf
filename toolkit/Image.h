// SPDX-License-Identifier: MIT
// The toolkit's picture control: shows a picture at its top-left corner, centred, or stretched
// over the whole control, and tells of clicks. Where the picture does not reach, the parent
// shows through.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace brivmemo {

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    const QImage &Picture() const;
    void setPicture(const QImage &picture);
    // The same with a picture made only when it is first needed: to paint it, to size the
    // control to it, or when it is asked for.
    void setPicture(std::function<QImage()> make);
    // A finer drawing of the same picture, made when a screen of more pixels than the picture's
    // first shows the control; the picture keeps giving the control its size. A new picture
    // forgets it.
    void setFinerPicture(std::function<QImage()> make);

    // Sizes the control to its picture whenever the picture changes.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void setCenter(bool center);
    bool Stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // What a left-button press and release on the control does: tells clicked.
    virtual void Click();

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void sizeToPicture();
    void forgetFiner();
    // The picture to draw on a device of the given ratio: from the finer drawing, scaled to the
    // device's pixels, where there is one.
    QImage shownAt(qreal ratio);

    mutable QImage picture_;
    mutable std::function<QImage()> makePicture_;
    std::function<QImage()> makeFiner_;
    QImage finer_;
    QImage finerShown_;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool pressed_ = false;
};

} // namespace brivmemo
