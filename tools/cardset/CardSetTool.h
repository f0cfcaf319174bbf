// SPDX-License-Identifier: MIT
// brivmemo-cardset: makes, checks, shows, unpacks and installs card sets. The first argument
// names the command; each command reads the rest.
#pragma once

#include "ExitCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace brivmemo::cardtool {

class CardSetTool {
    Q_DECLARE_TR_FUNCTIONS(CardSetTool)

public:
    // The program's arguments, the program first.
    static ExitCode run(const QStringList &arguments);

private:
    static QString helpText();
};

} // namespace brivmemo::cardtool
