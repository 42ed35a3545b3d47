// The single-run techniques of the ladder: each finds its first step over the runs in the order
// of their clues, a placement before a removal.
#include <cstdint>

#include "generate/propagate.h"
#include "logic/logic_combos.h"
#include "logic/logic_parts.h"

namespace xs {

using namespace logic_detail;

namespace logic_detail {

bool DistinctSumRange(const TCandidates* cand, int n, int& low, int& high) {
    // Depth-first over the squares with the digits used so far; each (square, digits used) is
    // worked out once, so at most 9 x 512 states.
    struct TMemo {
        std::uint32_t Stamp[10][512];
        std::int8_t Low[10][512];
        std::int8_t High[10][512];
    };
    static thread_local TMemo memo{};
    static thread_local std::uint32_t stamp = 0;
    ++stamp;
    struct TSearch {
        const TCandidates* Cand;
        int N;
        TMemo& M;
        std::uint32_t S;
        // False when the squares from i on cannot take distinct digits beside `used`.
        bool Range(int i, unsigned used, int& lo, int& hi) {
            if (i == N) {
                lo = hi = 0;
                return true;
            }
            if (M.Stamp[i][used >> 1] == S) {
                lo = M.Low[i][used >> 1];
                hi = M.High[i][used >> 1];
                return lo >= 0;
            }
            lo = 99;
            hi = -1;
            for (int d = 1; d <= 9; ++d) {
                if (!(Cand[i] & (1u << d)) || (used & (1u << d))) continue;
                int l = 0;
                int h = 0;
                if (!Range(i + 1, used | (1u << d), l, h)) continue;
                if (d + l < lo) lo = d + l;
                if (d + h > hi) hi = d + h;
            }
            if (hi < 0) lo = -1;
            M.Stamp[i][used >> 1] = S;
            M.Low[i][used >> 1] = static_cast<std::int8_t>(lo);
            M.High[i][used >> 1] = static_cast<std::int8_t>(hi);
            return lo >= 0;
        }
    } search{cand, n, memo, stamp};
    return search.Range(0, 0, low, high);
}

}  // namespace logic_detail

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
                    // The least and the most the other open squares can add up to, with
                    // distinct digits that are not already in the run.
                    TCandidates others[9];
                    int n = 0;
                    for (int j = 0; j < st.Open; ++j)
                        if (j != k)
                            others[n++] = static_cast<TCandidates>(st.OpenCand[j] & ~placed);
                    int low = 0;
                    int high = 0;
                    if (!DistinctSumRange(others, n, low, high)) continue;
                    TCandidates kept = 0;
                    if (n == 1) {
                        // One other square: this one takes what the total lacks beside each of
                        // its digits.
                        for (int x = 1; x <= 9; ++x) {
                            const int e = st.Remainder - x;
                            if ((others[0] & Bit(x)) && e >= 1 && e <= 9 && e != x)
                                kept = static_cast<TCandidates>(kept | Bit(e));
                        }
                    } else {
                        for (int e = st.Remainder - high; e <= st.Remainder - low; ++e)
                            if (e >= 1 && e <= 9) kept = static_cast<TCandidates>(kept | Bit(e));
                    }
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
            case TTechnique::BlockSums:
            case TTechnique::Contradiction:
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
                for (int g = 0; g < st.Open; ++g)
                    if (group & (1u << g))
                        s.Cells[s.CellCount++] =
                            TStepCell{static_cast<std::int8_t>(st.OpenRows[g]),
                                      static_cast<std::int8_t>(st.OpenCols[g])};
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

}  // namespace xs
