// Tests of the solving page's layout numbers: board size, zoom, panning, the bottom bar.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "solve/board_layout.h"

namespace xs {
namespace {

constexpr TPuzzleDims kLarge{15, 25};
constexpr TPuzzleDims kMini{8, 12};

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

TBoardLayoutInput Input(int w, int h, TPuzzleDims dims, int zoom, int panRow = 0, int panCol = 0) {
    TBoardLayoutInput in;
    in.GridWidth = w;
    in.GridHeight = h;
    in.Dims = dims;
    in.ZoomLevel = zoom;
    in.PanRow = panRow;
    in.PanCol = panCol;
    return in;
}

// The zoom level at which the board first stops fitting.
int FirstPannedZoom(int w, int h, TPuzzleDims dims) {
    for (int zoom = 0;; ++zoom)
        if (!LayoutBoard(Input(w, h, dims, zoom)).Fits) return zoom;
}

TEST(BoardLayout, AtZoomZeroTheWholeBoardShowsCentredWithoutPanButtons) {
    struct TCase {
        int W, H;
        TPuzzleDims Dims;
    };
    const TCase cases[] = {{600, 400, kLarge},
                           {1200, 700, kLarge},
                           {420, 330, kMini},
                           {1600, 300, kMini},
                           {301, 1000, kLarge}};
    for (const TCase& tc : cases) {
        const TBoardLayout b = LayoutBoard(Input(tc.W, tc.H, tc.Dims, 0, 3, 2));
        EXPECT_TRUE(b.Fits) << tc.W << "x" << tc.H;
        EXPECT_EQ(b.PanRow, 0);
        EXPECT_EQ(b.PanCol, 0);
        EXPECT_FALSE(b.HideTopShown || b.HideLeftShown);
        EXPECT_TRUE(Inside(b.Board, {0, 0, tc.W, tc.H}));
        EXPECT_LE(std::abs(b.Board.Left - (tc.W - b.Board.Right)), 1);
        EXPECT_LE(std::abs(b.Board.Top - (tc.H - b.Board.Bottom)), 1);
        EXPECT_EQ(b.Board.Width(), (b.Square + kBoardGridLine) * (tc.Dims.LastCol + 1));
    }
}

TEST(BoardLayout, ZoomingPastTheFitShowsPanButtonsWithUpAndLeftOff) {
    const int zoom = FirstPannedZoom(700, 450, kLarge);
    ASSERT_GT(zoom, 0);
    const TBoardLayout b = LayoutBoard(Input(700, 450, kLarge, zoom));
    EXPECT_FALSE(b.Fits);
    EXPECT_FALSE(b.Up.Enabled);
    EXPECT_FALSE(b.Left.Enabled);
    EXPECT_TRUE(b.Down.Enabled);
    EXPECT_TRUE(b.Right.Enabled);
    EXPECT_FALSE(b.HideTopShown || b.HideLeftShown);
    // Window between its buttons, everything inside PanelGrid.
    EXPECT_EQ(b.Window.Top, b.Up.Rect.Bottom);
    EXPECT_EQ(b.Window.Bottom, b.Down.Rect.Top);
    EXPECT_EQ(b.Window.Left, b.Left.Rect.Right);
    EXPECT_EQ(b.Window.Right, b.Right.Rect.Left);
    for (const TRect& r : {b.Up.Rect, b.Down.Rect, b.Left.Rect, b.Right.Rect, b.Window})
        EXPECT_TRUE(Inside(r, {0, 0, 700, 450}));
}

TEST(BoardLayout, PanningPastTheLastRowAndColumnIsUndone) {
    const int zoom = FirstPannedZoom(700, 450, kLarge) + 12;
    const int step = LayoutBoard(Input(700, 450, kLarge, zoom)).Square + kBoardGridLine;
    int panRow = 0;
    int panCol = 0;
    TBoardLayout b = LayoutBoard(Input(700, 450, kLarge, zoom));
    while (b.Down.Enabled || b.Right.Enabled) {
        panRow += b.Down.Enabled ? 1 : 0;
        panCol += b.Right.Enabled ? 1 : 0;
        b = LayoutBoard(Input(700, 450, kLarge, zoom, panRow, panCol));
        ASSERT_LT(panRow + panCol, 60);
    }
    // One more press each way changes nothing.
    const TBoardLayout past = LayoutBoard(Input(700, 450, kLarge, zoom, panRow + 1, panCol + 1));
    EXPECT_EQ(past.PanRow, panRow);
    EXPECT_EQ(past.PanCol, panCol);
    EXPECT_FALSE(past.Down.Enabled || past.Right.Enabled);
    EXPECT_TRUE(past.Up.Enabled && past.Left.Enabled);
    // The last row and column end at the window's far edges; the first panned ones start it.
    EXPECT_EQ(past.Board.Top + step * 16, past.Window.Bottom);
    EXPECT_EQ(past.Board.Left + step * 26, past.Window.Right);
    EXPECT_EQ(past.Board.Top + step * panRow, past.Window.Top);
    EXPECT_TRUE(past.HideTopShown && past.HideLeftShown);
    EXPECT_EQ(past.HideTop.Bottom, past.Window.Top);
    EXPECT_EQ(past.HideLeft.Right, past.Window.Left);
    // A window made taller pulls the pan back so no space shows below the last row.
    const TBoardLayout taller = LayoutBoard(Input(700, 900, kLarge, zoom, panRow, panCol));
    EXPECT_EQ(taller.Board.Top + step * 16, taller.Window.Bottom);
    EXPECT_LT(taller.PanRow, panRow);
}

// Every square of a Large board, from the top-left, a middle and the last pan: afterwards it is
// wholly in the window, and one pan step less towards where the board was would not show it.
TEST(BoardLayout, PanToShowBringsEverySquareWhollyIntoViewByTheFewestSteps) {
    const int zoom = FirstPannedZoom(700, 450, kLarge) + 12;
    for (const auto& [panRow, panCol] : {std::pair{0, 0}, std::pair{5, 9}, std::pair{16, 26}}) {
        for (int row = 0; row <= 15; ++row) {
            for (int col = 0; col <= 25; ++col) {
                SCOPED_TRACE(testing::Message()
                             << panRow << "," << panCol << ": " << row << "," << col);
                const TBoardLayoutInput start = Input(700, 450, kLarge, zoom, panRow, panCol);
                const TBoardLayout before = LayoutBoard(start);
                TBoardLayoutInput in = start;
                PanToShow(in, row, col);
                const auto seen = [&](int pr, int pc) {
                    const TBoardLayout b = LayoutBoard(Input(700, 450, kLarge, zoom, pr, pc));
                    const int step = b.Square + kBoardGridLine;
                    const TRect sq{b.Board.Left + step * col, b.Board.Top + step * row,
                                   b.Board.Left + step * col + b.Square,
                                   b.Board.Top + step * row + b.Square};
                    return Inside(sq, b.Window);
                };
                ASSERT_TRUE(seen(in.PanRow, in.PanCol));
                const int backRow = in.PanRow + (in.PanRow < before.PanRow ? 1 : -1);
                if (in.PanRow != before.PanRow) {
                    EXPECT_FALSE(seen(backRow, in.PanCol));
                }
                const int backCol = in.PanCol + (in.PanCol < before.PanCol ? 1 : -1);
                if (in.PanCol != before.PanCol) {
                    EXPECT_FALSE(seen(in.PanRow, backCol));
                }
            }
        }
    }
    TBoardLayoutInput fits = Input(700, 450, kLarge, 0, 0, 0);
    PanToShow(fits, 15, 25);
    EXPECT_EQ(fits.PanRow + fits.PanCol, 0);
}

// A block that fits the window comes wholly into view; one a row taller changes nothing.
TEST(BoardLayout, PanToShowBlockShowsTheWholeBlockOrNothing) {
    const int zoom = FirstPannedZoom(700, 450, kLarge) + 12;
    const TBoardLayout start = LayoutBoard(Input(700, 450, kLarge, zoom, 5, 9));
    const int step = start.Square + kBoardGridLine;
    const int rows = (start.Window.Height() - start.Square) / step + 1;  // wholly seen
    struct TCase {
        int FirstRow, FirstCol, LastRow, LastCol;
        bool Shown;
    };
    const TCase cases[] = {{0, 0, rows - 1, 1, true},
                           {16 - rows, 24, 15, 25, true},
                           {7, 12, 7, 12, true},
                           {2, 3, rows + 2, 3, false}};
    for (const TCase& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.FirstRow << "," << tc.LastRow);
        TBoardLayoutInput in = Input(700, 450, kLarge, zoom, 5, 9);
        ASSERT_EQ(PanToShowBlock(in, tc.FirstRow, tc.FirstCol, tc.LastRow, tc.LastCol), tc.Shown);
        const TBoardLayout b = LayoutBoard(in);
        const auto seen = [&](int row, int col) {
            const TRect sq{b.Board.Left + step * col, b.Board.Top + step * row,
                           b.Board.Left + step * col + b.Square,
                           b.Board.Top + step * row + b.Square};
            return Inside(sq, b.Window);
        };
        EXPECT_EQ(seen(tc.FirstRow, tc.FirstCol) && seen(tc.LastRow, tc.LastCol), tc.Shown);
        if (!tc.Shown) {
            EXPECT_EQ(std::pair(in.PanRow, in.PanCol), std::pair(5, 9));
        }
    }
}

TEST(BoardLayout, PartlySeenRowIsAThirdWhenThereIsRoomElseTwoThirds) {
    // Sweep the panel height; whenever rows remain below, the window ends a third of a square
    // into the next row if that much room is left below the whole rows, else two thirds into
    // the last whole one.
    const int zoom = 20;
    int thirds = 0;
    int twoThirds = 0;
    for (int h = 200; h < 460; ++h) {
        TBoardLayoutInput in = Input(500, h, kMini, zoom);
        const TBoardLayout b = LayoutBoard(in);
        if (b.Fits || !b.Down.Enabled) continue;
        const int s = b.Square;
        const int step = s + kBoardGridLine;
        const int room = h - 2 * in.PanThickness;
        const int whole = (room - 1) / step;
        const int part = b.Window.Height() % step;
        EXPECT_LE(b.Window.Height(), room) << h;
        if (room - whole * step >= s / 3) {
            EXPECT_EQ(b.Window.Height(), whole * step + s / 3) << h;
            ++thirds;
        } else {
            EXPECT_EQ(part, 2 * s / 3) << h;
            EXPECT_EQ(b.Window.Height() / step, whole - 1) << h;
            ++twoThirds;
        }
    }
    EXPECT_GT(thirds, 0);
    EXPECT_GT(twoThirds, 0);
}

TEST(BoardLayout, ZoomInTurnsOffFromOneHundredAndOnePixels) {
    for (const int w : {600, 614}) {  // an even and an odd fitted size
        const int s0 = FittedSquareSize(w, 5000, kMini);
        int zoom = 0;
        while (LayoutBoard(Input(w, 5000, kMini, zoom + 1)).Square < kZoomLimitSquare) ++zoom;
        const TBoardLayout last = LayoutBoard(Input(w, 5000, kMini, zoom));
        const TBoardLayout over = LayoutBoard(Input(w, 5000, kMini, zoom + 1));
        EXPECT_EQ(last.Square, s0 + 2 * zoom);
        EXPECT_TRUE(last.ZoomInEnabled) << last.Square;
        EXPECT_FALSE(over.ZoomInEnabled) << over.Square;
        EXPECT_TRUE(over.Square == 101 || over.Square == 102);
    }
    EXPECT_FALSE(LayoutBoard(Input(600, 400, kMini, INT_MAX, INT_MAX, INT_MAX)).ZoomInEnabled);
}

TEST(BoardLayout, PointsMapToSquaresWithTheGridLineAfterEachSquare) {
    struct TCase {
        int X, Y;
        std::optional<TSquarePos> Pos;
    };
    // Squares of 30 pixels: square c spans 32 c .. 32 c + 31 with its grid line.
    const TCase cases[] = {
        {0, 0, TSquarePos{0, 0}},
        {31, 31, TSquarePos{0, 0}},
        {32, 0, TSquarePos{0, 1}},
        {0, 32 * 8 + 31, TSquarePos{8, 0}},
        {32 * 12 + 31, 0, TSquarePos{0, 12}},
        {32 * 13, 0, std::nullopt},
        {0, 32 * 9, std::nullopt},
        {-1, 5, std::nullopt},
        {5, -1, std::nullopt},
    };
    for (const TCase& tc : cases)
        EXPECT_EQ(BoardSquareAt(tc.X, tc.Y, 30, kMini), tc.Pos) << tc.X << "," << tc.Y;
    EXPECT_EQ(BoardSquareRect(2, 3, 30), (TRect{96, 64, 126, 94}));
}

TEST(BoardLayout, PaintAreaCoversTheSquaresItTouches) {
    struct TCase {
        TRect Area;
        TCellRange Range;
    };
    // Squares of 30 pixels and 2 of grid line: square c spans 32 c .. 32 c + 31.
    const TCase cases[] = {
        {{31, 31, 33, 33}, {0, 0, 1, 1}},
        {{32, 32, 64, 64}, {1, 1, 1, 1}},
        {{-50, -50, 5000, 10}, {0, 0, 0, 12}},
        {{416, 0, 500, 10}, {0, 0, -1, -1}},
    };
    for (const TCase& tc : cases) {
        const TCellRange r = BoardRangeIn(tc.Area, 30, kMini);
        EXPECT_EQ(
            (std::array{r.FirstRow, r.FirstCol, r.LastRow, r.LastCol}),
            (std::array{tc.Range.FirstRow, tc.Range.FirstCol, tc.Range.LastRow, tc.Range.LastCol}))
            << tc.Area.Left << "," << tc.Area.Top;
    }
}

TSolvePageMetrics Metrics() {
    TSolvePageMetrics m;
    m.LineHeight = 15;
    m.SolveWidth = 28;
    m.ModeTextWidth = 240;
    m.MoreWidth = 40;
    m.ZoomWidth = 28;
    m.EraseAllWidth = 46;
    m.RadioIndent = 20;
    return m;
}

TEST(SolvePageLayout, BottomBarSharesSpareWidthInUnitsAndFourEqualGaps) {
    struct TCase {
        int Width;
        int Unit;
    };
    // Base widths: 3 x 35 + 19 + 265 + 2 x 24 + 4 x 78 + 20 = 769.
    const TCase cases[] = {{769, 0}, {785, 0}, {786, 1}, {1035, 15}, {1278, 29}, {1600, 30}};
    for (const TCase& tc : cases) {
        const TSolvePageLayout p = LayoutSolvePage(tc.Width, 600, Metrics(), false);
        EXPECT_EQ(p.Unit, tc.Unit) << tc.Width;
        EXPECT_EQ(p.Commands[7].Width(), 78 + 2 * tc.Unit);
        const int gap = p.Mode.Left;
        EXPECT_EQ(p.Mode2.Left, p.Mode.Right) << tc.Width;
        EXPECT_EQ(p.Zoom.Left - p.Mode2.Right, gap) << tc.Width;
        EXPECT_EQ(p.Commands[0].Left - 1 - p.Zoom.Right, gap) << tc.Width;
        EXPECT_LE(tc.Width - (p.Commands[3].Right + 1) - gap, 3) << tc.Width;
        EXPECT_TRUE(Inside(p.More, p.Mode2));
    }
}

TEST(SolvePageLayout, StripAtTheTopOrTheSideSharesThePageWithTheBoard) {
    const int lineHeight = 16;  // the smallest line the bar is built on
    for (const bool side : {false, true}) {
        TSolvePageMetrics m = Metrics();
        m.LineHeight = 9;
        const TSolvePageLayout p = LayoutSolvePage(1000, 700, m, side);
        const int header = p.Header.Height();
        const int bar = p.Mode.Height();
        EXPECT_EQ(bar, 2 * lineHeight + 26);
        EXPECT_EQ(p.Commands[0].Height(), bar / 2 - 2);
        EXPECT_EQ(p.Grid.Height(), 700 - header - (side ? 0 : header) - bar - 10);
        EXPECT_EQ(p.Mode.Top, p.Grid.Bottom + 3);
        EXPECT_TRUE(Inside(p.MoveButton, p.Poss));
        if (side) {
            EXPECT_EQ(p.Poss, (TRect{0, header, 2 * p.ModeButtons[0].Width(), p.Grid.Bottom}));
            EXPECT_EQ(p.Grid.Left, p.Poss.Right);
        } else {
            EXPECT_EQ(p.Poss, (TRect{0, header, 1000, 2 * header}));
            EXPECT_EQ(p.Grid.Top, p.Poss.Bottom);
        }
    }
}

// The hint's box spans the bottom bar, as tall as its text, at the board's foot unless it would
// hide the hint's square there (or more of the named squares) and not at the top.
TEST(SolvePageLayout, HintBoxStandsAtTheFootUnlessItHidesTheHintThere) {
    const TSolvePageLayout p = LayoutSolvePage(1000, 700, Metrics(), false);
    const TRect low{500, p.Grid.Bottom - 30, 520, p.Grid.Bottom - 10};
    const TRect high{500, p.Grid.Top + 10, 520, p.Grid.Top + 30};
    struct TCase {
        int TextHeight;
        TRect Target;
        std::vector<TRect> Named;
        bool AtTop;
        int Height;
    };
    const TCase cases[] = {
        {48, {}, {}, false, 60},
        {48, low, {}, true, 60},
        {48, high, {}, false, 60},
        {48, low, {high}, true, 60},
        {48, {}, {low}, true, 60},
        {48, high, {low, low}, false, 60},
        {5000, {}, {}, false, p.Grid.Height()},
    };
    for (const TCase& tc : cases) {
        const TRect box = HintBoxRect(p, tc.TextHeight, tc.Target, tc.Named);
        EXPECT_EQ(box.Left, p.Mode.Left);
        EXPECT_EQ(box.Right, p.Commands[3].Right);
        EXPECT_EQ(box.Height(), tc.Height) << tc.TextHeight;
        EXPECT_EQ(box.Top, tc.AtTop ? p.Grid.Top : p.Grid.Bottom - tc.Height) << tc.Target.Top;
    }
    EXPECT_EQ(HintBoxTextWidth(p), p.Commands[3].Right - p.Mode.Left - 12);
    // Clear of pan buttons 20 high at the panel's foot and top.
    EXPECT_EQ(HintBoxRect(p, 48, {}, {}, 20).Bottom, p.Grid.Bottom - 20);
    EXPECT_EQ(HintBoxRect(p, 48, low, {}, 20).Top, p.Grid.Top + 20);
}

}  // namespace
}  // namespace xs
