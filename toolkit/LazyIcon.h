// SPDX-License-Identifier: MIT
// Icons of windows that are built at start-up but shown later: the pictures are read only when
// something first asks for them, so that start-up does not decode what it does not show.
#pragma once

#include <QIcon>
#include <functional>

namespace brivmemo {

// An icon that behaves as the one make returns, which is called once, at the first use.
QIcon lazyIcon(std::function<QIcon()> make);

// The icon in the PNG file at path together with the same picture in the finer sizes beside
// it, NAME@2x.png and NAME@3x.png where they exist, so that a screen of any density picks the
// size of its own pixels.
QIcon iconInFinerSizes(const QString &path);

} // namespace brivmemo
