// The solving page's state and commands: undo history, checks, whole-puzzle commands and modes.
#include "solve/solve_state.h"

#include <algorithm>
#include <cstring>

#include "model/combinations.h"
#include "model/slot_check.h"

namespace xs {

namespace {

constexpr const char* kFillAsk =
    "Press 'O.K.' to fill the answers in this puzzle\n\rPress 'Cancel' to cancel the request.";
constexpr const char* kClearAsk =
    "Press 'O.K.' to clear all answers from this puzzle\n\rPress 'Cancel' to cancel the request.";
constexpr const char* kSaveAsk =
    "Press 'O.K.' to save the current state of this puzzle.\n\rPress 'Cancel' to cancel the "
    "request.";
constexpr const char* kResetAsk =
    "Press 'O.K.' to reset this puzzle to its last saved version.\n\rPress 'Cancel' to cancel the "
    "request.";
constexpr const char* kChangesAsk = "You have made changes since your last save.";

TSolveView& NoView() {
    static TSolveView none;
    return none;
}

int MarkCount(const TSquare& sq) {
    int n = 0;
    for (std::uint8_t p : sq.Possible) n += p != 0 ? 1 : 0;
    return n;
}

}  // namespace

TModeLines ModeLines(TSolveMode mode, bool marksOn) {
    switch (mode) {
        case TSolveMode::Erase:
            return {"   Erase Mode : Click a square to", "   erase the answer - or click, hold",
                    "   and hover over squares to erase."};
        case TSolveMode::Fill:
            return {"   Fill Mode : Click a square to fill",
                    "   the correct answer - or click, hold", "   and hover over squares to fill."};
        case TSolveMode::Solve:
            break;
    }
    if (marksOn)
        return {"Solve Mode, Marks on : the keys 1..9", "mark possible values.  Press M again",
                "for the keys to fill squares."};
    return {"Solve Mode : Click on the small 1..9 grid",
            "to fill a square.  Click the total to show all", "possible combinations."};
}

TModeLines SolvedLines(bool saved) {
    if (saved) return {"Solved : every square holds its answer.", "", ""};
    return {"Solved : every square holds its answer.", "Press 'Save' to keep it solved, 'Return'",
            "to choose another puzzle."};
}

TSolveState::TSolveState(TPuzzleLibrary& library, TWorkingCopy& work, TMessages& messages)
    : Library(library), WorkCopy(work), Messages(messages), View(&NoView()) {}

void TSolveState::SetView(TSolveView* view) {
    View = view != nullptr ? view : &NoView();
}

TSolveTracker& NoTracker() {
    static TSolveTracker none;
    return none;
}

void TSolveState::SetTracker(TSolveTracker* tracker) {
    Tracked = tracker != nullptr ? tracker : &NoTracker();
}

bool TSolveState::bnSolveClick() {
    if (ClassifySlot(Library, WorkCopy.CurrentSlot) != TSlotState::Valid) return false;
    const int oldRow = Selected.ClueRow;
    const int oldCol = Selected.ClueCol;
    Selected = TSelectedRun{};
    LoadSlot(Library, WorkCopy.CurrentSlot, WorkCopy);
    CheckMarks = TCheckMarks{};
    IsSolving = true;
    IsDragging = false;
    MarksMode = false;
    HintShown = false;
    FrameShown = false;
    HomeCursor();
    ResetUndo();
    View->RepaintBoard();
    rbModeClick(TSolveMode::Solve);
    ChecksAreShown = false;
    View->SelectionChanged(oldRow, oldCol);
    Tracked->PuzzleOpened(WorkCopy.CurrentSlot);
    return true;
}

bool TSolveState::SameAsRing(std::int32_t pos) const {
    const TUndoState& s = UndoRing[(pos - 1) % kUndoRingSize];
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Entry != s.Sq[r][c][0]) return false;
            if (std::memcmp(sq.Possible, &s.Sq[r][c][1], 9) != 0) return false;
        }
    }
    return true;
}

void TSolveState::StoreInRing(std::int32_t pos) {
    TUndoState& s = RingSlot(pos);
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            s.Sq[r][c][0] = sq.Entry;
            std::memcpy(&s.Sq[r][c][1], sq.Possible, 9);
        }
    }
}

void TSolveState::PushUndo() {
    if (!IsSolving || SameAsRing(UndoPosition)) return;
    ++UndoPosition;
    // The new state overwrites position UndoPosition - 100. Positions once given up stay given
    // up: after some Undo steps the ring slots above the new position still hold states that
    // were abandoned, not the older positions that shared their slots.
    UndoLowest = std::max(UndoLowest, UndoPosition - (kUndoRingSize - 1));
    // A new change ends the states that could be redone.
    UndoHighest = UndoPosition;
    StoreInRing(UndoPosition);
    UpdateButtons();
}

void TSolveState::ResetUndo() {
    std::memset(UndoRing, 0, sizeof UndoRing);
    UndoPosition = 1;
    UndoLowest = 1;
    UndoHighest = 1;
    StoreInRing(1);
    UpdateButtons();
}

void TSolveState::bnUndoClick() {
    if (!IsSolving || !ButtonState.Commands || UndoPosition <= UndoLowest) return;
    DropHint();
    ClearChecks();
    --UndoPosition;
    RestoreRing(UndoPosition);
    UpdateButtons();
}

void TSolveState::bnRedoClick() {
    if (!IsSolving || !ButtonState.Commands || UndoPosition >= UndoHighest) return;
    DropHint();
    ClearChecks();
    ++UndoPosition;
    RestoreRing(UndoPosition);
    UpdateButtons();
}

void TSolveState::RestoreRing(std::int32_t pos) {
    const TUndoState& s = RingSlot(pos);
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Entry == s.Sq[r][c][0] && std::memcmp(sq.Possible, &s.Sq[r][c][1], 9) == 0)
                continue;
            sq.Entry = s.Sq[r][c][0];
            std::memcpy(sq.Possible, &s.Sq[r][c][1], 9);
            View->RedrawSquare(r, c);
        }
    }
}

bool TSolveState::BoardBlank() const {
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind == White && (sq.Entry != 0 || MarkCount(sq) != 0)) return false;
        }
    }
    return true;
}

void TSolveState::UpdateButtons() {
    bool allRight = true;
    for (int r = 1; r <= LastRow() && allRight; ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind == White && sq.Entry != sq.Answer()) {
                allRight = false;
                break;
            }
        }
    }
    const bool blank = BoardBlank();
    ButtonState.bnUndo = UndoPosition > UndoLowest;
    ButtonState.bnRedo = UndoPosition < UndoHighest;
    ButtonState.bnCheck = !blank;
    ButtonState.bnClear = !blank;
    ButtonState.bnFill = !allRight;
    ButtonState.sbEraser = ButtonState.bnClear;
    ButtonState.sbFiller = ButtonState.bnFill;
    ButtonsChangedNow();
    NoteSolved(GridSolved(WorkCopy.CurrentPuzzle, WorkCopy.PuzzleDims));
}

void TSolveState::NoteSolved(bool solved) {
    const bool saved = solved && !PuzzleModified();
    if (solved == IsSolved && saved == IsSavedSolved) return;
    if (solved != IsSolved) Tracked->SolvedChanged(solved);
    IsSolved = solved;
    IsSavedSolved = saved;
    View->SolvedChanged();
}

void TSolveState::ButtonsChangedNow() {
    View->ButtonsChanged();
}

void TSolveState::bnCheckClick() {
    if (!IsSolving || !ButtonState.Commands) return;
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind != White) continue;
            if (sq.Entry != 0)
                CheckMarks.EntryCheck[r][c] = sq.Entry != sq.Answer() ? 1 : 2;
            else if (MarkCount(sq) != 0)
                CheckMarks.PossibleCheck[r][c] = sq.IsPossible(sq.Answer()) ? 2 : 1;
            else
                CheckMarks.PossibleCheck[r][c] = 0;
        }
    }
    ChecksAreShown = true;
    ButtonState.bnCheck = false;
    ButtonsChangedNow();
    View->RepaintBoard();
    Tracked->Checked();
}

void TSolveState::AutoCheck() {
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind == White && sq.Entry == 0) {
                ChecksAreShown = true;
                return;
            }
        }
    }
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind == White) CheckMarks.EntryCheck[r][c] = sq.Entry != sq.Answer() ? 1 : 2;
        }
    }
    View->RepaintBoard();
    ChecksAreShown = true;
}

void TSolveState::ClearChecks() {
    if (!ChecksAreShown) return;
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            if (CheckMarks.EntryCheck[r][c] == 0 && CheckMarks.PossibleCheck[r][c] == 0) continue;
            CheckMarks.EntryCheck[r][c] = 0;
            CheckMarks.PossibleCheck[r][c] = 0;
            View->RedrawSquare(r, c);
        }
    }
    // Check is offered again, though not on a blank board, where there is nothing to check.
    ButtonState.bnCheck = !BoardBlank();
    ButtonsChangedNow();
    ChecksAreShown = false;
}

void TSolveState::bnFillClick() {
    if (!IsSolving || !ButtonState.Commands) return;
    if (Messages.ShowMsg(kFillAsk, TButtons::OkCancel) != kResultOk) return;
    Tracked->AnswersFilled();
    DropHint();
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind == White) sq.Entry = static_cast<std::uint8_t>(sq.Answer());
        }
    }
    AutoCheck();
    ChecksAreShown = true;
    PushUndo();
    ButtonState.bnCheck = false;
    ButtonsChangedNow();
    View->RepaintBoard();
}

void TSolveState::bnClearClick() {
    if (!IsSolving || !ButtonState.Commands) return;
    if (Messages.ShowMsg(kClearAsk, TButtons::OkCancel) != kResultOk) return;
    DropHint();
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
            if (sq.Kind != White) continue;
            sq.Entry = 0;
            std::memset(sq.Possible, 0, sizeof sq.Possible);
            CheckMarks.EntryCheck[r][c] = 0;
            CheckMarks.PossibleCheck[r][c] = 0;
        }
    }
    PushUndo();
    View->RepaintBoard();
}

void TSolveState::bnSaveClick(bool askFirst) {
    if (!IsSolving) return;
    if (askFirst) {
        if (!ButtonState.Commands) return;
        if (Messages.ShowMsg(kSaveAsk, TButtons::OkCancel) != kResultOk) return;
    }
    SaveSlot(Library, WorkCopy.CurrentSlot, WorkCopy);
    ResetUndo();
}

void TSolveState::bnResetClick(bool askFirst) {
    if (!IsSolving) return;
    if (askFirst) {
        if (!ButtonState.Commands) return;
        if (Messages.ShowMsg(kResetAsk, TButtons::OkCancel) != kResultOk) return;
        Tracked->PuzzleReset();
    }
    DropHint();
    ClearChecks();
    // The slot was sound when solving started and only Save writes to it since.
    LoadSlot(Library, WorkCopy.CurrentSlot, WorkCopy);
    ResetUndo();
    View->RepaintBoard();
}

bool TSolveState::PuzzleModified() const {
    return IsSolving && IsModified(Library, WorkCopy.CurrentSlot, WorkCopy);
}

void TSolveState::bnReturnClick() {
    if (!IsSolving) return;
    IsDragging = false;
    if (PuzzleModified()) {
        const TOptionTexts options{"Save this puzzle with your latest changes",
                                   "Cancel the changes"};
        if (Messages.ShowOptions(kChangesAsk, 2, options, false, false) == OptionResult(0))
            bnSaveClick(false);
        else
            bnResetClick(false);
    }
    EndSolving();
}

void TSolveState::EndSolving() {
    DropHint();
    IsSolving = false;
    IsDragging = false;
}

void TSolveState::rbModeClick(TSolveMode mode) {
    DropHint();
    IsDragging = false;
    CurrentMode = mode;
    if (mode == TSolveMode::Solve) {
        ButtonState.Commands = true;
        ButtonState.bnMore = true;
        UpdateButtons();
    } else {
        ButtonState.Commands = false;
        ButtonState.bnMore = false;
        ButtonsChangedNow();
    }
    View->ModeChanged(mode);
    // Everything a drag erased or filled since the last mode change becomes one undo step.
    PushUndo();
}

}  // namespace xs
