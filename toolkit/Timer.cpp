// SPDX-License-Identifier: MIT
#include "Timer.h"

#include "ErrorBox.h"

namespace brivmemo {

TTimer::TTimer(QObject *owner)
    : QObject(owner)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TTimer::Timer);
}

void TTimer::setInterval(int milliseconds)
{
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
    emit intervalChanged(interval_);
}

void TTimer::Timer()
{
    // A copy, so that a handler may replace OnTimer while it runs.
    const auto handler = OnTimer;
    if (handler)
        runGuarded(handler);
}

} // namespace brivmemo
