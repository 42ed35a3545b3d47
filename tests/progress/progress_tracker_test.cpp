// The tracker as the solving page drives it: time kept per puzzle across sessions, two puzzles in
// one session, a reset, and the row and lines of a solved puzzle.
#include "progress/progress_tracker.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

#include "generate/driver.h"
#include "generate/random.h"

namespace xs {
namespace {

TEST(ProgressTracker, KeepsTimeAndHelpPerPuzzleAndRecordsEachSolvedOnce) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    {
        auto batch = std::make_unique<TCreationBatch>();
        TRandom rng(3);
        TGenControl control;
        control.Rng = &rng;
        batch->SizeCode = static_cast<int>(TPuzzleSize::Mini);
        batch->CreateCounts[0] = batch->CreateCounts[2] = 2;
        ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
    }
    QTemporaryDir dir;
    THistory history;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    history.Open(path, 100);
    std::int64_t now = 50000;
    const auto session = [&] {
        return std::make_unique<TProgressTracker>(
            *lib, history, [&] { return now; }, [] { return std::int64_t{1765000000}; });
    };
    auto tracker = session();
    tracker->PuzzleOpened(1);
    tracker->PageShown(true);
    now += 5000;
    tracker->HintShown(TTechnique::Crossing);
    tracker->HintShown(TTechnique::Crossing);
    tracker->Checked();
    now += 1000;
    // The second puzzle of the session, solved without help.
    tracker->PuzzleOpened(2);
    now += 3000;
    tracker->SolvedChanged(true);
    EXPECT_EQ(tracker->SolvedLine(0), "Solved in 0:03 without help.");
    EXPECT_EQ(tracker->SolvedLine(1), "Your best time for Mini 2 star !");
    now += 9000;  // solved: the clock no longer runs
    EXPECT_EQ(tracker->ClockText(), "0:03");
    tracker->PageShown(false);

    const TPlayRecord first = history.InPlay(lib->Info(1).Id).value();
    EXPECT_EQ(first.Millis, 6000);
    EXPECT_EQ(first.Hints, (THintCounts{{"Crossing runs", 2}}));
    EXPECT_EQ(first.Checks, 1);

    // A new session goes on from the stored time; the reset starts it again.
    tracker = session();
    tracker->PuzzleOpened(1);
    tracker->PageShown(true);
    now += 1000;
    EXPECT_EQ(tracker->ClockText(), "0:07");
    tracker->PuzzleReset();
    EXPECT_EQ(tracker->ClockText(), "0:00");
    EXPECT_FALSE(history.InPlay(lib->Info(1).Id).has_value());
    tracker->AssistUsed();
    now += 4000;
    tracker->SolvedChanged(true);
    tracker->SolvedChanged(false);
    tracker->SolvedChanged(true);  // undone and solved again: one row
    EXPECT_EQ(tracker->SolvedLine(0), "Solved in 0:04 with no hints.");
    EXPECT_EQ(tracker->SolvedLine(1), "");

    const std::vector<TSolvedRecord> rows = history.Solved();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].PuzzleId, lib->Info(2).Id);
    EXPECT_TRUE(rows[0].Unaided);
    EXPECT_EQ(rows[0].Stars, 2);
    EXPECT_EQ(rows[0].Size, 3);
    EXPECT_FALSE(rows[0].Hardest.empty());
    EXPECT_EQ(rows[1].Millis, 4000);
    EXPECT_EQ(rows[1].Assists, 1);
    EXPECT_FALSE(rows[1].Unaided);
    EXPECT_EQ(rows[1].SolvedAt, 1765000000);

    // Another program holds the file as a puzzle is solved: the row waits for the next save.
    tracker = session();
    tracker->PuzzleOpened(2);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        db.exec(QStringLiteral("BEGIN IMMEDIATE"));
        tracker->SolvedChanged(true);
        db.exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
    EXPECT_EQ(history.Solved().size(), 2u);
    tracker->SaveNow();
    EXPECT_EQ(history.Solved().size(), 3u);
}

}  // namespace
}  // namespace xs
