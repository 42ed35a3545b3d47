// The teaching solver's ladder: the board of runs and candidates, and one finder per technique.
#include "logic/logic_solver.h"

#include <bit>

#include "generate/propagate.h"
#include "logic/logic_combos.h"

namespace xs {

namespace {

constexpr TCandidates Bit(int d) {
    return static_cast<TCandidates>(1u << d);
}

int Count(TCandidates m) {
    return std::popcount(static_cast<unsigned>(m));
}

int Lowest(TCandidates m) {
    return std::countr_zero(static_cast<unsigned>(m));
}

int Highest(TCandidates m) {
    return 31 - std::countl_zero(static_cast<unsigned>(m));
}

TStepRun RefOf(const TLogicRun& run) {
    return TStepRun{run.ClueRow, run.ClueCol, run.Down};
}

// A step on (row, col) that leaves it `kept` out of `cand`: a placement when one digit is left.
TLogicStep Narrow(TTechnique technique, int row, int col, TCandidates cand, TCandidates kept) {
    TLogicStep step;
    step.Technique = technique;
    step.Row = row;
    step.Col = col;
    step.Remove = static_cast<TCandidates>(cand & ~kept);
    if (Count(kept) == 1) step.Place = Lowest(kept);
    return step;
}

void AddRun(TLogicStep& step, const TLogicRun& run) {
    if (step.RunCount < kMaxStepRuns) step.Runs[step.RunCount++] = RefOf(run);
}

// Keeps the first removal a finder meets and stops at the first placement, so that within one
// technique a placed digit comes before a narrowed square.
struct TPick {
    TLogicStep Found;
    bool Any = false;

    // True when the search can stop.
    bool Offer(const TLogicStep& step) {
        if (step.Remove == 0) return false;
        if (!Any || step.Place != 0) {
            Found = step;
            Any = true;
        }
        return step.Place != 0;
    }
};

// The sum of the m smallest (or largest) digits of the set; -1 when it has fewer than m.
int SmallestSum(TCandidates digits, int m) {
    int sum = 0;
    for (int d = 1; d <= 9 && m > 0; ++d)
        if (digits & Bit(d)) sum += d, --m;
    return m == 0 ? sum : -1;
}

int LargestSum(TCandidates digits, int m) {
    int sum = 0;
    for (int d = 9; d >= 1 && m > 0; --d)
        if (digits & Bit(d)) sum += d, --m;
    return m == 0 ? sum : -1;
}

}  // namespace

const char* TechniqueName(TTechnique technique) {
    switch (technique) {
        case TTechnique::LastSquare:
            return "Last square";
        case TTechnique::Crossing:
            return "Crossing runs";
        case TTechnique::OneCombination:
            return "One combination";
        case TTechnique::PossibleDigits:
            return "Possible digits";
        case TTechnique::NeededDigit:
            return "Needed digit";
        case TTechnique::LockedDigits:
            return "Locked digits";
        case TTechnique::SumRange:
            return "Smallest and largest sums";
        case TTechnique::FittingCombinations:
            return "Combinations that fit";
    }
    return "?";
}

bool TLogicBoard::Load(const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    RunCount = 0;
    Size = dims;
    for (auto& plane : RunOf)
        for (auto& line : plane)
            for (auto& v : line) v = -1;
    for (auto& line : Digits)
        for (auto& v : line) v = 0;
    for (auto& line : Cand)
        for (auto& v : line) v = 0;
    if (dims.LastRow < 1 || dims.LastRow >= kGridRows || dims.LastCol < 1 ||
        dims.LastCol >= kGridCols)
        return false;
    for (int r = 1; r <= dims.LastRow; ++r)
        for (int c = 1; c <= dims.LastCol; ++c)
            if (grid.Sq[r][c].Kind == White) Cand[r][c] = kAllCandidates;
    for (int r = 0; r <= dims.LastRow; ++r) {
        for (int c = 0; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != Black) continue;
            for (int dir = 0; dir < 2; ++dir) {
                const bool down = dir == 1;
                const int length = down ? sq.DownSquares : sq.AcrossSquares;
                const std::int32_t total = down ? sq.DownTotal : sq.AcrossTotal;
                if (length == 0) continue;
                if (length > 9 || total < 1 || total > 45) return false;
                TLogicRun& run = Runs[RunCount];
                run = TLogicRun{};
                run.ClueRow = static_cast<std::int8_t>(r);
                run.ClueCol = static_cast<std::int8_t>(c);
                run.Down = down;
                run.Total = total;
                for (int k = 1; k <= length; ++k) {
                    const int sr = down ? r + k : r;
                    const int sc = down ? c : c + k;
                    if (sr > dims.LastRow || sc > dims.LastCol || grid.Sq[sr][sc].Kind != White)
                        break;
                    run.Rows[run.Length] = static_cast<std::int8_t>(sr);
                    run.Cols[run.Length] = static_cast<std::int8_t>(sc);
                    RunOf[dir][sr][sc] = static_cast<std::int16_t>(RunCount);
                    ++run.Length;
                }
                if (run.Length > 0) ++RunCount;
            }
        }
    }
    return true;
}

void TLogicBoard::PlaceDigit(int row, int col, int digit) {
    Digits[row][col] = static_cast<std::uint8_t>(digit);
    Cand[row][col] = Bit(digit);
}

void TLogicBoard::SetCandidates(int row, int col, TCandidates candidates) {
    Digits[row][col] = 0;
    // An open square keeps at least one candidate: none stands for all nine.
    candidates = static_cast<TCandidates>(candidates & kAllCandidates);
    Cand[row][col] = candidates != 0 ? candidates : kAllCandidates;
}

void TLogicBoard::Apply(const TLogicStep& step) {
    if (step.Place != 0) {
        PlaceDigit(step.Row, step.Col, step.Place);
    } else {
        Cand[step.Row][step.Col] =
            static_cast<TCandidates>(Cand[step.Row][step.Col] & ~step.Remove);
    }
}

bool TLogicBoard::Solved() const {
    for (int r = 1; r <= Size.LastRow; ++r)
        for (int c = 1; c <= Size.LastCol; ++c)
            if (Cand[r][c] != 0 && Digits[r][c] == 0) return false;
    return true;
}

const TLogicRun& TLogicBoard::Run(const TStepRun& ref) const {
    const int index = RunOf[ref.Down ? 1 : 0][ref.Down ? ref.ClueRow + 1 : ref.ClueRow]
                           [ref.Down ? ref.ClueCol : ref.ClueCol + 1];
    return Runs[index];
}

TLogicBoard::TRunState TLogicBoard::StateOf(const TLogicRun& run) const {
    TRunState st;
    int sum = 0;
    for (int k = 0; k < run.Length; ++k) {
        const int r = run.Rows[k];
        const int c = run.Cols[k];
        if (Digits[r][c] != 0) {
            st.Placed = static_cast<TCandidates>(st.Placed | Bit(Digits[r][c]));
            sum += Digits[r][c];
        } else {
            st.OpenRows[st.Open] = r;
            st.OpenCols[st.Open] = c;
            st.OpenCand[st.Open] = Cand[r][c];
            ++st.Open;
        }
    }
    st.Remainder = run.Total - sum;
    return st;
}

bool TLogicBoard::NextStep(TLogicStep& step) const {
    for (int t = 0; t < kTechniqueCount; ++t)
        if (FindStep(static_cast<TTechnique>(t), step)) return true;
    return false;
}

bool TLogicBoard::FindStep(TTechnique technique, TLogicStep& step) const {
    return technique == TTechnique::LockedDigits ? FindLockedDigits(step)
                                                 : FindSimple(technique, step);
}

bool TLogicBoard::FindSimple(TTechnique technique, TLogicStep& step) const {
    TPick pick;
    if (technique == TTechnique::Crossing) {
        // Every run's possible digits once, then every open square with two runs.
        TCandidates possible[kMaxLogicRuns];
        for (int i = 0; i < RunCount; ++i) {
            const TRunState st = StateOf(Runs[i]);
            possible[i] = CombinationUnion(st.Open, st.Remainder, st.Placed);
        }
        for (int r = 1; r <= Size.LastRow; ++r) {
            for (int c = 1; c <= Size.LastCol; ++c) {
                const TCandidates cand = Cand[r][c];
                const int a = RunOf[0][r][c];
                const int d = RunOf[1][r][c];
                if (Digits[r][c] != 0 || cand == 0 || a < 0 || d < 0) continue;
                const TCandidates both = static_cast<TCandidates>(cand & possible[a] & possible[d]);
                // Each run alone leaves more: the step needs both.
                if (Count(both) != 1 || Count(cand & possible[a]) == 1 ||
                    Count(cand & possible[d]) == 1)
                    continue;
                step = Narrow(technique, r, c, cand, both);
                AddRun(step, Runs[a]);
                AddRun(step, Runs[d]);
                return true;
            }
        }
        return false;
    }
    for (int i = 0; i < RunCount; ++i) {
        const TLogicRun& run = Runs[i];
        const TRunState st = StateOf(run);
        if (st.Open == 0) continue;
        const TCandidates placed = st.Placed;
        auto offer = [&](int k, TCandidates kept, int low = 0, int high = 0) {
            const TCandidates cand = st.OpenCand[k];
            kept = static_cast<TCandidates>(kept & cand);
            // Nothing left is a contradiction, not a step.
            if (kept == 0 || kept == cand) return false;
            TLogicStep s = Narrow(technique, st.OpenRows[k], st.OpenCols[k], cand, kept);
            s.Low = low;
            s.High = high;
            AddRun(s, run);
            return pick.Offer(s);
        };
        switch (technique) {
            case TTechnique::LastSquare: {
                const int d = st.Remainder;
                if (st.Open == 1 && d >= 1 && d <= 9 && !(placed & Bit(d)) && offer(0, Bit(d))) {
                    step = pick.Found;
                    return true;
                }
                break;
            }
            case TTechnique::OneCombination:
            case TTechnique::PossibleDigits: {
                if (st.Open < 2) break;
                const int combos = CombinationCount(st.Open, st.Remainder, placed);
                if (combos == 0) break;
                if (technique == TTechnique::OneCombination && combos != 1) break;
                const TCandidates digits = CombinationUnion(st.Open, st.Remainder, placed);
                for (int k = 0; k < st.Open; ++k)
                    if (offer(k, digits)) {
                        step = pick.Found;
                        return true;
                    }
                break;
            }
            case TTechnique::NeededDigit: {
                if (st.Open < 2 || CombinationCount(st.Open, st.Remainder, placed) == 0) break;
                const TCandidates needed = CombinationCommon(st.Open, st.Remainder, placed);
                for (int d = 1; d <= 9; ++d) {
                    if (!(needed & Bit(d))) continue;
                    int where = -1;
                    int fits = 0;
                    for (int k = 0; k < st.Open; ++k)
                        if (st.OpenCand[k] & Bit(d)) where = k, ++fits;
                    if (fits == 1 && offer(where, Bit(d))) {
                        step = pick.Found;
                        return true;
                    }
                }
                break;
            }
            case TTechnique::SumRange: {
                if (st.Open < 2) break;
                for (int k = 0; k < st.Open; ++k) {
                    // The other open squares: the sum of their smallest and of their largest
                    // candidates, and of the smallest and largest distinct digits among them.
                    int low = 0;
                    int high = 0;
                    TCandidates pool = 0;
                    bool empty = false;
                    for (int j = 0; j < st.Open && !empty; ++j) {
                        if (j == k) continue;
                        const TCandidates c = static_cast<TCandidates>(st.OpenCand[j] & ~placed);
                        empty = c == 0;
                        if (empty) break;
                        low += Lowest(c);
                        high += Highest(c);
                        pool = static_cast<TCandidates>(pool | c);
                    }
                    const int smallest = SmallestSum(pool, st.Open - 1);
                    if (empty || smallest < 0) continue;
                    if (smallest > low) low = smallest;
                    const int largest = LargestSum(pool, st.Open - 1);
                    if (largest < high) high = largest;
                    TCandidates kept = 0;
                    for (int e = st.Remainder - high; e <= st.Remainder - low; ++e)
                        if (e >= 1 && e <= 9) kept = static_cast<TCandidates>(kept | Bit(e));
                    if (offer(k, kept, low, high)) {
                        step = pick.Found;
                        return true;
                    }
                }
                break;
            }
            case TTechnique::FittingCombinations: {
                if (st.Open < 2) break;
                for (int k = 0; k < st.Open; ++k) {
                    TCandidates others[9];
                    int n = 0;
                    for (int j = 0; j < st.Open; ++j)
                        if (j != k)
                            others[n++] = static_cast<TCandidates>(st.OpenCand[j] & ~placed);
                    const TCandidates fits =
                        FeasibleDigits(static_cast<TCandidates>(st.OpenCand[k] & ~placed), others,
                                       n, st.Remainder);
                    if (offer(k, fits)) {
                        step = pick.Found;
                        return true;
                    }
                }
                break;
            }
            case TTechnique::Crossing:
            case TTechnique::LockedDigits:
                break;
        }
    }
    if (!pick.Any) return false;
    step = pick.Found;
    return true;
}

// k open squares of a run whose candidates together are k digits take those digits, so no other
// square of the run can.
bool TLogicBoard::FindLockedDigits(TLogicStep& step) const {
    TPick pick;
    for (int i = 0; i < RunCount; ++i) {
        const TLogicRun& run = Runs[i];
        const TRunState st = StateOf(run);
        if (st.Open < 3) continue;
        const unsigned all = (1u << st.Open) - 1;
        for (unsigned group = 3; group < all; ++group) {
            const int size = Count(static_cast<TCandidates>(group));
            if (size < 2) continue;
            TCandidates digits = 0;
            for (int k = 0; k < st.Open; ++k)
                if (group & (1u << k)) digits = static_cast<TCandidates>(digits | st.OpenCand[k]);
            if (Count(digits) != size) continue;
            for (int k = 0; k < st.Open; ++k) {
                const TCandidates cand = st.OpenCand[k];
                if ((group & (1u << k)) || !(cand & digits)) continue;
                const TCandidates kept = static_cast<TCandidates>(cand & ~digits);
                if (kept == 0) continue;
                TLogicStep s =
                    Narrow(TTechnique::LockedDigits, st.OpenRows[k], st.OpenCols[k], cand, kept);
                s.Digits = digits;
                s.Count = size;
                AddRun(s, run);
                if (pick.Offer(s)) {
                    step = pick.Found;
                    return true;
                }
            }
        }
    }
    if (!pick.Any) return false;
    step = pick.Found;
    return true;
}

TGrade GradePuzzle(const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    TGrade grade;
    static thread_local TLogicBoard board;
    if (!board.Load(grid, dims)) return grade;
    TLogicStep step;
    while (board.NextStep(step)) {
        const int answer = grid.Sq[step.Row][step.Col].Answer();
        if ((step.Place != 0 && step.Place != answer) ||
            (answer >= 1 && answer <= 9 && (step.Remove & Bit(answer))))
            return grade;
        board.Apply(step);
        ++grade.Steps;
        if (step.Technique > grade.Hardest) grade.Hardest = step.Technique;
    }
    grade.Solved = board.Solved();
    return grade;
}

}  // namespace xs
