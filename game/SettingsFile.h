// SPDX-License-Identifier: MIT
// The settings file "brivmemo.ini" in the current working directory: one settings record at
// its start. Every failure throws EInOutError naming the file and the step that failed; the
// file is closed on every path.
#pragma once

namespace brivmemo {

constexpr const char *SettingsFileName = "brivmemo.ini";

// Fills Config from the file, or creates the file with the default settings when there is
// none. A read that fails or comes back short leaves Config as it was.
void Le_Config();

// Stores Config as the file's first record; bytes beyond it are kept, the file is never
// shortened.
void Grava_Config();

} // namespace brivmemo
