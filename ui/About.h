// SPDX-License-Identifier: MIT
// The about window: the game's picture, which opens the game's README when clicked, its title
// strip and a few lines about the game with its version. Shown modally from the main window's
// help menu, hidden between showings.
#pragma once

#include "InfoWindow.h"

class QPushButton;
class QTabWidget;
class QTextEdit;

namespace brivmemo {
class TBriPanel;
class TBriUrlImage;
class TPanel;
} // namespace brivmemo

class Tf_sobre : public TInfoWindow {
    Q_OBJECT

public:
    explicit Tf_sobre(QWidget *parent = nullptr);

    // Closes the window.
    void BitBtn1Click();

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    brivmemo::TPanel *Panel1 = nullptr;
    brivmemo::TBriUrlImage *BriUrlImage2 = nullptr;
    brivmemo::TBriPanel *BriPanel1 = nullptr;
    QTextEdit *Memo2 = nullptr;
    brivmemo::TPanel *Panel3 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};

extern Tf_sobre *f_sobre;
