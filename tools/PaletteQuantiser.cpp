// SPDX-License-Identifier: MIT
#include "PaletteQuantiser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace brivmemo::tools {

namespace {

struct ColorCount {
    QRgb rgb = 0;
    std::uint64_t count = 0;
};

int channel(QRgb rgb, int axis)
{
    switch (axis) {
    case 0:
        return qRed(rgb);
    case 1:
        return qGreen(rgb);
    default:
        return qBlue(rgb);
    }
}

// A run of the colour histogram, with the spread that decides which run is cut next.
struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    double error = 0;
    int axis = 0;
    QRgb mean = 0;
};

Box measure(const std::vector<ColorCount> &colors, std::size_t begin, std::size_t end)
{
    Box box {begin, end};
    std::array<double, 3> sum {};
    double total = 0;
    for (std::size_t i = begin; i < end; ++i) {
        total += static_cast<double>(colors[i].count);
        for (int axis = 0; axis < 3; ++axis)
            sum[axis] += static_cast<double>(colors[i].count) * channel(colors[i].rgb, axis);
    }
    std::array<double, 3> mean {};
    for (int axis = 0; axis < 3; ++axis)
        mean[axis] = sum[axis] / total;
    std::array<double, 3> spread {};
    for (std::size_t i = begin; i < end; ++i) {
        for (int axis = 0; axis < 3; ++axis) {
            const double d = channel(colors[i].rgb, axis) - mean[axis];
            spread[axis] += static_cast<double>(colors[i].count) * d * d;
        }
    }
    box.error = spread[0] + spread[1] + spread[2];
    box.axis = static_cast<int>(std::max_element(spread.begin(), spread.end()) - spread.begin());
    const auto rounded = [&](int axis) { return static_cast<int>(std::lround(mean[axis])); };
    box.mean = qRgb(rounded(0), rounded(1), rounded(2));
    return box;
}

// Cuts a box at the weighted median of its widest channel; both halves keep at least one colour.
std::pair<Box, Box> split(std::vector<ColorCount> &colors, const Box &box)
{
    const auto first = colors.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = colors.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [axis = box.axis](const ColorCount &a, const ColorCount &b) {
        const int ca = channel(a.rgb, axis);
        const int cb = channel(b.rgb, axis);
        return ca != cb ? ca < cb : (a.rgb & 0xFFFFFF) < (b.rgb & 0xFFFFFF);
    });
    std::uint64_t total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i)
        total += colors[i].count;
    std::uint64_t running = 0;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += colors[i].count;
        cut = i + 1;
        if (2 * running >= total)
            break;
    }
    return {measure(colors, box.begin, cut), measure(colors, cut, box.end)};
}

std::vector<ColorCount> histogram(const QImage &image, std::span<const QRgb> pinned)
{
    std::map<QRgb, std::uint64_t> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                continue;
            const QRgb rgb = line[x] | 0xFF000000;
            if (std::find(pinned.begin(), pinned.end(), rgb) == pinned.end())
                ++counts[rgb];
        }
    }
    std::vector<ColorCount> colors;
    colors.reserve(counts.size());
    for (const auto &[rgb, count] : counts)
        colors.push_back({rgb, count});
    return colors;
}

std::vector<QRgb> medianCut(std::vector<ColorCount> colors, std::size_t wanted)
{
    std::vector<Box> boxes;
    if (!colors.empty() && wanted > 0)
        boxes.push_back(measure(colors, 0, colors.size()));
    while (boxes.size() < wanted) {
        const auto widest = std::max_element(
            boxes.begin(), boxes.end(), [](const Box &a, const Box &b) { return a.error < b.error; });
        if (widest == boxes.end() || widest->error <= 0)
            break;
        auto [low, high] = split(colors, *widest);
        *widest = low;
        boxes.push_back(high);
    }
    std::vector<QRgb> palette;
    palette.reserve(boxes.size());
    for (const Box &box : boxes)
        palette.push_back(box.mean);
    return palette;
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::uint8_t nearest(const std::vector<QRgb> &palette, QRgb rgb)
{
    std::size_t best = 0;
    int bestDistance = distance(palette[0], rgb);
    for (std::size_t i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = distance(palette[i], rgb);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedPicture quantise(const QImage &image, int maxColors, std::span<const QRgb> pinned)
{
    if (maxColors < 1 || maxColors > 256 || pinned.size() > static_cast<std::size_t>(maxColors))
        throw std::invalid_argument("a palette holds 1 to 256 colours, the pinned ones included");

    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture result;
    result.width = source.width();
    result.height = source.height();
    for (const QRgb rgb : pinned)
        result.palette.push_back(rgb | 0xFF000000);
    const auto cut = medianCut(
        histogram(source, result.palette), static_cast<std::size_t>(maxColors) - result.palette.size());
    result.palette.insert(result.palette.end(), cut.begin(), cut.end());
    if (result.palette.empty())
        result.palette.push_back(qRgb(0, 0, 0));

    std::unordered_map<QRgb, std::uint8_t> mapped;
    result.indices.reserve(static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height));
    for (int y = 0; y < source.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                result.indices.push_back(0);
                continue;
            }
            const QRgb rgb = line[x] | 0xFF000000;
            const auto found = mapped.find(rgb);
            const std::uint8_t index = found != mapped.end() ? found->second : nearest(result.palette, rgb);
            mapped.emplace(rgb, index);
            result.indices.push_back(index);
        }
    }
    return result;
}

} // namespace brivmemo::tools
