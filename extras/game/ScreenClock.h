// SPDX-License-Identifier: MIT
// The animations' clock in the program: a steady clock, and frames paced at the refresh rate of
// the screen that shows the animated widget.
#pragma once

#include "AnimationClock.h"

#include <QElapsedTimer>

namespace brivmemo::extras {

class ScreenClock final : public AnimationClock {
public:
    ScreenClock();

    std::chrono::milliseconds now() const override;
    void atNextFrame(QWidget &shown, std::function<void()> frame) override;

private:
    QElapsedTimer elapsed_;
};

// The one clock the program's animations share.
AnimationClock &screenClock();

} // namespace brivmemo::extras
