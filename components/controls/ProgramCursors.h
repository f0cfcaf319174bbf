// SPDX-License-Identifier: MIT
// Fills the screen's cursor table with the program's own cursors: the five hand cursors,
// 15000 to 15004, and the component library's cursors, 2001 to 2031.
#pragma once

#include <QString>

namespace brivmemo {

inline constexpr int kFirstLibraryCursor = 2001;
inline constexpr int kLastLibraryCursor = 2031;

// Registers each cursor from the file NUMBER.cur in the directory, by default the cursors
// embedded in the program; a file is read when its cursor is first asked for. A number whose
// file cannot be read is left without a cursor, also when one was registered under it before.
void registerProgramCursors(const QString &directory = QStringLiteral(":/cursors"));

} // namespace brivmemo
