// SPDX-License-Identifier: MIT
#include "StartupDialogGate.h"

#include <QDialog>
#include <QEvent>
#include <utility>

namespace brivmemo::extras {

StartupDialogGate::StartupDialogGate(QObject &owner, QDialog &startupDialog)
    : QObject(&owner)
    , stage_(startupDialog.isVisible() ? Stage::Shown : Stage::NotShown)
{
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
    if (event->type() == QEvent::Show && stage_ == Stage::NotShown) {
        stage_ = Stage::Shown;
    } else if (event->type() == QEvent::Hide && stage_ == Stage::Shown) {
        stage_ = Stage::Closed;
        watched->removeEventFilter(this);
        // The dialog hides from inside its own loop, and the first activation goes on after
        // that loop has ended: a queued call runs only once both are done.
        QMetaObject::invokeMethod(
            this, [this] { runPending(); }, Qt::QueuedConnection);
    }
    return false;
}

void StartupDialogGate::runPending()
{
    const std::vector<std::function<void()>> actions = std::exchange(pending_, {});
    for (const auto &action : actions)
        action();
}

} // namespace brivmemo::extras
