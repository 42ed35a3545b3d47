// The filler's steps, visible to the tests.
#pragma once

#include <cstdint>

#include "generate/propagate.h"
#include "generate/work_grid.h"

namespace xs {

// The number of ways each total 1..45 can be reached by the run being filled; kept across the
// retries of one run so that a rejected total is not drawn again.
struct TFillState {
    std::int32_t TotalCounts[46] = {};
};

constexpr std::int32_t kTotalCountCap = 30000;

// Clears the totals, digits and candidates of rows 0..LastRow, columns 0..LastCol and links every
// white square to the black squares heading its runs.
void ResetForFill(const TGridBounds& bounds, TWorkGrid& work);

// Seeds crossing pairs of runs (levels 1..4), then the runs of nine squares. False on failure.
bool SeedCrossings(int level, int sizeCode, TPropagation& p, TGenControl& control);
// Gives every run of nine squares the total 45. False on failure.
bool SeedFullRuns(TPropagation& p);

// The next run to receive a total; an invalid reference when every run has one.
TRunRef ChooseNextRun(const TGridBounds& bounds, const TWorkGrid& work);

// For every total, the number of ways the run's squares, in order, can take distinct digits from
// their own candidates that add up to it, each count stopping at kTotalCountCap.
void CountTotals(const TPropagation& p, TRunRef run, std::int32_t (&counts)[46]);

enum class TChooseResult {
    Set,       // the total is fixed and its propagation went through
    Rejected,  // its propagation found a contradiction; the grid must be restored
    Failed,    // no total is left to draw, or a lookup failed: the fill fails
};

// Draws a total for the run (tries = totals already rejected for it) and fixes it. chosen
// receives the total drawn, 0 when none was.
TChooseResult ChooseTotal(int level, TRunRef run, int tries, TFillState& state, TPropagation& p,
                          TGenControl& control, std::int32_t& chosen);

}  // namespace xs
