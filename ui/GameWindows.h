// SPDX-License-Identifier: MIT
// The program's five windows, created once at start-up in their fixed order (the main window
// first, then the game-type dialog, the options dialog, the about and the help window) and
// destroyed together. Each window's global points to it for as long as it lives.
#pragma once

#include <memory>

class TForm1;
class TfrmEscolhe;
class TfrmOpcoes;
class Tf_sobre;
class TfrmAjuda;

// Before any window exists: the application title, the Fusion style with its standard palette
// and the cursor table.
void setUpApplication();

class TGameWindows {
public:
    TGameWindows();
    TGameWindows(const TGameWindows &) = delete;
    TGameWindows &operator=(const TGameWindows &) = delete;
    // The dialogs go first, in the reverse order, so the main window outlives them all.
    ~TGameWindows();

    TForm1 &mainWindow() const { return *form1_; }

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TfrmEscolhe> frmEscolhe_;
    std::unique_ptr<TfrmOpcoes> frmOpcoes_;
    std::unique_ptr<Tf_sobre> f_sobre_;
    std::unique_ptr<TfrmAjuda> frmAjuda_;
};
