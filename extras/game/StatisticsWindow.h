// SPDX-License-Identifier: MIT
// "Statistics": for each player and kind of game, the games, wins, draws and losses, the best
// game and the average moves per pair, kept up to date while it is open; "&Reset" empties the
// statistics once the player confirms it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace brivmemo::statistics {
class StatisticsStore;
}

namespace brivmemo::extras {

class StatisticsWindow : public QDialog {
    Q_OBJECT

public:
    explicit StatisticsWindow(statistics::StatisticsStore &store);

    // Reads the statistics again. Throws StatisticsError.
    void refresh();

    QTableWidget &table() const { return *table_; }
    QPushButton &resetButton() const { return *reset_; }

private:
    void reset();

    statistics::StatisticsStore &store_;
    QTableWidget *table_ = nullptr;
    QLabel *noGames_ = nullptr;
    QPushButton *reset_ = nullptr;
};

} // namespace brivmemo::extras
