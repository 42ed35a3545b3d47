// The puzzle chooser page: picking a slot, its description, the page layout, and the drawing of
// one puzzle-list cell (shared with the create screen's list).
#pragma once

#include <cstdint>
#include <string>

#include "model/records.h"
#include "platform/canvas.h"

namespace xs {

// Fill and text colour of a star level; levels outside 1..5 get the damaged look.
struct TStarColours {
    TColor Fill;
    TColor Text;
};
TStarColours StarColours(int difficulty);
constexpr TStarColours kDamagedColours{kSilver, kBlack};

// Font of the puzzle numbers in a list, by list font level 1..4 (bold).
struct TListFont {
    const char* Face;
    int Points;
};
constexpr int kListFontTop = 4;
TListFont ListFont(int level);

// What one cell of a puzzle list shows.
struct TListCell {
    std::int32_t Id = 0;  // 0: an empty slot, drawn blank
    int SizeCode = 0;     // TPuzzleSize
    int Difficulty = 1;
    bool Damaged = false;   // listed, in the damaged colours
    bool Selected = false;  // the red frame
    bool Solved = false;    // every saved entry right: a green tick in the corner
};
// Slot 1..100 of the library; slots beyond the stored count are empty.
TListCell ListCellFor(const TPuzzleLibrary& lib, int slot, bool selected);

// The box a puzzle's number stands in, inset from the cell by the puzzle's size.
TRect ListBox(const TRect& cell, int sizeCode);

// The tick on a solved puzzle's cell.
constexpr TColor kSolvedTick{0x00A000};

// Draws one cell of a puzzle list (5 x 20 slots) in `cell`, right and bottom exclusive,
// `face` being the list's own colour (button face). fontLevel is the list's font level: when
// the number does not fit its box at a level above 1, the level drops by one, nothing is drawn
// and false is returned; the caller then repaints the whole list. Every layout of the list
// sets the level back to kListFontTop.
bool DrawListCell(TCanvas& canvas, const TRect& cell, const TListCell& item, int& fontLevel,
                  TColor face);

// Puzzle lists: 5 columns by 20 rows, grid lines of 1 pixel.
constexpr int kListColumns = 5;
constexpr int kListRows = 20;
// The slot under a point of the list (cell extents include the grid line after them); 0 when
// the point is outside the 100 cells.
int ListSlotAt(int x, int y, int colWidth, int rowHeight);
// The rectangle of a slot's cell in the list's coordinates.
TRect ListCellRect(int slot, int colWidth, int rowHeight);

// The slot FormShow opens on: the last stored slot holding the puzzle currentPuzzleId, else 1.
int ChooserStartSlot(const TPuzzleLibrary& lib, std::int32_t currentPuzzleId);

enum class TChooserPick {
    Ignored,  // empty slot: nothing changed
    Loaded,   // CurrentSlot and CurrentPuzzleId set, the slot loaded into the working copy
    Damaged,  // CurrentSlot and CurrentPuzzleId set, nothing loaded: no preview, no solving
};
// A press on the cell of `slot` (sgPuzzlesMouseDown without the repaints). The caller clears the
// check marks of a loaded puzzle.
TChooserPick PickSlot(const TPuzzleLibrary& lib, int slot, TWorkingCopy& work,
                      std::int32_t& currentPuzzleId);

// PanelDetails: the caption and its colours.
struct TDescription {
    std::string Caption;
    TStarColours Colours;
};
// The description of a stored slot (a damaged one says so).
TDescription DescribeSlot(const TPuzzleLibrary& lib, int slot);
// The caption of an empty library.
extern const char* const kNoPuzzlesText;

// Measured sizes the chooser page is laid out from.
struct TChooserMetrics {
    int LineHeight = 16;     // a line of PanelMainInstruct's font
    int DetailsHeight = 24;  // PanelDetails
    int ButtonHeight = 25;
    int PrintWidth = 100;  // bnPrint1
    int SolveWidth = 100;  // bnSolve
};

struct TChooserLayout {
    int ColWidth = 0;  // sgPuzzles
    int RowHeight = 0;
    TRect Puzzles;
    TRect Legend;                 // PanelLegend
    TRect StarPanels[5];          // Panel1Star .. Panel5Star
    TRect Instruct;               // PanelMainInstruct
    int InstructLineTop[4] = {};  // tops of its four lines, in its own coordinates
    int PreviewCell = 0;          // dgSmall's square cells
    TRect Preview;                // dgSmall
    TRect Details;                // PanelDetails
    TRect Print;                  // bnPrint1
    TRect Solve;                  // bnSolve
};

// The page of `width` x `height` for a puzzle of `dims`; without puzzles there is no preview and
// the description follows the instructions.
TChooserLayout LayoutChooser(int width, int height, TPuzzleDims dims, bool hasPuzzles,
                             const TChooserMetrics& metrics);

}  // namespace xs
