// SPDX-License-Identifier: MIT
// A player who does anything at all, at random from a seed: clicks anywhere on the table,
// arrow keys, Space and Enter, the function keys, the level and menu commands, every dialog
// opened and left by each of its ways out, exit requests answered "&No", and the move timer's
// ticks at random moments, inside dialogs and message boxes too. The same seed plays the same
// inputs, so a failing step can be replayed.
#pragma once

#include "MessageBoxes.h"

#include <QString>
#include <cstdint>
#include <random>
#include <string>

class QAbstractButton;
class QMessageBox;
class QWidget;
class TForm1;
class TfrmAjuda;
class TfrmEscolhe;
class TfrmOpcoes;
class Tf_sobre;

namespace brivmemo::test {

class Monkey {
public:
    // Answers every message box itself while it lives and keeps the move timer from ticking by
    // the clock: only the monkey's own ticks end a move, so a run depends on its seed alone.
    Monkey(TForm1 &form, std::uint32_t seed);
    Monkey(const Monkey &) = delete;
    Monkey &operator=(const Monkey &) = delete;
    ~Monkey();

    // One random input, with whatever it opens answered and closed.
    void step();

    // What the last step did, for the failure message.
    const std::string &lastAction() const { return action_; }
    int errorBoxes() const { return errorBoxes_; }
    const QString &lastError() const { return lastError_; }
    int results() const { return results_; }

private:
    int below(int bound);
    bool chance(int percent);
    // One of the immediate ways out of a dialog, numbered from 0, or now and then one of the
    // accelerator ways numbered after them.
    int wayOut(int immediate, int byAccelerator);

    void clickCard();
    void clickTable();
    void pressTableKey();
    void pressMainWindowKey(int key, int modifiers, const char *name);
    void chooseLevel();
    void runMenuCommand();
    void requestExit();
    void fireTimer();
    void fireTimerSometimes();

    void openOptions();
    void openGameType();
    void openHelp();
    void openAbout();
    void playOptions(TfrmOpcoes &dialog);
    void playGameType(TfrmEscolhe &dialog);
    void playInfoWindow(QWidget &window, QAbstractButton &ok, QWidget &text);
    void typeName(QWidget &field);
    // Qt presses a push button on its accelerator at once and clicks it a moment later.
    enum class Closing { AtOnce, AfterAcceleratorClick };
    // Closes a dialog that the chosen way out left open, so that the run goes on, and says so.
    void expectClosed(QWidget &dialog, const char *wayOut, Closing closing = Closing::AtOnce);

    QAbstractButton *answer(QMessageBox &box);

    TForm1 &form_;
    std::mt19937 random_;
    MessageBoxHook previousHook_;
    std::string action_;
    int errorBoxes_ = 0;
    int results_ = 0;
    int questions_ = 0;
    QString lastError_;
};

} // namespace brivmemo::test
