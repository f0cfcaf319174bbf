// SPDX-License-Identifier: MIT
// brivmemo-cardset show: prints a set's metadata and the size and depth of each picture.
#pragma once

#include "ExitCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace brivmemo::cardtool {

class ShowCommand {
    Q_DECLARE_TR_FUNCTIONS(ShowCommand)

public:
    static ExitCode run(const QStringList &arguments);
};

} // namespace brivmemo::cardtool
