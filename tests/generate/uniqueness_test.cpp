// Generated puzzles checked by a solver that shares nothing with the generator: one solution each,
// and the layout and record rules that every stored puzzle must meet.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "generate/driver.h"
#include "support/exhaustive_solver.h"

namespace xs {
namespace {

using test::SolveExhaustively;

// ---------------------------------------------------------------------------------------------
// The exhaustive solver itself, on puzzles small enough to count by hand.

// A Mini puzzle whose interior rows are drawn as text: a digit is a White square holding that
// answer, anything else Black. Every run gets the total of its answers.
TPuzzleGrid FromPicture(std::initializer_list<const char*> rows) {
    TPuzzleGrid g;
    std::memset(&g, 0, sizeof g);
    const TSizeDims dims = SizeDims(static_cast<int>(TPuzzleSize::Mini));
    for (int r = 0; r < dims.Rows; ++r)
        for (int c = 0; c < dims.Cols; ++c) g.Sq[r][c].Kind = Black;
    int r = 1;
    for (const char* row : rows) {
        for (int c = 1; row[c - 1] != '\0'; ++c) {
            if (row[c - 1] < '1' || row[c - 1] > '9') continue;
            g.Sq[r][c].Kind = White;
            g.Sq[r][c].SetAnswer(row[c - 1] - '0');
        }
        ++r;
    }
    for (int rr = 0; rr < dims.Rows; ++rr) {
        for (int cc = 0; cc < dims.Cols; ++cc) {
            TSquare& sq = g.Sq[rr][cc];
            if (sq.Kind != Black) continue;
            for (int c = cc + 1; c < dims.Cols && g.Sq[rr][c].Kind == White; ++c) {
                ++sq.AcrossSquares;
                sq.AcrossTotal += g.Sq[rr][c].Answer();
            }
            for (int r2 = rr + 1; r2 < dims.Rows && g.Sq[r2][cc].Kind == White; ++r2) {
                ++sq.DownSquares;
                sq.DownTotal += g.Sq[r2][cc].Answer();
            }
        }
    }
    return g;
}

TEST(ExhaustiveSolver, CountsSolutionsOfHandBuiltPuzzles) {
    struct Case {
        const char* what;
        TPuzzleGrid grid;
        int expected;
    };
    TPuzzleGrid noSolution = FromPicture({"12", "31"});
    noSolution.Sq[2][0].AcrossTotal = 5;  // rows now add to 8, columns to 7
    TPuzzleGrid repeatNeeded = FromPicture({"12", "31"});
    repeatNeeded.Sq[1][0].AcrossTotal = 2;  // only 1 + 1 would do
    repeatNeeded.Sq[0][1].DownTotal = 3;
    const Case cases[] = {
        {"corner pair forced", FromPicture({"12", "31"}), 1},
        {"interchangeable rectangle", FromPicture({"12", "21"}), 2},
        {"totals that disagree", noSolution, 0},
        {"a total that needs a repeated digit", repeatNeeded, 0},
        {"three by three", FromPicture({"132", "214", "48."}), 1},
        {"a swap beside a run of nine", FromPicture({"123456789", "21"}), 2},
        {"nothing to fill", FromPicture({}), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = SolveExhaustively(c.grid, static_cast<int>(TPuzzleSize::Mini));
        EXPECT_EQ(result.Problem, nullptr);
        EXPECT_EQ(result.Solutions, c.expected);
    }
}

TEST(ExhaustiveSolver, ReportsTheSolutionItFound) {
    const TPuzzleGrid g = FromPicture({"132", "214", "48."});
    const auto result = SolveExhaustively(g, static_cast<int>(TPuzzleSize::Mini));
    ASSERT_EQ(result.Solutions, 1);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            if (g.Sq[r][c].Kind == White) {
                EXPECT_EQ(result.Digits[r][c], g.Sq[r][c].Answer());
            }
}

TEST(ExhaustiveSolver, RefusesRunsThatAreNotOnWhiteSquaresOfTheRegion) {
    TPuzzleGrid leaves = FromPicture({"12"});
    leaves.Sq[1][0].AcrossSquares = 13;  // past the last Mini column
    TPuzzleGrid overBlack = FromPicture({"12"});
    overBlack.Sq[0][1].DownSquares = 2;  // row 2 is Black
    for (const TPuzzleGrid* g : {&leaves, &overBlack}) {
        const auto result = SolveExhaustively(*g, static_cast<int>(TPuzzleSize::Mini));
        EXPECT_NE(result.Problem, nullptr);
        EXPECT_EQ(result.Solutions, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Puzzles from the real generator, every size and level, from fixed seeds.

// Longest run by level. Down runs are held to the block table's width-1 limit; an across run is
// a block one square high, so it may be as wide as the widest block of height 1 (5 at 2 stars).
constexpr int kMaxDown[6] = {0, 4, 4, 5, 6, 7};
constexpr int kMaxAcross[6] = {0, 4, 5, 5, 6, 7};
// Interior black squares allowed, by size code and level.
constexpr int kBlackMin[4][6] = {{0, 45, 40, 35, 30, 20},
                                 {0, 70, 60, 53, 48, 34},
                                 {0, 130, 110, 100, 90, 50},
                                 {0, 35, 30, 25, 20, 12}};
constexpr int kBlackMax[4][6] = {{0, 50, 45, 40, 35, 25},
                                 {0, 80, 70, 60, 53, 42},
                                 {0, 145, 130, 110, 100, 90},
                                 {0, 40, 35, 30, 25, 18}};

bool IsCanned(int sizeCode, int level) {
    return sizeCode == static_cast<int>(TPuzzleSize::Large) && (level == 1 || level == 5);
}

bool AllZero(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i)
        if (b[i] != 0) return false;
    return true;
}

// The record as stored: kinds, border, symmetry, lengths and totals that match the answers, the
// player's fields empty, nothing outside the size.
void CheckRecord(const TPuzzleGrid& g, int sizeCode, int level) {
    const TSizeDims dims = SizeDims(sizeCode);
    const int R = dims.Rows - 1;
    const int C = dims.Cols - 1;
    int blacks = 0;
    int longest[2] = {0, 0};  // across, down
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridCols; ++c) {
            SCOPED_TRACE(testing::Message() << "square " << r << "," << c);
            const TSquare& sq = g.Sq[r][c];
            if (r > R || c > C) {
                EXPECT_TRUE(AllZero(&sq, sizeof sq));
                continue;
            }
            ASSERT_TRUE(sq.Kind == Black || sq.Kind == White);
            EXPECT_TRUE(AllZero(sq.Reserved, sizeof sq.Reserved));
            EXPECT_EQ(sq.Entry, 0);
            EXPECT_TRUE(AllZero(sq.Possible, sizeof sq.Possible));
            if (r == 0 || c == 0) {
                EXPECT_EQ(sq.Kind, Black);
            } else {
                EXPECT_EQ(sq.Kind, g.Sq[R + 1 - r][C + 1 - c].Kind) << "not point-symmetric";
            }
            if (sq.Kind == White) {
                EXPECT_GE(sq.Answer(), 1);
                EXPECT_LE(sq.Answer(), 9);
                EXPECT_EQ(sq.DownTotal, 0);
                EXPECT_EQ(sq.AcrossSquares, 0);
                EXPECT_EQ(sq.DownSquares, 0);
                continue;
            }
            if (r > 0 && c > 0) ++blacks;
            // Each run is measured on the squares and compared with what the record says.
            for (const bool across : {true, false}) {
                int length = 0;
                int sum = 0;
                int seen = 0;
                bool repeated = false;
                for (int j = 1;; ++j) {
                    const int rr = across ? r : r + j;
                    const int cc = across ? c + j : c;
                    if (rr > R || cc > C || g.Sq[rr][cc].Kind != White) break;
                    const int d = g.Sq[rr][cc].Answer();
                    ++length;
                    sum += d;
                    if (d >= 1 && d <= 9) {
                        repeated = repeated || (seen & (1 << d)) != 0;
                        seen |= 1 << d;
                    }
                }
                const int stored = across ? sq.AcrossSquares : sq.DownSquares;
                const int total = across ? sq.AcrossTotal : sq.DownTotal;
                EXPECT_EQ(stored, length) << (across ? "across" : "down");
                if (length == 0) {
                    EXPECT_EQ(total, 0);
                    continue;
                }
                EXPECT_GE(length, 2);
                EXPECT_LE(length, 9);
                EXPECT_EQ(total, sum);
                EXPECT_FALSE(repeated);
                int& longestHere = longest[across ? 0 : 1];
                if (length > longestHere) longestHere = length;
            }
        }
    }
    if (IsCanned(sizeCode, level)) {
        EXPECT_LE(longest[0], level == 1 ? 4 : 7);
        EXPECT_LE(longest[1], level == 1 ? 4 : 7);
        EXPECT_GE(blacks, level == 1 ? 130 : 64);
        EXPECT_LE(blacks, level == 1 ? 151 : 79);
    } else {
        EXPECT_LE(longest[0], kMaxAcross[level]);
        EXPECT_LE(longest[1], kMaxDown[level]);
        EXPECT_GE(blacks, kBlackMin[sizeCode][level]);
        EXPECT_LE(blacks, kBlackMax[sizeCode][level]);
    }
}

void CheckSolvedOnce(const TPuzzleGrid& g, int sizeCode) {
    const auto result = SolveExhaustively(g, sizeCode);
    ASSERT_EQ(result.Problem, nullptr);
    ASSERT_EQ(result.Solutions, 1);
    const TSizeDims dims = SizeDims(sizeCode);
    for (int r = 1; r < dims.Rows; ++r)
        for (int c = 1; c < dims.Cols; ++c)
            if (g.Sq[r][c].Kind == White) {
                EXPECT_EQ(result.Digits[r][c], g.Sq[r][c].Answer()) << r << "," << c;
            }
}

struct TBatchRun {
    std::unique_ptr<TPuzzleLibrary> Lib = std::make_unique<TPuzzleLibrary>();
    std::unique_ptr<TCreationBatch> Batch = std::make_unique<TCreationBatch>();
    std::int32_t LastId = 0;
};

// Makes `count` puzzles of one size and level from a seed, through the batch loop.
void MakeBatch(TBatchRun& run, int sizeCode, int level, int count, std::uint64_t seed) {
    std::memset(run.Lib.get(), 0, sizeof *run.Lib);
    TRandom rng(seed);
    TGenControl control;
    control.Rng = &rng;
    run.Batch->SizeCode = sizeCode;
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(CreateCountUp(run.Batch->CreateCounts, run.Lib->Counts, level));
    ASSERT_EQ(run.Batch->Run(*run.Lib, run.LastId, control), TBatchResult::Done);
    ASSERT_EQ(run.Lib->Counts.Total, count);
}

constexpr int kPuzzlesPerCombination = 8;

struct TCombination {
    TPuzzleSize Size;
    int Level;
};

class GeneratedPuzzles : public ::testing::TestWithParam<TCombination> {};

TEST_P(GeneratedPuzzles, HaveOneSolutionAndAWellFormedRecord) {
    const int sizeCode = static_cast<int>(GetParam().Size);
    const int level = GetParam().Level;
    TBatchRun run;
    MakeBatch(run, sizeCode, level, kPuzzlesPerCombination,
              static_cast<std::uint64_t>(7919 + 100 * sizeCode + level));
    for (int slot = 1; slot <= kPuzzlesPerCombination; ++slot) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        const TPuzzleInfo& info = run.Lib->Info(slot);
        EXPECT_EQ(info.Id, slot);
        EXPECT_EQ(info.Size, sizeCode);
        EXPECT_EQ(info.Difficulty, level);
        CheckRecord(run.Lib->Grid(slot), sizeCode, level);
        CheckSolvedOnce(run.Lib->Grid(slot), sizeCode);
    }
}

std::string CombinationName(const testing::TestParamInfo<TCombination>& info) {
    static const char* const names[4] = {"Small", "Medium", "Large", "Mini"};
    return std::string(names[static_cast<int>(info.param.Size)]) + "Level" +
           std::to_string(info.param.Level);
}

constexpr TCombination kAllCombinations[] = {
    {TPuzzleSize::Mini, 1},   {TPuzzleSize::Mini, 2},   {TPuzzleSize::Mini, 3},
    {TPuzzleSize::Mini, 4},   {TPuzzleSize::Mini, 5},   {TPuzzleSize::Small, 1},
    {TPuzzleSize::Small, 2},  {TPuzzleSize::Small, 3},  {TPuzzleSize::Small, 4},
    {TPuzzleSize::Small, 5},  {TPuzzleSize::Medium, 1}, {TPuzzleSize::Medium, 2},
    {TPuzzleSize::Medium, 3}, {TPuzzleSize::Medium, 4}, {TPuzzleSize::Medium, 5},
    {TPuzzleSize::Large, 1},  {TPuzzleSize::Large, 2},  {TPuzzleSize::Large, 3},
    {TPuzzleSize::Large, 4},  {TPuzzleSize::Large, 5},
};

INSTANTIATE_TEST_SUITE_P(AllSizesAndLevels, GeneratedPuzzles, testing::ValuesIn(kAllCombinations),
                         CombinationName);

TEST(GeneratedPuzzlesFromOneSeed, AreTheSameEveryTime) {
    TBatchRun first;
    TBatchRun second;
    const int small = static_cast<int>(TPuzzleSize::Small);
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        MakeBatch(first, small, level, 2, 42);
        MakeBatch(second, small, level, 2, 42);
        EXPECT_EQ(std::memcmp(first.Lib.get(), second.Lib.get(), sizeof(TPuzzleLibrary)), 0);
    }
}

}  // namespace
}  // namespace xs
