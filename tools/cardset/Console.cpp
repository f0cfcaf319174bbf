// SPDX-License-Identifier: MIT
#include "Console.h"

#include "WriteFailure.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace brivmemo::cardtool {

void printResult(const QString &text)
{
    QTextStream(stdout) << text << Qt::endl;
}

void printNote(const QString &text)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << text << Qt::endl;
}

ExitCode reportFailure(const cardset::CardSetError &error)
{
    printNote(error.message());
    return dynamic_cast<const WriteFailure *>(&error) != nullptr ? ExitCode::CannotWrite : ExitCode::Refused;
}

} // namespace brivmemo::cardtool
