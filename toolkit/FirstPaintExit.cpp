// SPDX-License-Identifier: MIT
#include "FirstPaintExit.h"

#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace brivmemo {

namespace {

class FirstPaintWatcher final : public QObject {
public:
    explicit FirstPaintWatcher(QWidget &window)
        : QObject(&window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs once this paint, the children's and the flush are done;
            // nothing is torn down, which would only add to the figure.
            QMetaObject::invokeMethod(
                this, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void exitAfterFirstPaint(QWidget &window)
{
    new FirstPaintWatcher(window);
}

} // namespace brivmemo
