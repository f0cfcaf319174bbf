// SPDX-License-Identifier: MIT
#include "InfoWindow.h"

#include "ScreenCentre.h"

#include <QKeyEvent>

// Pictures compiled into a static library are registered only when their object file reaches
// the program, which this reference makes sure of.
static void initEmbeddedResources()
{
    Q_INIT_RESOURCE(brivmemo);
}

TInfoWindow::TInfoWindow(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    initEmbeddedResources();
}

void TInfoWindow::ShowModal()
{
    brivmemo::centreOnScreen(*this);
    exec();
}

void TInfoWindow::keyPressEvent(QKeyEvent *event)
{
    // QDialog would take Esc as a cancel and close the window.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
