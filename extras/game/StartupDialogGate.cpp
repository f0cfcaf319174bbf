// SPDX-License-Identifier: MIT
#include "StartupDialogGate.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <utility>

namespace brivmemo::extras {

StartupDialogGate::StartupDialogGate(QObject &owner, QWidget &mainWindow, QDialog &startupDialog)
    : QObject(&owner)
    , mainWindow_(mainWindow)
    , startupDialog_(startupDialog)
{
    mainWindow.installEventFilter(this);
    startupDialog.installEventFilter(this);
}

void StartupDialogGate::afterStartupDialog(std::function<void()> action)
{
    if (stage_ == Stage::Closed) {
        action();
        return;
    }
    pending_.push_back(std::move(action));
}

bool StartupDialogGate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &mainWindow_) {
        if (event->type() == QEvent::Show) {
            mainWindow_.removeEventFilter(this);
            // The window starts its first activation from a zero timer when it is shown; this
            // filter runs before it does, so a second turn of the loop comes after that timer.
            QTimer::singleShot(
                0, this, [this] { QTimer::singleShot(0, this, [this] { afterFirstActivationStarted(); }); });
        }
    } else if (event->type() == QEvent::Show && stage_ == Stage::NotShown) {
        stage_ = Stage::Shown;
    } else if (event->type() == QEvent::Hide && stage_ == Stage::Shown) {
        startupDialog_.removeEventFilter(this);
        // The dialog hides from inside its own loop, and the first activation goes on after
        // that loop has ended: a queued call runs only once both are done.
        QMetaObject::invokeMethod(
            this, [this] { open(); }, Qt::QueuedConnection);
    }
    return false;
}

void StartupDialogGate::afterFirstActivationStarted()
{
    // The activation shows the dialog before it waits in the dialog's loop, so a dialog never
    // shown by now means an activation that ended before it.
    if (stage_ == Stage::NotShown)
        open();
}

void StartupDialogGate::open()
{
    if (stage_ == Stage::Closed)
        return;
    stage_ = Stage::Closed;
    startupDialog_.removeEventFilter(this);
    const std::vector<std::function<void()>> actions = std::exchange(pending_, {});
    for (const auto &action : actions)
        action();
}

} // namespace brivmemo::extras
