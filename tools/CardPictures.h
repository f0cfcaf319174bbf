// SPDX-License-Identifier: MIT
// The main window's pictures: the card back and the twenty animal faces, in the sizes and pixel
// formats the card table stores them with. Each is drawn to look undistorted on the square card.
#pragma once

#include "ListPicture.h"

#include <QColor>
#include <QPainterPath>
#include <QSize>
#include <vector>

namespace brivmemo::tools {

inline const QColor kCardBackColor(0, 196, 222);

// One paw print centred on the origin, about 26 units tall.
QPainterPath pawPrint();

// A cyan field with two black paw prints.
QImage drawCardBack(QSize size);

// Entry 0 the back, entries 1 to 20 the faces.
std::vector<ListPicture> mainWindowList();

// The side of the fine companions of the list's pictures: three times the card.
inline constexpr int kFinePictureSide = 246;

// The same pictures, drawn square at kFinePictureSide for high-density screens: the back from
// its own drawing, the faces from the emoji's vector drawings in the folder.
std::vector<QImage> mainWindowFinePictures(const QString &drawingFolder);

} // namespace brivmemo::tools
