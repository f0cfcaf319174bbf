// SPDX-License-Identifier: MIT
#include "AfterFirstPaint.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace brivmemo {

namespace {

class FirstPaintFollower final : public QObject {
public:
    FirstPaintFollower(QWidget &window, std::function<void()> action)
        : QObject(&window)
        , action_(std::move(action))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs once this paint, the children's and the flush are done.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

void runAfterFirstPaint(QWidget &window, std::function<void()> action)
{
    new FirstPaintFollower(window, std::move(action));
}

} // namespace brivmemo
