// SPDX-License-Identifier: MIT
// Holds back what the player must be told at start-up until the game-type dialog of the start
// has closed: that dialog runs modally inside the main window's first activation, and a message
// shown meanwhile would pop up over it or before it.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QDialog;

namespace brivmemo::extras {

class StartupDialogGate : public QObject {
public:
    // Watches the dialog from before its first showing.
    StartupDialogGate(QObject &owner, QDialog &startupDialog);

    // Runs the action at once when the dialog has been shown and closed, else once the message
    // loop has left the dialog after it closes.
    void afterStartupDialog(std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Stage { NotShown, Shown, Closed };

    void runPending();

    Stage stage_ = Stage::NotShown;
    std::vector<std::function<void()>> pending_;
};

} // namespace brivmemo::extras
