// SPDX-License-Identifier: MIT
// Pictures the card-set tests draw for themselves, and picture files written from them.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// A white square with a 4 x 4 grid of black blocks, block k black when bit k of code is set:
// pictures of different codes differ in at least one block, far more than a player needs.
QImage codedPicture(int code, int side = 64);

// A picture of more colours than a colour table holds.
QImage gradientPicture(int side = 64);

// Writes the picture as folder/name in the format its extension names; returns the path.
QString writePicture(const QString &folder, const QString &name, const QImage &picture);

// The back and kFaceCount distinct faces as PNG files in folder, the back first.
QStringList writeSetPictures(const QString &folder);
