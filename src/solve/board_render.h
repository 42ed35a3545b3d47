// Drawing of puzzle squares: the solving board, the chooser's preview, and any part of a grid
// (printed pages, example pictures), all through the drawing surface.
#pragma once

#include <span>

#include "logic/next_step_hint.h"
#include "model/records.h"
#include "platform/canvas.h"
#include "solve/solve_types.h"

namespace xs {

constexpr TColor kPageBackground{0xFDEBB5};
// The combinations strip's colour, also the highlight of the selected clue.
constexpr TColor kHighlightOrange{0xF5A90A};
constexpr TColor kLightGreen{0xAAFFAA};
constexpr TColor kLightYellow{0xFFFF80};
constexpr TColor kPaleYellow{0xFFFFB0};

// The keyboard cursor's frame, and its colour while digits set marks.
constexpr TColor kCursorColour = kBlue;
constexpr TColor kMarksCursorColour{0xC08000};
// The next-step hint's frames and the totals of its runs: apart from the selected clue's orange,
// the cursor's blue and the check colours.
constexpr TColor kHintColour{0xE040E0};
// The frames of runs whose entries repeat a digit or exceed the total (an assist the player
// turns on).
constexpr TColor kConflictColour = kRed;
// How far a hint's frame reaches into its squares, beyond the grid line around them.
constexpr int kHintFrameInside = 2;
// The background of the hint's own square, where no check colour stands.
constexpr TColor kHintTargetTint{0xF8C8F8};

// Board squares narrower than this use the smaller clue and entry fonts.
constexpr int kLargeFontSquare = 40;

// What the keyboard adds to the solving board: the cursor square, framed on the grid lines around
// it and its own outermost pixel so the pad stays whole; and the runs of a hint on show, any
// number of them, each framed on the grid lines around its squares and the squares' outer
// pixels, its total on the hint colour (a run whose total a block step takes away, dashed).
// Row -1: no cursor.
struct TBoardOverlay {
    int CursorRow = -1;
    int CursorCol = -1;
    bool MarksOn = false;
    std::span<const THintRun> HintRuns;
    // Squares the hint names besides its own (a locked group, a block's leftover squares), each
    // framed as a run is.
    std::span<const THintCell> HintCells;
    // The hint's own square: tinted, and ringed in the hint colour inside the cursor's frame.
    int TargetRow = -1;
    int TargetCol = -1;
    // Runs whose entries repeat a digit or exceed the total, framed as a hint's runs in their
    // own colour, under a hint's frames.
    std::span<const THintRun> ConflictRuns;
};

// What a board square is drawn from. Checks, Selected and Overlay may be null: no check colours,
// no highlighted clue, no cursor or hint. Grid must outlive the view.
struct TBoardView {
    const TPuzzleGrid* Grid = nullptr;
    const TCheckMarks* Checks = nullptr;
    const TSelectedRun* Selected = nullptr;
    TColor Highlight = kHighlightOrange;
    const TBoardOverlay* Overlay = nullptr;
    // The pad digits' size in points; smaller where a digit would not fit its pad cell.
    int PadPoints = 6;
    // The clue totals' size in points (ClueFontPoints); 0: 8 below kLargeFontSquare, else 10.
    int CluePoints = 0;
};

// The pad digits' size on a board of `square` pixels whose zoom-0 square is `fittedSquare`: 6
// points at zoom 0, growing with the square as the player zooms in.
int PadFontPoints(int square, int fittedSquare);
// The clue totals' size on such a board: 8 points on squares below kLargeFontSquare and 10 from
// there at zoom 0, growing with the square as the player zooms in; never below the size the
// square itself gives.
int ClueFontPoints(int square, int fittedSquare);

// One board square (row 0..15, col 0..25) in `rect` (right and bottom exclusive; the rectangle
// is square, its width the board's square size). Any row or column outside the grid, and any
// square kind other than Black or White, draws a blank white square with its edge lines.
void dgGridDrawCell(TCanvas& canvas, const TBoardView& view, int col, int row, const TRect& rect);

// One square of the chooser's preview: totals in a font that fits, entries, pale yellow for an
// empty square with marks; no pad, no highlight.
void dgSmallDrawCell(TCanvas& canvas, const TPuzzleGrid& grid, int col, int row, const TRect& rect);

// Where the squares of a painted grid lie: square (FirstRow, FirstCol) of the range has its
// top-left corner at (OriginX, OriginY); every square is Square pixels wide and high, with Line
// pixels of grid line after it.
struct TGridGeometry {
    int OriginX = 0;
    int OriginY = 0;
    int Square = 0;
    int Line = kBoardGridLine;
};

// A block of rows FirstRow..LastRow and columns FirstCol..LastCol, inclusive.
struct TCellRange {
    int FirstRow = 0;
    int FirstCol = 0;
    int LastRow = 0;
    int LastCol = 0;
};

// The rectangle of square (row, col) of the range under the geometry.
TRect GridSquareRect(const TGridGeometry& geometry, const TCellRange& range, int row, int col);
// The whole area the range covers, grid lines after the last row and column included.
TRect GridArea(const TGridGeometry& geometry, const TCellRange& range);
// What a frame of the overlay covers around square (row, col), grid lines included: the area to
// redraw when the cursor arrives or leaves.
TRect CursorArea(const TGridGeometry& geometry, const TCellRange& range, int row, int col);

// Paints the range of a board: the grid-line colour under the area, then every square as
// dgGridDrawCell draws it, then the overlay's frames (which reach 2 pixels beyond the squares
// they surround, onto the grid lines). Rows and columns outside the grid are clipped off the
// range.
void PaintBoard(TCanvas& canvas, const TBoardView& view, const TGridGeometry& geometry,
                const TCellRange& range, TColor gridLine = kBlack);
// The same for the preview look (dgSmallDrawCell).
void PaintPreview(TCanvas& canvas, const TPuzzleGrid& grid, const TGridGeometry& geometry,
                  const TCellRange& range, TColor gridLine = kBlack);

}  // namespace xs
