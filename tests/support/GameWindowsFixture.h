// SPDX-License-Identifier: MIT
// A test fixture that starts the game as the program does, without its message loop: the
// application set up, then the five windows created in their order, in a fresh temporary
// working directory (where the settings file lives), with the XDG folders pointed into it, the
// card flip of the extras off, and every message box answered by a recorder. Modal dialogs are
// driven from inside their own loop with whenModal.
#pragma once

#include "../components/MessageBoxTestSupport.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class QWidget;
class TGameWindows;
class TForm1;

namespace brivmemo::test {

class GameWindowsTest : public ::testing::Test {
protected:
    GameWindowsTest();
    ~GameWindowsTest() override;

    void SetUp() override;
    void TearDown() override;

    // Creates the windows; the first settings file is written or read here. Tests that
    // prepare a settings file first call it themselves after writing it.
    void createWindows();
    TForm1 &form() const;
    bool windowsCreated() const { return windows_ != nullptr; }

    // The path of a file in the working directory.
    QString workingFile(const QString &name) const;

    // Records every message box; it answers as Esc would until a test sets an answer.
    MessageBoxRecorder boxes;

private:
    QTemporaryDir directory_;
    QString previousDirectory_;
    std::unique_ptr<TGameWindows> windows_;
};

// Shows the window and lets the message loop run until it has run its first activation, whose
// game-type dialog the action answers; the window is then the active one.
void showAndActivate(TForm1 &form, const std::function<void(QWidget &)> &insideGameTypeDialog);

// Makes the window the active one, where its shortcuts work.
void activate(QWidget &window);

// Runs the action from inside the next modal window's loop, with that window, once the code
// under test has opened it. A window that never opens is reported as a test failure when the
// loop gives up, never a hang.
void whenModal(std::function<void(QWidget &)> action);

// Runs the code and closes, by hiding it, every modal window that opens meanwhile; returns
// how many did. For code that must not open one, so that a fault fails instead of hanging.
int hideModalsOpenedDuring(const std::function<void()> &code);

// Lets the message loop run until no posted event is left; no timer is waited for.
void processPendingEvents();

} // namespace brivmemo::test
