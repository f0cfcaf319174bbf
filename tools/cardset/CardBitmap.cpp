// SPDX-License-Identifier: MIT
#include "CardBitmap.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace brivmemo::cardtool {

namespace {

TColor fileColor(QRgb rgb)
{
    return rgbColor(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
        static_cast<std::uint8_t>(qBlue(rgb)));
}

// The picture's colours with their table index, or nothing when there are more than a table holds.
std::map<QRgb, std::uint8_t> colorTable(const QImage &picture)
{
    std::map<QRgb, std::uint8_t> table;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            table.emplace(row[x] | 0xFF000000U, 0);
            if (table.size() > kMaxTableColors)
                return {};
        }
    }
    std::uint8_t index = 0;
    for (auto &entry : table)
        entry.second = index++;
    return table;
}

DibPixels indexedPixels(const QImage &picture, const std::map<QRgb, std::uint8_t> &table)
{
    DibPixels pixels;
    pixels.width = picture.width();
    pixels.height = picture.height();
    pixels.format = PixelFormat::Bits8;
    for (const auto &entry : table)
        pixels.palette.push_back(fileColor(entry.first));
    const std::size_t stride = pixels.stride();
    pixels.bits.assign(stride * static_cast<std::size_t>(pixels.height), 0);
    for (int y = 0; y < picture.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        std::uint8_t *out = pixels.bits.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < picture.width(); ++x)
            out[x] = table.at(row[x] | 0xFF000000U);
    }
    return pixels;
}

DibPixels directPixels(const QImage &picture)
{
    DibPixels pixels;
    pixels.width = picture.width();
    pixels.height = picture.height();
    pixels.format = PixelFormat::Bits24;
    const std::size_t stride = pixels.stride();
    pixels.bits.assign(stride * static_cast<std::size_t>(pixels.height), 0);
    for (int y = 0; y < picture.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        std::uint8_t *out = pixels.bits.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < picture.width(); ++x) {
            // The file holds each pixel as blue, green, red.
            std::uint8_t *pixel = out + std::size_t {3} * static_cast<std::size_t>(x);
            pixel[0] = static_cast<std::uint8_t>(qBlue(row[x]));
            pixel[1] = static_cast<std::uint8_t>(qGreen(row[x]));
            pixel[2] = static_cast<std::uint8_t>(qRed(row[x]));
        }
    }
    return pixels;
}

} // namespace

DibPixels toCardPixels(const QImage &picture)
{
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    const auto table = colorTable(opaque);
    return table.empty() ? directPixels(opaque) : indexedPixels(opaque, table);
}

} // namespace brivmemo::cardtool
