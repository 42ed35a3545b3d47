// The solver check: what it accepts, what it rejects, and the record it writes.
#include "generate/verify.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "generate/fill.h"
#include "generate/fill_test_grid.h"
#include "generate/layout.h"

namespace xs {
namespace {

using test::TTestGrid;

// A 2 x 2 block whose totals leave one solution: 2 1 / 1 3.
TTestGrid SolvableBlock() {
    TTestGrid g{"BBB", "BWW", "BWW"};
    g.At(1, 0).AcrossTotal = 3;
    g.At(2, 0).AcrossTotal = 4;
    g.At(0, 1).DownTotal = 3;
    g.At(0, 2).DownTotal = 4;
    return g;
}

std::int32_t Verify(const TGridBounds& bounds, const TWorkGrid& work, TPuzzleGrid& puzzle) {
    std::int32_t failed = -1;
    VerifyAndExport(bounds, work, puzzle, failed);
    return failed;
}

TEST(VerifyAndExport, SolvesFromTheTotalsAloneAndLeavesTheWorkGridAlone) {
    TTestGrid g = SolvableBlock();
    const TWorkGrid before = g.Grid;
    TPuzzleGrid puzzle{};
    ASSERT_EQ(Verify(g.Bounds, g.Grid, puzzle), 0);
    EXPECT_EQ(std::memcmp(&before, &g.Grid, sizeof before), 0);
    EXPECT_EQ(puzzle.Sq[1][1].Answer(), 2);
    EXPECT_EQ(puzzle.Sq[1][2].Answer(), 1);
    EXPECT_EQ(puzzle.Sq[2][1].Answer(), 1);
    EXPECT_EQ(puzzle.Sq[2][2].Answer(), 3);
    EXPECT_EQ(puzzle.Sq[1][0].AcrossTotal, 3);
    EXPECT_EQ(puzzle.Sq[1][0].AcrossSquares, 2);
    EXPECT_EQ(puzzle.Sq[0][2].DownTotal, 4);
    EXPECT_EQ(puzzle.Sq[0][2].DownSquares, 2);
    EXPECT_EQ(puzzle.Sq[0][0].Kind, Black);
    EXPECT_EQ(puzzle.Sq[0][0].AcrossSquares + puzzle.Sq[0][0].DownSquares, 0);
}

TEST(VerifyAndExport, RejectsPuzzlesItCannotSolveAndOddInput) {
    struct Case {
        const char* name;
        std::function<void(TTestGrid&)> change;
    };
    const Case cases[] = {
        {"two solutions leave squares without a digit",
         [](TTestGrid& g) {
             g.At(2, 0).AcrossTotal = 3;
             g.At(0, 2).DownTotal = 3;
         }},
        {"no solution", [](TTestGrid& g) { g.At(1, 0).AcrossTotal = 5; }},
        {"run without a total", [](TTestGrid& g) { g.At(2, 0).AcrossTotal = 0; }},
        {"total too large", [](TTestGrid& g) { g.At(1, 0).AcrossTotal = 46; }},
        {"negative total", [](TTestGrid& g) { g.At(1, 0).AcrossTotal = -3; }},
        {"total without a run", [](TTestGrid& g) { g.At(0, 0).AcrossTotal = 5; }},
        {"run longer than the row", [](TTestGrid& g) { g.At(1, 0).AcrossLength = 30; }},
        {"negative run length", [](TTestGrid& g) { g.At(0, 1).DownLength = -1; }},
        {"clue link outside the grid", [](TTestGrid& g) { g.At(1, 2).AcrossClueCol = 25; }},
        {"negative clue link", [](TTestGrid& g) { g.At(2, 2).DownClueRow = -3; }},
        {"square of no kind", [](TTestGrid& g) { g.At(2, 2).Kind = Outside; }},
        {"unknown kind", [](TTestGrid& g) { g.At(0, 1).Kind = 7; }},
        {"white square in the clue column", [](TTestGrid& g) { g.At(1, 0).Kind = White; }},
        {"rows beyond the grid", [](TTestGrid& g) { g.Bounds.LastRow = kGridRows; }},
        {"columns beyond the grid", [](TTestGrid& g) { g.Bounds.LastCol = kGridCols; }},
        {"no interior", [](TTestGrid& g) { g.Bounds.LastRow = 0; }},
        {"wider than the layout", [](TTestGrid& g) { g.Bounds.LastCol = 5; }},
        {"digit 0 allowed", [](TTestGrid& g) { g.Bounds.MinDigit = 0; }},
        {"digit 10 allowed", [](TTestGrid& g) { g.Bounds.MaxDigit = 10; }},
    };
    for (const Case& c : cases) {
        TTestGrid g = SolvableBlock();
        c.change(g);
        TPuzzleGrid puzzle{};
        EXPECT_EQ(Verify(g.Bounds, g.Grid, puzzle), 1) << c.name;
    }
}

TGenControl ControlFor(TRandom& rng) {
    TGenControl control;
    control.Rng = &rng;
    return control;
}

TEST(VerifyAndExport, AcceptedSmallPuzzleHasTheShapeOfALibraryRecord) {
    TRandom rng(5);
    TGenControl control = ControlFor(rng);
    TGridBounds bounds;
    SetBoundsForSize(bounds, 0);
    TWorkGrid work{};
    int result = kFillFailed;
    for (int attempt = 0; attempt < 20 && result != kFillDone; ++attempt) {
        GenerateLayout(2, 0, bounds, work, control);
        result = FillPuzzle(2, 0, bounds, work, control);
    }
    ASSERT_EQ(result, kFillDone);
    TPuzzleGrid puzzle;
    std::memset(&puzzle, 0xA5, sizeof puzzle);  // whatever the caller's buffer held
    ASSERT_EQ(Verify(bounds, work, puzzle), 0);

    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridCols; ++c) {
            const TSquare& sq = puzzle.Sq[r][c];
            const TWorkCell& cell = work.Cell[r][c];
            EXPECT_EQ(sq.Entry, 0);
            for (int d = 1; d <= 9; ++d) EXPECT_FALSE(sq.IsPossible(d));
            EXPECT_EQ(sq.Reserved[0] | sq.Reserved[1] | sq.Reserved[2], 0);
            if (r > 9 || c > 15) {
                TSquare zero{};
                EXPECT_EQ(std::memcmp(&sq, &zero, sizeof sq), 0) << r << "," << c;
                continue;
            }
            ASSERT_EQ(sq.Kind, cell.Kind);
            if (sq.Kind == White) {
                EXPECT_EQ(sq.Answer(), cell.Digit);
                EXPECT_EQ(sq.DownTotal, 0);
                EXPECT_EQ(sq.AcrossSquares + sq.DownSquares, 0);
                continue;
            }
            EXPECT_EQ(sq.AcrossSquares, cell.AcrossLength);
            EXPECT_EQ(sq.DownSquares, cell.DownLength);
            // Each run, found from its clue by its length, adds up with distinct digits.
            int across = 0;
            unsigned seen = 0;
            for (int j = 1; j <= sq.AcrossSquares; ++j) {
                const int digit = puzzle.Sq[r][c + j].Answer();
                EXPECT_FALSE(seen >> digit & 1);
                seen |= 1u << digit;
                across += digit;
            }
            int down = 0;
            seen = 0;
            for (int j = 1; j <= sq.DownSquares; ++j) {
                const int digit = puzzle.Sq[r + j][c].Answer();
                EXPECT_FALSE(seen >> digit & 1);
                seen |= 1u << digit;
                down += digit;
            }
            EXPECT_EQ(sq.AcrossTotal, across) << r << "," << c;
            EXPECT_EQ(sq.DownTotal, down) << r << "," << c;
        }
    }
}

TEST(VerifyAndExport, RejectsEveryIncompleteFill) {
    TRandom rng(8);
    TGenControl control = ControlFor(rng);
    TGridBounds bounds;
    SetBoundsForSize(bounds, 3);
    TWorkGrid work{};
    int incomplete = 0;
    for (int attempt = 0; attempt < 40 && incomplete < 5; ++attempt) {
        GenerateLayout(5, 3, bounds, work, control);
        if (FillPuzzle(5, 3, bounds, work, control) != kFillIncomplete) continue;
        ++incomplete;
        TPuzzleGrid puzzle{};
        EXPECT_EQ(Verify(bounds, work, puzzle), 1);
    }
    EXPECT_GT(incomplete, 0);
}

}  // namespace
}  // namespace xs
