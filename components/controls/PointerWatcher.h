// SPDX-License-Identifier: MIT
// Tells a container when the pointer comes onto it or goes off it, counting its child controls
// as separate places: moving from the container onto a child, from a child back onto the
// container, or from one child onto another is a leave followed by an enter. Qt itself sends a
// container nothing when the pointer only moves onto one of its children, so the watcher
// listens to the whole tree of widgets below the container.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace brivmemo {

class PointerWatcher : public QObject {
    Q_OBJECT

public:
    // Watches root and every widget below it, also those added later. The handlers run from
    // the event loop, once Qt has finished the enter and leave events of one pointer move.
    PointerWatcher(QWidget &root, std::function<void()> entered, std::function<void()> left);

    // The deepest widget of the tree that the pointer is over, or nullptr.
    QWidget *widgetUnderPointer() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchTree(QObject &object);
    void scheduleSettle();
    void settle();

    QWidget &root_;
    std::function<void()> entered_;
    std::function<void()> left_;
    QPointer<QWidget> current_;
    bool pointerInside_ = false;
    bool settlePending_ = false;
};

} // namespace brivmemo
