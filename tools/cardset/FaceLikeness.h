// SPDX-License-Identifier: MIT
// Whether a player can tell two card faces apart. Each face is reduced to a greyscale thumbnail
// of 16 x 16 cells: the picture is cut into 16 columns and 16 rows, pixel (x, y) of a W x H
// picture falling in column x * 16 / W and row y * 16 / H (whole-number division); a cell's value
// is the mean grey level of its pixels, grey being (299 red + 587 green + 114 blue) / 1000 on the
// scale 0 to 255. Two faces are too alike when their pictures are the same pixel for pixel, or
// when the mean over the 256 cells of the absolute difference between their values is below 4.
#pragma once

#include <QImage>
#include <array>
#include <optional>
#include <vector>

namespace brivmemo::cardtool {

inline constexpr int kThumbnailSide = 16;
inline constexpr double kMinMeanDifference = 4.0;

using Thumbnail = std::array<double, static_cast<std::size_t>(kThumbnailSide) * kThumbnailSide>;

Thumbnail greyThumbnail(const QImage &picture);
double meanDifference(const Thumbnail &first, const Thumbnail &second);

enum class Likeness { Identical, TooAlike };

struct LookAlikes {
    int first = 0; // indices into the faces, first < second
    int second = 0;
    Likeness likeness = Likeness::Identical;
    double difference = 0.0; // the thumbnails' mean difference
};

// The first pair of faces, in the order (0, 1), (0, 2), ..., (1, 2), ..., that a player could not
// tell apart; nothing when every two differ enough.
std::optional<LookAlikes> findLookAlikes(const std::vector<QImage> &faces);

} // namespace brivmemo::cardtool
