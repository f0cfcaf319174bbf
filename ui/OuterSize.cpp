// SPDX-License-Identifier: MIT
#include "OuterSize.h"

#include <QEvent>
#include <QWidget>

namespace brivmemo {

namespace {

class OuterSizeFitter : public QObject {
public:
    OuterSizeFitter(QWidget &window, QSize outer)
        : QObject(&window)
        , window_(window)
        , outer_(outer)
    {
        window.resize(outer);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The frame becomes known when the window is shown, or later, when the window system
        // has framed it and moves or resizes the client area.
        const QEvent::Type type = event->type();
        if (watched == &window_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
            fitToFrame();
        return false;
    }

private:
    void fitToFrame()
    {
        const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
        if (frame.isNull())
            return;
        window_.removeEventFilter(this);
        window_.resize(outer_ - frame);
        deleteLater();
    }

    QWidget &window_;
    const QSize outer_;
};

} // namespace

void setOuterSize(QWidget &window, QSize outer)
{
    new OuterSizeFitter(window, outer);
}

} // namespace brivmemo
