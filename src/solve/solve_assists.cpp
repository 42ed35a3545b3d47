// The solving page's assists, each off until the player asks for it: every square's candidates
// marked at once, an entered digit taken out of the marks of its runs, and the runs whose entries
// repeat a digit or exceed the total framed.
#include "logic/logic_combos.h"
#include "solve/solve_state.h"

namespace xs {

namespace {

// The other squares of the run through (row, col), across or down, by the clue's length.
template <typename TEach>
void ForOtherSquares(TPuzzleGrid& grid, const TPuzzleDims& dims, int row, int col, bool down,
                     TEach each) {
    int r = row;
    int c = col;
    while (r >= 1 && c >= 1 && grid.Sq[r][c].Kind == White) {
        r -= down ? 1 : 0;
        c -= down ? 0 : 1;
    }
    if (r < 0 || c < 0 || grid.Sq[r][c].Kind != Black) return;
    const int length = down ? grid.Sq[r][c].DownSquares : grid.Sq[r][c].AcrossSquares;
    for (int k = 1; k <= length && k <= 9; ++k) {
        const int sr = down ? r + k : r;
        const int sc = down ? c : c + k;
        if (sr > dims.LastRow || sc > dims.LastCol || grid.Sq[sr][sc].Kind != White) break;
        if (sr != row || sc != col) each(sr, sc);
    }
}

}  // namespace

void TSolveState::MarkCandidates() {
    if (!IsSolving || CurrentMode != TSolveMode::Solve) return;
    Tracked->AssistUsed();
    DropHint();
    ClearChecks();
    static thread_local TLogicBoard board;
    TPuzzleGrid& grid = WorkCopy.CurrentPuzzle;
    if (!board.Load(grid, WorkCopy.PuzzleDims)) return;
    for (int r = 1; r <= LastRow(); ++r)
        for (int c = 1; c <= LastCol(); ++c)
            if (grid.Sq[r][c].Kind == White && grid.Sq[r][c].Entry >= 1 && grid.Sq[r][c].Entry <= 9)
                board.PlaceDigit(r, c, grid.Sq[r][c].Entry);
    for (int r = 1; r <= LastRow(); ++r) {
        for (int c = 1; c <= LastCol(); ++c) {
            TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != White || sq.Entry != 0) continue;
            TCandidates allowed = kAllCandidates;
            for (const bool down : {false, true}) {
                const int run = board.RunIndex(r, c, down);
                if (run < 0) continue;
                const TLogicBoard::TRunState st = board.StateOf(board.RunAt(run));
                allowed &= CombinationUnion(st.Open, st.Remainder, st.Placed);
            }
            TCandidates marks = 0;
            for (int d = 1; d <= 9; ++d)
                if (sq.IsPossible(d)) marks = static_cast<TCandidates>(marks | (1u << d));
            const TCandidates kept =
                marks != 0 ? static_cast<TCandidates>(marks & allowed) : allowed;
            // Runs that no digits complete (wrong entries) leave the square as it is.
            if (kept == 0 || kept == marks) continue;
            for (int d = 1; d <= 9; ++d) sq.Possible[d - 1] = (kept & (1u << d)) ? 1 : 0;
            View->RedrawSquare(r, c);
        }
    }
    PushUndo();
}

// An assist's notice takes the instruction lines as a hint's text would.
void TSolveState::ShowNotice(const char* text) {
    HintStep = TNextStep{};
    HintStep.Kind = THintKind::Notice;
    HintStep.Text = text;
    HintShown = true;
    View->HintChanged();
}

void TSolveState::ToggleMarkCleanup() {
    if (!IsSolving) return;
    MarkCleanup = !MarkCleanup;
    if (MarkCleanup) Tracked->AssistUsed();
    ShowNotice(MarkCleanup ? "An entered digit now leaves the marks of the other squares of "
                             "its two runs (R turns this off)."
                           : "Entered digits no longer change marks (R turns this on).");
}

void TSolveState::ToggleConflicts() {
    if (!IsSolving) return;
    ShowConflicts = !ShowConflicts;
    if (ShowConflicts) Tracked->AssistUsed();
    ShowNotice(ShowConflicts ? "Runs whose digits repeat or add up to more than their total "
                               "are framed in red (D turns this off)."
                             : "Runs in conflict are no longer framed (D turns this on).");
    View->RepaintBoard();
}

int TSolveState::ConflictRuns(THintRun* out, int max) const {
    const TPuzzleGrid& grid = WorkCopy.CurrentPuzzle;
    int n = 0;
    for (int r = 0; r <= LastRow(); ++r) {
        for (int c = 0; c <= LastCol(); ++c) {
            const TSquare& clue = grid.Sq[r][c];
            if (clue.Kind != Black) continue;
            for (const bool down : {false, true}) {
                const int length = down ? clue.DownSquares : clue.AcrossSquares;
                const long long total = down ? clue.DownTotal : clue.AcrossTotal;
                long long sum = 0;
                unsigned seen = 0;
                bool repeat = false;
                for (int k = 1; k <= length && k <= 9; ++k) {
                    const int sr = down ? r + k : r;
                    const int sc = down ? c : c + k;
                    if (sr > LastRow() || sc > LastCol() || grid.Sq[sr][sc].Kind != White) break;
                    const int d = grid.Sq[sr][sc].Entry;
                    if (d < 1 || d > 9) continue;
                    repeat = repeat || (seen & (1u << d)) != 0;
                    seen |= 1u << d;
                    sum += d;
                }
                if ((repeat || sum > total) && n < max) out[n++] = THintRun{r, c, down};
            }
        }
    }
    return n;
}

void TSolveState::CleanMarksAfterEntry(int row, int col, int digit) {
    if (!MarkCleanup || digit < 1 || digit > 9) return;
    TPuzzleGrid& grid = WorkCopy.CurrentPuzzle;
    for (const bool down : {false, true}) {
        ForOtherSquares(grid, WorkCopy.PuzzleDims, row, col, down, [&](int r, int c) {
            TSquare& sq = grid.Sq[r][c];
            if (sq.Entry != 0 || sq.Possible[digit - 1] == 0) return;
            sq.Possible[digit - 1] = 0;
            View->RedrawSquare(r, c);
        });
    }
}

}  // namespace xs
