// SPDX-License-Identifier: MIT
#include "CommandParser.h"

#include "Console.h"

#include <QCoreApplication>

namespace brivmemo::cardtool {

namespace {

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandParser)
};

} // namespace

std::optional<ExitCode> parseCommand(
    QCommandLineParser &parser, const QStringList &arguments, const CommandShape &shape)
{
    parser.setApplicationDescription(shape.description);
    parser.addPositionalArgument(
        shape.arguments.section(QLatin1Char(' '), 0, 0), shape.argumentsHelp, shape.arguments);
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments)) {
        printNote(parser.errorText());
        printNote(Texts::tr("see %1 --help").arg(arguments.value(0)));
        return ExitCode::WrongUsage;
    }
    if (parser.isSet(help)) {
        printResult(parser.helpText().replace(QCoreApplication::applicationName(), arguments.value(0)));
        return ExitCode::Ok;
    }
    const auto count = parser.positionalArguments().size();
    if (count < shape.minArguments || (shape.maxArguments >= 0 && count > shape.maxArguments)) {
        printNote(
            Texts::tr("the command takes %1, but %2 arguments are given").arg(shape.arguments).arg(count));
        printNote(Texts::tr("see %1 --help").arg(arguments.value(0)));
        return ExitCode::WrongUsage;
    }
    return std::nullopt;
}

} // namespace brivmemo::cardtool
