// SPDX-License-Identifier: MIT
// Draws every picture the game ships, writes them in their file formats into the resource
// folder, and draws the contact sheet that shows them all for review.
#pragma once

#include <QString>

namespace brivmemo::tools {

// The fine companions for high-density screens are drawn from the vector drawings in
// drawingFolder (see fetch-noto.sh) where the scale-1 pictures use the emoji font.
void generateResources(
    const QString &resourceFolder, const QString &contactSheetPath, const QString &drawingFolder);

} // namespace brivmemo::tools
