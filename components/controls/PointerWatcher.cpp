// SPDX-License-Identifier: MIT
#include "PointerWatcher.h"

#include <QChildEvent>
#include <QEvent>
#include <utility>

namespace brivmemo {

PointerWatcher::PointerWatcher(QWidget &root, std::function<void()> entered, std::function<void()> left)
    : QObject(&root)
    , root_(root)
    , entered_(std::move(entered))
    , left_(std::move(left))
{
    watchTree(root_);
}

QWidget *PointerWatcher::widgetUnderPointer() const
{
    if (!root_.underMouse())
        return nullptr;
    QWidget *deepest = &root_;
    bool descended = true;
    while (descended) {
        descended = false;
        for (QObject *child : deepest->children()) {
            auto *const widget = qobject_cast<QWidget *>(child);
            if (widget != nullptr && !widget->isWindow() && widget->isVisible() && widget->underMouse()) {
                deepest = widget;
                descended = true;
                break;
            }
        }
    }
    return deepest;
}

bool PointerWatcher::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Hide:
        scheduleSettle();
        break;
    case QEvent::ChildAdded:
        watchTree(*static_cast<QChildEvent *>(event)->child());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PointerWatcher::watchTree(QObject &object)
{
    if (!object.isWidgetType())
        return;
    object.installEventFilter(this);
    for (QObject *child : object.children())
        watchTree(*child);
}

void PointerWatcher::scheduleSettle()
{
    if (settlePending_)
        return;
    settlePending_ = true;
    QMetaObject::invokeMethod(this, &PointerWatcher::settle, Qt::QueuedConnection);
}

void PointerWatcher::settle()
{
    settlePending_ = false;
    QWidget *const under = widgetUnderPointer();
    // A widget destroyed while the pointer was over it has been left as well.
    const bool moved = (under != nullptr) != pointerInside_ || under != current_.data();
    if (!moved)
        return;
    const bool wasInside = pointerInside_;
    current_ = under;
    pointerInside_ = under != nullptr;
    if (wasInside && left_)
        left_();
    if (pointerInside_ && entered_)
        entered_();
}

} // namespace brivmemo
