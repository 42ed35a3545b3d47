// Tests of the hints screen's page walk and layout numbers.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace xs
