// Layout numbers of the solving page: board size with zoom and panning, the bottom bar, the header
// and the combinations strip, and the board's square geometry for hit tests and redraws.
#pragma once

#include <optional>
#include <span>

#include "model/records.h"
#include "platform/canvas.h"
#include "solve/board_render.h"
#include "solve/solve_types.h"

namespace xs {

// bnZoomIn is enabled while squares are narrower than this.
constexpr int kZoomLimitSquare = 101;
// Pixels a zoom step adds to the square size.
constexpr int kZoomStep = 2;

// Inputs of the board's layout inside PanelGrid.
struct TBoardLayoutInput {
    int GridWidth = 0;   // PanelGrid, Wp
    int GridHeight = 0;  // PanelGrid, Hp
    TPuzzleDims Dims{8, 12};
    int ZoomLevel = 0;
    int PanRow = 0;
    int PanCol = 0;
    // bnUp and bnDown are PanLength wide and PanThickness high; bnLeft and bnRight the other way
    // round.
    int PanLength = 40;
    int PanThickness = 16;
};

struct TPanButton {
    TRect Rect;
    bool Enabled = false;
};

// Everything in PanelGrid's coordinates.
struct TBoardLayout {
    int FittedSquare = 0;  // s0
    int Square = 0;        // s = s0 + 2 ZoomLevel
    bool Fits = true;      // the whole board shows; no pan buttons, no hiding panels
    int PanRow = 0;        // corrected: the first visible row
    int PanCol = 0;
    // The board control: square (0, 0) at its top-left, moved up and left by the panned rows
    // and columns, so its top-left may lie above or left of PanelGrid. Its right and bottom
    // edges end with the window.
    TRect Board;
    // The part of PanelGrid where the board is seen.
    TRect Window;
    // Rows and columns seen, a partly seen one included.
    int VisibleRows = 0;
    int VisibleCols = 0;
    // Shown only when !Fits.
    TPanButton Up, Down, Left, Right;
    // Cover the board above and left of the window; shown when the board is panned that way.
    bool HideTopShown = false;
    TRect HideTop;
    bool HideLeftShown = false;
    TRect HideLeft;
    bool ZoomInEnabled = true;
    bool ZoomOutEnabled = false;
};

// The fitted square size s0 for PanelGrid (never below 1).
int FittedSquareSize(int gridWidth, int gridHeight, TPuzzleDims dims);
TBoardLayout LayoutBoard(const TBoardLayoutInput& in);

// The pan that brings square (row, col) wholly into the window, moving the board as little as
// it can: in.PanRow and in.PanCol are changed only where the square is out of view or partly
// seen. A board that fits needs no pan.
void PanToShow(TBoardLayoutInput& in, int row, int col);
// The same for the block of squares from (firstRow, firstCol) to (lastRow, lastCol): false, and
// nothing changed, when the block is larger than the window.
bool PanToShowBlock(TBoardLayoutInput& in, int firstRow, int firstCol, int lastRow, int lastCol);

// Board geometry in the board control's own coordinates (panning does not change them).
// Rectangle of square (row, col), right and bottom exclusive.
TRect BoardSquareRect(int row, int col, int square);
struct TSquarePos {
    int Row = 0;
    int Col = 0;
    friend constexpr bool operator==(TSquarePos, TSquarePos) = default;
};
// The square under a board point; a point on the grid line after a square belongs to that
// square. Nothing outside rows 0..LastRow and columns 0..LastCol.
std::optional<TSquarePos> BoardSquareAt(int x, int y, int square, TPuzzleDims dims);
// The squares of the board that `area` (board coordinates) touches, grid lines included, so that
// a paint event draws only what it shows. An area outside the board gives an empty range
// (FirstRow > LastRow).
TCellRange BoardRangeIn(const TRect& area, int square, TPuzzleDims dims);

// Measured texts of the page font the solving page is laid out from.
struct TSolvePageMetrics {
    int LineHeight = 16;    // a line of the page font
    int SolveWidth = 0;     // "Solve"
    int ModeTextWidth = 0;  // "to fill a square.  Click the total to show all"
    int MoreWidth = 0;      // "... more"
    int ZoomWidth = 0;      // "Zoom"
    int EraseAllWidth = 0;  // "Erase All"
    int RadioIndent = 0;
};

// The eight command buttons, row by row.
enum class TCommandButton { Undo = 0, Check, Clear, Fill, Reset, Save, Print, Return };
constexpr int kCommandButtonCount = 8;

// Everything in PanelSolve's coordinates.
struct TSolvePageLayout {
    int Unit = 0;          // u
    TRect Header;          // PanelHeader
    TRect Details;         // PanelDetails1, the header's left half
    TRect Values;          // the values strip, the header's right half
    TRect Poss;            // PanelPoss, the combinations strip
    TRect MoveButton;      // bnMoveToSide (strip at the top) or bnMoveToTop (at the side)
    TRect Grid;            // PanelGrid
    TRect Mode;            // PanelMode
    TRect ModeCaption;     // "Select mode"
    TRect ModeButtons[3];  // sbNormal, sbEraser, sbFiller
    TRect Mode2;           // PanelMode2
    TRect ModeLines[3];    // lblMode1..3
    TRect More;            // bnMore
    TRect Zoom;            // PanelZoom
    TRect ZoomCaption;     // "Zoom"
    TRect ZoomIn;
    TRect ZoomOut;
    TRect Commands[kCommandButtonCount];  // by TCommandButton
};

// The solving page of `width` x `height` pixels; the strip at the side when combosAtSide.
TSolvePageLayout LayoutSolvePage(int width, int height, const TSolvePageMetrics& metrics,
                                 bool combosAtSide);

// The box that shows a hint whole: as wide as the bottom bar, its text kHintBoxPadding pixels in
// from every edge.
constexpr int kHintBoxPadding = 6;
int HintBoxTextWidth(const TSolvePageLayout& page);
// Where the box stands, in the page's coordinates: as tall as its text (textHeight at
// HintBoxTextWidth) but no taller than the board's panel, over the board's foot just above the
// bottom bar, where the player reads the instruction lines. It stands at the panel's top instead
// when at the foot it would cover the hint's own square `target` and at the top it would not, or
// would cover more of the squares the hint names (`named`). `margin` pixels at the panel's top
// and foot stay free (the pan buttons of a board that does not fit).
TRect HintBoxRect(const TSolvePageLayout& page, int textHeight, const TRect& target,
                  std::span<const TRect> named, int margin = 0);

}  // namespace xs
