// SPDX-License-Identifier: MIT
#include "ScreenClock.h"

#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace brivmemo::extras {

namespace {

// What a screen that tells no rate of its own is taken to draw.
constexpr qreal UsualRefreshRate = 60;

int frameInterval(const QWidget &shown)
{
    const QScreen *screen = shown.screen();
    const qreal rate
        = screen != nullptr && screen->refreshRate() > 0 ? screen->refreshRate() : UsualRefreshRate;
    return std::max(1, static_cast<int>(std::lround(1000 / rate)));
}

} // namespace

ScreenClock::ScreenClock()
{
    elapsed_.start();
}

std::chrono::milliseconds ScreenClock::now() const
{
    return std::chrono::milliseconds(elapsed_.elapsed());
}

void ScreenClock::atNextFrame(QWidget &shown, std::function<void()> frame)
{
    QTimer::singleShot(frameInterval(shown), Qt::PreciseTimer, &shown, std::move(frame));
}

AnimationClock &screenClock()
{
    static ScreenClock clock;
    return clock;
}

} // namespace brivmemo::extras
