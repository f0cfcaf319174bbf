// SPDX-License-Identifier: MIT
// Lays a picture on the square that every card picture is stored on. Cards stretch their picture
// to a square, so a picture of another shape is fitted inside the square instead of stretched.
#pragma once

#include <QImage>

namespace brivmemo::cardtool {

// The picture scaled to fit within side x side keeping its shape, centred on a white square
// (white also behind its transparent parts), in Format_RGB32.
QImage fitOnSquare(const QImage &picture, int side);

} // namespace brivmemo::cardtool
