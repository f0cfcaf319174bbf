// SPDX-License-Identifier: MIT
// The tool's two channels: results on standard output, progress and complaints on standard
// error, each line after the program's name.
#pragma once

#include "ExitCode.h"

#include <QString>

namespace brivmemo::cardset {
class CardSetError;
}

namespace brivmemo::cardtool {

void printResult(const QString &text);
void printNote(const QString &text);
// Tells the error and answers the exit code it stands for.
ExitCode reportFailure(const cardset::CardSetError &error);

} // namespace brivmemo::cardtool
