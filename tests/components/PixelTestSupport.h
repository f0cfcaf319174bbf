// SPDX-License-Identifier: MIT
// Helpers for exact pixel tests: a canvas of a known background colour, and maps of the
// expected picture drawn as rows of letters, one letter per pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace brivmemo::test {

// A colour no test draws with, so unpainted pixels stand out.
inline const QColor kBackground(0x12, 0x34, 0x56);

inline QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

// The letters of a map name colours; '.' is the background.
inline std::vector<std::string> describe(const QImage &image, const std::map<char, QColor> &legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            char letter = pixel == kBackground ? '.' : '?';
            for (const auto &[key, color] : legend) {
                if (color == pixel)
                    letter = key;
            }
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

// The points that do not show the background.
inline std::set<std::pair<int, int>> paintedPoints(const QImage &image)
{
    std::set<std::pair<int, int>> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != kBackground)
                points.insert({x, y});
        }
    }
    return points;
}

} // namespace brivmemo::test
