// SPDX-License-Identifier: MIT
// The floor of the start-up and memory figures: the least a Qt Widgets program does to show one
// empty window of the main window's client size, 800 x 534. With --text the window shows one
// line of text as well, which brings in the font system that every window with words needs.
// It ends right after its window's first paint.
#include "FirstPaintExit.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(800, 534);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        (new QLabel(QStringLiteral("Brivosta Memory Game"), &window))->move(20, 20);
    brivmemo::exitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
