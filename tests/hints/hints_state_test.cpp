// Tests of the hints screen's page walk, possible-values table and layout numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hints/hints_state.h"

namespace xs {
namespace {

TEST(HintsState, OverviewWalksForwardAndBackAndEndsAfterPageSix) {
    THintsState state;
    state.Show(true);
    EXPECT_EQ(state.Page(), 1);
    EXPECT_FALSE(state.OverviewPrevVisible());
    state.OverviewPrev();
    EXPECT_EQ(state.Page(), 1);

    for (int page = 2; page <= kHintsPages; ++page) {
        EXPECT_FALSE(state.OverviewNext());
        EXPECT_EQ(state.Page(), page);
        EXPECT_TRUE(state.OverviewPrevVisible());
    }
    EXPECT_STREQ(state.OverviewCaption(), "Overview - Page 6 of 6 : Possible Values");
    EXPECT_TRUE(state.OverviewNext());
    EXPECT_FALSE(state.Overview());

    // Showing the screen again starts on page 1.
    state.Show(false);
    EXPECT_EQ(state.Page(), 1);
    EXPECT_FALSE(state.Overview());
}

TEST(HintsState, ExamplePagesShareOneTab) {
    THintsState state;
    state.Show(false);
    const int tabs[kHintsPages] = {0, 1, 2, 2, 2, 3};
    for (int page = 1; page <= kHintsPages; ++page) {
        state.ShowPage(page);
        EXPECT_EQ(state.HighlightedTab(), tabs[page - 1]) << "page " << page;
    }
    state.ShowPage(7);
    EXPECT_EQ(state.Page(), kHintsPages);
}

TEST(HintsLayout, OverviewBarFollowsTheScreenHeight) {
    EXPECT_EQ(OverviewBarHeight(513), 34);
    EXPECT_EQ(OverviewBarHeight(600), 34);
    EXPECT_EQ(OverviewBarHeight(601), 60);
    EXPECT_EQ(OverviewBarHeight(700), 70);
    EXPECT_EQ(OverviewBarHeight(701), 80);
    EXPECT_EQ(OverviewPrevLeft(1000, 600), 150);
    EXPECT_EQ(OverviewPrevLeft(800, 790), 10);
}

TEST(HintsLayout, TabsAreCentredWithLimitedGaps) {
    const THintsTabLayout wide = LayoutHintsTabs(1200, 130, 16, 20);
    EXPECT_EQ(wide.ButtonWidth, 150);
    EXPECT_EQ(wide.ButtonHeight, 24);
    EXPECT_EQ(wide.BarHeight, 38);
    EXPECT_EQ(wide.ButtonLefts[1] - wide.ButtonLefts[0], 150 + 50);
    EXPECT_EQ(wide.ButtonLefts[0], (1200 - (4 * 150 + 3 * 50)) / 2);

    const THintsTabLayout narrow = LayoutHintsTabs(800, 130, 16, 20);
    EXPECT_EQ(narrow.ButtonLefts[1] - narrow.ButtonLefts[0], 150 + 40);
}

// The digits the table shows as possible, as text ("12" for 1 and 2).
std::string PossibleDigits(const TValuesTable& values) {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (values.Possible()[d] != 0) digits += static_cast<char>('0' + d);
    return digits;
}

// The table set by the arrows, as a player reaches a total and a number of squares.
TValuesTable Reach(int total, int squares) {
    TValuesTable values;
    for (int t = kMinValuesTotal; t < total; ++t) values.spnTotalClick(true);
    for (int n = kMinValuesSquares; n < squares; ++n) values.spnSquaresClick(true);
    return values;
}

TEST(HintsValues, TableShowsTheDigitsOfEveryRunOfThatTotal) {
    struct TCase {
        int Total;
        int Squares;
        const char* Digits;  // empty: not a valid combination
    };
    const TCase cases[] = {
        {3, 2, "12"}, {4, 2, "13"},       {17, 2, "89"},       {16, 2, "79"},  {45, 9, "123456789"},
        {44, 9, ""},  {3, 3, ""},         {6, 3, "123"},       {24, 3, "789"}, {10, 4, "1234"},
        {45, 2, ""},  {20, 3, "3456789"}, {44, 8, "23456789"},
    };
    for (const TCase& c : cases) {
        const TValuesTable values = Reach(c.Total, c.Squares);
        ASSERT_EQ(values.Total(), c.Total);
        ASSERT_EQ(values.Squares(), c.Squares);
        EXPECT_EQ(PossibleDigits(values), c.Digits) << c.Total << " in " << c.Squares;
        EXPECT_EQ(values.Invalid(), std::string(c.Digits).empty())
            << c.Total << " in " << c.Squares;
    }
}

TEST(HintsValues, ArrowsStopAtTheLimits) {
    struct TCase {
        int Total;
        int Squares;
        bool TotalArrow;  // else the squares arrow
        bool Up;
        int ExpectTotal;
        int ExpectSquares;
    };
    const TCase cases[] = {
        {3, 2, true, false, 3, 2},  {4, 2, true, false, 3, 2},  {45, 2, true, true, 45, 2},
        {44, 2, true, true, 45, 2}, {3, 2, false, false, 3, 2}, {3, 3, false, false, 3, 2},
        {3, 9, false, true, 3, 9},  {3, 8, false, true, 3, 9},
    };
    for (const TCase& c : cases) {
        TValuesTable values = Reach(c.Total, c.Squares);
        if (c.TotalArrow) {
            values.spnTotalClick(c.Up);
        } else {
            values.spnSquaresClick(c.Up);
        }
        EXPECT_EQ(values.Total(), c.ExpectTotal) << c.Total << " in " << c.Squares;
        EXPECT_EQ(values.Squares(), c.ExpectSquares) << c.Total << " in " << c.Squares;
    }
}

TEST(HintsValues, EnteringTheValuesPageStartsTheTableAgain) {
    THintsState state;
    state.Show(true);
    for (int page = 2; page <= kValuesPage; ++page) state.OverviewNext();
    state.Values().spnTotalClick(true);
    state.Values().spnSquaresClick(true);
    state.OverviewPrev();
    state.OverviewNext();
    EXPECT_EQ(state.Values().Total(), kMinValuesTotal);
    EXPECT_EQ(state.Values().Squares(), kMinValuesSquares);

    state.Show(false);
    state.ShowPage(kValuesPage);
    state.Values().spnTotalClick(true);
    state.ShowPage(1);
    state.ShowPage(kValuesPage);
    EXPECT_EQ(PossibleDigits(state.Values()), "12");
}

TEST(HintsLayout, GroupsSpreadEvenlyDownThePage) {
    struct TCase {
        std::vector<int> Heights;
        int Height;
        int MaxGap;
        std::vector<int> Tops;
    };
    const TCase cases[] = {
        {{100, 100}, 400, 100, {67, 233}},  // three gaps of 66, the rest shared out
        {{100, 100}, 400, 20, {90, 210}},   // gaps held to 20, the block centred
        {{300, 200}, 400, 20, {0, 300}},    // taller than the page: from the top, no gaps
        {{100}, 100, 20, {0}},
    };
    for (const TCase& c : cases) EXPECT_EQ(SpreadGroups(c.Heights, c.Height, c.MaxGap), c.Tops);
}

// "~" stands for a no-break space, "_" for a minus sign.
TEST(HintsText, SumsAndListsOfDigitsHoldTogether) {
    const std::pair<const char*, const char*> cases[] = {
        {"so 11 - 5 - 1 - 2 = 3. Fill", "so 11~_~5~_~1~_~2~=~3. Fill"},
        {"be 1, 2, 3 or 5, so", "be 1,~2,~3~or~5, so"},
        {"totals 13 and 10. 13 in two", "totals 13~and~10. 13 in two"},
        {"8 and 9; 24 in three", "8~and~9; 24 in three"},
        {"1 + 2, and 7 in", "1~+~2, and 7 in"},
        {"numbers 1-9 are used", "numbers 1-9 are used"},
        {"    A note", "    A note"},
    };
    for (const auto& [text, kept] : cases) {
        std::string expected;
        for (const char c : std::string(kept)) {
            expected += c == '~' ? "\u00A0" : c == '_' ? "\u2212" : std::string(1, c);
        }
        EXPECT_EQ(KeepSumsTogether(text), expected) << text;
    }
}

}  // namespace
}  // namespace xs
