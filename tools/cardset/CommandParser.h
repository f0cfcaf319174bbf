// SPDX-License-Identifier: MIT
// The part every command shares in reading its arguments: its own --help, and a usage error for
// unknown options or a wrong number of arguments.
#pragma once

#include "ExitCode.h"

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace brivmemo::cardtool {

struct CommandShape {
    QString description;
    QString arguments; // as the usage line shows them, e.g. "DIR OUTDIR"
    QString argumentsHelp;
    int minArguments = 0;
    int maxArguments = 0; // -1: any number
};

// Parses the command's arguments (the first is the program and command, as the usage line shows
// them). Answers the exit code when the command is done already: after its help (Ok) or a usage
// error, which it reports (WrongUsage); nothing when the command is to run.
std::optional<ExitCode> parseCommand(
    QCommandLineParser &parser, const QStringList &arguments, const CommandShape &shape);

} // namespace brivmemo::cardtool
