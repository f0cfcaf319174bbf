// SPDX-License-Identifier: MIT
// Draws the shipped card sets from the pictures in art/ and writes each into its folder, through
// the same maker library as brivmemo-cardset. Each picture is reduced to at most 256 colours, so
// that it is stored in 8 bits; the same art always gives the same bytes.
#pragma once

#include <QString>

namespace brivmemo::tools {

void generateShippedSets(const QString &artFolder, const QString &outputFolder);

} // namespace brivmemo::tools
