// A test-only solver that counts a puzzle's solutions by complete search over its stored runs.
#pragma once

#include <cstdint>

#include "model/records.h"

namespace xs::test {

struct TExhaustiveResult {
    int Solutions = 0;  // solutions found, stopping at the limit asked for
    // Set when the stored runs do not describe a puzzle (a run leaving the size's region or
    // crossing a non-White square, a White square in two runs of one direction); Solutions is 0.
    const char* Problem = nullptr;
    std::int8_t Digits[kGridRows][kGridCols] = {};  // the first solution found; 0 off White squares
};

// Searches every digit assignment of the White squares of rows 0..last row, columns 0..last
// column of the size that gives each run (read from its Black square's lengths and totals)
// distinct digits adding up to its total. Knows nothing of how the puzzle was made; stops after
// `limit` solutions.
TExhaustiveResult SolveExhaustively(const TPuzzleGrid& grid, int sizeCode, int limit = 2);

}  // namespace xs::test
