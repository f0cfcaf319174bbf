// SPDX-License-Identifier: MIT
// The base of the help and about windows: windows that only show information. They are shown
// modally in the middle of the screen and close through their own button or the title bar;
// having no cancel button, they stay open on Esc.
#pragma once

#include <QDialog>

class QKeyEvent;

class TInfoWindow : public QDialog {
    Q_OBJECT

public:
    // Makes sure the embedded pictures can be read, for the windows' icons and pictures.
    TInfoWindow(QWidget *parent, Qt::WindowFlags flags);

    // Centres the window on the screen, shows it modally and returns when it closes.
    void ShowModal();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
