// Drawing of printed pages: puzzles and answers, 1, 2, 4 or 8 to a page, on any drawing surface
// (the print preview, a printer page, a PDF page). Sizes, fonts and margins follow from the
// page's size in device pixels.
#pragma once

#include <array>
#include <string_view>

#include "manage/print_plan.h"
#include "model/records.h"
#include "platform/canvas.h"

namespace xs {

// The face the printed page asks for; the font mapping resolves it.
inline constexpr std::string_view kPrintFace = "Ariel";
// The one line under every printed puzzle.
extern const char* const kPrintFooterText;

// The page being drawn: its size in device pixels, the scale S (1 on the preview, the page width
// div 550 on a printer) and the page number 1...
struct TPageContext {
    int Width = 0;
    int Height = 0;
    int Scale = 1;
    int Page = 1;
};

// What goes on the page.
struct TPageSource {
    const TPrintPlan* Plan = nullptr;
    const TPuzzleLibrary* Library = nullptr;
    // -1: the puzzles come from the plan. 1..100: every position shows this slot (printing from
    // the solve screen); position 2 and page 2 show its answer.
    int Slot = -1;
    // With a slot: the player's entries to print in its white squares; null prints none.
    const TPuzzleGrid* Entries = nullptr;
    int Colors = 2;  // the colour scheme 1..4; others count as 2
};

// The colours of a scheme 1..4; any other number gives scheme 2's.
struct TPrintScheme {
    TColor Lines;
    TColor BlackSquares;
    TColor ClueText;
};
TPrintScheme PrintScheme(int colors);

// The rectangle of position 1..capacity on a page split for its capacity, inset by the margin.
// Right and bottom are the far edges of the position (the device coordinates of its last line).
TRect PositionRect(int width, int height, int margin, int capacity, int position);

// Grid lines of one puzzle in its position: X[0..Cols] and Y[0..Last]. Y[1] is the top of the
// grid, Y[Rows + 1] its bottom and, for a puzzle, Y[Rows + 2] the foot of the footer band.
struct TGridLines {
    std::array<int, kGridCols + 1> X{};
    std::array<int, kGridRows + 3> Y{};
    int Rows = 0;
    int Cols = 0;
    int Last = 0;    // the last row line: Rows + 1 for an answer, Rows + 2 for a puzzle
    int Band = 0;    // header (and footer) band height
    int Square = 0;  // square size
};
// rows, cols: the puzzle's size (9..16, 13..26).
TGridLines PrintGridLines(const TRect& position, int rows, int cols, bool answer);

// ---- Drawing helpers, with the canvas's current pen, brush and font
// Horizontal 0 left (one "x" in), 1 centred, 2 right (one "x" in); vertical 0 top, 1 centred,
// 2 bottom. The text is clipped to the rectangle, on the brush colour.
void TextInRect(TCanvas& canvas, int x1, int x2, int y1, int y2, int horz, int vert,
                std::string_view text);
// The same for the rectangle between column lines c1, c2 and row lines r1, r2.
void TextInCells(TCanvas& canvas, const TGridLines& lines, int c1, int c2, int r1, int r2, int horz,
                 int vert, std::string_view text);
void HorzLine(TCanvas& canvas, int x1, int y, int x2);
void VertLine(TCanvas& canvas, int x, int y1, int y2);

// Draws page `page.Page`. A position whose puzzle is not in the plan, is empty or is damaged
// stays blank.
void RenderPage(TCanvas& canvas, const TPageContext& page, const TPageSource& source);

}  // namespace xs
