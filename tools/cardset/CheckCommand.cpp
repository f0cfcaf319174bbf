// SPDX-License-Identifier: MIT
#include "CheckCommand.h"

#include "CardSet.h"
#include "CardSetError.h"
#include "CommandParser.h"
#include "Console.h"

#include <QCommandLineParser>

namespace brivmemo::cardtool {

ExitCode CheckCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const CommandShape shape {
        tr("Reads the card set in DIR as the game does and says what is wrong with it."),
        QStringLiteral("DIR"), tr("The folder of the set."), 1, 1};
    if (const auto done = parseCommand(parser, arguments, shape))
        return *done;
    const QString folder = parser.positionalArguments().constFirst();
    try {
        const cardset::CardSet set = cardset::readCardSet(folder);
        printResult(tr("%1: the card set “%2” can be used").arg(folder, set.metadata.name));
    } catch (const cardset::CardSetError &error) {
        return reportFailure(error);
    }
    return ExitCode::Ok;
}

} // namespace brivmemo::cardtool
