// SPDX-License-Identifier: MIT
// Every fixed text of the original windows and of the extras as they show it now, each with the translation
// context it comes from and the menu or dialog whose accelerator letters it shares, so that
// the same list read in English and in another language can be compared line by line.
#pragma once

#include <QString>
#include <vector>

namespace brivmemo::test {

struct ShownText {
    const char *context;
    // Texts of one group are offered to the keyboard together: one menu, one dialog.
    const char *group;
    QString text;
};

// Reads the windows created by the fixture, with the extras installed in them, and the
// statistics window they open; the game-type dialog is read twice, with its start-up caption
// "E&xit" and with its later "&Close".
std::vector<ShownText> shownTexts();

// The language's own text for an English one, as its translation has it.
QString translated(const ShownText &english);

} // namespace brivmemo::test
