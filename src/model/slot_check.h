// The one place that decides whether stored bytes can be shown, solved or printed safely.
#pragma once

#include "model/records.h"

namespace xs {

// Number of slots in use as the readers see it: Counts.Total clamped to 0..100.
int UsedSlots(const TPuzzleCounts& counts);

enum class TSlotState {
    Empty,    // Id below 1
    Valid,    // a puzzle every reader can use
    Damaged,  // Id set, but size, difficulty or grid is out of range; shown as damaged, never
              // loaded, solved or printed; its bytes are kept as they are
};

// Why a slot is damaged, for messages; nullptr when it is not.
const char* SlotProblem(const TPuzzleLibrary& lib, int slot);
TSlotState ClassifySlot(const TPuzzleLibrary& lib, int slot);
// A sound slot whose saved entries are all right (GridSolved): the player solved it.
bool SlotSolved(const TPuzzleLibrary& lib, int slot);

// A grid of the given size whose kinds, run lengths and totals keep every reader inside the grid:
// squares of the region are Black or White, row 0 and column 0 Black, every run of a Black square
// lies inside the region on White squares with total 1..45 and length 1..9, White answers and
// entries are digits and their possible marks 0 or 1. Returns nullptr when sound, else a short
// reason.
const char* GridProblem(const TPuzzleGrid& grid, int sizeCode);

}  // namespace xs
