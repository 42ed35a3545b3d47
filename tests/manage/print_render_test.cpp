// The printed page on the recording canvas: positions, square sizes, bands, clue and digit
// placement, colours, fonts that shrink to fit, and what each position shows.
#include "manage/print_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/recording_canvas.h"
#include "support/sample_puzzles.h"

namespace xs {
namespace {

using enum TPuzzleSize;
using test::TCanvasCall;
using test::TCanvasOp;

// Measures text by the font size, as a real face does: a character is 0.6 of the point size wide
// and a line 1.5 point sizes high.
class TSizedCanvas : public test::TRecordingCanvas {
public:
    void SetFont(std::string_view face, int points, bool bold) override {
        TRecordingCanvas::SetFont(face, points, bold);
        Points = points;
    }
    int TextWidth(std::string_view text) override {
        return static_cast<int>(text.size()) * Points * 6 / 10;
    }
    int TextHeight(std::string_view) override { return Points * 3 / 2; }

    int Points = 10;
};

TEST(PrintRender, PositionsSplitThePageEvenly) {
    struct Case {
        int Capacity;
        int Position;
        TRect Want;
    };
    // 851 x 1102: W div 2 = 425, H div 4 = 275, H div 2 = 551, 3 x H div 4 = 826. Margin 3.
    const Case cases[] = {
        {1, 1, {3, 3, 848, 1099}},
        {2, 1, {3, 3, 848, 548}},
        {2, 2, {3, 554, 848, 1099}},
        {4, 2, {428, 3, 848, 548}},
        {4, 3, {3, 554, 422, 1099}},
        {8, 3, {3, 278, 422, 548}},
        {8, 6, {428, 554, 848, 823}},
        {8, 8, {428, 829, 848, 1099}},
        {8, 9, {}},
        {3, 1, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PositionRect(851, 1102, 3, c.Capacity, c.Position), c.Want)
            << c.Capacity << " " << c.Position;
    }
}

TEST(PrintRender, SquaresTakeTheLargestSizeThatFitsAndTheGridIsCentred) {
    struct Case {
        const char* Name;
        TRect Position;
        TPuzzleSize Size;
        bool Answer;
        int Square;
        int Band;
        int Left;    // X[0]
        int Top;     // Y[0]
        int Right;   // X[C]
        int Bottom;  // Y[L]
    };
    const Case cases[] = {
        // 1094 x 844: b = 56; by height (844 - 112) div 16 = 45, by width 1094 div 26 = 42.
        // Centred: 2 pixels spare across, 60 down.
        {"Large puzzle across a page, by width",
         {3, 3, 1097, 847},
         Large,
         false,
         42,
         56,
         4,
         33,
         1096,
         817},
        // 1094 x 594: b = 39; by height (594 - 78) div 16 = 32.
        {"Large puzzle, by height", {3, 3, 1097, 597}, Large, false, 32, 39, 134, 5, 966, 595},
        // Without the footer band the same rectangle gives (594 - 39) div 16 = 34.
        {"Large answer, same rectangle", {3, 3, 1097, 597}, Large, true, 34, 39, 108, 8, 992, 591},
        // One eighth of a page: b = 17; Mini (269 - 17) div 9 = 28, Small (269 - 17) div 10 = 25.
        {"Mini answer in an eighth", {3, 278, 422, 547}, Mini, true, 28, 17, 30, 278, 394, 547},
        {"Small answer in an eighth", {3, 278, 422, 547}, Small, true, 25, 17, 12, 279, 412, 546},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TSizeDims dims = SizeDims(static_cast<int>(c.Size));
        const TGridLines g = PrintGridLines(c.Position, dims.Rows, dims.Cols, c.Answer);
        EXPECT_EQ(g.Square, c.Square);
        EXPECT_EQ(g.Band, c.Band);
        EXPECT_EQ(g.Last, c.Answer ? dims.Rows + 1 : dims.Rows + 2);
        EXPECT_EQ(g.X[0], c.Left);
        EXPECT_EQ(g.Y[0], c.Top);
        EXPECT_EQ(g.X[dims.Cols], c.Right);
        EXPECT_EQ(g.Y[g.Last], c.Bottom);
        EXPECT_EQ(g.Y[2] - g.Y[1], c.Square);
        EXPECT_EQ(g.Y[1] - g.Y[0], c.Band);
        if (!c.Answer) {
            EXPECT_EQ(g.Y[g.Last] - g.Y[g.Last - 1], c.Band);
        }
    }
}

TEST(PrintRender, TextInRectAlignsByCodeAndKeepsInsideThePage) {
    struct Case {
        int X1, X2, Y1, Y2, Horz, Vert;
        TPoint At;
    };
    // "ab" is 14 wide, "x" 7, a line 13 high.
    const Case cases[] = {
        {10, 110, 20, 60, 0, 0, {17, 20}},
        {10, 110, 20, 60, 1, 1, {53, 33}},
        {10, 110, 20, 60, 2, 2, {89, 47}},
        {-20, 0, -30, 0, 2, 1, {0, 0}},
    };
    for (const Case& c : cases) {
        test::TRecordingCanvas canvas;
        TextInRect(canvas, c.X1, c.X2, c.Y1, c.Y2, c.Horz, c.Vert, "ab");
        ASSERT_EQ(canvas.Calls.size(), 1u);
        EXPECT_EQ(canvas.Calls[0].Rect, (TRect{c.X1, c.Y1, c.X2, c.Y2}));
        EXPECT_EQ(canvas.Calls[0].At, c.At) << c.Horz << c.Vert;
    }
}

struct PageFixture : ::testing::Test {
    std::unique_ptr<TPuzzleLibrary> lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 40;
    TSelection selected{};

    int Store(TPuzzleSize size, int level) {
        const int slot = test::AddSamplePuzzle(*lib, lastId, size, level);
        selected[slot - 1] = true;
        return slot;
    }
    TSizedCanvas Render(const TPrintPlan& plan, int page, int width, int height, int colors = 2,
                        int slot = -1, const TPuzzleGrid* entries = nullptr) {
        TSizedCanvas canvas;
        RenderPage(canvas, {width, height, 1, page}, {&plan, lib.get(), slot, entries, colors});
        return canvas;
    }
    static std::vector<TCanvasCall> TextsCalled(const TSizedCanvas& canvas, const std::string& t) {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& c : canvas.Calls) {
            if ((c.Op == TCanvasOp::TextOut || c.Op == TCanvasOp::TextRect) && c.Text == t) {
                out.push_back(c);
            }
        }
        return out;
    }
    // The numbers written in a colour: on pages of scheme 2 digits are black, clue totals white.
    static std::vector<TCanvasCall> Numbers(const TSizedCanvas& canvas, int n, TColor color) {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& c : canvas.Of(TCanvasOp::TextOut)) {
            if (c.Text == std::to_string(n) && c.TextColor == color) out.push_back(c);
        }
        return out;
    }
    static std::vector<TCanvasCall> Digits(const TSizedCanvas& canvas, int digit) {
        return Numbers(canvas, digit, kBlack);
    }
    static std::vector<TCanvasCall> Clues(const TSizedCanvas& canvas, int total) {
        return Numbers(canvas, total, kWhite);
    }
};

TEST_F(PageFixture, CombinedPageShowsPuzzlesFirstThenTheirAnswersInOrder) {
    Store(Mini, 1);
    Store(Mini, 2);
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintSmall, kPrintSmall);
    const TSizedCanvas canvas = Render(plan, 1, 1100, 850);
    std::vector<std::string> headers;
    for (const TCanvasCall& c : canvas.Of(TCanvasOp::TextRect)) {
        if (c.Text.find(" : ") != std::string::npos) headers.push_back(c.Text);
    }
    const std::vector<std::string> want = {"Puzzle Id : 41", "Puzzle Id : 42",
                                           "Answer to puzzle : 41", "Answer to puzzle : 42"};
    EXPECT_EQ(headers, want);
    // The answers' digits, and only theirs: the sample's four answers twice.
    for (int digit : {1, 2, 3, 5}) EXPECT_EQ(Digits(canvas, digit).size(), 2u) << digit;
}

TEST_F(PageFixture, PositionWithoutAPuzzleOrWithADamagedOneStaysBlank) {
    Store(Large, 1);
    Store(Large, 2);
    lib->Info(2).Difficulty = 9;
    TPrintPlan plan;
    plan.PageCount = plan.PuzzlePages = 1;
    plan.Capacity[0] = 2;
    plan.Puzzle[1] = {1, 1};  // damaged
    const TSizedCanvas canvas = Render(plan, 1, 850, 1100);
    EXPECT_TRUE(canvas.Texts().empty());
    // Only the white page.
    EXPECT_EQ(canvas.Calls.size(), 1u);
    EXPECT_EQ(canvas.Calls[0].Rect, (TRect{0, 0, 850, 1100}));
}

// The sample puzzle's squares as the tests read them: (1, 0) has only an across total, (0, 1)
// only a down total, (0, 0) none.
TEST_F(PageFixture, CluesSitInTheirQuartersAndOnlyClueSquaresAreSplit) {
    const int slot = Store(Mini, 3);
    const TPrintPlan plan = SinglePuzzlePlan(TSinglePrint::PuzzleOnly);
    const TSizedCanvas canvas = Render(plan, 1, 1100, 850, 2, slot);
    const TRect rect = PositionRect(1100, 850, 3, 1, 1);
    const TGridLines g = PrintGridLines(rect, 9, 13, false);
    const int h = g.Square / 2;
    const TPuzzleGrid& grid = lib->Grid(slot);

    struct Clue {
        int Row, Col;
        int Total;
        bool Across;
    };
    for (const Clue& clue : {Clue{1, 0, grid.Sq[1][0].AcrossTotal, true},
                             Clue{0, 2, grid.Sq[0][2].DownTotal, false}}) {
        const auto calls = Clues(canvas, clue.Total);
        ASSERT_EQ(calls.size(), 1u) << clue.Total;
        const TCanvasCall& c = calls[0];
        const int width = static_cast<int>(c.Text.size()) * c.FontPoints * 6 / 10;
        const int left = g.X[clue.Col] + (clue.Across ? h : 0);
        const int top = g.Y[clue.Row + 1] + (clue.Across ? 0 : h);
        EXPECT_GE(c.At.X, left);
        EXPECT_LE(c.At.X + width, left + h + 1);
        EXPECT_GE(c.At.Y, top);
        EXPECT_LE(c.At.Y + c.FontPoints * 3 / 2, top + h + 1);
        EXPECT_LE(std::abs(2 * c.At.X + width - (2 * left + h + (clue.Across ? 0 : 2))), 2);
    }

    auto diagonal = [&](int r, int c) {
        return std::ranges::count_if(canvas.Of(TCanvasOp::Line), [&](const TCanvasCall& l) {
            return l.Pen == kWhite && l.At == TPoint{g.X[c], g.Y[r + 1]} &&
                   l.To == TPoint{g.X[c + 1], g.Y[r + 2]};
        });
    };
    EXPECT_EQ(diagonal(1, 0), 1);
    EXPECT_EQ(diagonal(0, 1), 1);
    EXPECT_EQ(diagonal(0, 0), 0);
    EXPECT_EQ(diagonal(3, 3), 0);
}

TEST_F(PageFixture, AnswerDigitsAreCentredInTheirSquares) {
    const int slot = Store(Small, 1);
    const TPrintPlan plan = SinglePuzzlePlan(TSinglePrint::SeparatePages);
    const TSizedCanvas canvas = Render(plan, 2, 1100, 850, 2, slot);
    const TGridLines g = PrintGridLines(PositionRect(1100, 850, 3, 1, 1), 10, 16, true);
    const TPuzzleGrid& grid = lib->Grid(slot);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) {
            const auto calls = Digits(canvas, grid.Sq[r][c].Answer());
            ASSERT_EQ(calls.size(), 1u);
            const TCanvasCall& d = calls[0];
            const int width = d.FontPoints * 6 / 10;
            const int height = d.FontPoints * 3 / 2;
            EXPECT_LE(height, 3 * g.Square / 4);
            EXPECT_LE(std::abs(2 * (d.At.X - g.X[c]) + width - g.Square), 1);
            EXPECT_LE(std::abs(2 * (d.At.Y - g.Y[r + 1]) + height - g.Square), 1);
        }
    }
}

TEST_F(PageFixture, PuzzleFooterIsOneUndividedBoxAndAnAnswerHasNone) {
    const int slot = Store(Mini, 1);
    for (int page : {1, 2}) {
        const bool answer = page == 2;
        const TSizedCanvas canvas =
            Render(SinglePuzzlePlan(TSinglePrint::SeparatePages), page, 1100, 850, 2, slot);
        const TGridLines g = PrintGridLines(PositionRect(1100, 850, 3, 1, 1), 9, 13, answer);
        EXPECT_EQ(TextsCalled(canvas, kPrintFooterText).size(), answer ? 0u : 1u);
        const auto lines = canvas.Of(TCanvasOp::Line);
        for (int k = 0; k <= 13; ++k) {
            const bool edge = k == 0 || k == 13;
            const int foot = answer || edge ? g.Y[g.Last] : g.Y[g.Last - 1];
            EXPECT_TRUE(std::ranges::any_of(lines,
                                            [&](const TCanvasCall& l) {
                                                return l.Pen == PrintScheme(2).Lines &&
                                                       l.At == TPoint{g.X[k], g.Y[1]} &&
                                                       l.To == TPoint{g.X[k], foot};
                                            }))
                << "page " << page << " column line " << k;
        }
    }
}

// A scheme outside 1..4 prints as scheme 2; the colours themselves are in the colour table.
TEST_F(PageFixture, SchemesOutsideOneToFourPrintAsTwo) {
    const int slot = Store(Mini, 1);
    const auto look = [&](int colors) {
        std::vector<std::uint32_t> colours;
        const TSizedCanvas canvas =
            Render(SinglePuzzlePlan(TSinglePrint::PuzzleOnly), 1, 1100, 850, colors, slot);
        for (const TCanvasCall& c : canvas.Calls) {
            for (const TColor colour : {c.Pen, c.Brush, c.TextColor}) colours.push_back(colour.Rgb);
        }
        return colours;
    };
    const auto two = look(2);
    EXPECT_EQ(look(0), two);
    EXPECT_EQ(look(5), two);
    EXPECT_NE(look(3), two);
}

TEST_F(PageFixture, FontsShrinkToSmallFontsOnATinyPreview) {
    const int slot = Store(Large, 5);
    // A quarter of a 120 x 160 preview: squares of 2 pixels.
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintNone, kPrintSmall);
    ASSERT_EQ(plan.CapacityOf(1), 4);
    const TSizedCanvas canvas = Render(plan, 1, 120, 160);
    const auto digit = Digits(canvas, lib->Grid(slot).Sq[1][1].Answer());
    ASSERT_EQ(digit.size(), 1u);
    EXPECT_EQ(digit[0].FontPoints, 1);
    EXPECT_EQ(digit[0].Face, "Small Fonts");
    const auto clue = Clues(canvas, lib->Grid(slot).Sq[1][0].AcrossTotal);
    ASSERT_EQ(clue.size(), 1u);
    EXPECT_EQ(clue[0].FontPoints, 2);
    EXPECT_FALSE(clue[0].Bold);
}

TEST_F(PageFixture, EachPositionFitsItsFontsToItsOwnSquares) {
    const int first = Store(Large, 1);
    const int mini = Store(Mini, 1);
    const int second = Store(Large, 1);
    TPrintPlan plan;
    plan.PageCount = 1;
    plan.Capacity[0] = 4;
    plan.Answer[first - 1] = {1, 1};
    plan.Answer[mini - 1] = {1, 2};
    plan.Answer[second - 1] = {1, 3};
    // Quarters of 419 x 269: Large squares of 15 pixels take digits of 7 points, Mini squares of
    // 28 pixels digits of 14 points.
    const TSizedCanvas canvas = Render(plan, 1, 850, 550);
    std::vector<int> points;
    for (const TCanvasCall& c : Digits(canvas, lib->Grid(first).Sq[1][1].Answer())) {
        points.push_back(c.FontPoints);
    }
    EXPECT_EQ(points, (std::vector<int>{7, 14, 7}));
}

TEST_F(PageFixture, ClueFontTurnsRegularSmallFontsJustBelowEightPoints) {
    const int slot = Store(Mini, 1);
    const int clue = lib->Grid(slot).Sq[1][0].AcrossTotal;
    // The clue font fits when "24" is at most h - 1 wide: 2 x 0.6 x points <= h - 1.
    struct Case {
        int Height;  // of a one-position page, wide enough that the height sets the square
        int Points;
    };
    for (const Case c : {Case{2000, 14}, Case{276, 8}, Case{256, 7}}) {
        const TSizedCanvas canvas =
            Render(SinglePuzzlePlan(TSinglePrint::PuzzleOnly), 1, 5000, c.Height, 2, slot);
        const auto calls = Clues(canvas, clue);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].FontPoints, c.Points) << c.Height;
        EXPECT_EQ(calls[0].Face, c.Points < 8 ? "Small Fonts" : kPrintFace);
    }
}

TEST_F(PageFixture, CurrentStateWithoutEntriesPrintsTheBlankPuzzle) {
    const int slot = Store(Mini, 1);
    const TPuzzleGrid entries = lib->Grid(slot);
    const TPrintPlan plan = SinglePuzzlePlan(TSinglePrint::PuzzleAndAnswer);
    const TSizedCanvas blank = Render(plan, 1, 850, 1100, 2, slot);
    const TSizedCanvas none = Render(plan, 1, 850, 1100, 2, slot, &entries);
    EXPECT_EQ(none.Texts(), blank.Texts());
    EXPECT_EQ(none.Calls.size(), blank.Calls.size());
}

// The sample's answers are 1 2 / 3 5, and a second block in the last rows and columns holds
// 4 6 / 9 8. The player entered a wrong 6 over the 1, the right 2, the 4 and a wrong 7 over the
// last square's 8; the stored entry under the 5 is not a digit.
TEST_F(PageFixture, CurrentStateShowsEntriesInThePuzzleAndTheAnswerDigitsAlone) {
    const int slot = Store(Mini, 1);
    TPuzzleGrid& grid = lib->Grid(slot);
    const int corner[2][2] = {{4, 6}, {9, 8}};
    for (int k = 0; k < 2; ++k) {
        for (int j = 0; j < 2; ++j) {
            grid.Sq[7 + k][11 + j].Kind = White;
            grid.Sq[7 + k][11 + j].SetAnswer(corner[k][j]);
        }
        grid.Sq[7 + k][10].AcrossSquares = grid.Sq[6][11 + k].DownSquares = 2;
        grid.Sq[7 + k][10].AcrossTotal = corner[k][0] + corner[k][1];
        grid.Sq[6][11 + k].DownTotal = corner[0][k] + corner[1][k];
    }
    TPuzzleGrid entries = grid;
    entries.Sq[1][1].Entry = 6;
    entries.Sq[1][2].Entry = 2;
    entries.Sq[2][2].Entry = 12;
    entries.Sq[7][11].Entry = 4;
    entries.Sq[8][12].Entry = 7;
    const int squares[8][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {7, 11}, {7, 12}, {8, 11}, {8, 12}};
    struct Case {
        TSinglePrint How;
        int Page;
        int Position;
        bool Answer;
        std::vector<std::string> Want;  // the texts in `squares`
    };
    const std::vector<std::string> puzzle = {"6", "2", "", "", "4", "", "", "7"};
    const std::vector<std::string> answer = {"1", "2", "3", "5", "4", "6", "9", "8"};
    const Case cases[] = {
        {TSinglePrint::PuzzleOnly, 1, 1, false, puzzle},
        {TSinglePrint::PuzzleAndAnswer, 1, 1, false, puzzle},
        {TSinglePrint::PuzzleAndAnswer, 1, 2, true, answer},
        {TSinglePrint::SeparatePages, 1, 1, false, puzzle},
        {TSinglePrint::SeparatePages, 2, 1, true, answer},
    };
    for (const Case& c : cases) {
        const TPrintPlan plan = SinglePuzzlePlan(c.How);
        const int capacity = plan.CapacityOf(c.Page);
        const bool portrait = capacity == 2;
        const int width = portrait ? 850 : 1100;
        const int height = portrait ? 1100 : 850;
        const TSizedCanvas canvas = Render(plan, c.Page, width, height, 2, slot, &entries);
        const TGridLines g =
            PrintGridLines(PositionRect(width, height, 3, capacity, c.Position), 9, 13, c.Answer);
        std::vector<std::string> got;
        for (const auto [r, col] : squares) {
            std::string texts;
            for (const TCanvasCall& t : canvas.Of(TCanvasOp::TextOut)) {
                if (t.At.X >= g.X[col] && t.At.X < g.X[col + 1] && t.At.Y >= g.Y[r + 1] &&
                    t.At.Y < g.Y[r + 2]) {
                    texts += t.Text;
                }
            }
            got.push_back(texts);
        }
        EXPECT_EQ(got, c.Want) << "page " << c.Page << " position " << c.Position;
    }
}

}  // namespace
}  // namespace xs
