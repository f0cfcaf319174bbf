// SPDX-License-Identifier: MIT
#include "StatisticsSchema.h"

#include "StatisticsError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace brivmemo::statistics::schema {

const QString SelectGames
    = QStringLiteral("SELECT id, ended_utc, kind, level, seconds, winner FROM games ORDER BY id");
const QString SelectPlayers = QStringLiteral(
    "SELECT game_id, seat, name, computer, points, mistakes, moves FROM players ORDER BY game_id, seat");

namespace {

const QStringList CreateTables = {
    QStringLiteral("CREATE TABLE games ("
                   " id INTEGER PRIMARY KEY,"
                   " ended_utc TEXT NOT NULL,"
                   " kind INTEGER NOT NULL CHECK (kind IN (1, 2)),"
                   " level INTEGER NOT NULL CHECK (level IN (0, 1, 2, 3)),"
                   " seconds INTEGER NOT NULL CHECK (seconds >= 0),"
                   " winner INTEGER NOT NULL CHECK (winner IN (0, 1, 2)))"),
    QStringLiteral("CREATE TABLE players ("
                   " game_id INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,"
                   " seat INTEGER NOT NULL CHECK (seat IN (1, 2)),"
                   " name TEXT NOT NULL,"
                   " computer INTEGER NOT NULL CHECK (computer IN (0, 1)),"
                   " points INTEGER NOT NULL CHECK (points >= 0),"
                   " mistakes INTEGER NOT NULL CHECK (mistakes >= 0),"
                   " moves INTEGER NOT NULL CHECK (moves >= 0),"
                   " PRIMARY KEY (game_id, seat))"),
};

// The single value of a pragma, or an invalid one when the file cannot answer.
QVariant pragma(const QSqlDatabase &database, const QString &name)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA ") + name) || !query.next())
        return {};
    return query.value(0);
}

bool hasTables(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    return !query.exec(QStringLiteral("SELECT 1 FROM sqlite_master LIMIT 1")) || query.next();
}

// The queries that read the file back are prepared against it: a table or a column that is
// missing makes one of them fail.
bool holdsTables(const QSqlDatabase &database)
{
    for (const QString &select : {SelectGames, SelectPlayers}) {
        QSqlQuery query(database);
        if (!query.prepare(select))
            return false;
    }
    return true;
}

void run(QSqlQuery &query, const QString &statement)
{
    if (!query.exec(statement))
        throw StatisticsError(query.lastError().text());
}

} // namespace

Verdict examine(const QSqlDatabase &database)
{
    const QVariant version = pragma(database, QStringLiteral("user_version"));
    if (!version.isValid() || pragma(database, QStringLiteral("integrity_check")).toString() != u"ok")
        return Verdict::Unreadable;
    const int number = version.toInt();
    if (number == 0)
        return hasTables(database) ? Verdict::Unreadable : Verdict::Empty;
    return number == Version && holdsTables(database) ? Verdict::Usable : Verdict::Unreadable;
}

void create(QSqlDatabase &database)
{
    if (!database.transaction())
        throw StatisticsError(database.lastError().text());
    try {
        QSqlQuery query(database);
        for (const QString &statement : CreateTables)
            run(query, statement);
        run(query, QStringLiteral("PRAGMA user_version = %1").arg(Version));
    } catch (const StatisticsError &) {
        database.rollback();
        throw;
    }
    if (!database.commit())
        throw StatisticsError(database.lastError().text());
}

} // namespace brivmemo::statistics::schema
