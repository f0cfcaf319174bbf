// SPDX-License-Identifier: MIT
// What the standard error box says of a failure: a message of the program's own in the
// player's language, with what it names filled in; any other failure as it describes itself.
#pragma once

#include <QString>
#include <exception>

namespace brivmemo {

QString errorText(const std::exception &error);

} // namespace brivmemo
