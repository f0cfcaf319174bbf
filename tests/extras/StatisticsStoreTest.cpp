// SPDX-License-Identifier: MIT
#include "StatisticsStore.h"

#include "StatisticsTestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace brivmemo::test {

namespace {

using namespace statistics;

const QDateTime Now(QDate(2024, 11, 2), QTime(8, 5, 9), Qt::UTC);

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs the statements on the file through a connection of the test's own; returns the first
// value the last one gives.
QVariant runOn(const QString &path, const QStringList &statements)
{
    QVariant last;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        database.setDatabaseName(path);
        EXPECT_TRUE(database.open());
        QSqlQuery query(database);
        for (const QString &statement : statements)
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        if (query.next())
            last = query.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
    return last;
}

GameRecord gameAgainstTheComputer(int aPairs)
{
    GameRecord game;
    game.endedUtc = Now.addSecs(-60);
    game.kind = GameKind::AgainstComputer;
    game.level = Level::Intermediate;
    game.players = {PlayerFigures {QStringLiteral("Zoë"), false, aPairs * 10, 4, aPairs + 4},
        PlayerFigures {QStringLiteral("Computer"), true, 200 - aPairs * 10, 6, 26 - aPairs}};
    game.seconds = 241;
    game.winner = aPairs > 10 ? 1 : 2;
    return game;
}

GameRecord gameOfTwoPeople()
{
    GameRecord game;
    game.endedUtc = Now;
    game.players = {PlayerFigures {QStringLiteral("Ana"), false, 100, 9, 19},
        PlayerFigures {QStringLiteral("Bruno"), false, 100, 8, 18}};
    game.seconds = 3;
    game.winner = Draw;
    return game;
}

void fillWithGames(const QString &path, int count)
{
    StatisticsStore store;
    ASSERT_EQ(store.open(path, Now), QString());
    for (int game = 0; game < count; ++game)
        store.record(gameAgainstTheComputer(game % 21));
}

class StatisticsStoreTest : public ::testing::Test {
protected:
    QString file() const { return folder.filePath(QStringLiteral("brivmemo/statistics.sqlite")); }
    QString setAsideName() const
    {
        return file() + QStringLiteral(".damaged-")
            + Now.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    }

    QTemporaryDir folder;
};

TEST_F(StatisticsStoreTest, GivesBackTheGamesAsRecordedAfterReopening)
{
    const std::vector<GameRecord> games = {gameAgainstTheComputer(13), gameOfTwoPeople()};
    {
        StatisticsStore store;
        EXPECT_EQ(store.open(file(), Now), QString());
        for (const GameRecord &game : games)
            store.record(game);
    }
    StatisticsStore reopened;
    EXPECT_EQ(reopened.open(file(), Now), QString());
    EXPECT_EQ(reopened.games(), games);
}

struct Damage {
    const char *name;
    std::function<void(const QString &path)> make;
};

void PrintTo(const Damage &damage, std::ostream *out)
{
    *out << damage.name;
}

class DamagedFileTest : public StatisticsStoreTest, public ::testing::WithParamInterface<Damage> { };

TEST_P(DamagedFileTest, IsSetAsideUnchangedAndAFreshFileStarted)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file()).absolutePath()));
    GetParam().make(file());
    const QByteArray damaged = readBytes(file());
    ASSERT_FALSE(damaged.isEmpty());
    {
        StatisticsStore store;
        EXPECT_EQ(store.open(file(), Now), setAsideName());
        EXPECT_EQ(readBytes(setAsideName()), damaged);
        EXPECT_TRUE(store.games().empty());
        store.record(gameOfTwoPeople());
    }
    StatisticsStore reopened;
    EXPECT_EQ(reopened.open(file(), Now), QString());
    EXPECT_EQ(reopened.games().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedFileTest,
    ::testing::Values(Damage {"NotSQLite",
                          [](const QString &path) {
                              writeBytes(
                                  path, QByteArray("these are not the statistics of a game\n").repeated(200));
                          }},
        Damage {"NewerVersion",
            [](const QString &path) {
                fillWithGames(path, 1);
                runOn(path, {QStringLiteral("PRAGMA user_version = 2")});
            }},
        Damage {"WrongColumns",
            [](const QString &path) {
                runOn(path,
                    {QStringLiteral("CREATE TABLE games (id INTEGER PRIMARY KEY, ended TEXT)"),
                        QStringLiteral("CREATE TABLE players (game_id INTEGER, seat INTEGER)"),
                        QStringLiteral("PRAGMA user_version = 1")});
            }},
        Damage {"AnotherProgramsTables",
            [](const QString &path) { runOn(path, {QStringLiteral("CREATE TABLE notes (text TEXT)")}); }},
        Damage {"FailedIntegrityCheck",
            [](const QString &path) {
                fillWithGames(path, 400);
                QByteArray bytes = readBytes(path);
                // The first page, with the header and the version, stays as it was.
                const qsizetype pageSize = 4096;
                ASSERT_GT(bytes.size(), 4 * pageSize);
                bytes.replace(2 * pageSize, 2 * pageSize, QByteArray(2 * pageSize, '\x5a'));
                writeBytes(path, bytes);
                EXPECT_NE(runOn(path, {QStringLiteral("PRAGMA user_version")}).toInt(), 0);
            }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StatisticsStoreTest, SetsAsideUnderANewNameKeepingTheOnesBefore)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file()).absolutePath()));
    writeBytes(setAsideName(), "set aside before");
    writeBytes(setAsideName() + QStringLiteral("-2"), "and once more");
    writeBytes(file(), "not a database either");

    StatisticsStore store;
    EXPECT_EQ(store.open(file(), Now), setAsideName() + QStringLiteral("-3"));
    EXPECT_EQ(readBytes(setAsideName()), "set aside before");
    EXPECT_EQ(readBytes(setAsideName() + QStringLiteral("-2")), "and once more");
    EXPECT_EQ(readBytes(setAsideName() + QStringLiteral("-3")), "not a database either");
}

// Starts a writer on the file, lets it write some games, then kills it while it writes: once
// the rollback journal, there only while something is being written, has come up for the given
// time. Returns the games the writer told as written.
int writeUntilKilled(const QString &path, int journalsBeforeTheKill)
{
    constexpr int GamesBeforeTheKill = 10;
    constexpr int PatienceMilliseconds = 30000;
    const QString journal = path + QStringLiteral("-journal");
    QProcess writer;
    writer.start(QStringLiteral(STATISTICS_WRITER), {path});
    EXPECT_TRUE(writer.waitForStarted());
    int written = 0;
    while (written < GamesBeforeTheKill && writer.waitForReadyRead(PatienceMilliseconds)) {
        while (writer.canReadLine()) {
            writer.readLine();
            ++written;
        }
    }
    EXPECT_GE(written, GamesBeforeTheKill) << writer.readAllStandardError().toStdString();
    const QDeadlineTimer patience(PatienceMilliseconds);
    for (int journals = 0; journals < journalsBeforeTheKill && !patience.hasExpired(); ++journals) {
        while (!QFile::exists(journal) && !patience.hasExpired()) { }
        while (QFile::exists(journal) && !patience.hasExpired()) { }
    }
    while (!QFile::exists(journal) && !patience.hasExpired()) { }
    writer.kill();
    EXPECT_TRUE(writer.waitForFinished());
    EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
    return written;
}

TEST_F(StatisticsStoreTest, AWriterKilledWhileWritingLeavesEveryGameWhole)
{
    // Each kill lands in a later part of a write than the one before.
    constexpr int Kills = 6;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file()).absolutePath()));
    int written = 0;
    for (int kill = 0; kill < Kills; ++kill)
        written += writeUntilKilled(file(), kill);

    EXPECT_EQ(runOn(file(), {QStringLiteral("PRAGMA integrity_check")}).toString(), QStringLiteral("ok"));
    StatisticsStore store;
    EXPECT_EQ(store.open(file(), Now), QString());
    const std::vector<GameRecord> games = store.games();
    EXPECT_GE(games.size(), static_cast<std::size_t>(written));
    for (const GameRecord &game : games) {
        EXPECT_EQ(game.players[0].points + game.players[1].points, 200) << ::testing::PrintToString(game);
        for (const PlayerFigures &player : game.players) {
            EXPECT_FALSE(player.name.isEmpty()) << ::testing::PrintToString(game);
            EXPECT_EQ(player.moves, player.points / 10 + player.mistakes) << ::testing::PrintToString(game);
        }
    }
}

} // namespace

} // namespace brivmemo::test
