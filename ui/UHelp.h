// SPDX-License-Identifier: MIT
// The help window: shown modally for the help command (F1), hidden between showings.
#pragma once

#include <QDialog>

class TfrmAjuda : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAjuda(QWidget *parent = nullptr);

    // Shows the window modally and returns when it closes.
    void ShowModal();
};

extern TfrmAjuda *frmAjuda;
