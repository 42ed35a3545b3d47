// The independent solver check: solves a filled work grid again from its totals and exports it.
#include "generate/verify.h"

#include <cstring>

#include "generate/propagate.h"

namespace xs {

namespace {

// The solver keeps its own deductions but shares the engine's grid-and-flags state.
using TSolver = TPropagation;

bool ValidBounds(const TGridBounds& b) {
    return b.LastRow >= 1 && b.LastRow < kGridRows && b.LastCol >= 1 && b.LastCol < kGridCols &&
           b.MinDigit >= 1 && b.MaxDigit <= 9 && b.MinDigit <= b.MaxDigit;
}

// The solver trusts the run lengths and clue links of the work grid to stay inside the puzzle,
// so they must describe its black and white squares exactly.
bool ConsistentLayout(const TGridBounds& b, const TWorkGrid& work) {
    for (int r = 0; r <= b.LastRow; ++r) {
        for (int c = 0; c <= b.LastCol; ++c) {
            const TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind != Black && cell.Kind != White) return false;
        }
    }
    for (int r = 0; r <= b.LastRow; ++r) {
        int clueCol = -1;
        for (int c = 0; c <= b.LastCol; ++c) {
            const TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind == Black) {
                int whites = 0;
                while (c + whites + 1 <= b.LastCol && work.Cell[r][c + whites + 1].Kind == White)
                    ++whites;
                if (cell.AcrossLength != whites) return false;
                clueCol = c;
            } else if (clueCol < 0 || cell.AcrossClueCol != clueCol) {
                return false;
            }
        }
    }
    for (int c = 0; c <= b.LastCol; ++c) {
        int clueRow = -1;
        for (int r = 0; r <= b.LastRow; ++r) {
            const TWorkCell& cell = work.Cell[r][c];
            if (cell.Kind == Black) {
                int whites = 0;
                while (r + whites + 1 <= b.LastRow && work.Cell[r + whites + 1][c].Kind == White)
                    ++whites;
                if (cell.DownLength != whites) return false;
                clueRow = r;
            } else if (clueRow < 0 || cell.DownClueRow != clueRow) {
                return false;
            }
        }
    }
    return true;
}

void SolverPropagate(TSolver& s, int row, int col) {
    if (s.Failed) return;
    TWorkCell& cell = s.At(row, col);
    const TDigitMask cand = CandidateMask(cell, s.Bounds);
    if (cand == 0) {
        s.Failed = true;
        return;
    }
    if (cell.HasDigit) return;
    s.Changed = true;
    if (DigitCount(cand) > 1) return;

    const int d = LowestDigit(cand);
    cell.Digit = d;
    cell.HasDigit = 1;
    for (const TDirection dir : {TDirection::Across, TDirection::Down}) {
        const TRunRef run = RunOf(s.Grid, row, col, dir);
        const TWorkCell& clue = s.Clue(run);
        const int length = RunLength(clue, dir);
        std::int32_t remainder = RunTotal(clue, dir);
        std::int32_t remaining = length;
        for (int j = 1; j <= length; ++j) {
            const TWorkCell& t = s.At(run.SquareRow(j), run.SquareCol(j));
            if (!t.HasDigit) continue;
            remainder -= t.Digit;
            --remaining;
        }
        TDigitMask possible = 0;
        if (remaining >= 1 && remainder >= 0) {
            TDigitFlags flags;
            std::int32_t error = 0;
            LookupPossibleDigits(remaining, remainder, flags, error);
            if (error) {
                s.Failed = true;
                return;
            }
            possible = FlagsMask(flags, s.Bounds);
        }
        const TDigitMask remove = static_cast<TDigitMask>((1u << d) | ~possible);
        for (int j = 1; j <= length; ++j) {
            const int r = run.SquareRow(j);
            const int c = run.SquareCol(j);
            TWorkCell& t = s.At(r, c);
            if (t.HasDigit) continue;
            const TDigitMask lose = static_cast<TDigitMask>(CandidateMask(t, s.Bounds) & remove);
            if (!lose) continue;
            ClearCandidates(t, lose);
            SolverPropagate(s, r, c);
            if (s.Failed) return;
        }
    }
}

void SolverFeasibility(TSolver& s, int row, int col, TDirection dir) {
    if (s.Failed) return;
    TWorkCell& cell = s.At(row, col);
    const TRunRef run = RunOf(s.Grid, row, col, dir);
    const TWorkCell& clue = s.Clue(run);
    const int length = RunLength(clue, dir);
    std::int32_t remainder = RunTotal(clue, dir);
    TDigitMask others[9];
    int count = 0;
    for (int j = 1; j <= length; ++j) {
        const TWorkCell& t = s.At(run.SquareRow(j), run.SquareCol(j));
        if (&t == &cell) continue;
        if (t.HasDigit)
            remainder -= t.Digit;
        else if (count < 9)
            others[count++] = CandidateMask(t, s.Bounds);
    }
    const TDigitMask feasible =
        FeasibleDigits(CandidateMask(cell, s.Bounds), others, count, remainder);
    for (int e = s.Bounds.MinDigit; e <= s.Bounds.MaxDigit; ++e) {
        if (!cell.Candidates[e] || (feasible & (1u << e))) continue;
        cell.Candidates[e] = 0;
        s.Changed = true;
        SolverPropagate(s, row, col);
        if (s.Failed) return;
    }
}

// The possible digits of a clue's run: false when the total is set but cannot be looked up.
bool RunPossible(std::int32_t length, std::int32_t total, const TGridBounds& b, bool& hasTotal,
                 TDigitMask& possible) {
    hasTotal = total > 0;
    possible = 0;
    // A negative total is as wrong as one too large, and is refused by the lookup likewise.
    if (total == 0) return true;
    TDigitFlags flags;
    std::int32_t error = 0;
    LookupPossibleDigits(length, total, flags, error);
    if (error) return false;
    possible = FlagsMask(flags, b);
    return true;
}

// Every run, across or down, must add up to its total with distinct digits.
bool RunAddsUp(const TWorkGrid& g, TRunRef run) {
    const TWorkCell& clue = g.Cell[run.Row][run.Col];
    const int length = RunLength(clue, run.Dir);
    std::int32_t sum = 0;
    unsigned seen = 0;
    for (int j = 1; j <= length; ++j) {
        const std::int32_t digit = g.Cell[run.SquareRow(j)][run.SquareCol(j)].Digit;
        sum += digit;
        if (digit < 1 || digit > 9 || (seen & (1u << digit))) return false;
        seen |= 1u << digit;
    }
    return sum == RunTotal(clue, run.Dir);
}

// Walks every row (across) or column (down) from its first square and hands each white square
// the digits its run allows. False when a square lies in a run without a usable total, or when
// apply says so.
template <typename TApply>
bool StartRuns(TWorkGrid& copy, const TGridBounds& b, TDirection dir, TApply apply) {
    const bool across = dir == TDirection::Across;
    const int lines = across ? b.LastRow : b.LastCol;
    const int steps = across ? b.LastCol : b.LastRow;
    for (int line = 0; line <= lines; ++line) {
        bool hasTotal = false;
        TDigitMask possible = 0;
        for (int k = 0; k <= steps; ++k) {
            const int r = across ? line : k;
            const int c = across ? k : line;
            TWorkCell& cell = copy.Cell[r][c];
            if (cell.Kind == Black) {
                if (!RunPossible(RunLength(cell, dir), RunTotal(cell, dir), b, hasTotal, possible))
                    return false;
            } else if (!hasTotal || !apply(cell, r, c, possible)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

void VerifyAndExport(const TGridBounds& bounds, const TWorkGrid& work, TPuzzleGrid& puzzle,
                     std::int32_t& failed) {
    failed = 0;
    if (!ValidBounds(bounds) || !ConsistentLayout(bounds, work)) {
        failed = 1;
        return;
    }
    const int lastRow = bounds.LastRow;
    const int lastCol = bounds.LastCol;
    TWorkGrid copy;
    std::memcpy(&copy.Cell[0][0], &work.Cell[0][0],
                sizeof(TWorkCell) * kGridCols * static_cast<std::size_t>(lastRow + 1));
    for (int r = 0; r <= lastRow; ++r) {
        for (int c = 0; c <= lastCol; ++c) {
            TWorkCell& cell = copy.Cell[r][c];
            if (cell.Kind == Black) {
                cell.AcrossConstrained = 0;
                cell.DownConstrained = 0;
            } else {
                cell.Digit = -1;
                cell.HasDigit = 0;
                std::memset(cell.Candidates, 0, sizeof cell.Candidates);
            }
        }
    }
    TSolver s{copy, bounds};

    // Across first: every square takes its across run's digits; then down: each square keeps
    // only what its down run allows as well, and is propagated at once.
    const bool started = StartRuns(copy, bounds, TDirection::Across,
                                   [](TWorkCell& cell, int, int, TDigitMask possible) {
                                       for (int d = 1; d <= 9; ++d)
                                           cell.Candidates[d] = (possible >> d) & 1u;
                                       return true;
                                   }) &&
                         StartRuns(copy, bounds, TDirection::Down,
                                   [&s](TWorkCell& cell, int r, int c, TDigitMask possible) {
                                       for (int d = 1; d <= 9; ++d)
                                           if (!((possible >> d) & 1u)) cell.Candidates[d] = 0;
                                       SolverPropagate(s, r, c);
                                       return !s.Failed;
                                   });
    if (!started) {
        failed = 1;
        return;
    }
    do {
        s.Changed = false;
        for (int r = 1; r <= lastRow; ++r) {
            for (int c = 1; c <= lastCol; ++c) {
                if (copy.Cell[r][c].Kind != White) continue;
                for (const TDirection dir : {TDirection::Across, TDirection::Down}) {
                    if (copy.Cell[r][c].HasDigit) break;
                    SolverFeasibility(s, r, c, dir);
                    if (s.Failed) {
                        failed = 1;
                        return;
                    }
                }
            }
        }
    } while (s.Changed);

    // A square left without a digit is a rejection in itself, whatever the sums say.
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c) {
            if (copy.Cell[r][c].Kind == White && !copy.Cell[r][c].HasDigit) {
                failed = 1;
                return;
            }
        }
    }
    for (int r = 0; r <= lastRow; ++r) {
        for (int c = 0; c <= lastCol; ++c) {
            const TWorkCell& cell = copy.Cell[r][c];
            if (cell.Kind == Black && cell.AcrossLength > 0 &&
                !RunAddsUp(copy, TRunRef{r, c, TDirection::Across})) {
                failed = 1;
                return;
            }
        }
    }

    std::memset(&puzzle, 0, sizeof puzzle);
    for (int c = 0; c <= lastCol; ++c) {
        for (int r = 0; r <= lastRow; ++r) {
            const TWorkCell& cell = copy.Cell[r][c];
            TSquare& sq = puzzle.Sq[r][c];
            sq.Kind = cell.Kind;
            sq.AcrossTotal = 0;
            sq.DownTotal = 0;
            sq.AcrossSquares = 0;
            sq.DownSquares = 0;
            if (cell.Kind == White) {
                sq.SetAnswer(cell.Digit);
                continue;
            }
            sq.AcrossTotal = cell.AcrossTotal;
            sq.DownTotal = cell.DownTotal;
            sq.AcrossSquares = static_cast<std::uint8_t>(cell.AcrossLength);
            sq.DownSquares = static_cast<std::uint8_t>(cell.DownLength);
            if (cell.DownLength > 0 && !RunAddsUp(copy, TRunRef{r, c, TDirection::Down})) {
                failed = 1;
                return;
            }
        }
    }
}

}  // namespace xs
