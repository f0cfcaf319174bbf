// SPDX-License-Identifier: MIT
#include "FaceLikeness.h"

#include <cmath>
#include <cstddef>

namespace brivmemo::cardtool {

Thumbnail greyThumbnail(const QImage &picture)
{
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    Thumbnail sums {};
    std::array<int, sums.size()> counts {};
    for (int y = 0; y < opaque.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
        const int cellRow = y * kThumbnailSide / opaque.height();
        for (int x = 0; x < opaque.width(); ++x) {
            const int cellColumn = x * kThumbnailSide / opaque.width();
            const std::size_t cell
                = static_cast<std::size_t>(cellRow) * kThumbnailSide + static_cast<std::size_t>(cellColumn);
            sums[cell] += (299.0 * qRed(row[x]) + 587.0 * qGreen(row[x]) + 114.0 * qBlue(row[x])) / 1000.0;
            ++counts[cell];
        }
    }
    for (std::size_t cell = 0; cell < sums.size(); ++cell) {
        if (counts[cell] > 0)
            sums[cell] /= counts[cell];
    }
    return sums;
}

double meanDifference(const Thumbnail &first, const Thumbnail &second)
{
    double total = 0.0;
    for (std::size_t cell = 0; cell < first.size(); ++cell)
        total += std::abs(first[cell] - second[cell]);
    return total / static_cast<double>(first.size());
}

std::optional<LookAlikes> findLookAlikes(const std::vector<QImage> &faces)
{
    std::vector<QImage> opaque;
    std::vector<Thumbnail> thumbnails;
    for (const QImage &face : faces) {
        opaque.push_back(face.convertToFormat(QImage::Format_RGB32));
        thumbnails.push_back(greyThumbnail(opaque.back()));
    }
    for (std::size_t first = 0; first < faces.size(); ++first) {
        for (std::size_t second = first + 1; second < faces.size(); ++second) {
            const double difference = meanDifference(thumbnails[first], thumbnails[second]);
            const bool identical = opaque[first] == opaque[second];
            if (identical || difference < kMinMeanDifference) {
                return LookAlikes {static_cast<int>(first), static_cast<int>(second),
                    identical ? Likeness::Identical : Likeness::TooAlike, difference};
            }
        }
    }
    return std::nullopt;
}

} // namespace brivmemo::cardtool
