// SPDX-License-Identifier: MIT
#include "CardSetTool.h"

#include "CheckCommand.h"
#include "Console.h"
#include "ExtractCommand.h"
#include "InstallCommand.h"
#include "MakeCommand.h"
#include "ShowCommand.h"

#include <array>

namespace brivmemo::cardtool {

namespace {

struct Command {
    const char *name;
    ExitCode (*run)(const QStringList &);
};

constexpr std::array kCommands {
    Command {"make", &MakeCommand::run},
    Command {"check", &CheckCommand::run},
    Command {"show", &ShowCommand::run},
    Command {"extract", &ExtractCommand::run},
    Command {"install", &InstallCommand::run},
};

} // namespace

QString CardSetTool::helpText()
{
    return tr("Usage: %1 COMMAND [options] ARGUMENTS\n"
              "Makes, checks and installs card sets for the Brivosta Memory Game.\n"
              "\n"
              "Commands:\n"
              "  make --output DIR --name NAME [options] BACK FACE1 ... FACE20\n"
              "                       make a set from a back and twenty face pictures\n"
              "  check DIR            read a set as the game does and say what is wrong\n"
              "  show DIR             print a set's metadata and pictures\n"
              "  extract DIR OUTDIR   write each picture of a set as a PNG file\n"
              "  install DIR          copy a set into your card-set folder\n"
              "\n"
              "'%1 COMMAND --help' describes a command and its options.\n"
              "\n"
              "Exit codes: 0 done; 1 a picture, the set or an existing folder is refused and\n"
              "nothing is written; 2 wrong usage; 3 a file or folder cannot be written.")
        .arg(QCoreApplication::applicationName());
}

ExitCode CardSetTool::run(const QStringList &arguments)
{
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printResult(helpText());
        return ExitCode::Ok;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        printResult(QStringLiteral("%1 %2").arg(
            QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return ExitCode::Ok;
    }
    for (const Command &command : kCommands) {
        if (first == QLatin1String(command.name)) {
            QStringList rest = arguments.mid(2);
            rest.prepend(QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(), first));
            return command.run(rest);
        }
    }
    printNote(first.isEmpty() ? tr("a command is needed") : tr("there is no command “%1”").arg(first));
    printNote(tr("see %1 --help").arg(QCoreApplication::applicationName()));
    return ExitCode::WrongUsage;
}

} // namespace brivmemo::cardtool
