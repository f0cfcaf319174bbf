// SPDX-License-Identifier: MIT
// The options dialog: the animation speed and the two players' names. Its OK puts them into
// the settings in memory and shows the names at once; the settings file is written only by the
// main window's confirmed exit. The dialog keeps its controls as they were left between
// showings, whether it was left with OK or with Cancel.
#pragma once

#include "SpeedsAndLevels.h"

#include <QDialog>
#include <vector>

class QShowEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brivmemo {
class TComponentStateHolder;
class TMMBitmapList;
class TMMBitmapRadioButton;
} // namespace brivmemo

class TfrmOpcoes : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOpcoes(QWidget *parent = nullptr);

    // Shows the dialog modally and returns when it closes.
    void ShowModal();

    // Stores the names and the speed, then closes the dialog.
    void Button1Click();
    // Closes the dialog; nothing is stored.
    void Button2Click();
    void Close();

    // Qt answers Esc and a close from the window system with reject(), which presses Button2;
    // accept() closes as Close does.
    void accept() override;
    void reject() override;

    // The radio button that chooses the speed.
    brivmemo::TMMBitmapRadioButton *speedButton(brivmemo::AnimationSpeed speed) const;

    QGroupBox *GroupBox1 = nullptr;
    brivmemo::TMMBitmapRadioButton *rabLenta = nullptr;
    brivmemo::TMMBitmapRadioButton *rabNormal = nullptr;
    brivmemo::TMMBitmapRadioButton *rabRapida = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edtNomJog1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *edtNomJog2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    brivmemo::TMMBitmapList *MMBitmapList1 = nullptr;

protected:
    // Every showing is centred on the screen.
    void showEvent(QShowEvent *event) override;

private:
    // The controls in their stored order; returns the radio buttons, which show the list.
    std::vector<brivmemo::TComponentStateHolder *> createControls();
};

extern TfrmOpcoes *frmOpcoes;
