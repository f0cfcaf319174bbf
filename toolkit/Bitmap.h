// SPDX-License-Identifier: MIT
// A device-independent picture that keeps its pixels in their own format (1, 4 and 8-bit
// palettes, 16 and 32-bit bit fields, 24 bits), with its palette and masks, and reads and writes
// itself as a BMP file image. Painting uses a display copy built on first use and dropped on
// every change.
#pragma once

#include "BmpCodec.h"
#include "Colors.h"
#include "Persistent.h"

#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace brivmemo {

class TStream;

class TBitmap : public TPersistent {
public:
    // What pixel() answers for a point outside the picture.
    static constexpr TColor kNoPixel = 0xFFFFFFFF;

    TBitmap() = default;
    explicit TBitmap(DibPixels pixels);

    const char *ClassName() const override { return "TBitmap"; }

    int width() const { return pixels_.width; }
    int height() const { return pixels_.height; }
    PixelFormat pixelFormat() const { return pixels_.format; }
    bool isEmpty() const { return pixels_.width == 0 || pixels_.height == 0; }
    const std::vector<TColor> &palette() const { return pixels_.palette; }
    ColorMasks masks() const { return pixels_.masks; }
    const DibPixels &pixels() const { return pixels_; }

    // A picture of the given format and size with every pixel value 0; the palette is kept, the
    // masks become the format's defaults. A size beyond the decoder's limit is not valid.
    void create(PixelFormat format, int width, int height);
    void setPixels(DibPixels pixels);
    void setPalette(std::vector<TColor> palette);
    void setMasks(ColorMasks masks);

    // The stored value of a pixel: a palette index, or the packed bits of a direct colour
    // (for 24 bits 0x00RRGGBB, as the file holds it).
    std::uint32_t pixelValue(int x, int y) const;
    void setPixelValue(int x, int y, std::uint32_t value);

    // The colour 0x00BBGGRR of a pixel, or kNoPixel outside the picture.
    TColor pixel(int x, int y) const;
    // Stores the nearest colour the format can hold: the closest palette entry for palettes.
    void setPixel(int x, int y, TColor color);

    // Copies the picture, palette and masks of another bitmap; OnChange stays as it is.
    void Assign(const TPersistent *source) override;

    void loadFromBytes(std::span<const std::uint8_t> image);
    // Reads the rest of the stream as one BMP file image.
    void loadFromStream(TStream &stream);
    std::vector<std::uint8_t> toBytes(const BmpWriteOptions &options = {}) const;
    void saveToStream(TStream &stream, const BmpWriteOptions &options = {}) const;

    // The picture in the display's form (Format_RGB32); a null image when empty.
    const QImage &displayImage() const;

    // A finer drawing of the same picture, for screens with more pixels than the picture has:
    // the image file at path (an embedded resource), read when it is first asked for. A change
    // of the picture forgets it, since it no longer shows the same thing.
    void setFinerPicture(const QString &path);
    // The finer drawing, or a null image when there is none or it cannot be read.
    const QImage &finerImage() const;

    // Told after every change of the picture, with the bitmap as sender.
    TNotifyEvent OnChange;

private:
    void changed();
    std::size_t pixelOffset(int x, int y) const;
    std::uint8_t *pixelAddress(int x, int y);
    const std::uint8_t *pixelAddress(int x, int y) const;
    bool contains(int x, int y) const;

    DibPixels pixels_;
    mutable QImage display_;
    QString finerPath_;
    mutable QImage finer_;
};

} // namespace brivmemo
