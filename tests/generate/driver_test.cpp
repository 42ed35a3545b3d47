// The batch loop with scripted generator steps: order, Ids, retries, stops and request limits.
#include "generate/driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <vector>

namespace xs {
namespace {

// What the scripted steps were asked to do, and what they answer next.
struct TScript {
    int Generated = 0;
    int Easy = 0;
    int Hard = 0;
    int FillCalls = 0;
    int VerifyCalls = 0;
    std::deque<int> FillResults;     // kFillDone when empty
    std::deque<int> VerifyFailures;  // 0 when empty
    bool StaleExport = false;        // the next export writes junk outside the region first
    std::vector<int> LayoutLevels;
};
TScript script;

void MarkLayout(const TGridBounds& bounds, TWorkGrid& work, TGenControl& control) {
    work.Cell[0][0].Kind = static_cast<std::uint8_t>(bounds.LastRow);
    control.Poll();
}
void FakeGenerate(int level, int, const TGridBounds& bounds, TWorkGrid& work,
                  TGenControl& control) {
    ++script.Generated;
    script.LayoutLevels.push_back(level);
    MarkLayout(bounds, work, control);
}
void FakeEasy(const TGridBounds& bounds, TWorkGrid& work, TGenControl& control) {
    ++script.Easy;
    script.LayoutLevels.push_back(1);
    MarkLayout(bounds, work, control);
}
void FakeHard(int, const TGridBounds& bounds, TWorkGrid& work, TGenControl& control) {
    ++script.Hard;
    script.LayoutLevels.push_back(5);
    MarkLayout(bounds, work, control);
}
int FakeFill(int, int, const TGridBounds&, TWorkGrid&, TGenControl& control) {
    ++script.FillCalls;
    control.Poll();
    if (script.FillResults.empty()) return kFillDone;
    const int r = script.FillResults.front();
    script.FillResults.pop_front();
    return r;
}
// Exports a recognisable corner square: its across total is the number of this export.
void FakeVerify(const TGridBounds& bounds, const TWorkGrid&, TPuzzleGrid& puzzle,
                std::int32_t& failed) {
    ++script.VerifyCalls;
    failed = 0;
    if (script.StaleExport) {
        script.StaleExport = false;
        puzzle.Sq[15][25].Kind = White;
        puzzle.Sq[bounds.LastRow][bounds.LastCol].Entry = 7;
    }
    puzzle.Sq[0][0].Kind = Black;
    puzzle.Sq[0][0].AcrossTotal = script.VerifyCalls;
    if (!script.VerifyFailures.empty()) {
        failed = script.VerifyFailures.front();
        script.VerifyFailures.pop_front();
    }
}

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        script = TScript{};
        lib = std::make_unique<TPuzzleLibrary>();
        std::memset(lib.get(), 0, sizeof *lib);
        batch = std::make_unique<TCreationBatch>();
        batch->Pipeline = TPipeline{&FakeGenerate, &FakeEasy, &FakeHard, &FakeFill, &FakeVerify};
        control.Rng = &rng;
    }

    void Request(int level, int n) {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, level));
    }

    // Pretends that n puzzles of one star are stored already.
    void StoreExisting(int n) {
        lib->Counts.Total = n;
        lib->Counts.ByDifficulty[0] = n;
        for (int s = 1; s <= n; ++s) lib->Info(s) = TPuzzleInfo{s, 3, 1, {0, 0}};
        lastId = n;
    }

    std::unique_ptr<TPuzzleLibrary> lib;
    std::unique_ptr<TCreationBatch> batch;
    TRandom rng{1};
    TGenControl control;
    std::int32_t lastId = 0;
};

TEST_F(DriverTest, LevelsRunLowestFirstWithConsecutiveIds) {
    StoreExisting(15);
    Request(3, 2);
    Request(1, 1);
    std::vector<TBatchStep> steps;
    EXPECT_EQ(batch->Run(*lib, lastId, control, [&](const TBatchStep& s) { steps.push_back(s); }),
              TBatchResult::Done);

    EXPECT_EQ(script.LayoutLevels, (std::vector<int>{1, 3, 3}));
    ASSERT_EQ(steps.size(), 3u);
    const int levels[3] = {1, 3, 3};
    for (int i = 0; i < 3; ++i) {
        const int slot = 16 + i;
        EXPECT_EQ(steps[i].Slot, slot);
        EXPECT_EQ(steps[i].Level, levels[i]);
        EXPECT_EQ(lib->Info(slot).Id, slot);
        EXPECT_EQ(lib->Info(slot).Difficulty, levels[i]);
        EXPECT_EQ(lib->Info(slot).Size, static_cast<int>(TPuzzleSize::Mini));
        EXPECT_EQ(lib->Grid(slot).Sq[0][0].AcrossTotal, i + 1);
    }
    EXPECT_EQ(lastId, 18);
    EXPECT_EQ(lib->Counts.Total, 18);
    EXPECT_EQ(lib->Counts.ByDifficulty[0], 16);
    EXPECT_EQ(lib->Counts.ByDifficulty[2], 2);
    for (int v : batch->CreateCounts) EXPECT_EQ(v, 0);
}

// After a deletion the slots no longer follow the Ids: new puzzles continue from the last Id
// given out, which lies above both the slot count and every Id still stored.
TEST_F(DriverTest, IdsContinueFromTheLastIdAfterADeletion) {
    StoreExisting(6);
    bool remove[MaxPuzzles] = {};
    remove[1] = remove[5] = true;  // slots 2 and 6
    CompactLibrary(*lib, remove);
    ASSERT_EQ(lib->Counts.Total, 4);
    Request(2, 2);
    ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
    EXPECT_EQ(lib->Info(5).Id, 7);
    EXPECT_EQ(lib->Info(6).Id, 8);
    EXPECT_EQ(lastId, 8);
}

TEST_F(DriverTest, StopDuringSecondOfThreeKeepsTheFirstOnly) {
    Request(2, 3);
    int stored = 0;
    control.PollProgress = [&] {
        if (stored == 1 && script.FillCalls == 2) control.CancelRequested = true;
    };
    std::vector<TBatchStep> steps;
    const TBatchResult result = batch->Run(*lib, lastId, control, [&](const TBatchStep& s) {
        steps.push_back(s);
        if (s.Slot != 0) ++stored;
    });

    EXPECT_EQ(result, TBatchResult::Cancelled);
    EXPECT_EQ(lib->Counts.Total, 1);
    EXPECT_EQ(lib->Counts.ByDifficulty[1], 1);
    EXPECT_EQ(lastId, 1);
    EXPECT_EQ(lib->Info(2).Id, 0);
    EXPECT_EQ(script.Generated, 2);    // no third puzzle begun
    EXPECT_EQ(script.VerifyCalls, 1);  // the second was dropped before its check
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[1].Slot, 0);
    EXPECT_EQ(batch->CreateCounts[0], 2);
    EXPECT_EQ(batch->CreateCounts[2], 2);
}

TEST_F(DriverTest, StopDuringLayoutStoresNothing) {
    Request(4, 1);
    control.PollProgress = [&] { control.CancelRequested = true; };
    EXPECT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Cancelled);
    EXPECT_EQ(script.FillCalls, 0);
    EXPECT_EQ(lib->Counts.Total, 0);
}

TEST_F(DriverTest, BatchClearsAnEarlierStop) {
    Request(1, 1);
    control.CancelRequested = true;
    EXPECT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
    EXPECT_EQ(lib->Counts.Total, 1);
}

TEST_F(DriverTest, LargeOneAndFiveStarsUseCannedLayouts) {
    struct Case {
        TPuzzleSize size;
        int level;
        int generated, easy, hard;
    };
    const Case cases[] = {
        {TPuzzleSize::Large, 1, 0, 1, 0}, {TPuzzleSize::Large, 5, 0, 0, 1},
        {TPuzzleSize::Large, 2, 1, 0, 0}, {TPuzzleSize::Large, 4, 1, 0, 0},
        {TPuzzleSize::Mini, 1, 1, 0, 0},  {TPuzzleSize::Medium, 5, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << int(c.size) << " level " << c.level);
        script = TScript{};
        batch->SizeCode = static_cast<int>(c.size);
        Request(c.level, 1);
        ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
        EXPECT_EQ(script.Generated, c.generated);
        EXPECT_EQ(script.Easy, c.easy);
        EXPECT_EQ(script.Hard, c.hard);
        EXPECT_EQ(lib->Info(lib->Counts.Total).Size, static_cast<int>(c.size));
    }
}

TEST_F(DriverTest, FailedStepsRetryAsTheRulesSay) {
    struct Case {
        const char* what;
        std::deque<int> fills;
        std::deque<int> verifies;
        int layouts, fillCalls, verifyCalls;
    };
    const Case cases[] = {
        {"first fill succeeds", {kFillDone}, {}, 1, 1, 1},
        {"second fill on the same layout", {kFillFailed, kFillDone}, {}, 1, 2, 1},
        {"two failed fills take a new layout", {kFillFailed, kFillFailed, kFillDone}, {}, 2, 3, 1},
        {"an incomplete fill is not retried", {kFillIncomplete, kFillDone}, {}, 2, 2, 1},
        {"a failed check takes a new layout", {}, {1, 0}, 2, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        script = TScript{};
        script.FillResults = c.fills;
        script.VerifyFailures = c.verifies;
        Request(2, 1);
        ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
        EXPECT_EQ(script.Generated, c.layouts);
        EXPECT_EQ(script.FillCalls, c.fillCalls);
        EXPECT_EQ(script.VerifyCalls, c.verifyCalls);
        EXPECT_EQ(batch->Stats.Accepted, lib->Counts.Total);
    }
}

TEST_F(DriverTest, RejectedExportLeavesNothingInTheNextRecord) {
    script.StaleExport = true;
    script.VerifyFailures = {1};
    Request(3, 1);
    ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
    const TPuzzleGrid& stored = lib->Grid(1);
    EXPECT_EQ(stored.Sq[15][25].Kind, Outside);
    EXPECT_EQ(stored.Sq[8][12].Entry, 0);
    EXPECT_EQ(stored.Sq[0][0].AcrossTotal, 2);
}

TEST_F(DriverTest, RequestLimitsFollowTheStoredCount) {
    StoreExisting(95);
    // Five more in any mix of levels, then no sixth at any level.
    EXPECT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, 5));
    EXPECT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, 2));
    EXPECT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, 2));
    EXPECT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, 1));
    EXPECT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, 4));
    for (int level = 1; level <= 5; ++level)
        EXPECT_FALSE(CreateCountUp(batch->CreateCounts, lib->Counts, level));
    EXPECT_EQ(batch->CreateCounts[0], 5);
    EXPECT_EQ(batch->CreateCounts[2], 2);

    EXPECT_TRUE(CreateCountDown(batch->CreateCounts, 2));
    EXPECT_FALSE(CreateCountDown(batch->CreateCounts, 3));
    EXPECT_EQ(batch->CreateCounts[0], 4);
    EXPECT_TRUE(CreateCountUp(batch->CreateCounts, lib->Counts, 3));

    ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
    EXPECT_EQ(lib->Counts.Total, 100);
    EXPECT_EQ(lib->Info(100).Id, 100);
    EXPECT_FALSE(CreateCountUp(batch->CreateCounts, lib->Counts, 1));
}

TEST_F(DriverTest, LevelCountStopsAtOneHundred) {
    TCreateCounts counts = {0, 0, 0, 0, 0, 0};
    const TPuzzleCounts empty{};
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(CreateCountUp(counts, empty, 4));
    EXPECT_FALSE(CreateCountUp(counts, empty, 4));
    EXPECT_FALSE(CreateCountUp(counts, empty, 0));
    EXPECT_FALSE(CreateCountUp(counts, empty, 6));
    EXPECT_EQ(counts[4], 100);
}

TEST_F(DriverTest, BatchesThatDoNotFitAreRefusedUntouched) {
    struct Case {
        const char* what;
        std::int32_t total;
        TCreateCounts request;
    };
    const Case cases[] = {
        {"one too many", 95, {6, 0, 6, 0, 0, 0}},
        {"damaged high total", 250, {1, 1, 0, 0, 0, 0}},
        {"damaged negative total", -3, {1, 1, 0, 0, 0, 0}},
        {"negative request", 0, {0, 1, -1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        lib->Counts.Total = c.total;
        std::memcpy(batch->CreateCounts, c.request, sizeof c.request);
        EXPECT_NE(BatchProblem(batch->CreateCounts, lib->Counts), nullptr);
        EXPECT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Refused);
        EXPECT_EQ(lib->Counts.Total, c.total);
        EXPECT_EQ(script.Generated, 0);
        EXPECT_EQ(lastId, 0);
    }
    lib->Counts.Total = 0;
    batch->SizeCode = 4;  // no such size
    const TCreateCounts one = {1, 1, 0, 0, 0, 0};
    std::memcpy(batch->CreateCounts, one, sizeof one);
    EXPECT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Refused);
    EXPECT_EQ(lib->Counts.Total, 0);

    lib->Counts.Total = 95;
    const TCreateCounts fits = {5, 0, 5, 0, 0, 0};
    EXPECT_EQ(BatchProblem(fits, lib->Counts), nullptr);
}

// Damaged counters that the request check cannot see: no Id left, or a puzzle in the last slot
// above the stored total. The batch neither overwrites it nor counts a puzzle as stored.
TEST_F(DriverTest, ABatchStopsWhereTheSlotsLeaveNoIdOrRoom) {
    Request(1, 2);
    lastId = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Refused);
    EXPECT_EQ(script.Generated, 0);

    StoreExisting(98);
    lib->Info(100) = TPuzzleInfo{500, 3, 2, {0, 0}};
    EXPECT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Cancelled);
    EXPECT_EQ(lib->Info(99).Id, 0);
    EXPECT_EQ(lib->Info(100).Id, 500);
    EXPECT_EQ(lib->Counts.Total, 98);
    EXPECT_EQ(batch->CreateCounts[0], 2);
}

TEST_F(DriverTest, DamagedTotalAllowsNoRequestBeyondTheSlots) {
    lib->Counts.Total = 250;
    EXPECT_FALSE(CreateCountUp(batch->CreateCounts, lib->Counts, 1));
}

TEST(ProgressCaption, BlinksEveryStepOfAHundredThousandthOfADay) {
    struct Case {
        double start, now;
        const char* caption;
    };
    const double step = 1.0 / 100000.0;
    const Case cases[] = {
        {0.5, 0.5, ""},
        {0.5, 0.5 + 0.4 * step, ""},                  // rounds to 0
        {0.5, 0.5 + 0.6 * step, "Creating Puzzles"},  // rounds to 1
        {0.5, 0.5 + 1.0 * step, "Creating Puzzles"},
        {0.5, 0.5 + 2.0 * step, ""},
        {0.5, 0.5 + 7.0 * step, "Creating Puzzles"},
        {45000.25, 45000.25 + 3.0 * step, "Creating Puzzles"},
        {0.9, 0.9 - 1.0 * step, "Creating Puzzles"},  // a clock set back still blinks
    };
    for (const Case& c : cases)
        EXPECT_STREQ(ProgressCaption(c.start, c.now), c.caption) << c.now - c.start;
}

}  // namespace
}  // namespace xs
