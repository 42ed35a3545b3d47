// Drawing of puzzle squares: the solving board, the chooser's preview, and any part of a grid
// (printed pages, example pictures), all through the drawing surface.
#pragma once

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

// Board squares narrower than this use the smaller clue and entry fonts.
constexpr int kLargeFontSquare = 40;

// What a board square is drawn from. Checks and Selected may be null: no check colours, no
// highlighted clue. Grid must outlive the view.
struct TBoardView {
    const TPuzzleGrid* Grid = nullptr;
    const TCheckMarks* Checks = nullptr;
    const TSelectedRun* Selected = nullptr;
    TColor Highlight = kHighlightOrange;
};

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

// Paints the range of a board: the grid-line colour under the area, then every square as
// dgGridDrawCell draws it. Rows and columns outside the grid are clipped off the range.
void PaintBoard(TCanvas& canvas, const TBoardView& view, const TGridGeometry& geometry,
                const TCellRange& range, TColor gridLine = kBlack);
// The same for the preview look (dgSmallDrawCell).
void PaintPreview(TCanvas& canvas, const TPuzzleGrid& grid, const TGridGeometry& geometry,
                  const TCellRange& range, TColor gridLine = kBlack);

}  // namespace xs
