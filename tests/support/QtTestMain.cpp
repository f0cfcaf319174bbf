// SPDX-License-Identifier: MIT
// Main of every test program that needs widgets: one application object on the offscreen
// platform (also when the program is run by hand), with the Fusion style the game uses.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
