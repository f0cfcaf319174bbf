// SPDX-License-Identifier: MIT
// Follows each game on the main window from its deal and hands it on once, when it ends with an
// empty table. A game left before that (a new deal of any kind, "&Show all Cards", leaving the
// program) is never handed on.
#pragma once

#include "GameRecord.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

namespace brivmemo {
class TJanelaJogo;
namespace statistics {
class GameClock;
}
} // namespace brivmemo

namespace brivmemo::extras {

class GameEvents;

class GameRecorder : public QObject {
public:
    using Finished = std::function<void(const statistics::GameRecord &game)>;

    // Reads the names and the level from the window, the figures from the two players, and
    // the times from the clock; all of them must outlive the recorder.
    GameRecorder(QObject &owner, const TJanelaJogo &window, const GameEvents &events,
        const statistics::GameClock &clock, Finished finished);

private:
    void dealt();
    void scored(int player);
    void over();
    statistics::Level level() const;

    const TJanelaJogo &window_;
    const statistics::GameClock &clock_;
    Finished finished_;
    bool following_ = false;
    std::int64_t dealtAt_ = 0;
    std::array<int, 2> moves_ {};
};

} // namespace brivmemo::extras
