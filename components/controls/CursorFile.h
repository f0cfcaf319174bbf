// SPDX-License-Identifier: MIT
// Cursor files (.cur): an icon directory whose entries carry a hot spot where an icon file
// has its plane and colour counts.
#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace brivmemo {

// The hot spot of the first picture of a cursor file; nullopt for bytes that are not a cursor
// directory with at least one whole entry.
std::optional<QPoint> cursorFileHotSpot(std::span<const std::uint8_t> bytes);

// The first picture of a cursor file, decoded without Qt's image plugins: its colours where the
// mask is clear, see-through where it is set. Pictures of 1, 4, 8, 16 and 24 bits without
// compression are read; a null image for anything else or for bytes that end too early.
QImage cursorFilePicture(std::span<const std::uint8_t> bytes);

// The cursor a file holds: its first picture with the hot spot of that picture. nullopt when
// the file cannot be read, is no cursor file, or names a hot spot outside the picture.
//
// For screens of a device ratio above 1, the picture comes from the image file at finerPath
// where that reads: the same cursor drawn a whole number of times finer, brought to the screen's
// pixels and marked with its ratio, so that the cursor keeps its size and shows the finer
// pixels. The hot spot moves with the picture.
std::optional<QCursor> loadCursorFile(const QString &path, const QString &finerPath = {}, qreal ratio = 1);

} // namespace brivmemo
