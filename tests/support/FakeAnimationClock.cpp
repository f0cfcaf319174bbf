// SPDX-License-Identifier: MIT
#include "FakeAnimationClock.h"

namespace brivmemo::test {

void FakeAnimationClock::atNextFrame(QWidget &shown, std::function<void()> frame)
{
    frames_.emplace_back(&shown, std::move(frame));
}

void FakeAnimationClock::advance(std::chrono::milliseconds by)
{
    moveOn(by);
    drawFrame();
}

void FakeAnimationClock::drawFrame()
{
    const auto due = std::exchange(frames_, {});
    for (const auto &[shown, frame] : due) {
        if (shown != nullptr)
            frame();
    }
}

} // namespace brivmemo::test
