// The solving page's state and commands: undo history, checks, whole-puzzle commands, modes and
// the board's mouse input. No widget: the screen calls in and is told what to redraw.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/records.h"
#include "solve/solve_types.h"
#include "storage/messages.h"

namespace xs {

// What the state asks the screen to redraw. Every call has an empty default, so a screen (or a
// test) overrides only what it needs.
class TSolveView {
public:
    virtual ~TSolveView() = default;
    // Repaint one board square at once.
    virtual void RedrawSquare(int /*row*/, int /*col*/) {}
    // Repaint the whole board.
    virtual void RepaintBoard() {}
    // SelectedRun changed: repaint the old clue square (oldRow -1: none) and the new one, and
    // rebuild the combinations strip.
    virtual void SelectionChanged(int /*oldRow*/, int /*oldCol*/) {}
    // Buttons() changed.
    virtual void ButtonsChanged() {}
    // The mode changed: cursor, instruction lines, bnMore.
    virtual void ModeChanged(TSolveMode /*mode*/) {}
};

// Enabled state of the solving page's command buttons. The bn*/sb* fields follow the board
// (UpdateButtons, Check, ClearChecks); Commands is false in Erase and Fill mode, which turns off
// Undo, Check, Erase All, Fill All, Reset, Save and Print whatever the board says.
struct TSolveButtons {
    bool bnUndo = false;
    bool bnCheck = false;
    bool bnClear = false;
    bool bnFill = false;
    bool sbEraser = false;
    bool sbFiller = false;
    bool Commands = true;
    bool bnMore = true;  // shown

    bool UndoEnabled() const { return Commands && bnUndo; }
    bool CheckEnabled() const { return Commands && bnCheck; }
    bool ClearEnabled() const { return Commands && bnClear; }
    bool FillEnabled() const { return Commands && bnFill; }
    // Reset, Save and Print.
    bool FileEnabled() const { return Commands; }
};

// Entry then the nine Possible flags of every square.
struct TUndoState {
    std::uint8_t Sq[kGridRows][kGridCols][10];
};

constexpr int kUndoRingSize = 100;

// The three instruction lines shown beside the mode buttons.
using TModeLines = std::array<std::string_view, 3>;
TModeLines ModeLines(TSolveMode mode);

// The digit 1..9 of the square's 3 x 3 pad under the point (x, y), relative to the square's
// top-left corner; w is the square size.
int PadDigitAt(int x, int y, int w);

// One instance for the whole run; large (the undo ring), so keep it off the stack.
class TSolveState {
public:
    TSolveState(TPuzzleLibrary& library, TWorkingCopy& work, TMessages& messages);

    // nullptr: nothing is redrawn.
    void SetView(TSolveView* view);

    // Starts solving CurrentSlot: loads it, empties the history, Solve mode, no checks, nothing
    // selected. A slot that is empty or damaged is not loaded: returns false and changes nothing.
    bool bnSolveClick();
    // A puzzle was loaded by bnSolveClick and the page has not been left since. Every command
    // below does nothing while this is false.
    bool Solving() const { return IsSolving; }

    // History.
    void PushUndo();
    void ResetUndo();
    void bnUndoClick();
    void UpdateButtons();

    // Checks.
    void bnCheckClick();
    void AutoCheck();
    void ClearChecks();

    // Whole-puzzle commands; each asks first where the player pressed its button.
    void bnFillClick();
    void bnClearClick();
    // askFirst: the player pressed Save / Reset (other callers save or reload without asking).
    void bnSaveClick(bool askFirst);
    void bnResetClick(bool askFirst);
    // Leaves the page: asks to save or drop changes when there are any. Afterwards the working
    // copy equals the slot and Solving() is false.
    void bnReturnClick();
    // The page is left another way (the main window switched screens after its own prompt):
    // Solving() becomes false; the board stays as it is.
    void EndSolving();
    // Entry or marks of the working copy differ from the slot.
    bool PuzzleModified() const;

    // Modes.
    void rbModeClick(TSolveMode mode);
    TSolveMode Mode() const { return CurrentMode; }

    // Board input in board coordinates (square (r, c) has its top-left corner at
    // ((w + g) c, (h + g) r), w = h = squareSize, g = kBoardGridLine). In Erase and Fill mode a
    // press acts on the pressed square and starts a drag: returns true, and the screen then calls
    // dgGridDragOver for each pointer position and dgGridEndDrag when the button is released.
    bool dgGridMouseDown(int x, int y, TMouseButton button, int squareSize);
    // Returns whether a drop is accepted at the point (a White square): the no-drop cursor shows
    // otherwise.
    bool dgGridDragOver(int x, int y, int squareSize);
    void dgGridEndDrag();
    bool Dragging() const { return IsDragging; }

    // Read access for drawing and tests.
    const TWorkingCopy& Work() const { return WorkCopy; }
    const TCheckMarks& Checks() const { return CheckMarks; }
    bool ChecksShown() const { return ChecksAreShown; }
    const TSelectedRun& SelectedRun() const { return Selected; }
    const TSolveButtons& Buttons() const { return ButtonState; }
    std::int32_t UndoPos() const { return UndoPosition; }
    std::int32_t UndoLow() const { return UndoLowest; }

private:
    int LastRow() const { return WorkCopy.PuzzleDims.LastRow; }
    int LastCol() const { return WorkCopy.PuzzleDims.LastCol; }
    TUndoState& RingSlot(std::int32_t pos) { return UndoRing[(pos - 1) % kUndoRingSize]; }
    bool SameAsRing(std::int32_t pos) const;
    void StoreInRing(std::int32_t pos);
    bool BoardBlank() const;
    // The square (r, c) under a board point, false when outside the puzzle.
    bool SquareAt(int x, int y, int squareSize, int& row, int& col) const;
    void ClickWhite(int row, int col, int x, int y, TMouseButton button, int squareSize);
    void ClickClue(int row, int col, int x, int y);
    // Erase or fill one White square (Erase/Fill mode).
    bool EditSquare(int row, int col);
    void ButtonsChangedNow();

    TPuzzleLibrary& Library;
    TWorkingCopy& WorkCopy;
    TMessages& Messages;
    TSolveView* View;

    bool IsSolving = false;
    bool IsDragging = false;
    TSolveMode CurrentMode = TSolveMode::Solve;
    TCheckMarks CheckMarks;
    bool ChecksAreShown = false;
    TSelectedRun Selected;
    TSolveButtons ButtonState;
    std::int32_t UndoPosition = 0;
    std::int32_t UndoLowest = 0;
    TUndoState UndoRing[kUndoRingSize] = {};
};

}  // namespace xs
