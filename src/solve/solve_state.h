// The solving page's state and commands: undo history, checks, whole-puzzle commands, modes and
// the board's mouse input. No widget: the screen calls in and is told what to redraw.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "logic/next_step_hint.h"
#include "model/records.h"
#include "platform/canvas.h"
#include "solve/solve_tracker.h"
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
    // The keyboard cursor left (oldRow, oldCol) for CursorRow(), CursorCol(), or the marks toggle
    // changed (old and new square the same).
    virtual void CursorMoved(int /*oldRow*/, int /*oldCol*/) {}
    // A hint appeared or went: the instruction lines and the hint's runs on the board.
    virtual void HintChanged() {}
    // The marks toggle changed: the instruction lines say whether digits mark.
    virtual void MarksChanged() {}
    // The puzzle became solved (every entry right) or stopped being so: the instruction lines.
    virtual void SolvedChanged() {}
};

enum class TBoardMove { Left, Right, Up, Down };

// Enabled state of the solving page's command buttons. The bn*/sb* fields follow the board
// (UpdateButtons, Check, ClearChecks); Commands is false in Erase and Fill mode, which turns off
// Undo, Check, Erase All, Fill All, Reset, Save and Print whatever the board says.
struct TSolveButtons {
    bool bnUndo = false;
    bool bnRedo = false;  // no button of its own: the keyboard's redo
    bool bnCheck = false;
    bool bnClear = false;
    bool bnFill = false;
    bool sbEraser = false;
    bool sbFiller = false;
    bool Commands = true;
    bool bnMore = true;  // shown

    bool UndoEnabled() const { return Commands && bnUndo; }
    bool RedoEnabled() const { return Commands && bnRedo; }
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

// The three instruction lines shown beside the mode buttons; in Solve mode with the marks
// toggle on they say that the digit keys mark.
using TModeLines = std::array<std::string_view, 3>;
TModeLines ModeLines(TSolveMode mode, bool marksOn = false);
// The lines that stand there instead, in every mode, while the puzzle is solved.
// saved: the solved board is also the one saved, so nothing is left to do but choose another.
TModeLines SolvedLines(bool saved = false);

// The digit 1..9 of the square's 3 x 3 pad under the point (x, y), relative to the square's
// top-left corner; w is the square size.
int PadDigitAt(int x, int y, int w);

// One instance for the whole run; large (the undo ring), so keep it off the stack.
class TSolveState {
public:
    TSolveState(TPuzzleLibrary& library, TWorkingCopy& work, TMessages& messages);

    // nullptr: nothing is redrawn.
    void SetView(TSolveView* view);
    // Told of the puzzle's opening, hints, checks, assists, reset and solving; nullptr: no one.
    void SetTracker(TSolveTracker* tracker);
    TSolveTracker& Tracker() const { return *Tracked; }

    // Starts solving CurrentSlot: loads it, empties the history, Solve mode, no checks, nothing
    // selected. A slot that is empty or damaged is not loaded: returns false and changes nothing.
    bool bnSolveClick();
    // A puzzle was loaded by bnSolveClick and the page has not been left since. Every command
    // below does nothing while this is false.
    bool Solving() const { return IsSolving; }

    // History. The states above UndoPos stay in the ring, for redo, until the next recorded
    // change; the ring holds positions UndoLow..UndoHigh, at most 100 of them.
    void PushUndo();
    void ResetUndo();
    void bnUndoClick();
    void bnRedoClick();
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
    // Returns whether a drop is accepted at the point (a White square the player sees): the
    // no-drop cursor shows otherwise.
    bool dgGridDragOver(int x, int y, int squareSize);
    // The part of the board the player sees, in board coordinates (the window between the pan
    // buttons on a panned board): a drag passing over squares hidden behind the cover panels,
    // under the pan buttons or past the window's edge leaves them alone. The whole board until
    // the screen says otherwise.
    void SetSeenArea(const TRect& area) { SeenArea = area; }
    void dgGridEndDrag();
    bool Dragging() const { return IsDragging; }

    // The keyboard. Each key does what the matching press on the board does, on the cursor
    // square (always a White square while solving), through the same commands.
    int CursorRow() const { return CursorAt.Row; }
    int CursorCol() const { return CursorAt.Col; }
    // The cursor's frame is drawn: from the player's first board key (a move, a digit, a clear,
    // a total, M or H) to the next mouse press on the board. Mouse-only play never shows it.
    bool CursorShown() const { return FrameShown; }
    // Marks toggle (key M): digits mark instead of entering.
    bool MarksOn() const { return MarksMode; }
    // Arrows: the next White square that way, over any Black ones; the cursor stays at the edge.
    void MoveCursor(TBoardMove move);
    // Home and End: the first or last square of the cursor's run in the direction of the last
    // arrow (across until an up or down arrow is pressed).
    void CursorToRunEnd(bool last);
    // Tab and Shift+Tab: the first square of the next or previous run in that direction, in
    // reading order of the clue squares, round from the last to the first.
    void NextRun(bool back);
    // 1..9: enters the digit as a left press on that pad digit would, in one undo step also when
    // another digit stood there; mark (Shift or the marks toggle): toggles the mark as a right
    // press. In Erase and Fill mode, as any press there: erases or fills the square.
    void KeyDigit(int digit, bool mark);
    // Backspace, Delete, 0: removes the entry as a left press on a filled square does.
    void KeyClear();
    // Enter, Space (across) and Shift+Enter (down): the clue press of the cursor's run.
    void KeyClue(bool down);
    void ToggleMarks();
    // E, F, N: as the mode button, where it is enabled.
    void KeyMode(TSolveMode mode);
    // H: shows the next step (Hint()); the next H while it is shown applies it as one undo step:
    // places its digit, or takes the digits it rules out from the square's marks (a square
    // without marks gets the other digits marked). A wrong entry, or marks that leave out the
    // answer, are marked red instead.
    void HintKey();
    // Shows a step found elsewhere as H shows its own: the cursor on its square (Row -1: none),
    // and the next H applies a Deduced or Narrowed one.
    void ShowStep(const TNextStep& step);
    // The hint on show, or nullptr. Any change of the board or the mode takes it away.
    const TNextStep* Hint() const { return HintShown ? &HintStep : nullptr; }
    // Assists, each off until the player asks for it; mouse presses work as without them.
    // C: marks in every empty square the digits both its runs still allow (their combinations
    // with the digits entered in them), keeping only those among a square's own marks; one undo
    // step.
    void MarkCandidates();
    // R: turns on or off that an entered digit (a press, a key or a hint) leaves the marks of the
    // other squares of its two runs, in the entry's undo step. Says so in a notice (Hint()).
    void ToggleMarkCleanup();
    bool MarkCleanupOn() const { return MarkCleanup; }
    // D: turns on or off the frames of runs whose entries repeat a digit or add up to more than
    // the total. Says so in a notice (Hint()).
    void ToggleConflicts();
    bool ConflictsShown() const { return ShowConflicts; }
    // The runs whose entries repeat a digit or add up to more than their total, in reading order
    // of their clues, across before down; at most max of them into out. Returns how many.
    int ConflictRuns(THintRun* out, int max) const;

    // Every White square holds its answer (also on a puzzle opened solved).
    bool Solved() const { return IsSolved; }
    // Solved, and the saved puzzle is the board as it stands.
    bool SolvedAndSaved() const { return IsSavedSolved; }

    // Read access for drawing and tests.
    const TWorkingCopy& Work() const { return WorkCopy; }
    const TCheckMarks& Checks() const { return CheckMarks; }
    bool ChecksShown() const { return ChecksAreShown; }
    const TSelectedRun& SelectedRun() const { return Selected; }
    const TSolveButtons& Buttons() const { return ButtonState; }
    std::int32_t UndoPos() const { return UndoPosition; }
    std::int32_t UndoLow() const { return UndoLowest; }
    std::int32_t UndoHigh() const { return UndoHighest; }

private:
    void ShowNotice(const char* text);
    int LastRow() const { return WorkCopy.PuzzleDims.LastRow; }
    int LastCol() const { return WorkCopy.PuzzleDims.LastCol; }
    TUndoState& RingSlot(std::int32_t pos) { return UndoRing[(pos - 1) % kUndoRingSize]; }
    bool SameAsRing(std::int32_t pos) const;
    void StoreInRing(std::int32_t pos);
    bool BoardBlank() const;
    // The square (r, c) under a board point, false when outside the puzzle.
    bool SquareAt(int x, int y, int squareSize, int& row, int& col) const;
    // Left press (mark false) or right press (mark true) on the pad digit of a White square.
    void ClickWhite(int row, int col, int digit, bool mark);
    void ClickClue(int row, int col, bool down);
    // Restores the ring state of pos on the board, square by square.
    void RestoreRing(std::int32_t pos);
    void SetCursor(int row, int col);
    void ShowFrame(bool shown);
    // Puts the cursor on the first White square in reading order.
    void HomeCursor();
    void DropHint();
    // With the mark cleanup on: digit leaves the marks of the other squares of (row, col)'s runs.
    void CleanMarksAfterEntry(int row, int col, int digit);
    // A key that acts as a press on the cursor square: false when no key acts now, else the
    // frame shows.
    bool KeyPressReady();
    // Erase or fill one White square (Erase/Fill mode).
    bool EditSquare(int row, int col);
    void ButtonsChangedNow();
    // Tells the view when the board turns solved or unsolved.
    void NoteSolved(bool solved);

    TPuzzleLibrary& Library;
    TWorkingCopy& WorkCopy;
    TMessages& Messages;
    TSolveView* View;
    TSolveTracker* Tracked = &NoTracker();

    bool IsSolving = false;
    bool MarkCleanup = false;
    bool ShowConflicts = false;
    bool IsDragging = false;
    TSolveMode CurrentMode = TSolveMode::Solve;
    TCheckMarks CheckMarks;
    bool ChecksAreShown = false;
    TSelectedRun Selected;
    TSolveButtons ButtonState;
    std::int32_t UndoPosition = 0;
    std::int32_t UndoLowest = 0;
    std::int32_t UndoHighest = 0;
    struct TCursor {
        int Row = 1;
        int Col = 1;
        bool Down = false;  // Home, End and Tab follow the down runs
    } CursorAt;
    bool FrameShown = false;
    bool IsSolved = false;
    bool IsSavedSolved = false;
    bool MarksMode = false;
    TRect SeenArea{0, 0, 1 << 30, 1 << 30};
    TNextStep HintStep;
    bool HintShown = false;
    TUndoState UndoRing[kUndoRingSize] = {};
};

}  // namespace xs
