// SPDX-License-Identifier: MIT
// The time and the frames an animation of the extras runs on: the screen's own in the program,
// one that a test moves by hand in the tests, so that no test waits for real time.
#pragma once

#include <chrono>
#include <functional>

class QWidget;

namespace brivmemo::extras {

class AnimationClock {
public:
    virtual ~AnimationClock() = default;

    // Time since some fixed moment; it never goes back.
    virtual std::chrono::milliseconds now() const = 0;
    // Runs frame once, when the screen that shows the widget draws its next frame. Nothing runs
    // once the widget is gone.
    virtual void atNextFrame(QWidget &shown, std::function<void()> frame) = 0;
};

} // namespace brivmemo::extras
