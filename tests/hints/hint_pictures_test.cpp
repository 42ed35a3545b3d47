// Tests of the hints screen's example grids and their drawing on the recording canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hints/hint_pictures.h"
#include "support/recording_canvas.h"

namespace xs {
namespace {

using test::TCanvasOp;
using test::TRecordingCanvas;

constexpr THintStripId kAllStrips[] = {THintStripId::Corner,     THintStripId::CornerSteps,
                                       THintStripId::ClickTotal, THintStripId::FillSquare,
                                       THintStripId::ToggleMark, THintStripId::ExampleA,
                                       THintStripId::ExampleB,   THintStripId::ExampleC};

std::string Marks(const TSquare& sq) {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (sq.IsPossible(d)) digits += static_cast<char>('0' + d);
    return digits;
}

// A picture that showed a wrong digit, or took a square's answer out of its marks, would teach
// the player a mistake.
TEST(HintPictures, NoPictureShowsAWrongDigitOrRulesOutAnAnswer) {
    for (const THintStripId id : kAllStrips) {
        const THintStrip& strip = HintStrip(id);
        ASSERT_FALSE(strip.empty());
        for (std::size_t i = 0; i < strip.size(); ++i) {
            const THintPicture& p = strip[i];
            for (int r = p.Range.FirstRow; r <= p.Range.LastRow; ++r) {
                for (int c = p.Range.FirstCol; c <= p.Range.LastCol; ++c) {
                    const TSquare& sq = p.Grid.Sq[r][c];
                    if (sq.Kind != White) continue;
                    const auto where = ::testing::Message()
                                       << "strip " << static_cast<int>(id) << " picture " << i
                                       << " square " << r << "," << c;
                    if (sq.Entry != 0) {
                        EXPECT_EQ(sq.Entry, sq.Answer()) << where;
                    } else if (!Marks(sq).empty()) {
                        EXPECT_TRUE(sq.IsPossible(sq.Answer())) << where;
                    }
                }
            }
        }
    }
}

// The possible values the page texts speak of, as the clicks on the totals leave them.
TEST(HintPictures, ClicksOnTotalsLeaveThePossibleValuesTheTextsDescribe) {
    struct TCase {
        THintStripId Strip;
        int Picture;
        int Row;
        int Col;
        const char* Marks;
    };
    const TCase cases[] = {
        {THintStripId::CornerSteps, 0, 1, 2, "12"},  // 3 in two squares
        {THintStripId::CornerSteps, 1, 1, 1, "1"},   // shared with 4 in two squares
        {THintStripId::CornerSteps, 1, 2, 1, "13"},  //
        {THintStripId::ClickTotal, 1, 1, 1, "13"},   //
        {THintStripId::ToggleMark, 1, 1, 1, "1"},    // the right click took the 3 away
        {THintStripId::ExampleA, 0, 2, 3, "1235"},   // 11 in four squares
        {THintStripId::ExampleA, 1, 2, 1, "5"},      // and 13 in two
        {THintStripId::ExampleA, 1, 2, 2, "123"},    // and 10 in two
        {THintStripId::ExampleA, 2, 2, 4, "12"},     // and 7 in three
        {THintStripId::ExampleA, 2, 4, 4, "124"},    //
        {THintStripId::ExampleB, 1, 1, 1, "8"},      // 13 with the 5 entered
        {THintStripId::ExampleB, 1, 1, 2, "7"},      // 10 with the 3 entered
        {THintStripId::ExampleC, 1, 4, 4, "124"},    // found only in the last step
    };
    for (const TCase& c : cases) {
        const THintPicture& p = HintStrip(c.Strip)[static_cast<std::size_t>(c.Picture)];
        EXPECT_EQ(Marks(p.Grid.Sq[c.Row][c.Col]), c.Marks)
            << "strip " << static_cast<int>(c.Strip) << " picture " << c.Picture << " square "
            << c.Row << "," << c.Col;
    }
}

TEST(HintPictures, WorkedExampleEndsSolved) {
    const THintPicture& last = HintStrip(THintStripId::ExampleC).back();
    for (int r = last.Range.FirstRow; r <= last.Range.LastRow; ++r) {
        for (int c = last.Range.FirstCol; c <= last.Range.LastCol; ++c) {
            if (last.Grid.Sq[r][c].Kind == White) {
                EXPECT_NE(last.Grid.Sq[r][c].Entry, 0) << r << "," << c;
            }
        }
    }
}

TEST(HintPictures, LargestSquareThatFitsTheWidth) {
    const THintStrip& strip = HintStrip(THintStripId::ExampleA);
    const int width = HintStripWidth(strip, 50);
    EXPECT_EQ(HintSquareForWidth(strip, width, 20, 72), 50);
    EXPECT_EQ(HintSquareForWidth(strip, width - 1, 20, 72), 49);
    EXPECT_EQ(HintSquareForWidth(strip, 10000, 20, 72), 72);
    EXPECT_EQ(HintSquareForWidth(strip, 10, 20, 72), 20);
}

// A strip drawn at the width it needs stays inside it, and one arrow joins each two pictures.
TEST(HintPictures, StripStaysInsideItsAreaWithAnArrowBetweenPictures) {
    for (const THintStripId id : kAllStrips) {
        const THintStrip& strip = HintStrip(id);
        const int square = 40;
        const int width = HintStripWidth(strip, square);
        const int height = HintStripHeight(strip, square);
        TRecordingCanvas canvas;
        PaintHintStrip(canvas, strip, square, width, height, kWhite);
        for (const auto& call : canvas.Calls) {
            if (call.Op != TCanvasOp::Rectangle && call.Op != TCanvasOp::FillRect) continue;
            EXPECT_GE(call.Rect.Left, 0) << static_cast<int>(id);
            EXPECT_LE(call.Rect.Right, width + 1) << static_cast<int>(id);
            EXPECT_LE(call.Rect.Bottom, height + 1) << static_cast<int>(id);
        }
        int arrows = 0;
        for (const auto& call : canvas.Of(TCanvasOp::Polygon))
            if (call.Brush == kNavy && call.Points.size() == 3) ++arrows;
        EXPECT_EQ(arrows, static_cast<int>(strip.size()) - 1) << static_cast<int>(id);
    }
}

// The red frame shows which small number the player clicks: the pad's top left third for the 1,
// its top right third for the 3.
TEST(HintPictures, PointerFramesTheClickedSmallNumber) {
    struct TCase {
        THintStripId Strip;
        TRect Frame;
    };
    // Squares of 42 from x 0: the run's first square starts at 44, its pad thirds are 14 wide.
    const TCase cases[] = {{THintStripId::FillSquare, {44, 0, 58, 14}},
                           {THintStripId::ToggleMark, {72, 0, 86, 14}}};
    for (const TCase& c : cases) {
        const THintStrip& strip = HintStrip(c.Strip);
        TRecordingCanvas canvas;
        PaintHintStrip(canvas, strip, 42, HintStripWidth(strip, 42), HintStripHeight(strip, 42),
                       kWhite);
        std::vector<TRect> red;
        for (const auto& call : canvas.Of(TCanvasOp::FrameRect))
            if (call.Pen == kRed) red.push_back(call.Rect);
        ASSERT_FALSE(red.empty()) << static_cast<int>(c.Strip);
        EXPECT_EQ(red.front(), c.Frame) << static_cast<int>(c.Strip);
    }
}

// The example's across 9 in the bottom row goes on past the picture's last column: a piece of
// its next square shows there in white, beside navy pieces of the black squares above.
TEST(HintPictures, ExampleRunsGoOnPastThePictureEdge) {
    for (const THintStripId id :
         {THintStripId::ExampleA, THintStripId::ExampleB, THintStripId::ExampleC}) {
        const THintStrip& strip = HintStrip(id);
        TRecordingCanvas canvas;
        PaintHintStrip(canvas, strip, 40, HintStripWidth(strip, 40), HintStripHeight(strip, 40),
                       kWhite);
        // Squares of 40 with 2 of grid line: the first picture's five columns end at x 210.
        std::vector<TColor> pieces;
        for (const auto& call : canvas.Of(TCanvasOp::FillRect))
            if (call.Rect.Left == 211 && call.Rect.Right > 211) pieces.push_back(call.Brush);
        const std::vector<TColor> expected{kNavy, kNavy, kNavy, kNavy, kWhite};
        EXPECT_EQ(pieces, expected) << static_cast<int>(id);
    }
}

TEST(HintValuesTable, PossibleDigitsStandOutInBold) {
    const std::uint8_t flags[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 1};  // 1 and 9
    TRecordingCanvas canvas;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            dgValuesDrawCell(canvas, flags, c, r, {c * 50, r * 50, c * 50 + 51, r * 50 + 51});
    const auto cells = canvas.Of(TCanvasOp::Rectangle);
    const auto digits = canvas.Of(TCanvasOp::TextOut);
    ASSERT_EQ(cells.size(), 9u);
    ASSERT_EQ(digits.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        const bool possible = i == 0 || i == 8;
        EXPECT_EQ(cells[i].Brush == cells[0].Brush, possible) << i;
        EXPECT_EQ(digits[i].Text, std::to_string(i + 1));
        EXPECT_TRUE(digits[i].Bold);
    }
    // Reading order: the digits run left to right, then down.
    EXPECT_EQ(cells[5].Rect.Left, 100);
    EXPECT_EQ(cells[5].Rect.Top, 50);
}

}  // namespace
}  // namespace xs
