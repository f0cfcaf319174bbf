// SPDX-License-Identifier: MIT
#include "ExtrasPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace brivmemo::cardset {

namespace {

// The data folders' name: the game's, whichever program asks.
const QString ProgramFolder = QStringLiteral("brivmemo");
const QString CardSetsFolder = QStringLiteral("brivmemo/card-sets");

// A program that is not installed finds the shipped sets through a file the build writes beside
// it, holding the sets' folder in the source tree.
QString buildTreeCardSetFolder()
{
    QFile file(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(BRIVMEMO_BUILD_TREE_SETS_FILE)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine(4096)).trimmed();
}

} // namespace

QString userCardSetFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(CardSetsFolder);
}

QStringList cardSetSearchFolders()
{
    QStringList folders;
    for (const QString &location : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(location).filePath(CardSetsFolder);
    if (const QString built = buildTreeCardSetFolder(); !built.isEmpty())
        folders << built;
    folders.removeDuplicates();
    return folders;
}

QString extrasPreferencesFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(ProgramFolder + QStringLiteral("/extras.ini"));
}

QString statisticsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(ProgramFolder + QStringLiteral("/statistics.sqlite"));
}

} // namespace brivmemo::cardset
