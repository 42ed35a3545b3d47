// Counts the solutions of a puzzle by search, up to two, for puzzles that were not made here.
#pragma once

#include <cstdint>
#include <functional>

#include "model/records.h"

namespace xs {

struct TSolutionCount {
    int Solutions = 0;    // 0, 1, or 2 for "two or more"
    bool GaveUp = false;  // the search reached its limit before it could tell
    std::int8_t First[kGridRows][kGridCols] = {};  // the first solution; 0 off White squares
    // With two solutions: a White square whose digit differs between them, and its two digits.
    int DiffRow = -1;
    int DiffCol = -1;
    int DiffDigits[2] = {0, 0};
};

struct TCountOptions {
    long MaxGuesses = 2'000'000;
    // Asked every 64 squares tried, from the thread of the search: true gives up (GaveUp).
    // The caller bounds the search by time or by a stop button here.
    std::function<bool()> GiveUp;
    // Lets a run repeat a digit: whether totals can be made at all, digits apart.
    bool Repeats = false;
};

// Searches digits for the White squares of rows 0..rows-1, columns 0..cols-1 so that every run
// (read from its Black square's lengths and totals, which must lie inside the region on White
// squares) holds distinct digits adding up to its total. Stops at the second solution, or when
// MaxGuesses squares have been tried or GiveUp says so (GaveUp). Fixed-size state; allocates
// nothing.
void CountSolutions(const TPuzzleGrid& grid, int rows, int cols, TSolutionCount& result,
                    const TCountOptions& options = {});

}  // namespace xs
