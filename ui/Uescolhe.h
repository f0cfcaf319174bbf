// SPDX-License-Identifier: MIT
// The game-type dialog: two people at one machine, or one person against the computer. The
// main window shows it at start-up, where its second button can end the program, and again
// for "Game &Type", where that button only closes it.
#pragma once

#include <QDialog>
#include <vector>

class QShowEvent;
class QGroupBox;
class QPushButton;

namespace brivmemo {
class TComponentStateHolder;
class TMMBitmapList;
class TMMBitmapRadioButton;
} // namespace brivmemo

class TfrmEscolhe : public QDialog {
    Q_OBJECT

public:
    explicit TfrmEscolhe(QWidget *parent = nullptr);

    // Shows the dialog modally and returns when it closes.
    void ShowModal();

    // "E&xit" while the dialog is shown at start-up, "&Close" afterwards.
    void FormActivate();
    // Sets the game type and deals a new game of it.
    void cmdOKClick();
    // The second button and Esc.
    void cmdSairClick();
    // Asks the dialog to close; the closing rules may keep it open.
    void Close();

    // Every way out runs the closing rules: Qt answers Esc and a close from the window system
    // with reject(), which presses cmdSair; accept() asks to close as Close does.
    void accept() override;
    void reject() override;

    QGroupBox *GroupBox1 = nullptr;
    brivmemo::TMMBitmapRadioButton *rabHumano = nullptr;
    brivmemo::TMMBitmapRadioButton *rabComputador = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSair = nullptr;
    brivmemo::TMMBitmapList *MMBitmapList1 = nullptr;

protected:
    // Every showing is centred on the screen.
    void showEvent(QShowEvent *event) override;

private:
    // The controls in their stored order; returns the radio buttons, which show the list.
    std::vector<brivmemo::TComponentStateHolder *> createControls();
    // True when the dialog may close. Leaving at start-up asks first, and a "&Yes" ends the
    // program without writing the settings.
    bool FormClose();
};

// The second button was pressed and the dialog is closing on its account.
extern bool PediuSair;
extern TfrmEscolhe *frmEscolhe;
