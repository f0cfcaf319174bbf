// SPDX-License-Identifier: MIT
#include "InstallCommand.h"

#include "CardSetError.h"
#include "CommandParser.h"
#include "Console.h"
#include "ExtrasPaths.h"
#include "SetFolderWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace brivmemo::cardtool {

ExitCode InstallCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption force(
        QStringLiteral("force"), tr("Replace an installed set of the same folder name."));
    parser.addOption(force);
    const CommandShape shape {
        tr("Copies the card set in DIR, once it reads as the game reads it, into your card-set "
           "folder (%1), under the name of its folder.")
            .arg(cardset::userCardSetFolder()),
        QStringLiteral("DIR"), tr("The folder of the set."), 1, 1};
    if (const auto done = parseCommand(parser, arguments, shape))
        return *done;
    const QString source = parser.positionalArguments().constFirst();
    const QString folderName = QFileInfo(QDir::cleanPath(QDir(source).absolutePath())).fileName();
    const QString target = QDir(cardset::userCardSetFolder()).filePath(folderName);
    try {
        copySetFolder(source, target, parser.isSet(force) ? Existing::Replace : Existing::Refuse);
    } catch (const cardset::CardSetError &error) {
        return reportFailure(error);
    }
    printResult(tr("installed %1 as %2").arg(source, target));
    return ExitCode::Ok;
}

} // namespace brivmemo::cardtool
