// Tests of board and preview squares drawn on the recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "font_canvas.h"
#include "solve/board_render.h"
#include "support/recording_canvas.h"

namespace xs {
namespace {

using test::TCanvasCall;
using test::TCanvasOp;
using test::TFontSizedCanvas;
using test::TRecordingCanvas;

TRect SquareAt(int left, int top, int size) {
    return {left, top, left + size, top + size};
}

// The last call that drew `text`.
std::optional<TCanvasCall> TextCall(const TRecordingCanvas& canvas, const std::string& text) {
    std::optional<TCanvasCall> found;
    for (const TCanvasCall& c : canvas.Calls)
        if ((c.Op == TCanvasOp::TextOut || c.Op == TCanvasOp::TextRect) && c.Text == text)
            found = c;
    return found;
}

struct TBoardFixture : ::testing::Test {
    TPuzzleGrid Grid{};
    TCheckMarks Checks;
    TSelectedRun Selected;
    TBoardView View() { return {&Grid, &Checks, &Selected, kHighlightOrange}; }
    TSquare& Sq(int r, int c) { return Grid.Sq[r][c]; }
};

using BoardSquare = TBoardFixture;

// Zoomed in, the totals grow with the square from their size at zoom 0 (Fitted), stepping down
// where "45" would not fit half the square (7 pixels a character per 10 points here).
TEST_F(BoardSquare, FontsGrowAtFortyPixels) {
    struct TCase {
        int Size;
        int Fitted;
        int CluePoints;
        int EntryPoints;
    };
    const TCase cases[] = {{39, 39, 8, 16},  {40, 40, 10, 18}, {40, 38, 10, 18},
                           {60, 30, 16, 18}, {80, 20, 28, 18}, {39, 30, 10, 16}};
    for (const TCase& tc : cases) {
        Sq(1, 1) = TSquare{Black, {}, 23, 0, 3, 0, 0, {}};
        Sq(1, 2).Kind = White;
        Sq(1, 2).Entry = 4;
        TFontSizedCanvas canvas;
        TBoardView view = View();
        view.CluePoints = ClueFontPoints(tc.Size, tc.Fitted);
        dgGridDrawCell(canvas, view, 1, 1, SquareAt(0, 0, tc.Size));
        dgGridDrawCell(canvas, view, 2, 1, SquareAt(100, 0, tc.Size));
        EXPECT_EQ(TextCall(canvas, "23")->FontPoints, tc.CluePoints) << tc.Size;
        EXPECT_EQ(TextCall(canvas, "4")->FontPoints, tc.EntryPoints) << tc.Size;
    }
}

// On the test canvas a line is points + 3 high and a pad digit points * 7 / 10 - 1 wide.
TEST_F(BoardSquare, PadDigitsGrowWithTheZoomAndStepDownToFitTheirCells) {
    struct TCase {
        int Square, Fitted, Points;
    };
    const TCase cases[] = {
        {30, 30, 6},    // zoom 0: six points
        {24, 24, 6},    // a third of 8: the line of 9 fits with a pixel to spare
        {23, 23, 5},    // a third of 7: one size smaller
        {101, 23, 26},  // zoomed in, growing with the square
        {60, 20, 18},   // 18 wanted, the largest whose line fits 20 + 1
        {4, 4, 1},      // nothing fits: the smallest
    };
    Sq(1, 1).Kind = White;
    for (const TCase& tc : cases) {
        TFontSizedCanvas canvas;
        TBoardView view = View();
        view.PadPoints = PadFontPoints(tc.Square, tc.Fitted);
        dgGridDrawCell(canvas, view, 1, 1, SquareAt(0, 0, tc.Square));
        EXPECT_EQ(TextCall(canvas, "5")->FontPoints, tc.Points) << tc.Square;
    }
}

TEST_F(BoardSquare, PadCellsAreThirdsWithTheMiddleTakingTheRest) {
    // 32 pixels: t = 10, so the middle column and row are 12 wide.
    Sq(1, 1).Kind = White;
    TRecordingCanvas canvas;
    dgGridDrawCell(canvas, View(), 1, 1, SquareAt(100, 200, 32));
    const TRect expected[9] = {
        {100, 200, 110, 210}, {110, 200, 122, 210}, {122, 200, 132, 210},
        {100, 210, 110, 222}, {110, 210, 122, 222}, {122, 210, 132, 222},
        {100, 222, 110, 232}, {110, 222, 122, 232}, {122, 222, 132, 232},
    };
    for (int d = 1; d <= 9; ++d) {
        const TCanvasCall cell = *TextCall(canvas, std::to_string(d));
        EXPECT_EQ(cell.Rect, expected[d - 1]) << d;
        EXPECT_EQ(cell.Face, "Small Fonts");
    }
}

TEST_F(BoardSquare, EntryCheckColoursReachAPixelFurther) {
    Sq(1, 1).Kind = White;
    Sq(1, 1).Entry = 6;
    for (const int check : {0, 1, 2}) {
        Checks.EntryCheck[1][1] = check;
        TRecordingCanvas canvas;
        dgGridDrawCell(canvas, View(), 1, 1, SquareAt(10, 10, 30));
        const TCanvasCall fill = canvas.Of(TCanvasOp::Rectangle).front();
        EXPECT_EQ(fill.Rect, SquareAt(10, 10, check == 0 ? 30 : 31)) << check;
        EXPECT_EQ(TextCall(canvas, "6")->Brush, fill.Brush) << check;
        EXPECT_TRUE(TextCall(canvas, "1") == std::nullopt) << "an entry hides the pad";
    }
}

TEST_F(BoardSquare, DownOnlyClueHasTheDiagonalAndItsNumberLowerLeft) {
    Sq(0, 1) = TSquare{Black, {}, 0, 17, 0, 2, 0, {}};
    TRecordingCanvas canvas;
    const TRect r = SquareAt(40, 0, 40);
    dgGridDrawCell(canvas, View(), 1, 0, r);
    ASSERT_EQ(canvas.Texts(), std::vector<std::string>{"17"});
    const TCanvasCall text = *TextCall(canvas, "17");
    EXPECT_LT(text.At.X + 14, r.Left + 20);  // two characters of 7 pixels inside the left half
    EXPECT_GE(text.At.Y, r.Top + 20);
    const auto lines = canvas.Of(TCanvasOp::Line);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const TCanvasCall& l) {
        return l.Pen == kWhite && l.At == TPoint{40, 0} && l.To == TPoint{79, 39};
    }));
}

TEST_F(BoardSquare, SelectedClueShowsItsTriangleInTheHighlightColour) {
    struct TCase {
        std::uint8_t IsDown;
        std::vector<TPoint> Triangle;
        const char* Lit;
        const char* Plain;
    };
    const TCase cases[] = {
        {0, {{0, 0}, {29, 0}, {29, 29}}, "12", "9"},
        {1, {{0, 0}, {29, 29}, {0, 29}}, "9", "12"},
    };
    Sq(1, 1) = TSquare{Black, {}, 12, 9, 2, 2, 0, {}};
    const TColor custom{0x123456};
    for (const TCase& tc : cases) {
        Selected.ClueRow = 1;
        Selected.ClueCol = 1;
        Selected.IsDown = tc.IsDown;
        TBoardView view = View();
        view.Highlight = custom;
        TRecordingCanvas canvas;
        dgGridDrawCell(canvas, view, 1, 1, SquareAt(0, 0, 30));
        const auto polygons = canvas.Of(TCanvasOp::Polygon);
        ASSERT_EQ(polygons.size(), 1u);
        EXPECT_EQ(polygons[0].Points, tc.Triangle);
        EXPECT_EQ(polygons[0].Brush, custom);
        EXPECT_EQ(TextCall(canvas, tc.Lit)->Brush, custom);
        EXPECT_NE(TextCall(canvas, tc.Plain)->Brush, custom);
    }
    // Another clue square is not highlighted.
    TRecordingCanvas other;
    Sq(2, 0) = Sq(1, 1);
    dgGridDrawCell(other, View(), 0, 2, SquareAt(0, 0, 30));
    EXPECT_TRUE(other.Of(TCanvasOp::Polygon).empty());
}

// Three runs of a hint from the clue squares (1, 1) and (3, 0): each total's triangle and each
// run framed in the hint's magenta, 2 pixels on the grid lines and 2 inside the squares.
TEST_F(BoardSquare, HintRunsOfAnyNumberAreFramedInTheirOwnColour) {
    const char* rows[] = {"#####", "##...", "#.###", "#..##"};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c) Sq(r, c).Kind = rows[r][c] == '#' ? Black : White;
    Sq(1, 1) = TSquare{Black, {}, 12, 3, 3, 2, 0, {}};
    Sq(3, 0) = TSquare{Black, {}, 4, 0, 2, 0, 0, {}};
    const THintRun runs[3] = {{1, 1, false}, {1, 1, true}, {3, 0, false}};
    TBoardOverlay overlay;
    overlay.HintRuns = runs;
    TBoardView view = View();
    view.Overlay = &overlay;
    TRecordingCanvas canvas;
    PaintBoard(canvas, view, {0, 0, 20, 2}, {0, 0, 3, 4});

    std::vector<TRect> magenta;
    for (const TCanvasCall& c : canvas.Of(TCanvasOp::FillRect))
        if (c.Brush == TColor{0xE040E0}) magenta.push_back(c.Rect);
    // Squares x 44..108, y 22..42; x 22..42, y 44..86; x 22..64, y 66..86.
    const std::vector<TRect> frames = {{42, 20, 110, 24},  {42, 40, 110, 44}, {42, 20, 46, 44},
                                       {106, 20, 110, 44}, {20, 42, 44, 46},  {20, 84, 44, 88},
                                       {20, 42, 24, 88},   {40, 42, 44, 88},  {20, 64, 66, 68},
                                       {20, 84, 66, 88},   {20, 64, 24, 88},  {62, 64, 66, 88}};
    EXPECT_EQ(magenta, frames);
    const auto polygons = canvas.Of(TCanvasOp::Polygon);
    ASSERT_EQ(polygons.size(), 3u);
    for (const TCanvasCall& p : polygons) EXPECT_EQ(p.Brush, TColor{0xE040E0});
    EXPECT_EQ(TextCall(canvas, "12")->Brush, TColor{0xE040E0});
}

// The hint's own square (2, 1) is tinted and ringed 2 pixels deep inside the cursor's 1; the
// square it also names, (3, 1), framed as a run; a run it takes away, dashed.
TEST_F(BoardSquare, HintTargetStandsOutAndNamedSquaresAreFramed) {
    for (int r = 1; r <= 3; ++r) Sq(r, 1).Kind = White;
    Sq(0, 1) = TSquare{Black, {}, 0, 6, 0, 3, 0, {}};
    Sq(2, 1).Possible[4] = 1;
    const THintCell cells[1] = {{3, 1}};
    const THintRun minus[1] = {{0, 1, true, true}};
    TBoardOverlay overlay;
    overlay.HintCells = cells;
    overlay.HintRuns = minus;
    overlay.CursorRow = overlay.TargetRow = 2;
    overlay.CursorCol = overlay.TargetCol = 1;
    TBoardView view = View();
    view.Overlay = &overlay;
    TRecordingCanvas canvas;
    PaintBoard(canvas, view, {0, 0, 20, 2}, {0, 0, 3, 1});

    // Square (2, 1)'s pad: a digit not marked on the tint, its mark yellow as ever.
    std::vector<TColor> pad;
    for (const TCanvasCall& c : canvas.Of(TCanvasOp::TextRect))
        if (c.Rect.Top >= 44 && c.Rect.Bottom <= 64 && (c.Text == "1" || c.Text == "5"))
            pad.push_back(c.Brush);
    EXPECT_EQ(pad, (std::vector<TColor>{TColor{0xF8C8F8}, TColor{0xFFFF80}}));
    std::vector<TRect> magenta;
    for (const TCanvasCall& c : canvas.Of(TCanvasOp::FillRect))
        if (c.Brush == TColor{0xE040E0}) magenta.push_back(c.Rect);
    // Squares x 22..42: (3, 1) at y 66..86, (2, 1) at y 44..64.
    const std::vector<TRect> last = {{20, 64, 44, 68}, {20, 84, 44, 88}, {20, 64, 24, 88},
                                     {40, 64, 44, 88}, {23, 45, 41, 47}, {23, 61, 41, 63},
                                     {23, 45, 25, 63}, {39, 45, 41, 63}};
    ASSERT_GT(magenta.size(), last.size() + 4);  // the dashes come first
    EXPECT_EQ(std::vector<TRect>(magenta.end() - 8, magenta.end()), last);
}

TEST_F(BoardSquare, EveryKindEndsWithItsLeftAndTopEdgesInsideTheSquare) {
    Sq(1, 1).Kind = Black;
    Sq(1, 2).Kind = White;
    Sq(1, 3).Kind = 7;  // damaged
    const int cells[][2] = {{1, 1}, {1, 2}, {1, 3}, {0, 26}, {-1, 0}};
    for (const auto& rc : cells) {
        for (const bool preview : {false, true}) {
            TRecordingCanvas canvas;
            if (preview)
                dgSmallDrawCell(canvas, Grid, rc[1], rc[0], SquareAt(20, 60, 30));
            else
                dgGridDrawCell(canvas, View(), rc[1], rc[0], SquareAt(20, 60, 30));
            const auto lines = canvas.Of(TCanvasOp::Line);
            ASSERT_GE(lines.size(), 2u);
            const TCanvasCall left = lines[lines.size() - 2];
            const TCanvasCall top = lines.back();
            EXPECT_EQ(left.At, (TPoint{20, 60}));
            EXPECT_EQ(left.To, (TPoint{20, 89}));
            EXPECT_EQ(top.To, (TPoint{49, 60}));
        }
    }
}

TEST(PreviewSquare, MarkedEmptySquareIsPaleYellowWithoutAPad) {
    TPuzzleGrid grid{};
    grid.Sq[1][1].Kind = White;
    grid.Sq[1][1].Possible[8] = 1;
    grid.Sq[1][2] = grid.Sq[1][1];
    grid.Sq[1][2].Entry = 3;  // an entry wins over the marks
    grid.Sq[1][3].Kind = White;
    TColor back[4];
    for (int col = 1; col <= 3; ++col) {
        TRecordingCanvas canvas;
        dgSmallDrawCell(canvas, grid, col, 1, SquareAt(0, 0, 20));
        back[col] = canvas.Of(TCanvasOp::Rectangle).front().Brush;
        EXPECT_EQ(canvas.Texts().size(), col == 2 ? 1u : 0u) << col;
    }
    EXPECT_NE(back[1], back[3]);
    EXPECT_EQ(back[2], back[3]);
}

TEST(PreviewSquare, ClueFontStepsDownUntilALineFitsHalfTheSquare) {
    // Lines are points + 3 high on this canvas.
    struct TCase {
        int Size;
        const char* Face;
        int Points;
    };
    const TCase cases[] = {
        {26, "Arial", 10},      {25, "Arial", 8},       {22, "Arial", 8},
        {21, "Small Fonts", 7}, {18, "Small Fonts", 6}, {17, "Small Fonts", 5},
        {10, "Small Fonts", 5},
    };
    TPuzzleGrid grid{};
    grid.Sq[0][1] = TSquare{Black, {}, 0, 45, 0, 9, 0, {}};
    for (const TCase& tc : cases) {
        TFontSizedCanvas canvas;
        dgSmallDrawCell(canvas, grid, 1, 0, SquareAt(0, 0, tc.Size));
        const TCanvasCall text = *TextCall(canvas, "45");
        EXPECT_EQ(text.Face, tc.Face) << tc.Size;
        EXPECT_EQ(text.FontPoints, tc.Points) << tc.Size;
    }
}

TEST(PaintGrid, PartOfAGridLiesFromTheOriginWithGridLinesBetween) {
    TPuzzleGrid grid{};
    grid.Sq[1][1].Kind = White;
    grid.Sq[1][1].Entry = 8;
    grid.Sq[2][2].Kind = White;
    grid.Sq[2][2].Entry = 9;
    const TGridGeometry geometry{100, 50, 20, 2};
    TRecordingCanvas canvas;
    PaintBoard(canvas, {&grid, nullptr, nullptr, kHighlightOrange}, geometry, {1, 1, 2, 2});
    EXPECT_EQ(canvas.Calls.front().Rect, (TRect{100, 50, 144, 94}));  // grid lines under all
    const auto squares = canvas.Of(TCanvasOp::Rectangle);
    ASSERT_EQ(squares.size(), 4u);
    EXPECT_EQ(squares[0].Rect, SquareAt(100, 50, 20));
    EXPECT_EQ(squares[3].Rect, SquareAt(122, 72, 20));

    // A range reaching outside the grid keeps the squares inside it in their places.
    TRecordingCanvas clipped;
    PaintPreview(clipped, grid, {0, 0, 10, 1}, {-1, 24, 0, 27});
    const auto previewSquares = clipped.Of(TCanvasOp::Line);
    EXPECT_EQ(previewSquares.size(), 2u * 2);  // (0, 24) and (0, 25) only
    EXPECT_EQ(previewSquares.front().At, (TPoint{0, 11}));
}

}  // namespace
}  // namespace xs
