// The next-step hint: the teaching solver's ladder on the player's board (right entries and
// marks), after any wrong entry or wrong marks, with the step's technique and reason in words.
#include "logic/next_step_hint.h"

#include <utility>

#include "model/translate.h"

namespace xs {

namespace {

TNextStep Step(THintKind kind, int row, int col, int digit, std::string text) {
    TNextStep s;
    s.Kind = kind;
    s.Row = row;
    s.Col = col;
    s.Digit = digit;
    s.Text = std::move(text);
    return s;
}

TCandidates Marks(const TSquare& sq) {
    TCandidates marks = 0;
    for (int d = 1; d <= 9; ++d)
        if (sq.IsPossible(d)) marks = static_cast<TCandidates>(marks | (1u << d));
    return marks;
}

bool IsDigit(int d) {
    return d >= 1 && d <= 9;
}

}  // namespace

void NarrowMarks(TSquare& square, TCandidates remove) {
    TCandidates marks = Marks(square);
    if (marks == 0) marks = kAllCandidates;
    marks = static_cast<TCandidates>(marks & ~remove);
    for (int d = 1; d <= 9; ++d) square.Possible[d - 1] = (marks & (1u << d)) ? 1 : 0;
}

TNextStep FindNextStep(const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    bool solved = true;
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != White) continue;
            if (sq.Entry != 0 && sq.Entry != sq.Answer()) {
                return Step(
                    THintKind::WrongEntry, r, c, sq.Entry,
                    "The " + std::to_string(sq.Entry) +
                        " in the square marked red is wrong: clear it, then press H again.");
            }
            if (sq.Entry == 0) solved = false;
        }
    }
    if (solved) return Step(THintKind::Solved, -1, -1, 0, "Every square holds its right digit.");
    const TNextStep none =
        Step(THintKind::NoStep, -1, -1, 0, "No single step follows from the totals here.");

    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != White || sq.Entry != 0) continue;
            const TCandidates marks = Marks(sq);
            if (!IsDigit(sq.Answer())) return none;
            if (marks != 0 && !(marks & (1u << sq.Answer())))
                return Step(THintKind::WrongMarks, r, c, 0,
                            "The marks in the square with the red pad leave out its digit: change "
                            "them, then press H again.");
        }
    }
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != White || sq.Entry != 0 || Marks(sq) != (1u << sq.Answer())) continue;
            const std::string d = std::to_string(sq.Answer());
            TNextStep s = Step(THintKind::Deduced, r, c, sq.Answer(),
                               "Only " + d + " is marked in this square, so it holds " + d + ".");
            s.FromMarks = true;
            return s;
        }
    }

    static thread_local TLogicBoard board;
    if (!board.Load(grid, dims)) return none;
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != White) continue;
            if (sq.Entry != 0) {
                board.PlaceDigit(r, c, sq.Entry);
            } else {
                board.SetCandidates(r, c, Marks(sq));
            }
        }
    }
    TLogicStep step;
    if (!board.NextStep(step)) return none;
    const int answer = grid.Sq[step.Row][step.Col].Answer();
    if ((step.Place != 0 && step.Place != answer) || (step.Remove & (1u << answer))) return none;
    TNextStep out = Step(step.Place != 0 ? THintKind::Deduced : THintKind::Narrowed, step.Row,
                         step.Col, step.Place,
                         Fill(Tr("Logic", "%1: %2"),
                              {Tr("Texts", TechniqueName(step.Technique)), StepText(board, step)}));
    out.Remove = step.Remove;
    out.Technique = step.Technique;
    for (int i = 0; i < step.RunCount; ++i)
        out.Runs[i] = THintRun{step.Runs[i].ClueRow, step.Runs[i].ClueCol, step.Runs[i].Down,
                               step.Runs[i].Minus};
    out.RunCount = step.RunCount;
    for (int i = 0; i < step.CellCount; ++i)
        out.Cells[i] = THintCell{step.Cells[i].Row, step.Cells[i].Col};
    out.CellCount = step.CellCount;
    return out;
}

}  // namespace xs
