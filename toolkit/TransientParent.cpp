// SPDX-License-Identifier: MIT
#include "TransientParent.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace brivmemo {

namespace {

class TransientParent : public QObject {
public:
    TransientParent(QWidget &window, const QWidget &owner)
        : QObject(&window)
        , window_(window)
        , owner_(owner)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The show event comes after Qt has made the native window and before the window
        // system is asked to map it, which is when the parent must be known.
        if (watched == &window_ && event->type() == QEvent::Show) {
            QWindow *const window = window_.windowHandle();
            QWindow *const owner = owner_.windowHandle();
            if (window != nullptr && owner != nullptr)
                window->setTransientParent(owner);
        }
        return false;
    }

private:
    QWidget &window_;
    const QWidget &owner_;
};

} // namespace

void keepTransientFor(QWidget &window, const QWidget &owner)
{
    new TransientParent(window, owner);
}

} // namespace brivmemo
