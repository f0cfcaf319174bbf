// SPDX-License-Identifier: MIT
#include "ExtractCommand.h"

#include "CardSet.h"
#include "CardSetError.h"
#include "CommandParser.h"
#include "Console.h"
#include "FolderReplacement.h"
#include "WriteFailure.h"

#include <QCommandLineParser>
#include <QDir>

namespace brivmemo::cardtool {

namespace {

QString entryFileName(std::size_t entry)
{
    return entry == 0 ? QStringLiteral("back.png")
                      : QStringLiteral("face-%1.png").arg(static_cast<int>(entry), 2, 10, QLatin1Char('0'));
}

} // namespace

ExitCode ExtractCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption force(QStringLiteral("force"), tr("Replace the folder OUTDIR if it exists."));
    parser.addOption(force);
    const CommandShape shape {
        tr("Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, "
           "then face-01.png to face-20.png."),
        QStringLiteral("DIR OUTDIR"), tr("The folder of the set, then the folder to make."), 2, 2};
    if (const auto done = parseCommand(parser, arguments, shape))
        return *done;
    const QString folder = parser.positionalArguments().at(0);
    const QString output = parser.positionalArguments().at(1);
    try {
        const Existing existing = parser.isSet(force) ? Existing::Replace : Existing::Refuse;
        checkTarget(output, existing);
        const cardset::CardSet set = cardset::readCardSet(folder);
        replaceFolder(output, existing, [&](const QString &fresh) {
            for (std::size_t entry = 0; entry < set.pictures.size(); ++entry) {
                const QString file = QDir(fresh).filePath(entryFileName(entry));
                if (!set.pictures[entry]->displayImage().save(file, "PNG"))
                    throw WriteFailure(file, tr("the picture cannot be written"));
            }
        });
    } catch (const cardset::CardSetError &error) {
        return reportFailure(error);
    }
    printResult(tr("wrote the pictures of %1 into %2").arg(folder, output));
    return ExitCode::Ok;
}

} // namespace brivmemo::cardtool
