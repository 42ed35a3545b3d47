// The combinations strip's content, layout and font fitting, and the values strip.
#include "solve/combinations_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace xs {
namespace {

// Text widths follow the font: 3/4 of the point size per character, 1/2 in the narrow faces.
struct TScaledCanvas : test::TRecordingCanvas {
    std::string Face;
    int Points = 0;
    void SetFont(std::string_view face, int points, bool bold) override {
        TRecordingCanvas::SetFont(face, points, bold);
        Face = std::string(face);
        Points = points;
    }
    int TextWidth(std::string_view text) override {
        const int quarters = Face == "Arial Narrow" || Face == "Small Fonts" ? 2 : 3;
        return static_cast<int>(text.size()) * Points * quarters / 4;
    }
    int TextHeight(std::string_view) override { return 2 * Points; }
};

TSelectedRun Selected(int squares, int total, std::vector<int> placed = {}) {
    TSelectedRun run;
    run.RunSquares = squares;
    run.RunTotal = total;
    run.ClueRow = 1;
    for (int d : placed) run.Placed[d] = 1;
    return run;
}

std::vector<std::string> Texts(const TComboList& list) {
    return {list.ComboTexts, list.ComboTexts + list.ComboCount};
}

TEST(CombinationsList, PlacedDigitsGreyOutContradictedCombinations) {
    TComboList list;
    ShowCombinations(Selected(2, 10), list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"+1,9", "+2,8", "+3,7", "+4,6"}));
    EXPECT_EQ(std::string(list.Label2), "for 10 in 2 : ");
    ShowCombinations(Selected(2, 10, {3}), list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"-1,9", "-2,8", "+3,7", "-4,6"}));
    EXPECT_EQ(list.Caption(2), "3,7");
    EXPECT_TRUE(list.Greyed(0));
    EXPECT_FALSE(list.Greyed(2));
    // Two placed digits: only a combination holding both stays.
    ShowCombinations(Selected(3, 15, {1, 9}), list);
    ASSERT_EQ(list.ComboCount, 8);
    int possible = 0;
    for (int i = 0; i < list.ComboCount; ++i) possible += list.Greyed(i) ? 0 : 1;
    EXPECT_EQ(possible, 1);
    EXPECT_EQ(list.Caption(0), "1,5,9");
}

TEST(CombinationsList, CountsAndMeasuringTextFollowTheRun) {
    const struct {
        int Squares, Total, Count;
        bool Labels;
        std::size_t TestLength;
    } cases[] = {
        {2, 10, 4, true, 6},    // "   9,9"
        {4, 20, 12, true, 10},  // the most any clue has
        {5, 25, 12, true, 12}, {9, 45, 1, true, 20},
        {2, 2, 0, true, 0},    // no combination: labels, no boxes
        {-1, 0, 0, false, 0},  // nothing selected
    };
    for (const auto& tc : cases) {
        TComboList list;
        ShowCombinations(Selected(tc.Squares, tc.Total), list);
        EXPECT_EQ(list.ComboCount, tc.Count) << tc.Squares << " " << tc.Total;
        EXPECT_EQ(list.Label1[0] != '\0' && list.Label2[0] != '\0', tc.Labels);
        EXPECT_EQ(std::string(list.TestText).size(), tc.TestLength);
    }
}

TEST(CombinationsList, TwelveBoxesStepTheFontDownUntilTheGapReachesTwo) {
    TComboList list;
    ShowCombinations(Selected(4, 20), list);
    // Strip widths just at and below each font's fit; the move button is 20 wide.
    const struct {
        int Width;
        const char* Face;
        int Points;
        bool Fits;
    } cases[] = {
        {1150, "MS Sans Serif", 10, true}, {1149, "Arial Narrow", 10, true},
        {783, "Arial Narrow", 10, true},   {782, "Arial Narrow", 9, true},
        {700, "Arial Narrow", 8, true},    {635, "Small Fonts", 7, true},
        {342, "Small Fonts", 4, true},     {341, "Small Fonts", 4, false},
    };
    for (const auto& tc : cases) {
        TScaledCanvas canvas;
        const TComboFit fit =
            FitCombinations(list, {tc.Width, 40, false, 20, 20}, canvas, "MS Sans Serif", 10);
        EXPECT_EQ(fit.Face, tc.Face) << tc.Width;
        EXPECT_EQ(fit.Points, tc.Points) << tc.Width;
        EXPECT_EQ(fit.Layout.Fits, tc.Fits) << tc.Width;
    }
}

TEST(CombinationsList, TopStripCentresTheRowWithGapsOfAtMostTen) {
    TComboList list;
    ShowCombinations(Selected(2, 10), list);
    TScaledCanvas canvas;
    const TComboStripLayout lay =
        LayoutCombinations(list, {800, 40, false, 30, 20}, canvas, "MS Sans Serif", 8);
    ASSERT_TRUE(lay.Fits);
    EXPECT_EQ(lay.Label2.Left, lay.Label1.Right);
    EXPECT_EQ(lay.Boxes[0].Left - lay.Label2.Right, 10);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(lay.Boxes[i].Left - lay.Boxes[i - 1].Right, 10);
    EXPECT_NEAR(lay.Label1.Left - 30, 800 - lay.Boxes[3].Right, 1);
    EXPECT_EQ(lay.Boxes[0].Top, (40 - lay.Boxes[0].Height()) / 2);
    EXPECT_EQ(lay.Label1.Top, lay.Boxes[0].Top);
}

TEST(CombinationsList, SideStripFitsWhileTwoPixelsStayBesideTheBoxes) {
    TComboList list;
    ShowCombinations(Selected(2, 10), list);  // box: "   9,9" = 6 characters, 36 wide at 8 points
    for (int width : {40, 39}) {
        TScaledCanvas canvas;
        const TComboStripLayout lay =
            LayoutCombinations(list, {width, 400, true, 30, 20}, canvas, "MS Sans Serif", 8);
        EXPECT_EQ(lay.Fits, width == 40);
        EXPECT_EQ(lay.Boxes[0].Width(), 36);
        // The column is centred between the button and the bottom.
        EXPECT_EQ(lay.Boxes[1].Top - lay.Boxes[0].Bottom, 10);
        EXPECT_NEAR(lay.Label1.Top - 20, 400 - lay.Boxes[3].Bottom, 1);
    }
}

TEST(ValuesStrip, SpinButtonsStopAtTheirLimits) {
    TValuesStrip values;
    for (std::uint8_t f : values.ValueFlags) EXPECT_EQ(f, 0);  // all white until first click
    EXPECT_TRUE(values.Valid);
    for (int i = 0; i < 30; ++i) values.spnTotalDownClick();
    for (int i = 0; i < 10; ++i) values.spnSquaresDownClick();
    EXPECT_EQ(values.Total, 3);
    EXPECT_EQ(values.Squares, 2);
    const std::uint8_t threeInTwo[10] = {0, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(values.ValueFlags, values.ValueFlags + 10, threeInTwo));
    for (int i = 0; i < 50; ++i) values.spnTotalUpClick();
    for (int i = 0; i < 10; ++i) values.spnSquaresUpClick();
    EXPECT_EQ(values.Total, 45);
    EXPECT_EQ(values.Squares, 9);
    EXPECT_TRUE(values.Valid);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(values.ValueFlags[d], 1);
    values.spnTotalDownClick();  // 44 in 9
    EXPECT_FALSE(values.Valid);
    values.spnSquaresDownClick();  // 44 in 8: all but 1
    EXPECT_TRUE(values.Valid);
    EXPECT_EQ(values.ValueFlags[1], 0);
    EXPECT_EQ(values.ValueFlags[2], 1);
}

}  // namespace
}  // namespace xs
