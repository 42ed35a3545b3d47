// Damaged slot contents are recognised before any reader follows them.
#include "model/slot_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace xs {
namespace {

// A sound Mini puzzle: one 2x2 white block at rows 1..2, columns 1..2, the rest black.
void MakeTinyMini(TPuzzleLibrary& lib, int slot) {
    TPuzzleGrid& g = lib.Grid(slot);
    std::memset(&g, 0, sizeof g);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 13; ++c) g.Sq[r][c].Kind = Black;
    const int answers[2][2] = {{1, 2}, {3, 1}};
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            g.Sq[r][c].Kind = White;
            g.Sq[r][c].SetAnswer(answers[r - 1][c - 1]);
        }
    g.Sq[1][0].AcrossTotal = 3;
    g.Sq[1][0].AcrossSquares = 2;
    g.Sq[2][0].AcrossTotal = 4;
    g.Sq[2][0].AcrossSquares = 2;
    g.Sq[0][1].DownTotal = 4;
    g.Sq[0][1].DownSquares = 2;
    g.Sq[0][2].DownTotal = 3;
    g.Sq[0][2].DownSquares = 2;
    lib.Info(slot) = {7, static_cast<std::uint8_t>(TPuzzleSize::Mini), 2, {}};
}

TEST(SlotCheck, SoundEmptyAndDamagedSlots) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::memset(lib.get(), 0, sizeof *lib);
    EXPECT_EQ(ClassifySlot(*lib, 1), TSlotState::Empty);
    EXPECT_EQ(ClassifySlot(*lib, 0), TSlotState::Damaged);
    EXPECT_EQ(ClassifySlot(*lib, 101), TSlotState::Damaged);
    MakeTinyMini(*lib, 1);
    EXPECT_EQ(ClassifySlot(*lib, 1), TSlotState::Valid) << SlotProblem(*lib, 1);

    struct Damage {
        const char* what;
        void (*apply)(TPuzzleLibrary&);
    };
    const Damage damages[] = {
        {"size 4", [](TPuzzleLibrary& l) { l.Info(1).Size = 4; }},
        {"difficulty 0", [](TPuzzleLibrary& l) { l.Info(1).Difficulty = 0; }},
        {"difficulty 6", [](TPuzzleLibrary& l) { l.Info(1).Difficulty = 6; }},
        {"kind 3", [](TPuzzleLibrary& l) { l.Grid(1).Sq[4][4].Kind = 3; }},
        {"outside in region", [](TPuzzleLibrary& l) { l.Grid(1).Sq[4][4].Kind = Outside; }},
        {"white border", [](TPuzzleLibrary& l) { l.Grid(1).Sq[0][5].Kind = White; }},
        {"run off the grid", [](TPuzzleLibrary& l) { l.Grid(1).Sq[1][0].AcrossSquares = 200; }},
        {"run onto black", [](TPuzzleLibrary& l) { l.Grid(1).Sq[1][0].AcrossSquares = 3; }},
        {"total 46", [](TPuzzleLibrary& l) { l.Grid(1).Sq[0][1].DownTotal = 46; }},
        {"total 0 with a run", [](TPuzzleLibrary& l) { l.Grid(1).Sq[0][1].DownTotal = 0; }},
        {"negative total", [](TPuzzleLibrary& l) { l.Grid(1).Sq[0][1].DownTotal = -3; }},
        {"entry 10", [](TPuzzleLibrary& l) { l.Grid(1).Sq[1][1].Entry = 10; }},
        {"answer 0", [](TPuzzleLibrary& l) { l.Grid(1).Sq[1][1].SetAnswer(0); }},
        {"answer off its totals", [](TPuzzleLibrary& l) { l.Grid(1).Sq[2][2].SetAnswer(2); }},
        {"Id -5", [](TPuzzleLibrary& l) { l.Info(1).Id = -5; }},
        {"Id -2^31", [](TPuzzleLibrary& l) { l.Info(1).Id = INT32_MIN; }},
    };
    for (const Damage& d : damages) {
        MakeTinyMini(*lib, 1);
        d.apply(*lib);
        EXPECT_EQ(ClassifySlot(*lib, 1), TSlotState::Damaged) << d.what;
        EXPECT_NE(SlotProblem(*lib, 1), nullptr) << d.what;
    }
}

// A grid of the size, Black but for an across run in the last row and a down run in the last
// column, both ending at the last square. A run marked `past` has its clue one square further on
// and keeps its length, so it ends one square past the region, on a White square planted there.
TPuzzleGrid EdgeRuns(int sizeCode, bool acrossPast, bool downPast) {
    TPuzzleGrid g;
    std::memset(&g, 0, sizeof g);
    const TSizeDims dims = SizeDims(sizeCode);
    const int lastRow = dims.Rows - 1;
    const int lastCol = dims.Cols - 1;
    for (int r = 0; r < dims.Rows; ++r)
        for (int c = 0; c < dims.Cols; ++c) g.Sq[r][c].Kind = Black;
    const auto white = [&g](int r, int c) {
        g.Sq[r][c].Kind = White;
        g.Sq[r][c].SetAnswer(1);
    };
    const int across = std::min(9, lastCol);
    const int acrossFrom = lastCol - across + (acrossPast ? 1 : 0);
    g.Sq[lastRow][acrossFrom].AcrossSquares = static_cast<std::uint8_t>(across);
    g.Sq[lastRow][acrossFrom].AcrossTotal = across;
    for (int k = 1; k <= across; ++k) white(lastRow, acrossFrom + k);
    const int down = std::min(9, lastRow);
    const int downFrom = lastRow - down + (downPast ? 1 : 0);
    g.Sq[downFrom][lastCol].DownSquares = static_cast<std::uint8_t>(down);
    g.Sq[downFrom][lastCol].DownTotal = down;
    for (int k = 1; k <= down; ++k) white(downFrom + k, lastCol);
    return g;
}

TEST(SlotCheck, RunsMayEndAtTheLastSquareButNotOnePast) {
    struct Case {
        bool acrossPast;
        bool downPast;
        bool sound;
    };
    const Case cases[] = {{false, false, true}, {true, false, false}, {false, true, false}};
    for (int size = 0; size <= 3; ++size) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << SizeText(size) << " across past " << c.acrossPast
                                            << ", down past " << c.downPast);
            // A Large grid fills the whole array: there is no square past it to plant.
            if (!c.sound && size == static_cast<int>(TPuzzleSize::Large)) continue;
            const char* problem = GridProblem(EdgeRuns(size, c.acrossPast, c.downPast), size);
            EXPECT_EQ(problem == nullptr, c.sound) << (problem ? problem : "sound");
        }
    }
}

TEST(SlotCheck, UsedSlotsClampsTheStoredTotal) {
    TPuzzleCounts c{};
    c.Total = -4;
    EXPECT_EQ(UsedSlots(c), 0);
    c.Total = 101;
    EXPECT_EQ(UsedSlots(c), 100);
    c.Total = 37;
    EXPECT_EQ(UsedSlots(c), 37);
}

}  // namespace
}  // namespace xs
