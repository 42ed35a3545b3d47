// The next-step hint: the solver check's deductions (run combinations, placed digits, what the
// rest of a run can add up to) applied to the player's board, stopping at the first square they
// fix, with the reason in words.
#include "solve/next_step_hint.h"

#include <cctype>
#include <cstdint>
#include <memory>
#include <utility>

#include "generate/propagate.h"
#include "model/combinations.h"

namespace xs {

namespace {

constexpr TDigitMask kAllDigits = 0x3FE;
constexpr int kMaxRuns = 2 * kGridRows * kGridCols;
constexpr TGridBounds kDigits{kGridRows - 1, kGridCols - 1, 1, 9};

// What a finder reports: nothing found, a step, or totals that contradict the board or the
// stored answers (no hint can be trusted then).
enum class TFound { None, Step, Contradiction };

struct TRun {
    int ClueRow = 0;
    int ClueCol = 0;
    bool Down = false;
    int Total = 0;
    int Length = 0;  // White squares that follow the clue; more than 9 leaves the run unusable
    int Rows[9] = {};
    int Cols[9] = {};
    // From the right entries.
    TDigitMask Placed = 0;
    int PlacedSum = 0;
    int Empty = 0;

    bool Usable() const { return Length >= 1 && Length <= 9; }
    // Kept within -1..46 so that a damaged total can neither overflow nor pass for a real one.
    int Remainder() const {
        const long long rest = static_cast<long long>(Total) - PlacedSum;
        return static_cast<int>(rest < -1 ? -1 : (rest > 46 ? 46 : rest));
    }
};

struct TBoard {
    TRun Runs[kMaxRuns];
    int RunCount = 0;
    int RunOf[2][kGridRows][kGridCols] = {};  // [0] across, [1] down; -1: none
    int Digit[kGridRows][kGridCols] = {};     // right entries, 0 elsewhere
    TDigitMask Cand[kGridRows][kGridCols] = {};
};

int Count(TDigitMask m) {
    return DigitCount(m);
}

std::string Words(int n) {
    static const char* const kWords[] = {"no",   "one", "two",   "three", "four",
                                         "five", "six", "seven", "eight", "nine"};
    return n >= 0 && n <= 9 ? kWords[n] : std::to_string(n);
}

// "8 and 9", "1, 2 and 4", "1 to 7 and 9": three or more digits in a row read as a span.
std::string DigitList(TDigitMask mask, const char* last = "and") {
    std::string parts[9];
    int n = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!(mask & (1u << d))) continue;
        int e = d;
        while (e < 9 && (mask & (1u << (e + 1)))) ++e;
        if (e - d >= 2) {
            parts[n++] = std::to_string(d) + " to " + std::to_string(e);
            d = e;
        } else {
            parts[n++] = std::to_string(d);
        }
    }
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (i > 0) out += i == n - 1 ? std::string(" ") + last + " " : ", ";
        out += parts[i];
    }
    return out;
}

std::string RunName(const TRun& run) {
    return std::string(run.Down ? "the down " : "the across ") + std::to_string(run.Total);
}

// The digits the run's empty squares can take: its remaining total in its empty squares, less
// the digits already placed in it. Every digit for a square outside any usable run.
TDigitMask RunDigits(const TBoard& b, int index) {
    if (index < 0) return kAllDigits;
    const TRun& run = b.Runs[index];
    if (!run.Usable()) return static_cast<TDigitMask>(kAllDigits & ~run.Placed);
    if (run.Empty == 0) return 0;
    TDigitFlags flags{};
    std::int32_t error = 0;
    LookupPossibleDigits(run.Empty, run.Remainder(), flags, error);
    if (error != 0) return 0;
    return static_cast<TDigitMask>(FlagsMask(flags, kDigits) & ~run.Placed);
}

void AddRun(TBoard& b, const TPuzzleGrid& grid, const TPuzzleDims& dims, int row, int col,
            bool down) {
    TRun run;
    run.ClueRow = row;
    run.ClueCol = col;
    run.Down = down;
    run.Total = down ? grid.Sq[row][col].DownTotal : grid.Sq[row][col].AcrossTotal;
    for (int k = 1;; ++k) {
        const int r = down ? row + k : row;
        const int c = down ? col : col + k;
        if (r > dims.LastRow || c > dims.LastCol || grid.Sq[r][c].Kind != White) break;
        if (run.Length < 9) {
            run.Rows[run.Length] = r;
            run.Cols[run.Length] = c;
        }
        b.RunOf[down ? 1 : 0][r][c] = b.RunCount;
        ++run.Length;
    }
    if (run.Length > 0) b.Runs[b.RunCount++] = run;
}

template <typename TEach>
void ForEachSquare(const TRun& run, TEach each) {
    for (int k = 0; k < run.Length && k < 9; ++k) each(run.Rows[k], run.Cols[k]);
}

void Build(TBoard& b, const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    for (auto& plane : b.RunOf)
        for (auto& line : plane)
            for (int& v : line) v = -1;
    for (int r = 0; r <= dims.LastRow; ++r) {
        for (int c = 0; c <= dims.LastCol; ++c) {
            if (grid.Sq[r][c].Kind != Black) continue;
            AddRun(b, grid, dims, r, c, false);
            AddRun(b, grid, dims, r, c, true);
        }
    }
    for (int i = 0; i < b.RunCount; ++i) {
        TRun& run = b.Runs[i];
        ForEachSquare(run, [&](int r, int c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Entry >= 1 && sq.Entry <= 9 && sq.Entry == sq.Answer()) {
                b.Digit[r][c] = sq.Entry;
                run.Placed = static_cast<TDigitMask>(run.Placed | (1u << sq.Entry));
                run.PlacedSum += sq.Entry;
            } else {
                ++run.Empty;
            }
        });
    }
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            if (grid.Sq[r][c].Kind != White || b.Digit[r][c] != 0) continue;
            b.Cand[r][c] = static_cast<TDigitMask>(RunDigits(b, b.RunOf[0][r][c]) &
                                                   RunDigits(b, b.RunOf[1][r][c]));
        }
    }
}

TNextStep Step(THintKind kind, int row, int col, int digit, std::string text) {
    TNextStep s;
    s.Kind = kind;
    s.Row = row;
    s.Col = col;
    s.Digit = digit;
    s.Text = std::move(text);
    return s;
}

void AddHintRun(TNextStep& s, const TBoard& b, int index) {
    if (index < 0 || s.RunCount >= 2) return;
    const TRun& run = b.Runs[index];
    s.Runs[s.RunCount++] = THintRun{run.ClueRow, run.ClueCol, run.Down};
}

// The last empty square of a run takes what its total still lacks.
TFound LastSquare(const TBoard& b, const TPuzzleGrid& grid, TNextStep& out) {
    for (int i = 0; i < b.RunCount; ++i) {
        const TRun& run = b.Runs[i];
        if (!run.Usable() || run.Empty != 1) continue;
        const int d = run.Remainder();
        if (d < 1 || d > 9 || (run.Placed & (1u << d))) continue;
        int row = -1;
        int col = -1;
        ForEachSquare(run, [&](int r, int c) {
            if (b.Digit[r][c] == 0) row = r, col = c;
        });
        if (!(b.Cand[row][col] & (1u << d)) || grid.Sq[row][col].Answer() != d)
            return TFound::Contradiction;
        std::string text;
        if (run.Length == 1) {
            text = "The square of " + RunName(run) + " is all of its run, so it holds " +
                   std::to_string(d) + ".";
        } else {
            text = "One square of " + RunName(run) + " is left: " + std::to_string(run.Total) +
                   " less the " + std::to_string(run.PlacedSum) + " already placed leaves " +
                   std::to_string(d) + ".";
        }
        out = Step(THintKind::Deduced, row, col, d, std::move(text));
        out.Rule = THintRule::LastSquare;
        AddHintRun(out, b, i);
        return TFound::Step;
    }
    return TFound::None;
}

// "17 in two squares" or "14 in the two empty squares of the across 23".
std::string RunNeeds(const TRun& run) {
    if (run.Placed == 0) return std::to_string(run.Total) + " in " + Words(run.Empty) + " squares";
    return std::to_string(run.Remainder()) + " in the " + Words(run.Empty) + " empty squares of " +
           RunName(run);
}

// A square whose two runs leave it a single digit.
TFound SingleDigit(const TBoard& b, const TPuzzleGrid& grid, const TPuzzleDims& dims,
                   TNextStep& out) {
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const TDigitMask cand = b.Cand[r][c];
            if (grid.Sq[r][c].Kind != White || b.Digit[r][c] != 0 || Count(cand) != 1) continue;
            const int d = LowestDigit(cand);
            if (grid.Sq[r][c].Answer() != d) return TFound::Contradiction;
            const int across = b.RunOf[0][r][c];
            const int down = b.RunOf[1][r][c];
            const TDigitMask a = RunDigits(b, across);
            const TDigitMask v = RunDigits(b, down);
            // The narrower run names its digits; the other rules out all but one of them.
            const bool downFirst = down >= 0 && (across < 0 || Count(v) < Count(a));
            const int first = downFirst ? down : across;
            const int second = downFirst ? across : down;
            const TDigitMask firstDigits = downFirst ? v : a;
            std::string text;
            if (first >= 0 && second >= 0 && b.Runs[first].Usable() && Count(firstDigits) <= 4) {
                const TRun& p = b.Runs[first];
                const bool exact = Count(firstDigits) == p.Empty;
                text = RunNeeds(p) + (exact ? " can only be " : " can only use ") +
                       DigitList(firstDigits) + ", and only " + std::to_string(d) +
                       " of these fits " + RunName(b.Runs[second]) + ".";
                text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
            } else if (across >= 0 && down >= 0) {
                text = std::to_string(d) + " is the only digit this square allows in both runs: " +
                       RunName(b.Runs[across]) + " takes " + DigitList(a, "or") + ", " +
                       RunName(b.Runs[down]) + " " + DigitList(v, "or") + ".";
            } else {
                text = std::to_string(d) + " is the only digit this square's run allows.";
            }
            out = Step(THintKind::Deduced, r, c, d, std::move(text));
            out.Rule = THintRule::BothRuns;
            AddHintRun(out, b, across);
            AddHintRun(out, b, down);
            return TFound::Step;
        }
    }
    return TFound::None;
}

// Narrows every empty square by what the other empty squares of each of its runs can add up to,
// round after round, until a square is left one digit.
TFound Narrowing(TBoard& b, const TPuzzleGrid& grid, const TPuzzleDims& dims, TNextStep& out) {
    int decided[kGridRows][kGridCols];
    for (auto& line : decided)
        for (int& v : line) v = -1;
    for (int round = 1;; ++round) {
        bool changed = false;
        for (int r = 1; r <= dims.LastRow; ++r) {
            for (int c = 1; c <= dims.LastCol; ++c) {
                if (grid.Sq[r][c].Kind != White || b.Digit[r][c] != 0) continue;
                for (int dir = 0; dir < 2; ++dir) {
                    const int index = b.RunOf[dir][r][c];
                    if (index < 0 || !b.Runs[index].Usable()) continue;
                    const TRun& run = b.Runs[index];
                    TDigitMask others[9];
                    int count = 0;
                    ForEachSquare(run, [&](int tr, int tc) {
                        if ((tr != r || tc != c) && b.Digit[tr][tc] == 0)
                            others[count++] = b.Cand[tr][tc];
                    });
                    const TDigitMask feasible =
                        FeasibleDigits(b.Cand[r][c], others, count, run.Remainder());
                    if (feasible == b.Cand[r][c]) continue;
                    b.Cand[r][c] = feasible;
                    decided[r][c] = index;
                    changed = true;
                    if (feasible == 0) return TFound::Contradiction;
                }
            }
        }
        for (int r = 1; r <= dims.LastRow; ++r) {
            for (int c = 1; c <= dims.LastCol; ++c) {
                if (grid.Sq[r][c].Kind != White || b.Digit[r][c] != 0) continue;
                if (Count(b.Cand[r][c]) != 1) continue;
                const int d = LowestDigit(b.Cand[r][c]);
                if (grid.Sq[r][c].Answer() != d || decided[r][c] < 0) return TFound::Contradiction;
                const std::string name = RunName(b.Runs[decided[r][c]]);
                std::string text =
                    round == 1 ? "Only " + std::to_string(d) + " here lets the other squares of " +
                                     name + " make up the rest of its total."
                               : "Narrowing the squares around it, " + name +
                                     " adds up only with " + std::to_string(d) + " here.";
                out = Step(THintKind::Deduced, r, c, d, std::move(text));
                out.Rule = THintRule::Narrowing;
                AddHintRun(out, b, decided[r][c]);
                return TFound::Step;
            }
        }
        if (!changed) return TFound::None;
    }
}

}  // namespace

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

    auto board = std::make_unique<TBoard>();
    Build(*board, grid, dims);
    TNextStep out;
    TFound found = LastSquare(*board, grid, out);
    if (found == TFound::None) found = SingleDigit(*board, grid, dims, out);
    if (found == TFound::None) found = Narrowing(*board, grid, dims, out);
    if (found == TFound::Step) return out;
    return Step(THintKind::NoStep, -1, -1, 0, "No single step follows from the totals here.");
}

}  // namespace xs
