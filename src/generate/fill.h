// The digit filler: chooses every run's total so that propagation forces every digit.
#pragma once

#include "generate/work_grid.h"

namespace xs {

constexpr int kFillDone = 0;        // every run has a total, every white square a digit
constexpr int kFillFailed = 1;      // a contradiction; may be retried on the same layout
constexpr int kFillIncomplete = 2;  // all totals fixed, some square without a digit

// Fills the layout in work. Calls control.Poll() once per run; returns early with whatever code
// it has when control.CancelRequested is set.
int FillPuzzle(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
               TGenControl& control);

}  // namespace xs
