// SPDX-License-Identifier: MIT
// Holds back what the player must be told at start-up until the main window's first activation
// is over: it runs the game-type dialog of the start modally, and a message shown meanwhile
// would pop up over it or before it. An activation that fails before the dialog opens is over
// as soon as it has run.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace brivmemo::extras {

class StartupDialogGate : public QObject {
public:
    // Watches both windows from before the main window's first showing.
    StartupDialogGate(QObject &owner, QWidget &mainWindow, QDialog &startupDialog);

    // Runs the action at once when the first activation is over, else once it is.
    void afterStartupDialog(std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Stage { NotShown, Shown, Closed };

    void afterFirstActivationStarted();
    void open();

    QWidget &mainWindow_;
    QDialog &startupDialog_;
    Stage stage_ = Stage::NotShown;
    std::vector<std::function<void()>> pending_;
};

} // namespace brivmemo::extras
