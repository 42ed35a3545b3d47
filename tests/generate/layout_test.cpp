// Tests of the layout generator and the canned layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "generate/canned_layouts.h"
#include "generate/layout.h"
#include "generate/layout_internal.h"

namespace xs {
namespace {

using layout::kBlack;
using layout::kUndecided;
using layout::kWhite;
using layout::TLayout;

constexpr int kSmall = 0;
constexpr int kLarge = 2;
constexpr int kMini = 3;

TGridBounds BoundsFor(int sizeCode) {
    TGridBounds b;
    SetBoundsForSize(b, sizeCode);
    return b;
}

// The longest across and down runs of a work grid's layout, and whether every run is 2..9 long.
struct TRunStats {
    int LongestAcross = 0;
    int LongestDown = 0;
    bool AllRunsTwoToNine = true;
};

TRunStats RunStats(const TWorkGrid& w, const TGridBounds& b) {
    TRunStats s;
    auto end = [&s](int& run, int& longest) {
        if (run == 1 || run > 9) s.AllRunsTwoToNine = false;
        if (run > longest) longest = run;
        run = 0;
    };
    for (int r = 1; r <= b.LastRow; ++r) {
        int run = 0;
        for (int c = 1; c <= b.LastCol; ++c) {
            if (w.Cell[r][c].Kind == 2) {
                ++run;
            } else {
                end(run, s.LongestAcross);
            }
        }
        end(run, s.LongestAcross);
    }
    for (int c = 1; c <= b.LastCol; ++c) {
        int run = 0;
        for (int r = 1; r <= b.LastRow; ++r) {
            if (w.Cell[r][c].Kind == 2) {
                ++run;
            } else {
                end(run, s.LongestDown);
            }
        }
        end(run, s.LongestDown);
    }
    return s;
}

// The widest all-white rectangle one square tall that the level's limits allow.
int WidestRun(int level) {
    int w = 1;
    while (w < 9 && layout::BlockLimits[level - 1][w] > 0) ++w;
    return w;
}

TEST(GenerateLayout, AcceptedLayoutsOfEverySizeAndLevelHaveTheirProperties) {
    static TWorkGrid work;
    for (int size = 0; size < 4; ++size) {
        const TGridBounds b = BoundsFor(size);
        for (int level = 1; level <= 5; ++level) {
            for (std::uint64_t seed = 1; seed <= 2; ++seed) {
                SCOPED_TRACE("size " + std::to_string(size) + " level " + std::to_string(level) +
                             " seed " + std::to_string(seed));
                TRandom rng(seed * 100 + static_cast<std::uint64_t>(size * 10 + level));
                TGenControl control;
                control.Rng = &rng;
                std::memset(&work, 0, sizeof work);
                GenerateLayout(level, size, b, work, control);

                int black = 0;
                for (int r = 0; r <= b.LastRow; ++r) {
                    for (int c = 0; c <= b.LastCol; ++c) {
                        const int kind = work.Cell[r][c].Kind;
                        ASSERT_TRUE(kind == 1 || kind == 2) << r << "," << c;
                        if (r == 0 || c == 0) {
                            EXPECT_EQ(kind, 1) << r << "," << c;
                            continue;
                        }
                        EXPECT_EQ(kind, work.Cell[b.LastRow + 1 - r][b.LastCol + 1 - c].Kind)
                            << r << "," << c;
                        if (kind == 1) ++black;
                    }
                }
                const layout::TCountRange range = layout::BlackCountRange[size][level - 1];
                EXPECT_GE(black, range.Min);
                EXPECT_LE(black, range.Max);
                const TRunStats runs = RunStats(work, b);
                EXPECT_TRUE(runs.AllRunsTwoToNine);
                EXPECT_LE(runs.LongestDown, layout::BlockLimits[level - 1][0]);
                // Across, a run is bounded by the widest rectangle one square tall; at 2 stars
                // that is one more than the longest down run.
                EXPECT_LE(runs.LongestAcross, WidestRun(level));
                // Nothing outside the puzzle is written.
                if (b.LastRow + 1 < kGridRows) {
                    EXPECT_EQ(work.Cell[b.LastRow + 1][0].Kind, 0);
                }
                if (b.LastCol + 1 < kGridCols) {
                    EXPECT_EQ(work.Cell[0][b.LastCol + 1].Kind, 0);
                }
            }
        }
    }
}

TEST(GenerateLayout, SameSeedGivesSameLayout) {
    static TWorkGrid first;
    static TWorkGrid second;
    const TGridBounds b = BoundsFor(kSmall);
    for (int level = 1; level <= 5; ++level) {
        std::memset(&first, 0, sizeof first);
        std::memset(&second, 0, sizeof second);
        TRandom rngA(42);
        TRandom rngB(42);
        TGenControl a;
        a.Rng = &rngA;
        TGenControl c;
        c.Rng = &rngB;
        GenerateLayout(level, kSmall, b, first, a);
        GenerateLayout(level, kSmall, b, second, c);
        EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0) << "level " << level;
        // The sources moved in step.
        EXPECT_EQ(rngA.Random(1000000), rngB.Random(1000000));
    }
}

// Layouts from fixed seeds, folded into one number: any change in the order of the random draws
// or in a rule shows here.
TEST(GenerateLayout, FixedSeedsGiveTheRecordedLayouts) {
    static TWorkGrid work;
    std::uint64_t hash = 1469598103934665603ULL;
    for (int size = 0; size < 4; ++size) {
        const TGridBounds b = BoundsFor(size);
        for (int level = 1; level <= 5; ++level) {
            TRandom rng(static_cast<std::uint64_t>(1000 + size * 10 + level));
            TGenControl control;
            control.Rng = &rng;
            GenerateLayout(level, size, b, work, control);
            for (int r = 0; r <= b.LastRow; ++r) {
                for (int c = 0; c <= b.LastCol; ++c) {
                    hash = (hash ^ work.Cell[r][c].Kind) * 1099511628211ULL;
                }
            }
        }
    }
    EXPECT_EQ(hash, 0x0fe8a1797f258db7ULL);
}

TEST(GenerateLayout, StopDuringTheSearchLeavesTheWorkGridUntouched) {
    static TWorkGrid work;
    static TWorkGrid before;
    const TGridBounds b = BoundsFor(kLarge);
    for (int stopAfter : {0, 1, 5}) {
        std::memset(&work, 0x5A, sizeof work);
        std::memcpy(&before, &work, sizeof work);
        TRandom rng(7);
        TGenControl control;
        control.Rng = &rng;
        int polls = 0;
        control.CancelRequested = stopAfter == 0;
        control.PollProgress = [&] {
            ++polls;
            if (polls == stopAfter) control.CancelRequested = true;
        };
        GenerateLayout(1, kLarge, b, work, control);
        EXPECT_EQ(polls, stopAfter == 0 ? 1 : stopAfter);
        EXPECT_EQ(std::memcmp(&work, &before, sizeof work), 0) << "stop after " << stopAfter;
    }
}

// A stop asked at the poll of the attempt that found a layout wins: the caller drops the puzzle,
// so the work grid keeps what it had.
TEST(GenerateLayout, StopAtTheAcceptingAttemptWritesNothing) {
    static TWorkGrid work;
    TRandom rng(3);
    TGenControl control;
    control.Rng = &rng;
    int polls = 0;
    control.PollProgress = [&] { ++polls; };
    GenerateLayout(1, kSmall, BoundsFor(kSmall), work, control);
    ASSERT_GT(polls, 1);

    // The same seed runs the same attempts, one poll each.
    static TWorkGrid untouched;
    std::memset(&untouched, 0, sizeof untouched);
    TRandom again(3);
    TGenControl stopping;
    stopping.Rng = &again;
    int seen = 0;
    stopping.PollProgress = [&] {
        if (++seen == polls) stopping.CancelRequested = true;
    };
    GenerateLayout(1, kSmall, BoundsFor(kSmall), untouched, stopping);
    EXPECT_EQ(seen, polls);
    EXPECT_EQ(untouched.Cell[0][0].Kind, 0);
    EXPECT_EQ(untouched.Cell[1][1].Kind, 0);
}

// A Large layout grid at the level with every interior square black.
TLayout AllBlack(int level) {
    TLayout L;
    layout::InitLayout(L, level, 15, 25);
    for (int r = 1; r <= L.R; ++r) {
        for (int c = 1; c <= L.C; ++c) L.Set(r, c, kBlack);
    }
    return L;
}

void Paint(TLayout& L, std::uint8_t colour, int top, int left, int height, int width) {
    for (int r = top; r < top + height; ++r) {
        for (int c = left; c < left + width; ++c) L.Set(r, c, colour);
    }
}

TEST(CheckBlocks, WhiteAreasAgainstTheLevelsLimits) {
    struct Case {
        int Level, Top, Left, Height, Width;
        bool Accepted;
    };
    const Case cases[] = {
        {1, 3, 5, 1, 4, true},    // the longest run across at one star
        {1, 3, 5, 1, 5, false},   // a run of five across
        {1, 2, 5, 4, 1, true},    // the longest run down
        {1, 2, 5, 5, 1, false},   // a run of five down
        {1, 3, 5, 2, 2, true},    // two by two
        {1, 3, 5, 3, 2, false},   // two wide, three tall
        {1, 3, 5, 2, 3, false},   // three wide, two tall
        {5, 2, 5, 5, 2, true},    // two wide, five tall
        {5, 2, 5, 6, 2, false},   // two wide, six tall
        {5, 4, 5, 1, 7, true},    // seven across
        {5, 4, 5, 1, 8, false},   // eight across
        {5, 1, 5, 9, 1, false},   // a down run past the longest
        {5, 8, 5, 8, 1, false},   // ... down to the last row
        {1, 8, 5, 1, 5, false},   // the last row of the upper half is still checked
        {1, 9, 5, 1, 5, true},    // the lower half is the mirror's business
        {3, 2, 20, 2, 3, true},   // three wide, two tall at three stars
        {3, 2, 20, 3, 3, false},  // three wide, three tall
    };
    for (const Case& k : cases) {
        TLayout L = AllBlack(k.Level);
        Paint(L, kWhite, k.Top, k.Left, k.Height, k.Width);
        EXPECT_EQ(layout::CheckBlocks(L), k.Accepted)
            << "level " << k.Level << " at " << k.Top << "," << k.Left << " " << k.Width << " wide "
            << k.Height << " tall";
    }
}

// White areas made of runs of different lengths that start in different columns, so that the
// rectangle breaking a limit begins inside a run rather than at its first square. Verdicts for
// levels 1..5: A accepted, R rejected.
TEST(CheckBlocks, StaggeredRunsAgainstTheLimitsOfEachLevel) {
    struct Case {
        std::vector<std::string> Rows;  // from row 2, column 4; W white
        const char* Verdicts;
    };
    const Case cases[] = {
        {{"WWW...", "..WWWW", "WWW...", "..WWWW", "WWW..."}, "RRAAA"},  // one column 5 tall
        {{"WWW...", "..WWWW", "WWW...", "..WWWW", "WWW...", "..WWWW"}, "RRRAA"},
        {{"WWW...", "..WWWW", "WWW...", "..WWWW", "WWW...", "..WWWW", "WWW..."}, "RRRRA"},
        {{"WWWW..", "..WW..", ".WWW.."}, "RAAAA"},            // 2 wide, 3 tall
        {{"WWWW..", "..WW..", ".WWW..", "..WWWW"}, "RRRAA"},  // 2 wide, 4 tall
        {{"WWWW..", "..WW..", ".WWW..", "..WWWW", "..WW..", ".WWW.."}, "RRRRR"},
        {{".WWWW", "WWWW."}, "RAAAA"},           // 3 wide, 2 tall
        {{".WWWW", "WWWW.", ".WWW."}, "RRRAA"},  // 3 wide, 3 tall
        {{"WWWWW.", ".WWWWW"}, "RRRAA"},         // 4 wide, 2 tall
        {{"WWWWWWW..", "...WWWWW."}, "RRRRA"},   // 7 across over 5
    };
    for (const Case& k : cases) {
        for (int level = 1; level <= 5; ++level) {
            // Row by row with a check after each, as the generator grows a layout: the row
            // that breaks a limit may lie well below the rectangle's top.
            TLayout L = AllBlack(level);
            bool accepted = true;
            for (std::size_t i = 0; i < k.Rows.size(); ++i) {
                for (std::size_t j = 0; j < k.Rows[i].size(); ++j) {
                    if (k.Rows[i][j] == 'W')
                        L.Set(2 + static_cast<int>(i), 4 + static_cast<int>(j), kWhite);
                }
                accepted = layout::CheckBlocks(L);
            }
            EXPECT_EQ(accepted, k.Verdicts[level - 1] == 'A')
                << "case " << &k - cases << ", level " << level;
        }
    }
}

TEST(CheckBlocks, UndecidedSquaresEndARun) {
    TLayout L = AllBlack(1);
    Paint(L, kWhite, 3, 5, 1, 6);
    L.Set(3, 8, kUndecided);
    EXPECT_TRUE(layout::CheckBlocks(L));
}

// The block check square by square: the tallest all-white rectangle of each width below every
// white square of the upper half.
bool PlainCheckBlocks(const TLayout& L) {
    auto down = [&L](int r, int c) {
        int n = 0;
        while (r + n <= L.R && L.IsWhite(r + n, c)) ++n;
        return n;
    };
    for (int r = 1; r <= L.R / 2 + 1; ++r) {
        for (int c = 1; c <= L.C; ++c) {
            if (!L.IsWhite(r, c)) continue;
            int across = 0;
            while (L.IsWhite(r, c + across)) ++across;
            if (across > 9 || down(r, c) > 9) return false;
            int h = down(r, c);
            for (int w = 1; w <= across; ++w) {
                h = std::min(h, down(r, c + w - 1));
                if (h > layout::BlockLimits[L.Level - 1][w - 1]) return false;
            }
        }
    }
    return true;
}

// CheckBlocks looks only near rows that gained white squares since it last passed; taking back
// squares that failed, as the row builder does, must not hide anything from it.
TEST(CheckBlocks, AgreesWithASquareBySquareCheckWhileALayoutGrows) {
    for (int level = 1; level <= 5; ++level) {
        for (int size = 0; size < 4; ++size) {
            const TGridBounds b = BoundsFor(size);
            TRandom rng(static_cast<std::uint64_t>(level * 10 + size));
            TLayout L;
            layout::InitLayout(L, level, b.LastRow, b.LastCol);
            int fails = 0;
            for (int step = 0; step < 400; ++step) {
                const int r = 1 + rng.Random(b.LastRow);
                const int c = 1 + rng.Random(b.LastCol);
                if (L.IsDecided(r, c)) continue;
                const layout::TLayoutRows saved = L.Rows;
                layout::SetSymmetric(L, rng.Random(8) == 0 ? kBlack : kWhite, r, c);
                const bool expected = PlainCheckBlocks(L);
                ASSERT_EQ(layout::CheckBlocks(L), expected)
                    << "level " << level << " size " << size << " step " << step;
                if (!expected) {
                    ++fails;
                    L.Rows = saved;
                }
            }
            EXPECT_GT(fails, 0) << "level " << level << " size " << size;
        }
    }
}

TEST(PlaceSquare, LocalRules) {
    // White between two blacks becomes black.
    {
        TLayout L;
        layout::InitLayout(L, 5, 15, 25);
        layout::SetSymmetric(L, kBlack, 4, 9);
        layout::SetSymmetric(L, kBlack, 4, 11);
        EXPECT_TRUE(layout::PlaceSquare(L, kWhite, 4, 10));
        EXPECT_TRUE(L.IsBlack(4, 10));
        EXPECT_TRUE(L.IsBlack(12, 16));  // the mirror
    }
    // A black two squares from another black closes the gap, on both sides of the centre.
    {
        TLayout L;
        layout::InitLayout(L, 5, 15, 25);
        layout::SetSymmetric(L, kBlack, 3, 7);
        EXPECT_TRUE(layout::PlaceSquare(L, kBlack, 3, 5));
        EXPECT_TRUE(L.IsBlack(3, 6));
        EXPECT_TRUE(L.IsBlack(13, 20));
    }
    // ... unless the gap is already white.
    {
        TLayout L;
        layout::InitLayout(L, 5, 15, 25);
        layout::SetSymmetric(L, kBlack, 3, 7);
        layout::SetSymmetric(L, kWhite, 3, 6);
        EXPECT_FALSE(layout::PlaceSquare(L, kBlack, 3, 5));
    }
    // A white square after a black one takes a white partner on its right and below the border.
    {
        TLayout L;
        layout::InitLayout(L, 5, 15, 25);
        EXPECT_TRUE(layout::PlaceSquare(L, kWhite, 1, 1));
        EXPECT_TRUE(L.IsWhite(1, 2));
        EXPECT_TRUE(L.IsWhite(2, 1));
        EXPECT_TRUE(L.IsWhite(15, 24));
    }
    // A decided square does not change colour.
    {
        TLayout L;
        layout::InitLayout(L, 5, 15, 25);
        layout::SetSymmetric(L, kWhite, 5, 5);
        EXPECT_FALSE(layout::PlaceSquare(L, kBlack, 5, 5));
    }
    // A run at the level's longest is closed by the next square.
    {
        TLayout L;
        layout::InitLayout(L, 1, 15, 25);
        for (int c = 1; c <= 3; ++c) layout::SetSymmetric(L, kWhite, 2, c);
        EXPECT_TRUE(layout::PlaceSquare(L, kWhite, 2, 4));
        EXPECT_TRUE(L.IsBlack(2, 5));
    }
}

// A Large layout grid at level 1 with every interior square white.
TLayout AllWhite() {
    TLayout L;
    layout::InitLayout(L, 1, 15, 25);
    Paint(L, kWhite, 1, 1, 15, 25);
    return L;
}

TEST(Erosion, BlackSquaresTouchingAtACornerAreBothRemoved) {
    TLayout L = AllWhite();
    Paint(L, kBlack, 6, 9, 1, 1);
    Paint(L, kBlack, 7, 10, 1, 1);
    EXPECT_TRUE(layout::ErosionAccepts(L));
    layout::ErodeLayout(L);
    EXPECT_TRUE(L.IsWhite(6, 9));
    EXPECT_TRUE(L.IsWhite(7, 10));
}

TEST(Erosion, DiagonalChainFromTopToBottomSurvivesAndRejects) {
    TLayout L = AllWhite();
    for (int r = 1; r <= 15; ++r) Paint(L, kBlack, r, r + 4, 1, 1);
    EXPECT_FALSE(layout::ErosionAccepts(L));
    layout::ErodeLayout(L);
    for (int r = 1; r <= 15; ++r) EXPECT_TRUE(L.IsBlack(r, r + 4)) << r;
}

TEST(Erosion, BlackBarsAndBlocksWearAway) {
    TLayout L = AllWhite();
    Paint(L, kBlack, 4, 4, 1, 5);   // a bar across
    Paint(L, kBlack, 8, 12, 2, 2);  // a block
    EXPECT_TRUE(layout::ErosionAccepts(L));
}

// An accepted Large 5-star layout from a fixed seed.
TLayout AcceptedLayout() {
    TRandom rng(21);
    TGenControl control;
    control.Rng = &rng;
    TLayout L;
    while (!layout::LayoutAttempt(L, 5, kLarge, 15, 25, control)) {
    }
    return L;
}

int InteriorBlack(const TLayout& L) {
    int black = 0;
    for (int r = 1; r <= L.R; ++r) {
        for (int c = 1; c <= L.C; ++c) black += L.IsBlack(r, c) ? 1 : 0;
    }
    return black;
}

TEST(FinalLayoutCheck, RejectsARunOfOneAndACountOutsideTheRange) {
    const TLayout accepted = AcceptedLayout();
    ASSERT_TRUE(layout::FinalLayoutCheck(accepted, kLarge));

    // Another level's range.
    TLayout other = accepted;
    other.Level = 1;
    EXPECT_FALSE(layout::FinalLayoutCheck(other, kLarge));

    // A black square that leaves a single white square at the start of an across run, where
    // the count and the erosion would still accept it.
    bool tried = false;
    for (int r = 1; r <= 7 && !tried; ++r) {
        for (int c = 1; c + 2 <= 25 && !tried; ++c) {
            if (!accepted.IsBlack(r, c - 1) || !accepted.IsWhite(r, c) ||
                !accepted.IsWhite(r, c + 1) || !accepted.IsWhite(r, c + 2)) {
                continue;
            }
            TLayout L = accepted;
            L.Set(r, c + 1, kBlack);
            L.Set(16 - r, 26 - (c + 1), kBlack);
            if (InteriorBlack(L) > 90 || !layout::ErosionAccepts(L)) continue;
            tried = true;
            EXPECT_FALSE(layout::FinalLayoutCheck(L, kLarge)) << r << "," << c;
        }
    }
    EXPECT_TRUE(tried);
}

TEST(CannedLayouts, SetsHaveTheirProperties) {
    struct Set {
        const TCannedLayout* Layouts;
        int Count, MinBlack, MaxBlack, LongestRun;
    };
    const Set sets[] = {{CannedLayoutsEasy(), CannedEasyCount, 130, 151, 4},
                        {CannedLayoutsHard(), CannedHardCount, 64, 79, 7}};
    EXPECT_EQ(CannedHardCount, 100);
    const TGridBounds b = BoundsFor(kLarge);
    static TWorkGrid work;
    for (const Set& set : sets) {
        std::set<std::string> distinct;
        for (int k = 0; k < set.Count; ++k) {
            SCOPED_TRACE("layout " + std::to_string(k + 1));
            const TCannedLayout& layout = set.Layouts[k];
            std::string all;
            int black = 0;
            for (int r = 0; r < kGridRows; ++r) {
                ASSERT_EQ(std::strlen(layout.Rows[r]), static_cast<std::size_t>(kGridCols));
                all += layout.Rows[r];
                for (int c = 0; c < kGridCols; ++c) {
                    const char ch = layout.Rows[r][c];
                    ASSERT_TRUE(ch == 'B' || ch == 'W');
                    if (r == 0 || c == 0) {
                        EXPECT_EQ(ch, 'B');
                    } else {
                        EXPECT_EQ(ch, layout.Rows[kGridRows - r][kGridCols - c]);
                        if (ch == 'B') ++black;
                    }
                }
            }
            distinct.insert(all);
            EXPECT_GE(black, set.MinBlack);
            EXPECT_LE(black, set.MaxBlack);
            CopyCannedLayout(layout, b, work);
            const TRunStats runs = RunStats(work, b);
            EXPECT_TRUE(runs.AllRunsTwoToNine);
            EXPECT_EQ(std::max(runs.LongestAcross, runs.LongestDown), set.LongestRun);
        }
        EXPECT_EQ(distinct.size(), static_cast<std::size_t>(set.Count));
    }
}

// Which layout of the set the work grid holds, 0 when none.
int WhichLayout(const TWorkGrid& work, const TCannedLayout* set, int count) {
    for (int k = 0; k < count; ++k) {
        bool same = true;
        for (int r = 0; r < kGridRows && same; ++r) {
            for (int c = 0; c < kGridCols && same; ++c) {
                same = work.Cell[r][c].Kind == (set[k].Rows[r][c] == 'B' ? 1 : 2);
            }
        }
        if (same) return k + 1;
    }
    return 0;
}

TEST(CannedLayouts, DrawsNeverYieldTheLastLayout) {
    static TWorkGrid work;
    const TGridBounds b = BoundsFor(kLarge);
    TRandom rng(11);
    TGenControl control;
    control.Rng = &rng;

    int easySeen[CannedEasyCount + 1] = {};
    for (int i = 0; i < 1000; ++i) {
        PickCannedLayoutEasy(b, work, control);
        ++easySeen[WhichLayout(work, CannedLayoutsEasy(), CannedEasyCount)];
    }
    EXPECT_EQ(easySeen[0], 0);
    EXPECT_EQ(easySeen[CannedEasyCount], 0);
    for (int k = 1; k < CannedEasyCount; ++k) EXPECT_GT(easySeen[k], 0) << k;

    int hardSeen[101] = {};
    for (int i = 0; i < 3000; ++i) {
        PickCannedLayoutHard(kLarge, b, work, control);
        ++hardSeen[WhichLayout(work, CannedLayoutsHard(), CannedHardCount)];
    }
    EXPECT_EQ(hardSeen[0], 0);
    EXPECT_EQ(hardSeen[CannedHardCount], 0);
    for (int k = 1; k < CannedHardCount; ++k) EXPECT_GT(hardSeen[k], 0) << k;
}

TEST(CannedLayouts, CopyReproducesTheTextAndWritesNothingElse) {
    static TWorkGrid work;
    std::memset(&work, 0x33, sizeof work);
    const TCannedLayout& layout = CannedLayoutsHard()[0];
    CopyCannedLayout(layout, BoundsFor(kLarge), work);
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridCols; ++c) {
            const TWorkCell& cell = work.Cell[r][c];
            EXPECT_EQ(cell.Kind, layout.Rows[r][c] == 'B' ? 1 : 2) << r << "," << c;
            if (r == 0 || c == 0) {
                EXPECT_EQ(cell.Kind, 1);
            }
            EXPECT_EQ(cell.AcrossTotal, 0x33333333);
            EXPECT_EQ(cell.Digit, 0x33333333);
            EXPECT_EQ(cell.Candidates[9], 0x33);
        }
    }

    // Smaller bounds copy only their rectangle.
    std::memset(&work, 0, sizeof work);
    CopyCannedLayout(layout, BoundsFor(kMini), work);
    EXPECT_NE(work.Cell[8][12].Kind, 0);
    EXPECT_EQ(work.Cell[9][0].Kind, 0);
    EXPECT_EQ(work.Cell[0][13].Kind, 0);
}

TEST(CannedLayouts, HardPickDrawsButCopiesOnlyForLarge) {
    static TWorkGrid work;
    std::memset(&work, 0, sizeof work);
    TRandom rng(5);
    TRandom twin(5);
    TGenControl control;
    control.Rng = &rng;
    PickCannedLayoutHard(kSmall, BoundsFor(kSmall), work, control);
    EXPECT_EQ(work.Cell[0][0].Kind, 0);
    twin.Random(CannedHardCount - 1);
    EXPECT_EQ(rng.Random(1000000), twin.Random(1000000));
}

}  // namespace
}  // namespace xs
