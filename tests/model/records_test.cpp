// Loading, saving, change detection, appending and compaction of library slots.
#include "model/records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

namespace xs {
namespace {

struct Library : ::testing::Test {
    std::unique_ptr<TPuzzleLibrary> lib = std::make_unique<TPuzzleLibrary>();
    std::unique_ptr<TWorkingCopy> work = std::make_unique<TWorkingCopy>();

    void SetUp() override {
        std::memset(lib.get(), 0, sizeof *lib);
        std::memset(&work->CurrentPuzzle, 0, sizeof work->CurrentPuzzle);
    }
    // A grid marked with `tag` in every square so that copies can be traced.
    static TPuzzleGrid Tagged(int tag) {
        TPuzzleGrid g;
        std::memset(&g, 0, sizeof g);
        for (auto& row : g.Sq)
            for (auto& s : row) {
                s.Kind = White;
                s.SetAnswer(tag);
            }
        return g;
    }
};

TEST_F(Library, SizeCodesMapToDimensionsAndTexts) {
    EXPECT_EQ(SizeDims(0).Rows, 10);
    EXPECT_EQ(SizeDims(0).Cols, 16);
    EXPECT_EQ(SizeDims(1).Cols, 20);
    EXPECT_EQ(SizeDims(2).Rows, 16);
    EXPECT_EQ(SizeDims(3).Cols, 13);
    EXPECT_STREQ(SizeText(3), "9 x 13");
    EXPECT_STREQ(SizeText(2), "16 x 26");
    EXPECT_EQ(SizeDims(4).Rows, 0);
    TPuzzleDims dims{1, 2};
    SetPuzzleDims(dims, 9);
    EXPECT_EQ(dims.LastRow, 1);
    SetPuzzleDims(dims, 1);
    EXPECT_EQ(dims.LastRow, 11);
    EXPECT_EQ(dims.LastCol, 19);
}

TEST_F(Library, LoadingSmallAfterLargeLeavesTheRestUntouched) {
    lib->Grid(1) = Tagged(1);
    lib->Info(1) = {1, static_cast<std::uint8_t>(TPuzzleSize::Large), 1, {}};
    lib->Grid(2) = Tagged(2);
    lib->Info(2) = {2, static_cast<std::uint8_t>(TPuzzleSize::Small), 1, {}};
    LoadSlot(*lib, 1, *work);
    LoadSlot(*lib, 2, *work);
    EXPECT_EQ(work->PuzzleDims.LastRow, 9);
    EXPECT_EQ(work->PuzzleDims.LastCol, 15);
    EXPECT_EQ(work->CurrentPuzzle.Sq[9][15].Answer(), 2);
    EXPECT_EQ(work->CurrentPuzzle.Sq[10][0].Answer(), 1);
    EXPECT_EQ(work->CurrentPuzzle.Sq[0][16].Answer(), 1);
}

TEST_F(Library, LoadingABadSizeKeepsTheDimensionsInTheGrid) {
    lib->Grid(1) = Tagged(3);
    lib->Info(1) = {1, 200, 1, {}};
    work->PuzzleDims = {8, 12};
    LoadSlot(*lib, 1, *work);
    EXPECT_EQ(work->PuzzleDims.LastRow, 8);
    EXPECT_EQ(work->CurrentPuzzle.Sq[8][12].Answer(), 3);
    EXPECT_EQ(work->CurrentPuzzle.Sq[9][0].Answer(), 0);
}

TEST_F(Library, SaveCopiesOnlyTheRegion) {
    lib->Info(1) = {1, static_cast<std::uint8_t>(TPuzzleSize::Mini), 1, {}};
    work->CurrentPuzzle = Tagged(4);
    SetPuzzleDims(work->PuzzleDims, 3);
    SaveSlot(*lib, 1, *work);
    EXPECT_EQ(lib->Grid(1).Sq[8][12].Answer(), 4);
    EXPECT_EQ(lib->Grid(1).Sq[9][12].Answer(), 0);
    EXPECT_EQ(lib->Grid(1).Sq[8][13].Answer(), 0);
}

TEST_F(Library, IsModifiedLooksOnlyAtEntriesAndMarksOfWhiteSquares) {
    lib->Grid(1) = Tagged(5);
    lib->Grid(1).Sq[0][0].Kind = Black;
    lib->Info(1) = {1, static_cast<std::uint8_t>(TPuzzleSize::Mini), 1, {}};
    LoadSlot(*lib, 1, *work);
    EXPECT_FALSE(IsModified(*lib, 1, *work));
    work->CurrentPuzzle.Sq[0][3].Entry = 4;        // clue row
    work->CurrentPuzzle.Sq[3][0].Possible[0] = 1;  // clue column
    work->CurrentPuzzle.Sq[2][2].SetAnswer(9);     // not a player field
    work->CurrentPuzzle.Sq[9][2].Entry = 1;        // outside a Mini puzzle
    EXPECT_FALSE(IsModified(*lib, 1, *work));
    work->CurrentPuzzle.Sq[8][12].Possible[8] = 1;
    EXPECT_TRUE(IsModified(*lib, 1, *work));
    work->CurrentPuzzle.Sq[8][12].Possible[8] = 0;
    work->CurrentPuzzle.Sq[1][1].Entry = 3;
    EXPECT_TRUE(IsModified(*lib, 1, *work));
    work->CurrentPuzzle.Sq[1][1].Kind = Black;  // a Black square's entry is not progress
    EXPECT_FALSE(IsModified(*lib, 1, *work));
}

TEST_F(Library, AppendThenDeleteKeepsIdsAndOrder) {
    std::int32_t lastId = 15;
    for (int i = 1; i <= 15; ++i) {
        lib->Grid(i) = Tagged(i);
        lib->Info(i) = {i, 0, static_cast<std::uint8_t>(1 + i % 5), {9, 9}};
        lib->Counts.ByDifficulty[i % 5] += 1;
    }
    lib->Counts.Total = 15;
    const int slot = AppendPuzzle(*lib, lastId, Tagged(16), TPuzzleSize::Large, 4);
    EXPECT_EQ(slot, 16);
    EXPECT_EQ(lastId, 16);
    EXPECT_EQ(lib->Info(16).Id, 16);
    EXPECT_EQ(lib->Info(16).Size, 2);
    EXPECT_EQ(lib->Counts.Total, 16);
    EXPECT_EQ(lib->Counts.ByDifficulty[3], 4);

    bool remove[MaxPuzzles] = {};
    remove[2] = true;  // slot 3
    CompactLibrary(*lib, remove);
    EXPECT_EQ(lib->Counts.Total, 15);
    EXPECT_EQ(lib->Info(15).Id, 16);
    EXPECT_EQ(lib->Grid(15).Sq[5][5].Answer(), 16);
    EXPECT_EQ(lib->Info(3).Id, 4);
    EXPECT_EQ(lib->Info(2).Id, 2);
    EXPECT_EQ(lib->Info(16).Id, 0);
    EXPECT_EQ(lib->Info(3).Reserved[0], 0);
    int sum = 0;
    for (int n : lib->Counts.ByDifficulty) sum += n;
    EXPECT_EQ(sum, 15);
    EXPECT_EQ(lib->Counts.ByDifficulty[3], 3);  // slot 3 had 4 stars, the new one too
}

// The stored counters come from a file and may hold anything; the slots decide.
TEST_F(Library, AppendTrustsTheSlotsOverDamagedCounters) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* what;
        std::int32_t lastId;
        std::int32_t total;         // stored Total
        std::int32_t byDifficulty;  // stored in every ByDifficulty
        int stored;                 // puzzles in slots 1..stored, Ids 1..stored
        std::int32_t extraId;       // Id of one more puzzle in slot stored + 1; 0 for none
        int wantSlot;               // 0: refused
        std::int32_t wantId;
    };
    const Case cases[] = {
        {"consistent", 3, 3, 0, 3, 0, 4, 4},
        {"last Id behind the stored Ids", 0, 3, 0, 3, 0, 4, 4},
        {"negative last Id", -7, 3, 0, 3, 0, 4, 4},
        {"negative last Id, empty library", std::numeric_limits<std::int32_t>::min(), 0, 0, 0, 0, 1,
         1},
        {"total too small: the last stored puzzle is kept", 3, 0, 0, 3, 0, 4, 4},
        {"total far too large", 3, 5000, 0, 3, 0, 4, 4},
        {"negative total", 3, -1, 0, 3, 0, 4, 4},
        {"counts at their limit", 3, kMax, kMax, 3, 0, 4, 4},
        {"largest Id in a slot", 3, 4, 0, 3, kMax - 1, 5, kMax},
        {"last Id at the largest Id", kMax, 3, 0, 3, 0, 0, 0},
        {"largest Id stored", 3, 4, 0, 3, kMax, 0, 0},
        {"one Id left", kMax - 1, 3, 0, 3, 0, 4, kMax},
        {"every slot in use", 100, 100, 0, 100, 0, 0, 0},
        {"last slot in use behind a small total", 100, 99, 0, 99, 100, 0, 0},
        {"one slot left", 99, 99, 0, 99, 0, 100, 100},
        // A damaged Id keeps its slot: the new puzzle goes after it.
        {"damaged Id in the first slot", 0, 1, 0, 0, -5, 2, 1},
        {"damaged Id in the last slot used", 17, 18, 0, 17, -5, 19, 18},
        {"damaged Id in slot 100", 99, 100, 0, 99, -5, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        for (int slot = 1; slot <= c.stored; ++slot) lib->Info(slot) = {slot, 3, 2, {}};
        if (c.extraId != 0) lib->Info(c.stored + 1) = {c.extraId, 3, 5, {}};
        lib->Counts.Total = c.total;
        for (auto& n : lib->Counts.ByDifficulty) n = c.byDifficulty;
        const TPuzzleLibrary before = *lib;
        std::int32_t lastId = c.lastId;

        const int slot = AppendPuzzle(*lib, lastId, Tagged(77), TPuzzleSize::Mini, 1);
        EXPECT_EQ(slot, c.wantSlot);
        if (slot == 0) {
            EXPECT_EQ(lastId, c.lastId);
            EXPECT_EQ(std::memcmp(&before, lib.get(), sizeof before), 0);
            continue;
        }
        EXPECT_EQ(lastId, c.wantId);
        EXPECT_EQ(lib->Info(slot).Id, c.wantId);
        EXPECT_EQ(lib->Grid(slot).Sq[1][1].Answer(), 77);
        const int extra = c.extraId != 0 ? 1 : 0;
        const TPuzzleCounts want{c.stored + extra + 1, {1, c.stored, 0, 0, extra}};
        EXPECT_EQ(lib->Counts.Total, want.Total);
        for (int d = 0; d < 5; ++d) EXPECT_EQ(lib->Counts.ByDifficulty[d], want.ByDifficulty[d]);
    }
}

TEST_F(Library, CompactingADamagedCountStaysInsideTheLibrary) {
    lib->Counts.Total = 5000;
    bool remove[MaxPuzzles] = {};
    for (int i = 1; i <= MaxPuzzles; ++i) lib->Info(i) = {i, 0, 9, {}};
    remove[0] = true;
    CompactLibrary(*lib, remove);
    EXPECT_EQ(lib->Counts.Total, 99);
    EXPECT_EQ(lib->Info(1).Id, 2);
    for (int n : lib->Counts.ByDifficulty) EXPECT_EQ(n, 0);
}

}  // namespace
}  // namespace xs
