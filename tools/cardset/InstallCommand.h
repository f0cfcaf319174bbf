// SPDX-License-Identifier: MIT
// brivmemo-cardset install: copies a set the game can use into the player's card-set folder.
#pragma once

#include "ExitCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace brivmemo::cardtool {

class InstallCommand {
    Q_DECLARE_TR_FUNCTIONS(InstallCommand)

public:
    static ExitCode run(const QStringList &arguments);
};

} // namespace brivmemo::cardtool
