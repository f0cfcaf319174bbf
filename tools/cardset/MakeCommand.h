// SPDX-License-Identifier: MIT
// brivmemo-cardset make: turns a back and twenty face pictures into a card set folder.
#pragma once

#include "ExitCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace brivmemo::cardtool {

class MakeCommand {
    Q_DECLARE_TR_FUNCTIONS(MakeCommand)

public:
    static ExitCode run(const QStringList &arguments);
};

} // namespace brivmemo::cardtool
