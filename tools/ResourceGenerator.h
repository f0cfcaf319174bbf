// SPDX-License-Identifier: MIT
// Draws every picture the game ships, writes them in their file formats into the resource
// folder, and draws the contact sheet that shows them all for review.
#pragma once

#include <QString>

namespace brivmemo::tools {

void generateResources(const QString &resourceFolder, const QString &contactSheetPath);

} // namespace brivmemo::tools
