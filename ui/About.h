// SPDX-License-Identifier: MIT
// The about window: shown modally from the main window's help menu, hidden between showings.
#pragma once

#include <QDialog>

class Tf_sobre : public QDialog {
    Q_OBJECT

public:
    explicit Tf_sobre(QWidget *parent = nullptr);

    // Shows the window modally and returns when it closes.
    void ShowModal();
};

extern Tf_sobre *f_sobre;
