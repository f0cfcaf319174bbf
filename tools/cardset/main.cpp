// SPDX-License-Identifier: MIT
// brivmemo-cardset: the card-set tool (see CardSetTool.h).
#include "CardSetTool.h"
#include "Translations.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Pictures are drawn off screen; the tool needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brivmemo-cardset"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVMEMO_VERSION));
    brivmemo::followDesktopLanguage();
    return static_cast<int>(brivmemo::cardtool::CardSetTool::run(QCoreApplication::arguments()));
}
