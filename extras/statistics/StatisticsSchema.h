// SPDX-License-Identifier: MIT
// The layout of the statistics file: its version, its tables, and the examination that tells a
// file the game can use from one it must leave alone.
#pragma once

#include <QString>

class QSqlDatabase;

namespace brivmemo::statistics::schema {

// Kept in the file's user_version; a file of a later version is left to the game that wrote it.
constexpr int Version = 1;

// The games and their two players as they are read back, in this order of columns.
extern const QString SelectGames;
extern const QString SelectPlayers;

enum class Verdict {
    Usable,
    // No tables and no version yet: a new file, or one that was never written.
    Empty,
    // Not SQLite, damaged, of a later version or with other tables.
    Unreadable,
};

Verdict examine(const QSqlDatabase &database);

// Makes the tables and sets the version, all or nothing. Throws StatisticsError.
void create(QSqlDatabase &database);

} // namespace brivmemo::statistics::schema
