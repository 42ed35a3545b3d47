// The solving page's keyboard: the cursor square, keys that act as presses on the board, and the
// next-step hint.
#include "solve/solve_state.h"

namespace xs {

namespace {

bool IsWhite(const TWorkingCopy& work, int row, int col) {
    return row >= 1 && row <= work.PuzzleDims.LastRow && col >= 1 &&
           col <= work.PuzzleDims.LastCol && work.CurrentPuzzle.Sq[row][col].Kind == White;
}

}  // namespace

void TSolveState::SetCursor(int row, int col) {
    if (row == CursorAt.Row && col == CursorAt.Col) return;
    const TCursor old = CursorAt;
    CursorAt.Row = row;
    CursorAt.Col = col;
    View->CursorMoved(old.Row, old.Col);
}

void TSolveState::ShowFrame(bool shown) {
    if (shown == FrameShown) return;
    FrameShown = shown;
    View->CursorMoved(CursorAt.Row, CursorAt.Col);
}

void TSolveState::HomeCursor() {
    CursorAt = TCursor{};
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            if (!IsWhite(WorkCopy, r, c)) continue;
            CursorAt.Row = r;
            CursorAt.Col = c;
            return;
        }
    }
}

void TSolveState::MoveCursor(TBoardMove move) {
    if (!IsSolving) return;
    ShowFrame(true);
    const int dr = move == TBoardMove::Up ? -1 : (move == TBoardMove::Down ? 1 : 0);
    const int dc = move == TBoardMove::Left ? -1 : (move == TBoardMove::Right ? 1 : 0);
    CursorAt.Down = dr != 0;
    for (int r = CursorAt.Row + dr, c = CursorAt.Col + dc;
         r >= 1 && r <= LastRow() && c >= 1 && c <= LastCol(); r += dr, c += dc) {
        if (IsWhite(WorkCopy, r, c)) {
            SetCursor(r, c);
            return;
        }
    }
}

void TSolveState::CursorToRunEnd(bool last) {
    if (!IsSolving) return;
    ShowFrame(true);
    const int dr = CursorAt.Down ? 1 : 0;
    const int dc = CursorAt.Down ? 0 : 1;
    const int step = last ? 1 : -1;
    int r = CursorAt.Row;
    int c = CursorAt.Col;
    while (IsWhite(WorkCopy, r + step * dr, c + step * dc)) {
        r += step * dr;
        c += step * dc;
    }
    SetCursor(r, c);
}

void TSolveState::NextRun(bool back) {
    if (!IsSolving || !IsWhite(WorkCopy, CursorAt.Row, CursorAt.Col)) return;
    ShowFrame(true);
    const int dr = CursorAt.Down ? 1 : 0;
    const int dc = CursorAt.Down ? 0 : 1;
    // The cursor's run, by its clue square; runs are ordered by their clue squares.
    int clueRow = CursorAt.Row;
    int clueCol = CursorAt.Col;
    while (IsWhite(WorkCopy, clueRow, clueCol)) {
        clueRow -= dr;
        clueCol -= dc;
    }
    const int cells = (LastRow() + 1) * (LastCol() + 1);
    const int here = clueRow * (LastCol() + 1) + clueCol;
    for (int k = 1; k <= cells; ++k) {
        const int at = ((here + (back ? -k : k)) % cells + cells) % cells;
        const int r = at / (LastCol() + 1);
        const int c = at % (LastCol() + 1);
        if (!IsWhite(WorkCopy, r, c) && IsWhite(WorkCopy, r + dr, c + dc)) {
            SetCursor(r + dr, c + dc);
            return;
        }
    }
}

bool TSolveState::KeyPressReady() {
    if (!IsSolving || !IsWhite(WorkCopy, CursorAt.Row, CursorAt.Col)) return false;
    ShowFrame(true);
    return true;
}

void TSolveState::KeyDigit(int digit, bool mark) {
    if (!KeyPressReady() || digit < 1 || digit > 9) return;
    DropHint();
    ClearChecks();
    const int row = CursorAt.Row;
    const int col = CursorAt.Col;
    if (CurrentMode != TSolveMode::Solve) {
        EditSquare(row, col);
        return;
    }
    mark = mark || MarksMode;
    TSquare& sq = WorkCopy.CurrentPuzzle.Sq[row][col];
    if (mark || sq.Entry == 0) {
        ClickWhite(row, col, digit, mark);
    } else if (sq.Entry != digit) {
        // A press would first take the old entry away; the key replaces it in one step.
        sq.Entry = static_cast<std::uint8_t>(digit);
        CleanMarksAfterEntry(row, col, digit);
        AutoCheck();
        PushUndo();
        View->RedrawSquare(row, col);
    }
}

void TSolveState::KeyClear() {
    if (!KeyPressReady()) return;
    DropHint();
    ClearChecks();
    if (CurrentMode != TSolveMode::Solve) {
        EditSquare(CursorAt.Row, CursorAt.Col);
        return;
    }
    if (WorkCopy.CurrentPuzzle.Sq[CursorAt.Row][CursorAt.Col].Entry != 0)
        ClickWhite(CursorAt.Row, CursorAt.Col, 1, false);
}

void TSolveState::KeyClue(bool down) {
    if (!KeyPressReady()) return;
    DropHint();
    ClearChecks();
    if (CurrentMode != TSolveMode::Solve) {
        EditSquare(CursorAt.Row, CursorAt.Col);
        return;
    }
    int r = CursorAt.Row;
    int c = CursorAt.Col;
    while (IsWhite(WorkCopy, r, c)) {
        r -= down ? 1 : 0;
        c -= down ? 0 : 1;
    }
    if (r >= 0 && c >= 0 && WorkCopy.CurrentPuzzle.Sq[r][c].Kind == Black) ClickClue(r, c, down);
}

void TSolveState::ToggleMarks() {
    if (!IsSolving) return;
    ShowFrame(true);
    MarksMode = !MarksMode;
    View->CursorMoved(CursorAt.Row, CursorAt.Col);
    View->MarksChanged();
}

void TSolveState::KeyMode(TSolveMode mode) {
    if (!IsSolving || mode == CurrentMode) return;
    if (mode == TSolveMode::Erase && !ButtonState.sbEraser) return;
    if (mode == TSolveMode::Fill && !ButtonState.sbFiller) return;
    rbModeClick(mode);
}

void TSolveState::DropHint() {
    if (!HintShown) return;
    HintShown = false;
    View->HintChanged();
}

void TSolveState::HintKey() {
    if (!IsSolving || CurrentMode != TSolveMode::Solve) return;
    ShowFrame(true);
    if (HintShown &&
        (HintStep.Kind == THintKind::Deduced || HintStep.Kind == THintKind::Narrowed) &&
        IsWhite(WorkCopy, HintStep.Row, HintStep.Col)) {
        const TNextStep step = HintStep;
        TSquare& sq = WorkCopy.CurrentPuzzle.Sq[step.Row][step.Col];
        DropHint();
        if (sq.Entry == 0) {
            ClearChecks();
            SetCursor(step.Row, step.Col);
            if (step.Kind == THintKind::Deduced) {
                ClickWhite(step.Row, step.Col, step.Digit, false);
            } else {
                // The digits ruled out leave the square's marks, as one undo step.
                NarrowMarks(sq, step.Remove);
                PushUndo();
                View->RedrawSquare(step.Row, step.Col);
            }
            return;
        }
    }
    HintStep = FindNextStep(WorkCopy.CurrentPuzzle, WorkCopy.PuzzleDims);
    // A solved board stays green.
    if (HintStep.Kind != THintKind::Solved) ClearChecks();
    if (HintStep.Kind == THintKind::WrongEntry || HintStep.Kind == THintKind::WrongMarks) {
        // Shown as Check shows a wrong entry or marks without the answer, and gone at the next
        // press like any check colour.
        (HintStep.Kind == THintKind::WrongEntry
             ? CheckMarks.EntryCheck
             : CheckMarks.PossibleCheck)[HintStep.Row][HintStep.Col] = 1;
        ChecksAreShown = true;
        View->RedrawSquare(HintStep.Row, HintStep.Col);
    }
    if (HintStep.Row >= 0) SetCursor(HintStep.Row, HintStep.Col);
    if ((HintStep.Kind == THintKind::Deduced || HintStep.Kind == THintKind::Narrowed) &&
        !HintStep.FromMarks)
        Tracked->HintShown(HintStep.Technique);
    HintShown = true;
    View->HintChanged();
}

void TSolveState::ShowStep(const TNextStep& step) {
    if (!IsSolving) return;
    HintStep = step;
    if (IsWhite(WorkCopy, step.Row, step.Col)) {
        ShowFrame(true);
        SetCursor(step.Row, step.Col);
    }
    HintShown = true;
    View->HintChanged();
}

}  // namespace xs
