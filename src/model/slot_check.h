// The one place that decides whether stored bytes can be shown, solved or printed safely.
#pragma once

#include "model/records.h"

namespace xs {

// Number of slots in use as the readers see it: Counts.Total clamped to 0..100.
int UsedSlots(const TPuzzleCounts& counts);

enum class TSlotState {
    Empty,    // Id 0
    Valid,    // a puzzle every reader can use
    Damaged,  // Id set but negative, or size, difficulty or grid out of range; shown as damaged,
              // never loaded, solved or printed, and never written over; its bytes are kept
};

// Why a slot is damaged, for messages; nullptr when it is not.
const char* SlotProblem(const TPuzzleLibrary& lib, int slot);
TSlotState ClassifySlot(const TPuzzleLibrary& lib, int slot);
// A sound slot whose saved entries are all right (GridSolved): the player solved it.
bool SlotSolved(const TPuzzleLibrary& lib, int slot);

// A grid of the given size whose kinds, run lengths and totals keep every reader inside the grid:
// squares of the region are Black or White, row 0 and column 0 Black, every run of a Black square
// lies inside the region on White squares with total 1..45 and length 1..9, White answers and
// entries are digits and their possible marks 0 or 1, and the answers of every run add up to its
// total. Returns nullptr when sound, else a short reason.
const char* GridProblem(const TPuzzleGrid& grid, int sizeCode);

}  // namespace xs
