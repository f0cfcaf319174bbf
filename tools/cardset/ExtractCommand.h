// SPDX-License-Identifier: MIT
// brivmemo-cardset extract: writes each picture of a set as a PNG file.
#pragma once

#include "ExitCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace brivmemo::cardtool {

class ExtractCommand {
    Q_DECLARE_TR_FUNCTIONS(ExtractCommand)

public:
    static ExitCode run(const QStringList &arguments);
};

} // namespace brivmemo::cardtool
