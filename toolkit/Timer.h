// SPDX-License-Identifier: MIT
// A periodic timer driven by its Interval alone: a value above 0 makes OnTimer run that many
// milliseconds later and again every such period; 0 stops it; setting the value it already
// has changes nothing, so a running countdown is not restarted. Handlers run through the
// standard error box, so a failing handler never ends the program.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace brivmemo {

class TTimer : public QObject {
    Q_OBJECT

public:
    explicit TTimer(QObject *owner = nullptr);

    int Interval() const { return interval_; }
    // Negative values stop the timer like 0.
    void setInterval(int milliseconds);
    bool isActive() const { return timer_.isActive(); }

    // One tick: what the timer does when its period ends. Tests call it instead of waiting.
    void Timer();

    std::function<void()> OnTimer;

signals:
    void intervalChanged(int milliseconds);

private:
    int interval_ = 0;
    QTimer timer_ {this};
};

} // namespace brivmemo
