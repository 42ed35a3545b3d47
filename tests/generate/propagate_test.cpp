// The propagation engine's deductions on small hand-built grids.
#include "generate/propagate.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <random>
#include <string>

#include "generate/fill_test_grid.h"

namespace xs {
namespace {

using test::TTestGrid;

const TRunRef kRow1{1, 0, TDirection::Across};
const TRunRef kRow2{2, 0, TDirection::Across};
const TRunRef kCol1{0, 1, TDirection::Down};
const TRunRef kCol2{0, 2, TDirection::Down};

void Fix(TPropagation& p, TRunRef run, int total) {
    TDigitFlags flags;
    std::int32_t error = 0;
    LookupPossibleDigits(RunLength(p.Clue(run), run.Dir), total, flags, error);
    ASSERT_EQ(error, 0);
    SetRunTotal(p, run, total, flags);
}

TEST(SetRunTotal, CrossingTotalsForceTheSharedSquareAndItsNeighbours) {
    TTestGrid g{"BBB", "BWW", "BWW"};
    TPropagation p{g.Grid, g.Bounds};
    Fix(p, kRow1, 3);
    EXPECT_EQ(g.Candidates(1, 1), "12");
    EXPECT_EQ(g.Candidates(1, 2), "12");
    EXPECT_FALSE(g.At(1, 1).HasDigit);
    EXPECT_EQ(g.At(0, 1).DownConstrained, 1);
    EXPECT_EQ(g.At(0, 2).DownConstrained, 1);

    Fix(p, kCol1, 4);
    ASSERT_FALSE(p.Failed);
    EXPECT_EQ(g.At(1, 1).Digit, 1);
    EXPECT_EQ(g.At(1, 2).Digit, 2);
    EXPECT_EQ(g.At(2, 1).Digit, 3);
    // The open run of row 2 and column 2 lose the digits placed beside them.
    EXPECT_EQ(g.Candidates(2, 2), "1456789");
    EXPECT_TRUE(g.At(0, 2).DownDirty);
}

TEST(Propagation, ContradictionsFail) {
    struct Case {
        const char* name;
        std::function<void(TTestGrid&, TPropagation&)> act;
    };
    const Case cases[] = {
        {"square loses its last candidate to a total",
         [](TTestGrid& g, TPropagation& p) {
             g.SetCandidates(1, 1, "5");
             Fix(p, kRow1, 3);
         }},
        {"square without candidates",
         [](TTestGrid& g, TPropagation& p) {
             g.SetCandidates(2, 2, "");
             PropagateSquare(p, 2, 2);
         }},
        {"placed digit repeats in an open run",
         [](TTestGrid& g, TPropagation& p) {
             g.At(1, 1).Digit = 7;
             g.At(1, 1).HasDigit = 1;
             g.SetCandidates(1, 1, "7");
             g.SetCandidates(1, 2, "7");
             PropagateSquare(p, 1, 2);
         }},
        {"placed digits overshoot the total",
         [](TTestGrid& g, TPropagation& p) {
             Fix(p, kRow1, 10);
             g.At(1, 1).Digit = 9;
             g.At(1, 1).HasDigit = 1;
             g.SetCandidates(1, 1, "9");
             g.SetCandidates(1, 2, "3");
             PropagateSquare(p, 1, 2);
         }},
        {"placed digits reach the total before the run is full",
         [](TTestGrid& g, TPropagation& p) {
             g.At(1, 0).AcrossTotal = 6;
             g.At(1, 1).Digit = 6;
             g.At(1, 1).HasDigit = 1;
             g.SetCandidates(1, 1, "6");
             g.SetCandidates(1, 2, "1");
             PropagateSquare(p, 1, 2);
         }},
        {"placed digit reaches the total with a square still empty",
         [](TTestGrid& g, TPropagation& p) {
             g.At(1, 0).AcrossTotal = 6;
             g.SetCandidates(1, 1, "6");
             PropagateSquare(p, 1, 1);
         }},
        {"feasibility leaves nothing",
         [](TTestGrid& g, TPropagation& p) {
             Fix(p, kRow1, 10);
             g.SetCandidates(1, 1, "12");
             g.SetCandidates(1, 2, "34");
             FeasibilityCheck(p, 1, 1, TDirection::Across);
         }},
        {"four corners of interchangeable pairs",
         [](TTestGrid&, TPropagation& p) {
             for (const TRunRef& run : {kRow1, kRow2, kCol1, kCol2}) Fix(p, run, 3);
             PropagateAll(p);
             ASSERT_FALSE(p.Failed);
             RectangleCheck(p);
         }},
    };
    for (const Case& c : cases) {
        TTestGrid g{"BBB", "BWW", "BWW"};
        TPropagation p{g.Grid, g.Bounds};
        c.act(g, p);
        EXPECT_TRUE(p.Failed) << c.name;
    }
}

TEST(RectangleCheck, AcceptsCornersThatTheTotalsTellApart) {
    TTestGrid g{"BBB", "BWW", "BWW"};
    TPropagation p{g.Grid, g.Bounds};
    Fix(p, kRow1, 3);
    Fix(p, kRow2, 4);
    Fix(p, kCol1, 3);
    Fix(p, kCol2, 4);
    PropagateAll(p);
    RectangleCheck(p);
    ASSERT_FALSE(p.Failed);
    EXPECT_EQ(g.At(1, 1).Digit, 2);
    EXPECT_EQ(g.At(1, 2).Digit, 1);
    EXPECT_EQ(g.At(2, 1).Digit, 1);
    EXPECT_EQ(g.At(2, 2).Digit, 3);
}

TEST(FeasibilityCheck, RemovesDigitsThatCannotCompleteTheTotal) {
    TTestGrid g{"BBB", "BWW", "BWW"};
    TPropagation p{g.Grid, g.Bounds};
    Fix(p, kRow1, 10);
    g.SetCandidates(1, 1, "34");
    g.SetCandidates(1, 2, "689");
    p.Changed = false;
    FeasibilityCheck(p, 1, 1, TDirection::Across);
    ASSERT_FALSE(p.Failed);
    EXPECT_TRUE(p.Changed);
    EXPECT_EQ(g.At(1, 1).Digit, 4);
    EXPECT_EQ(g.At(1, 2).Digit, 6);
}

TEST(SubsetAnalysis, NakedSubsetsLeaveTheirDigitsToTheirMembers) {
    struct Case {
        std::vector<std::string> before;
        std::vector<std::string> after;
        std::vector<int> groupSizes;
    };
    const Case cases[] = {
        {{"45", "45", "1456", "257"}, {"45", "45", "16", "27"}, {2, 2, 0, 0}},
        {{"16", "45", "23457", "45"}, {"16", "45", "237", "45"}, {0, 2, 0, 2}},
        {{"12", "23", "13", "12389"}, {"12", "23", "13", "89"}, {3, 3, 3, 0}},
        // Singles and pairs that shrink to singles clear their digits but record no group.
        {{"7", "67", "678", "12"}, {"7", "6", "8", "12"}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        TTestGrid g{"BBBBB", "BWWWW", "BWWWW"};
        TPropagation p{g.Grid, g.Bounds};
        for (int k = 0; k < 4; ++k) g.SetCandidates(1, k + 1, c.before[k]);
        SubsetAnalysis(p, kRow1);
        ASSERT_FALSE(p.Failed);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(g.Candidates(1, k + 1), c.after[k]) << "square " << k + 1;
            EXPECT_EQ(g.At(1, k + 1).AcrossGroupSize, c.groupSizes[k]) << "square " << k + 1;
            EXPECT_EQ(g.At(1, k + 1).DownGroupSize, 0);
        }
        // Members of one group share its number.
        for (int a = 0; a < 4; ++a)
            for (int b = 0; b < 4; ++b)
                if (c.groupSizes[a] != 0 && c.groupSizes[a] == c.groupSizes[b]) {
                    EXPECT_EQ(g.At(1, a + 1).AcrossGroupId, g.At(1, b + 1).AcrossGroupId);
                }
    }
}

// The fast search behind the feasibility deduction, against a plain recursive one.
bool Completes(const std::vector<unsigned>& sets, std::size_t k, unsigned used, int target) {
    if (k == sets.size()) return target == 0;
    for (int d = 1; d <= 9; ++d)
        if ((sets[k] >> d & 1) && !(used >> d & 1) && d <= target &&
            Completes(sets, k + 1, used | 1u << d, target - d))
            return true;
    return false;
}

TEST(FeasibleDigits, AgreesWithAPlainSearch) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        const int others = static_cast<int>(rng() % 6);
        std::vector<unsigned> sets;
        TDigitMask masks[8];
        for (int k = 0; k < others; ++k) {
            masks[k] = static_cast<TDigitMask>((rng() % 512) << 1);
            sets.push_back(masks[k]);
        }
        const int remainder = static_cast<int>(rng() % 46);
        const TDigitMask own = 0x3FE;
        TDigitMask expected = 0;
        for (int e = 1; e <= 9; ++e)
            if (Completes(sets, 0, 1u << e, remainder - e))
                expected = static_cast<TDigitMask>(expected | 1u << e);
        ASSERT_EQ(FeasibleDigits(own, masks, others, remainder), expected) << "round " << round;
    }
}

// The sum test needs no separate subset step: whenever some of the other squares have exactly as
// many candidates between them as there are of them, none of those digits stays feasible.
TEST(FeasibleDigits, LeavesNoDigitOfANakedSubsetOfTheOtherSquares) {
    std::mt19937 rng(11);
    int subsetsSeen = 0;
    for (int round = 0; round < 2000; ++round) {
        const int others = 2 + static_cast<int>(rng() % 5);
        TDigitMask masks[8];
        for (int k = 0; k < others; ++k) {
            // One to three of the digits 1..6, so that subsets are common.
            masks[k] = 0;
            for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n)
                masks[k] = static_cast<TDigitMask>(masks[k] | 1u << (1 + rng() % 6));
        }
        const int remainder = static_cast<int>(rng() % 40) + 3;
        const TDigitMask feasible = FeasibleDigits(0x3FE, masks, others, remainder);
        for (unsigned subset = 1; subset < 1u << others; ++subset) {
            unsigned digits = 0;
            for (int k = 0; k < others; ++k)
                if (subset >> k & 1) digits |= masks[k];
            if (std::popcount(digits) != std::popcount(subset)) continue;
            if (feasible != 0) ++subsetsSeen;
            ASSERT_EQ(feasible & digits, 0u) << "round " << round << ", subset " << subset;
        }
    }
    EXPECT_GT(subsetsSeen, 100);
}

}  // namespace
}  // namespace xs
