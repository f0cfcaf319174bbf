// SPDX-License-Identifier: MIT
// A rectangle as the drawing code reasons about it: Right and Bottom lie just outside, so it
// covers the columns Left .. Right - 1 and the rows Top .. Bottom - 1.
#pragma once

namespace brivmemo {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int width() const { return Right - Left; }
    constexpr int height() const { return Bottom - Top; }
    constexpr bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }

    friend constexpr bool operator==(const TRect &, const TRect &) = default;
};

} // namespace brivmemo
