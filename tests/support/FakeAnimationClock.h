// SPDX-License-Identifier: MIT
// An animation clock that stands still until the test moves it, and draws a frame only when
// the test says so.
#pragma once

#include "AnimationClock.h"

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

namespace brivmemo::test {

class FakeAnimationClock final : public extras::AnimationClock {
public:
    std::chrono::milliseconds now() const override { return now_; }
    void atNextFrame(QWidget &shown, std::function<void()> frame) override;

    void moveOn(std::chrono::milliseconds by) { now_ += by; }
    // Runs what asked for a frame before now.
    void drawFrame();
    // Moves the time on, then draws a frame.
    void advance(std::chrono::milliseconds by);

private:
    // Not 0, so that a start at 0 cannot pass for a start at the clock's beginning.
    std::chrono::milliseconds now_ {1000};
    std::vector<std::pair<QPointer<QWidget>, std::function<void()>>> frames_;
};

} // namespace brivmemo::test
