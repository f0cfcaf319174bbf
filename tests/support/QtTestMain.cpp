// SPDX-License-Identifier: MIT
// Main of every test program that needs widgets: one application object on the offscreen
// platform (also when the program is run by hand), with the Fusion style the game uses. The
// user's and the system's data and configuration folders are temporary ones, so that no test
// reads or writes a player's files. The language is English, whatever the desktop's is, so that
// the original texts can be checked exactly; a test that wants another one installs it itself.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <utility>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LANGUAGE", "en", 1);
    const QTemporaryDir xdg;
    for (const auto &[variable, folder] : {std::pair {"XDG_DATA_HOME", "/data"},
             std::pair {"XDG_CONFIG_HOME", "/config"}, std::pair {"XDG_DATA_DIRS", "/system-data"}})
        setenv(variable, (xdg.path() + QString::fromLatin1(folder)).toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
