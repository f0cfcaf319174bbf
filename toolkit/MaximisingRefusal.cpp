// SPDX-License-Identifier: MIT
#include "MaximisingRefusal.h"

#include <QEvent>
#include <QWidget>

namespace brivmemo {

namespace {

class MaximisingRefusal : public QObject {
public:
    explicit MaximisingRefusal(QWidget &window)
        : QObject(&window)
        , window_(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Asking for the normal state again makes the window system give the window back the
        // size and place it had, as when a person restores a maximised window.
        if (watched == &window_ && event->type() == QEvent::WindowStateChange
            && window_.windowState().testFlag(Qt::WindowMaximized))
            window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
        return false;
    }

private:
    QWidget &window_;
};

} // namespace

void refuseMaximising(QWidget &window)
{
    new MaximisingRefusal(window);
}

} // namespace brivmemo
