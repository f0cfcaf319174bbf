// SPDX-License-Identifier: MIT
// The kept statistics in the main window: every game played there to its end is written to the
// player's statistics file, opened once the window has first been painted, and "S&tatistics…"
// in the "&Extras" menu shows them. A file that had to be set aside, and the first write that
// fails, are told to the player; nothing is said when all goes well.
#pragma once

#include "SystemGameClock.h"

#include <QObject>
#include <memory>

class QMenu;
class TForm1;

namespace brivmemo::statistics {
struct GameRecord;
class StatisticsStore;
} // namespace brivmemo::statistics

namespace brivmemo::extras {

class GameEvents;
class StartupDialogGate;
class StatisticsWindow;

class GameStatistics : public QObject {
    Q_OBJECT

public:
    GameStatistics(QObject &owner, TForm1 &form, QMenu &extrasMenu, const GameEvents &events,
        StartupDialogGate &startupDialog);
    ~GameStatistics() override;

private:
    void open();
    void write(const statistics::GameRecord &game);
    void showWindow();
    void reportFailure(const QString &text);

    TForm1 &form_;
    StartupDialogGate &startupDialog_;
    statistics::SystemGameClock clock_;
    statistics::StatisticsStore *store_ = nullptr;
    std::unique_ptr<StatisticsWindow> window_;
    bool opened_ = false;
    bool failureReported_ = false;
};

} // namespace brivmemo::extras
