// SPDX-License-Identifier: MIT
// brivmemo-cardset check: reads a set as the game will and says what is wrong with it.
#pragma once

#include "ExitCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace brivmemo::cardtool {

class CheckCommand {
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    static ExitCode run(const QStringList &arguments);
};

} // namespace brivmemo::cardtool
