// The history file: migration, files set aside, a newer edition's file, two writers, a kill.
#include "storage/history.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <chrono>
#include <thread>

namespace xs {
namespace {

// Runs statements on a file through a connection of its own.
void RunSql(const QString& path, const std::vector<const char*>& statements) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* statement : statements)
            ASSERT_TRUE(query.exec(QString::fromLatin1(statement)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(History, IsNamedAfterTheDataFileBesideIt) {
    EXPECT_EQ(HistoryPathFor(QStringLiteral("/tmp/a/VelmorDuvidOzad.dat")).toStdString(),
              "/tmp/a/VelmorDuvidOzad.history.sqlite");
    EXPECT_EQ(HistoryPathFor(QStringLiteral("/tmp/my.lib.dat")).toStdString(),
              "/tmp/my.lib.history.sqlite");
}

TEST(History, AnOlderFileIsMigratedWithItsRowsKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    RunSql(path, {"CREATE TABLE in_play (puzzle_id INTEGER PRIMARY KEY, millis INTEGER NOT NULL "
                  "DEFAULT 0)",
                  "CREATE TABLE solved (id INTEGER PRIMARY KEY, solved_at INTEGER NOT NULL, "
                  "puzzle_id INTEGER NOT NULL, size INTEGER NOT NULL, stars INTEGER NOT NULL, "
                  "millis INTEGER NOT NULL, hints INTEGER NOT NULL DEFAULT 0)",
                  "INSERT INTO in_play VALUES (7, 65000)",
                  "INSERT INTO solved VALUES (1, 1700000000, 3, 1, 4, 300000, 2)",
                  "INSERT INTO solved VALUES (2, 1700000100, 4, 3, 1, 90000, 0)",
                  "PRAGMA user_version = 1"});
    THistory history;
    const THistoryOpen opened = history.Open(path);
    EXPECT_EQ(opened.State, THistoryState::Open);
    EXPECT_EQ(opened.Notice, "");
    ASSERT_TRUE(history.InPlay(7).has_value());
    EXPECT_EQ(history.InPlay(7)->Millis, 65000);
    const std::vector<TSolvedRecord> rows = history.Solved();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].HintCount, 2);
    EXPECT_FALSE(rows[0].Unaided);
    EXPECT_TRUE(rows[1].Unaided);
    EXPECT_EQ(rows[1].Origin, "made");
    EXPECT_EQ(rows[1].Size, 3);
    // The migrated file takes the new fields.
    TSolvedRecord solved;
    solved.PuzzleId = 7;
    solved.Hints = {{"Crossing", 2}, {"Last square", 1}};
    solved.Origin = "practice";
    // Two puzzles in play add up their hints; the solved one leaves them.
    ASSERT_TRUE(history.SaveInPlay(7, {1000, {{"Crossing", 2}}, 0, 0}));
    ASSERT_TRUE(history.SaveInPlay(8, {1000, {{"Crossing", 1}, {"Needed digit", 4}}, 0, 0}));
    EXPECT_EQ(history.InPlayHints(), (THintCounts{{"Crossing", 3}, {"Needed digit", 4}}));
    ASSERT_TRUE(history.RecordSolved(solved));
    EXPECT_FALSE(history.InPlay(7).has_value());
    EXPECT_EQ(history.InPlayHints(), (THintCounts{{"Crossing", 1}, {"Needed digit", 4}}));
    EXPECT_EQ(history.Solved().back().Hints, solved.Hints);
    EXPECT_EQ(history.Solved().back().HintCount, 3);
}

TEST(History, AFileItCannotUseIsSetAsideAndANewOneStarted) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"text", QByteArray("VelmorDuvidOzad history\n")},
        {"damaged", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x7f')},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h.sqlite"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        THistory history;
        const THistoryOpen opened = history.Open(path);
        EXPECT_EQ(opened.State, THistoryState::Open);
        const QStringList aside =
            QDir(dir.path()).entryList({QStringLiteral("h.sqlite.damaged-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(Bytes(dir.filePath(aside[0])), bytes);
        EXPECT_NE(opened.Notice.find("It was kept as " + dir.filePath(aside[0]).toStdString()),
                  std::string::npos);
        EXPECT_TRUE(history.SaveInPlay(1, {5000, {}, 1, 0}));
    }
}

TEST(History, ADatabaseOfAnotherProgramIsSetAsideUntouched) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    RunSql(path, {"CREATE TABLE notes (text TEXT)", "INSERT INTO notes VALUES ('mine')"});
    const QByteArray before = Bytes(path);
    THistory history;
    EXPECT_EQ(history.Open(path).State, THistoryState::Open);
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("h.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(Bytes(dir.filePath(aside[0])), before);
}

TEST(History, ANewerEditionsFileIsReadButNeverChanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    {
        THistory history;
        history.Open(path);
        ASSERT_TRUE(history.RecordSolved({}));
    }
    RunSql(path, {"PRAGMA user_version = 3"});
    const QByteArray before = Bytes(path);
    THistory history;
    EXPECT_EQ(history.Open(path).State, THistoryState::ReadOnly);
    EXPECT_EQ(history.Solved().size(), 1u);
    EXPECT_FALSE(history.SaveInPlay(1, {}));
    EXPECT_FALSE(history.RecordSolved({}));
    history.Close();
    EXPECT_EQ(Bytes(path), before);
}

TEST(History, TwoWritersTakeTurnsAndABusyOneIsRefusedCleanly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    THistory first;
    THistory second;
    first.Open(path, 100);
    second.Open(path, 100);
    for (int id = 1; id <= 6; ++id)
        ASSERT_TRUE((id % 2 ? first : second).SaveInPlay(id, {id, {}, 0, 0}));
    for (int id = 1; id <= 6; ++id) EXPECT_EQ(first.InPlay(id)->Millis, id);

    // A transaction held open elsewhere: the writer waits its 100 ms, then is refused.
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    EXPECT_FALSE(second.SaveInPlay(9, {9, {}, 0, 0}));
    db.exec(QStringLiteral("COMMIT"));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    EXPECT_TRUE(second.SaveInPlay(9, {9, {}, 0, 0}));
    EXPECT_EQ(first.InPlay(9)->Millis, 9);
}

TEST(History, AWriterKilledMidWayLeavesEveryChangeWholeOrAbsent) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        THistory history;
        history.Open(path);
        for (int id = 1;; ++id) {
            history.SaveInPlay(id, {id, {{"Crossing", id}}, 0, 0});
            TSolvedRecord solved;
            solved.PuzzleId = id;
            solved.Hints = {{"Crossing", id}};
            history.RecordSolved(solved);
        }
    }
    // Kill it once it has written for a while, at whatever point it has reached.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    THistory history;
    const THistoryOpen opened = history.Open(path);
    EXPECT_EQ(opened.State, THistoryState::Open);
    EXPECT_EQ(opened.Notice, "");
    const std::vector<TSolvedRecord> rows = history.Solved();
    ASSERT_GT(rows.size(), 0u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].PuzzleId, static_cast<int>(i + 1));
        EXPECT_EQ(rows[i].HintCount, rows[i].PuzzleId);
        EXPECT_FALSE(history.InPlay(rows[i].PuzzleId).has_value());
    }
}

}  // namespace
}  // namespace xs
