// SPDX-License-Identifier: MIT
// The statistics file: the games played to their end, each written whole or not at all, read
// back in the order they were played. A file the game cannot use is set aside, never lost.
#pragma once

#include "GameRecord.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <vector>

class QSqlDatabase;

namespace brivmemo::statistics {

class StatisticsStore : public QObject {
    Q_OBJECT

public:
    explicit StatisticsStore(QObject *parent = nullptr);
    ~StatisticsStore() override;
    StatisticsStore(const StatisticsStore &) = delete;
    StatisticsStore &operator=(const StatisticsStore &) = delete;

    // Opens the file, making it and its folder when new. A file that cannot be read as
    // statistics is set aside (see DamagedDatabase.h) and a fresh one started: the name it was
    // given is returned, else an empty text. Throws StatisticsError when no file can be used.
    QString open(const QString &path, const QDateTime &now);

    // Each of these throws StatisticsError, also when the file is not open.
    void record(const GameRecord &game);
    std::vector<GameRecord> games() const;
    // Forgets every game.
    void clear();

signals:
    // A game was recorded or the games were cleared.
    void changed();

private:
    QSqlDatabase database() const;
    void openConnection(const QString &path);
    void closeConnection();

    const QString connection_;
};

} // namespace brivmemo::statistics
