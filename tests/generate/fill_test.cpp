// The digit filler: its tables, how it picks runs and totals, and whole fills of small layouts.
#include "generate/fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "generate/fill_internal.h"
#include "generate/fill_tables.h"
#include "generate/fill_test_grid.h"
#include "generate/layout.h"
#include "generate/verify.h"

namespace xs {
namespace {

using test::TTestGrid;

TGenControl ControlFor(TRandom& rng) {
    TGenControl control;
    control.Rng = &rng;
    return control;
}

TDigitMask Possible(int n, int t) {
    TDigitFlags flags{};
    std::int32_t error = 0;
    LookupPossibleDigits(n, t, flags, error);
    EXPECT_EQ(error, 0) << n << "," << t;
    TDigitMask mask = 0;
    for (int d = 1; d <= 9; ++d)
        if (flags[d]) mask = static_cast<TDigitMask>(mask | 1u << d);
    return mask;
}

TEST(SeedPairTables, EveryPairForcesTheSquareWhereItsRunsCross) {
    int pairs = 0;
    for (const TSeedPairTable& table : SeedPairTables) {
        EXPECT_LE(table.ShortLength, table.LongLength);
        for (const TSeedPair& pair : table.Pairs) {
            const TDigitMask shared = static_cast<TDigitMask>(
                Possible(table.ShortLength, pair.Short) & Possible(table.LongLength, pair.Long));
            EXPECT_EQ(DigitCount(shared), 1)
                << int{table.ShortLength} << "," << int{table.LongLength} << ": ("
                << int{pair.Short} << "," << int{pair.Long} << ")";
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 25 + 17 + 13 + 11 + 11 + 14 + 12 + 10 + 4 + 8 + 4 + 3);
    EXPECT_TRUE(SeedPairs(2, 7).empty());
    EXPECT_EQ(SeedPairs(3, 6).size(), 4u);
}

TEST(ExtremeTotals, AreTheSmallestAndLargestSumsOfDistinctDigits) {
    for (int n = 2; n <= 8; ++n) {
        EXPECT_EQ(ExtremeTotals[n].Smallest, n * (n + 1) / 2);
        EXPECT_EQ(ExtremeTotals[n].Largest, 45 - (9 - n) * (10 - n) / 2);
    }
}

// Rows of white squares n x n below and right of the clue row and column.
TTestGrid OpenBlock(int n) {
    switch (n) {
        case 2:
            return TTestGrid{"BBB", "BWW", "BWW"};
        case 3:
            return TTestGrid{"BBBB", "BWWW", "BWWW", "BWWW"};
        default:
            return TTestGrid{"BBBBB", "BWWWW", "BWWWW", "BWWWW", "BWWWW"};
    }
}

TEST(ChooseTotal, OpenRunsGetTheTotalsOfTheirLevel) {
    struct Case {
        int level;
        int length;
        std::set<int> totals;
    };
    const Case cases[] = {
        {1, 2, {3, 4, 16, 17}},
        {4, 2, {3, 4, 16, 17}},
        {2, 3, {6, 7, 23, 24}},
        {3, 4, {10, 11, 29, 30}},
        {5, 2, {7, 8, 9, 10, 11, 12, 13}},
        {5, 3, {9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}},
        {5, 4, {10, 11, 29, 30}},
    };
    for (const Case& c : cases) {
        std::set<int> drawn;
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            TTestGrid g = OpenBlock(c.length);
            TPropagation p{g.Grid, g.Bounds};
            TRandom rng(seed);
            TGenControl control = ControlFor(rng);
            TFillState state;
            std::int32_t total = 0;
            ASSERT_EQ(ChooseTotal(c.level, {1, 0, TDirection::Across}, 0, state, p, control, total),
                      TChooseResult::Set);
            EXPECT_EQ(g.At(1, 0).AcrossTotal, total);
            drawn.insert(total);
        }
        EXPECT_EQ(drawn, c.totals) << "level " << c.level << ", length " << c.length;
    }
}

TEST(ChooseTotal, RetriesNeverDrawARejectedTotalAgain) {
    TTestGrid g = OpenBlock(2);
    const TWorkGrid fresh = g.Grid;
    TPropagation p{g.Grid, g.Bounds};
    TRandom rng(3);
    TGenControl control = ControlFor(rng);
    TFillState state;
    std::set<int> drawn;
    for (int tries = 0; tries < 4; ++tries) {
        g.Grid = fresh;
        std::int32_t total = 0;
        ASSERT_EQ(ChooseTotal(1, {1, 0, TDirection::Across}, tries, state, p, control, total),
                  TChooseResult::Set);
        EXPECT_EQ(state.TotalCounts[total], 0);
        drawn.insert(total);
    }
    EXPECT_EQ(drawn, (std::set<int>{3, 4, 16, 17}));
    g.Grid = fresh;
    std::int32_t total = 0;
    EXPECT_EQ(ChooseTotal(1, {1, 0, TDirection::Across}, 4, state, p, control, total),
              TChooseResult::Failed);
}

TEST(ChooseTotal, PrefersTheFewestAssignmentsAndAtTopLevelANearNeighbour) {
    // Candidates {1,2} and {1,2,3}: total 3 has two orders, totals 4 and 5 one each.
    for (int level = 1; level <= 5; ++level) {
        std::set<int> drawn;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            TTestGrid g = OpenBlock(2);
            g.SetCandidates(1, 1, "12");
            g.SetCandidates(1, 2, "123");
            TPropagation p{g.Grid, g.Bounds};
            TRandom rng(seed);
            TGenControl control = ControlFor(rng);
            TFillState state;
            std::int32_t total = 0;
            ChooseTotal(level, {1, 0, TDirection::Across}, 0, state, p, control, total);
            drawn.insert(total);
        }
        const std::set<int> expected = level == 5 ? std::set<int>{3} : std::set<int>{4, 5};
        EXPECT_EQ(drawn, expected) << level;
    }
}

// Ordered assignments by plain enumeration.
void Enumerate(const std::vector<unsigned>& sets, std::size_t k, unsigned used, int sum,
               std::vector<long>& counts) {
    if (k == sets.size()) {
        ++counts[static_cast<std::size_t>(sum)];
        return;
    }
    for (int d = 1; d <= 9; ++d)
        if ((sets[k] >> d & 1) && !(used >> d & 1))
            Enumerate(sets, k + 1, used | 1u << d, sum + d, counts);
}

TEST(CountTotals, AgreesWithEnumerationAndStopsAtTheCap) {
    TTestGrid g{"BBBBBBBBB", "BWWWWWWWW", "BWWWWWWWW"};
    TPropagation p{g.Grid, g.Bounds};
    std::int32_t counts[46];
    // Eight open squares: every total 36..44 has one digit set in 8! orders, above the cap.
    CountTotals(p, {1, 0, TDirection::Across}, counts);
    for (int t = 1; t <= 45; ++t) EXPECT_EQ(counts[t], t >= 36 && t <= 44 ? 30000 : 0) << t;

    std::uint64_t state = 11;
    auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<unsigned>(state >> 33);
    };
    for (int round = 0; round < 300; ++round) {
        TTestGrid h{"BBBBBBB", "BWWWWWW", "BWWWWWW"};
        std::vector<unsigned> sets;
        for (int k = 1; k <= 6; ++k) {
            std::string digits;
            for (int d = 1; d <= 9; ++d)
                if (next() % 3 != 0) digits += static_cast<char>('0' + d);
            h.SetCandidates(1, k, digits);
            sets.push_back(CandidateMask(h.At(1, k), h.Bounds));
        }
        TPropagation q{h.Grid, h.Bounds};
        CountTotals(q, {1, 0, TDirection::Across}, counts);
        std::vector<long> expected(46, 0);
        Enumerate(sets, 0, 0, 0, expected);
        for (int t = 1; t <= 45; ++t)
            ASSERT_EQ(counts[t], std::min<long>(expected[static_cast<std::size_t>(t)], 30000))
                << "round " << round << ", total " << t;
    }
}

TEST(ChooseNextRun, TakesNearlyFixedRunsFirstThenTheLastOfTheNarrowest) {
    struct Case {
        std::vector<std::pair<int, int>> downConstrained;  // column, count
        TRunRef expected;
    };
    const Case cases[] = {
        {{}, {4, 0, TDirection::Across}},
        {{{2, 2}}, {0, 2, TDirection::Down}},
        {{{1, 2}, {2, 2}}, {0, 2, TDirection::Down}},
        {{{1, 2}, {3, 3}, {4, 4}}, {0, 3, TDirection::Down}},
    };
    for (const Case& c : cases) {
        TTestGrid g = OpenBlock(4);
        for (auto [col, count] : c.downConstrained) g.At(0, col).DownConstrained = count;
        const TRunRef run = ChooseNextRun(g.Bounds, g.Grid);
        EXPECT_EQ(run.Row, c.expected.Row);
        EXPECT_EQ(run.Col, c.expected.Col);
        EXPECT_EQ(run.Dir, c.expected.Dir);
    }
    TTestGrid g = OpenBlock(2);
    for (const TRunRef run : {TRunRef{1, 0, TDirection::Across}, TRunRef{2, 0, TDirection::Across},
                              TRunRef{0, 1, TDirection::Down}, TRunRef{0, 2, TDirection::Down}})
        RunTotal(g.At(run.Row, run.Col), run.Dir) = 3;
    EXPECT_FALSE(ChooseNextRun(g.Bounds, g.Grid).Valid());
}

// A Mini-sized layout of twelve separate 2 x 2 blocks.
TTestGrid MiniBlocks() {
    return TTestGrid{"BBBBBBBBBBBBB", "BWWBWWBWWBWWB", "BWWBWWBWWBWWB",
                     "BBBBBBBBBBBBB", "BWWBWWBWWBWWB", "BWWBWWBWWBWWB",
                     "BBBBBBBBBBBBB", "BWWBWWBWWBWWB", "BWWBWWBWWBWWB"};
}

TEST(SeedCrossings, SeedsTheLevelsCountOfPairsFromTheTable) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        TTestGrid g = MiniBlocks();
        TPropagation p{g.Grid, g.Bounds};
        TRandom rng(seed);
        TGenControl control = ControlFor(rng);
        ASSERT_TRUE(SeedCrossings(4, 3, p, control));
        int seeded = 0;
        for (int r = 1; r <= 7; r += 3) {
            for (int c = 1; c <= 10; c += 3) {
                const TWorkCell& top = g.At(r - 1, c);
                const TWorkCell& left = g.At(r, c - 1);
                const TWorkCell& right = g.At(r - 1, c + 1);
                const TWorkCell& bottom = g.At(r + 1, c - 1);
                const int fixed = (top.DownTotal != 0) + (left.AcrossTotal != 0) +
                                  (right.DownTotal != 0) + (bottom.AcrossTotal != 0);
                ASSERT_TRUE(fixed == 0 || fixed == 2) << r << "," << c;
                if (fixed == 0) continue;
                ++seeded;
                // Equal lengths: the down run takes the pair's first total.
                const int down = top.DownTotal != 0 ? top.DownTotal : right.DownTotal;
                const int across = left.AcrossTotal != 0 ? left.AcrossTotal : bottom.AcrossTotal;
                bool inTable = false;
                for (const TSeedPair& pair : SeedPairs(2, 2))
                    inTable |= pair.Short == down && pair.Long == across;
                EXPECT_TRUE(inTable) << down << "," << across;
            }
        }
        EXPECT_EQ(seeded, SeedCountTable[3][4]) << "seed " << seed;
    }
}

// A Large grid of 42 white 2 x 2 blocks that meet only at their corners: each block takes one
// seeded pair, and no pair disturbs another.
TTestGrid CornerBlocks() {
    const std::string edge(26, 'B');
    std::string even = "B";
    std::string odd = "B";
    for (int j = 0; j < 6; ++j) {
        even += "WWBB";
        odd += "BBWW";
    }
    even += "B";
    odd += "B";
    return TTestGrid{edge, even, even, odd, odd, even, even, odd,
                     odd,  even, even, odd, odd, even, even, edge};
}

// The seeder takes its count from the size but probes the grid it is given, so the one roomy
// grid serves every size. The best of a few seeds reaches the count and none passes it (at Large
// 1 star about one seed in three finds 40 of the 42 blocks within the probes).
TEST(SeedCrossings, SeedsTheCountForItsSizeAndLevelAndGivesUpAfter201Probes) {
    const int expected[4][5] = {
        {20, 15, 15, 5, 0},   // Small
        {30, 20, 20, 10, 0},  // Medium
        {40, 30, 30, 15, 0},  // Large
        {15, 10, 10, 5, 0},   // Mini
    };
    for (int size = 0; size < 4; ++size) {
        for (int level = 1; level <= 5; ++level) {
            int most = 0;
            for (std::uint64_t seed = 1; seed <= 12; ++seed) {
                TTestGrid g = CornerBlocks();
                TPropagation p{g.Grid, g.Bounds};
                TRandom rng(seed);
                TGenControl control = ControlFor(rng);
                ASSERT_TRUE(SeedCrossings(level, size, p, control));
                int fixedRuns = 0;
                for (int r = 0; r <= g.Bounds.LastRow; ++r)
                    for (int c = 0; c <= g.Bounds.LastCol; ++c)
                        fixedRuns += (g.At(r, c).AcrossTotal != 0) + (g.At(r, c).DownTotal != 0);
                most = std::max(most, fixedRuns / 2);
            }
            EXPECT_EQ(most, expected[size][level - 1]) << "size " << size << ", level " << level;
        }
    }

    // Nothing to seed: one draw for the starting row, then one per probe.
    const std::string edge(26, 'B');
    TTestGrid black{edge, edge, edge, edge, edge, edge, edge, edge,
                    edge, edge, edge, edge, edge, edge, edge, edge};
    TPropagation p{black.Grid, black.Bounds};
    TRandom rng(5);
    TGenControl control = ControlFor(rng);
    ASSERT_TRUE(SeedCrossings(1, 0, p, control));
    TRandom twin(5);
    for (int draw = 0; draw < 1 + 201; ++draw) twin.Random(25);
    EXPECT_EQ(rng.Random(1 << 30), twin.Random(1 << 30));
}

TEST(SeedFullRuns, GivesEveryRunOfNineSquares45) {
    TTestGrid g{"BBBBBBBBBB", "BWWWWWWWWW", "BWWWWWWWWW", "BBBWWBBBBB", "BBBWWBBBBB"};
    TPropagation p{g.Grid, g.Bounds};
    ASSERT_TRUE(SeedFullRuns(p));
    EXPECT_EQ(g.At(1, 0).AcrossTotal, 45);
    EXPECT_EQ(g.At(2, 0).AcrossTotal, 45);
    EXPECT_EQ(g.At(0, 3).DownTotal, 0);
    EXPECT_EQ(g.At(0, 1).DownConstrained, 2);
}

// Every run of a filled grid adds up to its total with distinct digits.
void ExpectRunsAddUp(const TTestGrid& g) {
    for (int r = 0; r <= g.Bounds.LastRow; ++r) {
        for (int c = 0; c <= g.Bounds.LastCol; ++c) {
            const TWorkCell& clue = g.Grid.Cell[r][c];
            if (clue.Kind != Black) continue;
            for (const TDirection dir : {TDirection::Across, TDirection::Down}) {
                const TRunRef run{r, c, dir};
                int sum = 0;
                unsigned seen = 0;
                for (int j = 1; j <= RunLength(clue, dir); ++j) {
                    const TWorkCell& s = g.Grid.Cell[run.SquareRow(j)][run.SquareCol(j)];
                    ASSERT_TRUE(s.HasDigit);
                    EXPECT_FALSE(seen >> s.Digit & 1) << "repeat in run at " << r << "," << c;
                    seen |= 1u << s.Digit;
                    sum += s.Digit;
                }
                EXPECT_EQ(sum, RunTotal(clue, dir)) << r << "," << c;
            }
        }
    }
}

TTestGrid MiniLayout() {
    return TTestGrid{"BBBBBBBBBBBBB", "BWWWBBWWBWWWB", "BWWWWBWWWWWWB",
                     "BBWWWWWBWWBBB", "BWWBWWWWWBWWB", "BWWBWWWWWBWWB",
                     "BBBWWBWWWWWBB", "BWWWWWWBWWWWB", "BWWWBWWBBWWWB"};
}

TEST(FillPuzzle, FilledGridsAddUpAndRepeatForTheSameSeed) {
    int done = 0;
    for (int level = 1; level <= 5; ++level) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            TTestGrid g = MiniLayout();
            TRandom rng(seed);
            int polls = 0;
            TGenControl control = ControlFor(rng);
            control.PollProgress = [&polls] { ++polls; };
            const int result = FillPuzzle(level, 3, g.Bounds, g.Grid, control);
            ASSERT_TRUE(result == kFillDone || result == kFillFailed || result == kFillIncomplete);
            TTestGrid again = MiniLayout();
            TRandom rng2(seed);
            TGenControl control2 = ControlFor(rng2);
            EXPECT_EQ(FillPuzzle(level, 3, again.Bounds, again.Grid, control2), result);
            EXPECT_EQ(std::memcmp(&again.Grid, &g.Grid, sizeof g.Grid), 0);
            if (result != kFillDone) continue;
            ++done;
            EXPECT_GT(polls, 0);
            ExpectRunsAddUp(g);
        }
    }
    EXPECT_GT(done, 0);
}

// The whole path on layouts the program makes: every fill that the solver check accepts has
// runs that add up with distinct digits, both in the work grid and in the exported record.
TEST(FillPuzzle, GeneratedLayoutsOfEverySizeAndLevelFillCorrectly) {
    const char* const names[] = {"Small", "Medium", "Large", "Mini"};
    for (int size = 0; size <= 3; ++size) {
        for (int level = 1; level <= 5; ++level) {
            TRandom rng(static_cast<std::uint64_t>(100 * size + level));
            TGenControl control = ControlFor(rng);
            TGridBounds bounds;
            SetBoundsForSize(bounds, size);
            TTestGrid g{"B"};
            g.Bounds = bounds;
            int accepted = 0;
            for (int layout = 0; layout < 60 && accepted < 2; ++layout) {
                if (size == 2 && level == 1)
                    PickCannedLayoutEasy(bounds, g.Grid, control);
                else if (size == 2 && level == 5)
                    PickCannedLayoutHard(size, bounds, g.Grid, control);
                else
                    GenerateLayout(level, size, bounds, g.Grid, control);
                int result = kFillFailed;
                for (int fill = 0; fill < 2 && result == kFillFailed; ++fill)
                    result = FillPuzzle(level, size, bounds, g.Grid, control);
                if (result != kFillDone) continue;
                ExpectRunsAddUp(g);
                TPuzzleGrid puzzle{};
                std::int32_t failed = 1;
                VerifyAndExport(bounds, g.Grid, puzzle, failed);
                if (failed) continue;
                ++accepted;
                for (int r = 1; r <= bounds.LastRow; ++r) {
                    for (int c = 1; c <= bounds.LastCol; ++c) {
                        if (g.At(r, c).Kind == White) {
                            ASSERT_EQ(puzzle.Sq[r][c].Answer(), g.At(r, c).Digit);
                        }
                    }
                }
            }
            EXPECT_EQ(accepted, 2) << names[size] << " " << level << " stars";
        }
    }
}

TEST(FillPuzzle, StopsAtTheFirstPollThatAsksToCancel) {
    TTestGrid g = MiniLayout();
    TRandom rng(1);
    int polls = 0;
    TGenControl control = ControlFor(rng);
    control.PollProgress = [&] {
        ++polls;
        control.CancelRequested = true;
    };
    EXPECT_NE(FillPuzzle(1, 3, g.Bounds, g.Grid, control), kFillDone);
    EXPECT_EQ(polls, 1);
}

TEST(FillPuzzle, RefusesInputItCannotFill) {
    TTestGrid g = MiniLayout();
    TRandom rng(1);
    TGenControl control = ControlFor(rng);
    EXPECT_EQ(FillPuzzle(0, 3, g.Bounds, g.Grid, control), kFillFailed);
    EXPECT_EQ(FillPuzzle(6, 3, g.Bounds, g.Grid, control), kFillFailed);
    EXPECT_EQ(FillPuzzle(1, 4, g.Bounds, g.Grid, control), kFillFailed);
    TGridBounds wide = g.Bounds;
    wide.LastCol = kGridCols;
    EXPECT_EQ(FillPuzzle(1, 3, wide, g.Grid, control), kFillFailed);
    g.At(3, 0).Kind = White;
    EXPECT_EQ(FillPuzzle(1, 3, g.Bounds, g.Grid, control), kFillFailed);
}

}  // namespace
}  // namespace xs
