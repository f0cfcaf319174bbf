// SPDX-License-Identifier: MIT
// Small value types that several controls share.
#pragma once

namespace brivmemo {

// How a bevel is cut: sunk into the surface, raised from it, or not drawn (bvSpace also
// draws nothing; it only names an empty bevel).
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

enum class TBorderStyle { bsNone, bsSingle };

// Widths in pixels. Editors offer 1 and more for bevels and 0 and more for borders; the
// setters store any value.
using TBevelWidth = int;
using TBorderWidth = int;

} // namespace brivmemo
