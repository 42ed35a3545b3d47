// The hints screen's pictures: small example grids in the states its texts describe, drawn by the
// board's own square drawing with arrows between the steps, and the possible-values table.
#pragma once

#include <cstdint>
#include <vector>

#include "model/records.h"
#include "platform/canvas.h"
#include "solve/board_render.h"
#include "solve/solve_types.h"

namespace xs {

// Where the player is about to click: a small number of a square's pad, or (Digit 0) the
// whole square. Row -1: nowhere.
struct THintPointer {
    int Row = -1;
    int Col = 0;
    int Digit = 0;
};

// One picture: the squares of Range, as the solve screen draws them or, with PuzzleLook, as a
// printed puzzle (totals and digits, no pads).
struct THintPicture {
    TPuzzleGrid Grid{};
    TSelectedRun Selected;  // the total just clicked, highlighted
    TCellRange Range;
    bool PuzzleLook = false;
    THintPointer Pointer;  // framed in red
    // The grid goes on past the range's last column: a torn strip of the next column beyond it
    // shows that its runs do not end at the picture's edge.
    bool TornRight = false;
};

// Pictures shown side by side with an arrow from each to the next.
using THintStrip = std::vector<THintPicture>;

enum class THintStripId : int {
    Corner,       // page 1: the top left corner of a puzzle
    CornerSteps,  // page 1: the four steps that solve its first squares
    ClickTotal,   // page 2: a click on a total marks the possible values
    FillSquare,   // page 2: a click on a small number fills the square, a second one clears it
    ToggleMark,   // page 2: a right click takes a possible value away
    ExampleA,     // pages 3 to 5: the worked example, three steps a page
    ExampleB,
    ExampleC,
};
constexpr int kHintStrips = 8;

const THintStrip& HintStrip(THintStripId id);

// Marks the possible values of a run as a click on its total does: the digits that can still
// make the total with those already entered, kept to the marks a square already has.
void ClickTotal(THintPicture& picture, int clueRow, int clueCol, bool down);

// The gap an arrow takes between two pictures of `square`-pixel squares.
int HintArrowWidth(int square);
int HintStripWidth(const THintStrip& strip, int square);
// The width of the torn strip beyond a TornRight picture.
int HintTornWidth(int square);
int HintStripHeight(const THintStrip& strip, int square);
// The largest square size, from minSquare up to maxSquare, at which the strip fits within
// `width`; minSquare when none does.
int HintSquareForWidth(const THintStrip& strip, int width, int minSquare, int maxSquare);

// The strip centred in an area of width x height filled with `background`.
void PaintHintStrip(TCanvas& canvas, const THintStrip& strip, int square, int width, int height,
                    TColor background);
// The part of an area `width` wide that arrow `index` (0: between the first two pictures) takes,
// the strip centred as PaintHintStrip centres it; Top and Bottom are 0.
TRect HintArrowSpan(const THintStrip& strip, int square, int width, int index);
// A navy arrow pointing right, filling `area` (the head takes up to half its width).
void PaintHintArrow(TCanvas& canvas, const TRect& area);

// One square of the possible-values table: column c and row r (0..2) show the digit 3r + c + 1,
// yellow when flags[digit] is set and white otherwise, in a one-pixel black outline.
void dgValuesDrawCell(TCanvas& canvas, const std::uint8_t (&flags)[10], int col, int row,
                      const TRect& rect);

}  // namespace xs
