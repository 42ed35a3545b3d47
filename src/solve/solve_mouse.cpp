// The solving page's board input: presses on the pads and the clues, and the drags of Erase and
// Fill mode.
#include <algorithm>
#include <cstring>

#include "model/combinations.h"
#include "solve/solve_state.h"

namespace xs {

namespace {

int MarkCount(const TSquare& sq) {
    int n = 0;
    for (std::uint8_t p : sq.Possible) n += p != 0 ? 1 : 0;
    return n;
}

// The digits 1..9 a run of n squares adding up to t can hold; false (flags untouched) when n or
// t is out of the table's range.
bool LookUp(int n, int t, std::uint8_t (&flags)[10]) {
    std::int32_t error = 0;
    LookupPossibleDigits(n, t, flags, error);
    return error == 0;
}

}  // namespace

int PadDigitAt(int x, int y, int w) {
    const int t = w / 3;
    const auto band = [&](int v) { return v < t ? 1 : (v < w - t ? 2 : 3); };
    return (band(y) - 1) * 3 + band(x);
}

bool TSolveState::SquareAt(int x, int y, int squareSize, int& row, int& col) const {
    if (squareSize <= 0 || x < 0 || y < 0) return false;
    const int pitch = squareSize + kBoardGridLine;
    col = x / pitch;
    row = y / pitch;
    return row <= LastRow() && col <= LastCol();
}

bool TSolveState::dgGridMouseDown(int x, int y, TMouseButton button, int squareSize) {
    int row = 0;
    int col = 0;
    if (!IsSolving || !SquareAt(x, y, squareSize, row, col)) return false;
    DropHint();
    ClearChecks();
    ShowFrame(false);
    const int pitch = squareSize + kBoardGridLine;
    const int dx = x - pitch * col;
    const int dy = y - pitch * row;
    const TSquare& sq = WorkCopy.CurrentPuzzle.Sq[row][col];
    // The keyboard carries on where the mouse was.
    if (sq.Kind == White) SetCursor(row, col);
    if (CurrentMode == TSolveMode::Solve) {
        if (sq.Kind == White && button != TMouseButton::Middle)
            ClickWhite(row, col, PadDigitAt(dx, dy, squareSize), button == TMouseButton::Right);
        else if (sq.Kind == Black)
            ClickClue(row, col, !(dx > dy));
        return false;
    }
    IsDragging = true;
    EditSquare(row, col);
    return true;
}

void TSolveState::ClickWhite(int row, int col, int digit, bool mark) {
    TSquare& sq = WorkCopy.CurrentPuzzle.Sq[row][col];
    if (!mark) {
        if (sq.Entry != 0) {
            sq.Entry = 0;
        } else {
            sq.Entry = static_cast<std::uint8_t>(digit);
            CleanMarksAfterEntry(row, col, digit);
            AutoCheck();
        }
    } else if (sq.Entry == 0) {
        sq.Possible[digit - 1] = sq.Possible[digit - 1] != 0 ? 0 : 1;
    }
    PushUndo();
    View->RedrawSquare(row, col);
}

void TSolveState::ClickClue(int row, int col, bool down) {
    const TSquare& clue = WorkCopy.CurrentPuzzle.Sq[row][col];
    const int total = down ? clue.DownTotal : clue.AcrossTotal;
    const int squares = down ? clue.DownSquares : clue.AcrossSquares;
    const int dr = down ? 1 : 0;
    const int dc = down ? 0 : 1;

    std::uint8_t placed[10] = {};
    std::uint8_t allowed[10] = {};
    std::uint8_t step[10] = {};
    LookUp(squares, total, allowed);

    // The run as far as it lies on White squares inside the puzzle; a sound puzzle's run always
    // does, so this only keeps a bad length from reaching past the grid.
    int length = 0;
    while (length < squares && length < 9) {
        const int r = row + dr * (length + 1);
        const int c = col + dc * (length + 1);
        if (r > LastRow() || c > LastCol() || WorkCopy.CurrentPuzzle.Sq[r][c].Kind != White) break;
        ++length;
    }

    for (int k = 1; k <= length; ++k) {
        const int r = row + dr * k;
        const int c = col + dc * k;
        TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
        if (MarkCount(sq) == 1) {
            for (int d = 1; d <= 9; ++d)
                if (sq.IsPossible(d)) sq.Entry = static_cast<std::uint8_t>(d);
            View->RedrawSquare(r, c);
            AutoCheck();
        }
        if (sq.Entry >= 1 && sq.Entry <= 9) placed[sq.Entry] = 1;
    }

    // Each placed digit leaves a shorter run with a smaller total; its digits bound the others.
    // Taken upward and then downward, as either order alone can miss a bound.
    for (int pass = 0; pass < 2; ++pass) {
        int t = total;
        int n = squares;
        for (int i = 1; i <= 9; ++i) {
            const int d = pass == 0 ? i : 10 - i;
            if (placed[d] == 0) continue;
            t -= d;
            n -= 1;
            LookUp(n, t, step);
            for (int e = 1; e <= 9; ++e) allowed[e] = allowed[e] != 0 && step[e] != 0 ? 1 : 0;
        }
    }

    for (int k = 1; k <= length; ++k) {
        const int r = row + dr * k;
        const int c = col + dc * k;
        TSquare& sq = WorkCopy.CurrentPuzzle.Sq[r][c];
        if (sq.Entry != 0) continue;
        const bool unmarked = MarkCount(sq) == 0;
        for (int d = 1; d <= 9; ++d) {
            const bool keep = allowed[d] != 0 && placed[d] == 0 && (unmarked || sq.IsPossible(d));
            sq.Possible[d - 1] = keep ? 1 : 0;
        }
        View->RedrawSquare(r, c);
    }

    PushUndo();
    if (total <= 1 || squares <= 1) return;

    const int oldRow = Selected.ClueRow;
    const int oldCol = Selected.ClueCol;
    Selected.RunSquares = squares;
    Selected.RunTotal = total;
    std::copy(std::begin(placed), std::end(placed), std::begin(Selected.Placed));
    Selected.ClueRow = row;
    Selected.ClueCol = col;
    Selected.IsDown = down ? 1 : 0;
    View->SelectionChanged(oldRow, oldCol);
}

bool TSolveState::EditSquare(int row, int col) {
    TSquare& sq = WorkCopy.CurrentPuzzle.Sq[row][col];
    if (sq.Kind != White) return false;
    if (CurrentMode == TSolveMode::Erase) {
        sq.Entry = 0;
        std::memset(sq.Possible, 0, sizeof sq.Possible);
        CheckMarks.EntryCheck[row][col] = 0;
        CheckMarks.PossibleCheck[row][col] = 0;
    } else {
        sq.Entry = static_cast<std::uint8_t>(sq.Answer());
    }
    AutoCheck();
    View->RedrawSquare(row, col);
    NoteSolved(GridSolved(WorkCopy.CurrentPuzzle, WorkCopy.PuzzleDims));
    return true;
}

bool TSolveState::dgGridDragOver(int x, int y, int squareSize) {
    int row = 0;
    int col = 0;
    if (!IsSolving || !IsDragging || CurrentMode == TSolveMode::Solve) return false;
    if (x < SeenArea.Left || x >= SeenArea.Right || y < SeenArea.Top || y >= SeenArea.Bottom)
        return false;
    if (!SquareAt(x, y, squareSize, row, col)) return false;
    return EditSquare(row, col);
}

void TSolveState::dgGridEndDrag() {
    IsDragging = false;
}

}  // namespace xs
