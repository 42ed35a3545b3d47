// Black and white layouts: generated, or copied from the canned sets for Large 1 and 5 stars.
#pragma once

#include "generate/work_grid.h"

namespace xs {

// Repeats layout attempts until one is accepted (written as Kind 1/2 into rows 0..LastRow,
// columns 0..LastCol of work) or control.CancelRequested is set (work untouched). level 1..5,
// sizeCode 0..3. Calls control.Poll() once per attempt.
void GenerateLayout(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                    TGenControl& control);

// Copy a canned Large layout: easy draws 1..19, hard 1..CannedHardCount-1.
void PickCannedLayoutEasy(const TGridBounds& bounds, TWorkGrid& work, TGenControl& control);
void PickCannedLayoutHard(int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                          TGenControl& control);

}  // namespace xs
