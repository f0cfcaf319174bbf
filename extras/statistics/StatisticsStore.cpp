// SPDX-License-Identifier: MIT
#include "StatisticsStore.h"

#include "DamagedDatabase.h"
#include "StatisticsError.h"
#include "StatisticsSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace brivmemo::statistics {

namespace {

const QString Driver = QStringLiteral("QSQLITE");

// A kill or a crash at any point of a write leaves the file whole: the rollback journal lasts
// until the write is done and is played back at the next opening, and each write reaches the
// disk before it counts as done.
const QStringList ConnectionSettings = {
    QStringLiteral("PRAGMA journal_mode = DELETE"),
    QStringLiteral("PRAGMA synchronous = FULL"),
    QStringLiteral("PRAGMA foreign_keys = ON"),
};

int connectionsMade = 0;

void run(QSqlQuery &query)
{
    if (!query.exec())
        throw StatisticsError(query.lastError().text());
}

void run(QSqlQuery &query, const QString &statement)
{
    if (!query.exec(statement))
        throw StatisticsError(query.lastError().text());
}

void prepare(QSqlQuery &query, const QString &statement)
{
    if (!query.prepare(statement))
        throw StatisticsError(query.lastError().text());
}

// Runs the work in one transaction, which is taken back when the work throws.
template<typename Work> void inTransaction(QSqlDatabase &database, Work work)
{
    if (!database.transaction())
        throw StatisticsError(database.lastError().text());
    try {
        work();
        if (!database.commit())
            throw StatisticsError(database.lastError().text());
    } catch (const StatisticsError &) {
        database.rollback();
        throw;
    }
}

} // namespace

StatisticsStore::StatisticsStore(QObject *parent)
    : QObject(parent)
    , connection_(QStringLiteral("brivmemo-statistics-%1").arg(++connectionsMade))
{ }

StatisticsStore::~StatisticsStore()
{
    closeConnection();
}

QString StatisticsStore::open(const QString &path, const QDateTime &now)
{
    closeConnection();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw StatisticsError(tr("The folder of %1 cannot be made.").arg(path));
    openConnection(path);
    QString setAside;
    schema::Verdict verdict = schema::examine(database());
    if (verdict == schema::Verdict::Unreadable) {
        closeConnection();
        setAside = setAsideDamaged(path, now);
        openConnection(path);
        verdict = schema::Verdict::Empty;
    }
    QSqlDatabase opened = database();
    QSqlQuery query(opened);
    for (const QString &setting : ConnectionSettings)
        run(query, setting);
    if (verdict == schema::Verdict::Empty)
        schema::create(opened);
    return setAside;
}

void StatisticsStore::record(const GameRecord &game)
{
    QSqlDatabase opened = database();
    inTransaction(opened, [&opened, &game] {
        QSqlQuery games(opened);
        prepare(games,
            QStringLiteral(
                "INSERT INTO games (ended_utc, kind, level, seconds, winner) VALUES (?, ?, ?, ?, ?)"));
        games.addBindValue(game.endedUtc.toUTC().toString(Qt::ISODate));
        games.addBindValue(static_cast<int>(game.kind));
        games.addBindValue(static_cast<int>(game.level));
        games.addBindValue(game.seconds);
        games.addBindValue(game.winner);
        run(games);
        const QVariant id = games.lastInsertId();
        QSqlQuery players(opened);
        prepare(players,
            QStringLiteral("INSERT INTO players (game_id, seat, name, computer, points, mistakes, moves)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (std::size_t seat = 0; seat < game.players.size(); ++seat) {
            const PlayerFigures &player = game.players[seat];
            players.addBindValue(id);
            players.addBindValue(static_cast<int>(seat) + 1);
            players.addBindValue(player.name);
            players.addBindValue(player.computer ? 1 : 0);
            players.addBindValue(player.points);
            players.addBindValue(player.mistakes);
            players.addBindValue(player.moves);
            run(players);
        }
    });
    emit changed();
}

std::vector<GameRecord> StatisticsStore::games() const
{
    const QSqlDatabase opened = database();
    std::vector<GameRecord> games;
    QHash<qint64, std::size_t> indexOf;
    QSqlQuery query(opened);
    run(query, schema::SelectGames);
    while (query.next()) {
        indexOf.insert(query.value(0).toLongLong(), games.size());
        GameRecord &game = games.emplace_back();
        game.endedUtc = QDateTime::fromString(query.value(1).toString(), Qt::ISODate);
        game.kind = static_cast<GameKind>(query.value(2).toInt());
        game.level = static_cast<Level>(query.value(3).toInt());
        game.seconds = query.value(4).toInt();
        game.winner = query.value(5).toInt();
    }
    run(query, schema::SelectPlayers);
    while (query.next()) {
        GameRecord &game = games.at(indexOf.value(query.value(0).toLongLong()));
        PlayerFigures &player = game.players.at(static_cast<std::size_t>(query.value(1).toInt() - 1));
        player.name = query.value(2).toString();
        player.computer = query.value(3).toInt() != 0;
        player.points = query.value(4).toInt();
        player.mistakes = query.value(5).toInt();
        player.moves = query.value(6).toInt();
    }
    return games;
}

void StatisticsStore::clear()
{
    QSqlDatabase opened = database();
    inTransaction(opened, [&opened] {
        QSqlQuery query(opened);
        run(query, QStringLiteral("DELETE FROM players"));
        run(query, QStringLiteral("DELETE FROM games"));
    });
    emit changed();
}

QSqlDatabase StatisticsStore::database() const
{
    QSqlDatabase opened = QSqlDatabase::database(connection_, false);
    if (!opened.isOpen())
        throw StatisticsError(tr("The statistics are not open."));
    return opened;
}

void StatisticsStore::openConnection(const QString &path)
{
    if (!QSqlDatabase::isDriverAvailable(Driver))
        throw StatisticsError(tr("Qt's SQLite driver is not installed."));
    QString failure;
    {
        QSqlDatabase opened = QSqlDatabase::addDatabase(Driver, connection_);
        opened.setDatabaseName(path);
        if (!opened.open())
            failure = opened.lastError().text();
    }
    if (!failure.isEmpty()) {
        closeConnection();
        throw StatisticsError(failure);
    }
}

void StatisticsStore::closeConnection()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

} // namespace brivmemo::statistics
