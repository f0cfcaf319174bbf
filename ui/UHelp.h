// SPDX-License-Identifier: MIT
// The help window: how to play, the computer's levels and the keys of the commands. Shown
// modally for the help command (F1), hidden between showings; the text box has the focus
// whenever it opens.
#pragma once

#include "InfoWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

class TfrmAjuda : public TInfoWindow {
    Q_OBJECT

public:
    explicit TfrmAjuda(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPlainTextEdit *Memtexto = nullptr;
    QPushButton *BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

extern TfrmAjuda *frmAjuda;
