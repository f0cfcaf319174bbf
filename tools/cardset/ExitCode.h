// SPDX-License-Identifier: MIT
// What brivmemo-cardset's exit code tells a script that runs it.
#pragma once

namespace brivmemo::cardtool {

enum class ExitCode {
    Ok = 0,
    // A picture, the set, or an output folder that exists is refused; nothing was written.
    Refused = 1,
    WrongUsage = 2,
    CannotWrite = 3,
};

} // namespace brivmemo::cardtool
