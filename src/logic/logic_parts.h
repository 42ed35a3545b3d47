// What the teaching solver's finders share: digit-set arithmetic, building a step, and keeping
// the first removal while looking for a placement.
#pragma once

#include <bit>

#include "logic/logic_solver.h"

namespace xs::logic_detail {

constexpr TCandidates Bit(int d) {
    return static_cast<TCandidates>(1u << d);
}

inline int Count(TCandidates m) {
    return std::popcount(static_cast<unsigned>(m));
}

inline int Lowest(TCandidates m) {
    return std::countr_zero(static_cast<unsigned>(m));
}

inline int Highest(TCandidates m) {
    return 31 - std::countl_zero(static_cast<unsigned>(m));
}

inline TStepRun RefOf(const TLogicRun& run) {
    return TStepRun{run.ClueRow, run.ClueCol, run.Down};
}

// A step on (row, col) that leaves it `kept` out of `cand`: a placement when one digit is left.
inline TLogicStep Narrow(TTechnique technique, int row, int col, TCandidates cand,
                         TCandidates kept) {
    TLogicStep step;
    step.Technique = technique;
    step.Row = row;
    step.Col = col;
    step.Remove = static_cast<TCandidates>(cand & ~kept);
    if (Count(kept) == 1) step.Place = Lowest(kept);
    return step;
}

inline void AddRun(TLogicStep& step, const TLogicRun& run) {
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

// The least and the most that open squares can add up to with distinct digits, each from its own
// candidates; false when they cannot take distinct digits at all.
bool DistinctSumRange(const TCandidates* cand, int n, int& low, int& high);

// Whether the run can still be completed: 0 when it can, the digit it holds twice, or -1 when no
// digits left in its open squares make what its total lacks.
int RunBreak(const TLogicBoard& board, const TLogicRun& run);

}  // namespace xs::logic_detail
