// The propagation engine: fixes run totals and narrows the candidate digits of the work grid.
#pragma once

#include <bit>
#include <cstdint>

#include "generate/work_grid.h"
#include "model/combinations.h"

namespace xs {

enum class TDirection { Across, Down };

// A set of digits as bits: bit d stands for digit d (bit 0 is never used).
using TDigitMask = std::uint16_t;

inline int DigitCount(TDigitMask mask) {
    return std::popcount(static_cast<unsigned>(mask));
}

// The candidates of a white square within the bounds' digit range.
inline TDigitMask CandidateMask(const TWorkCell& cell, const TGridBounds& bounds) {
    TDigitMask mask = 0;
    for (int d = bounds.MinDigit; d <= bounds.MaxDigit; ++d)
        if (cell.Candidates[d]) mask = static_cast<TDigitMask>(mask | (1u << d));
    return mask;
}

// The digits whose flag is set, within the bounds' digit range.
inline TDigitMask FlagsMask(const TDigitFlags& flags, const TGridBounds& bounds) {
    TDigitMask mask = 0;
    for (int d = bounds.MinDigit; d <= bounds.MaxDigit; ++d)
        if (flags[d]) mask = static_cast<TDigitMask>(mask | (1u << d));
    return mask;
}

inline void ClearCandidates(TWorkCell& cell, TDigitMask digits) {
    for (int d = 1; d <= 9; ++d)
        if (digits & (1u << d)) cell.Candidates[d] = 0;
}

inline int LowestDigit(TDigitMask mask) {
    return std::countr_zero(static_cast<unsigned>(mask));
}

// The run fields of a black square in one direction.
inline std::int32_t& RunTotal(TWorkCell& clue, TDirection dir) {
    return dir == TDirection::Across ? clue.AcrossTotal : clue.DownTotal;
}
inline std::int32_t RunTotal(const TWorkCell& clue, TDirection dir) {
    return dir == TDirection::Across ? clue.AcrossTotal : clue.DownTotal;
}
inline std::int32_t& RunLength(TWorkCell& clue, TDirection dir) {
    return dir == TDirection::Across ? clue.AcrossLength : clue.DownLength;
}
inline std::int32_t RunLength(const TWorkCell& clue, TDirection dir) {
    return dir == TDirection::Across ? clue.AcrossLength : clue.DownLength;
}
inline std::int32_t& RunConstrained(TWorkCell& clue, TDirection dir) {
    return dir == TDirection::Across ? clue.AcrossConstrained : clue.DownConstrained;
}
inline std::uint8_t& RunDirty(TWorkCell& clue, TDirection dir) {
    return dir == TDirection::Across ? clue.AcrossDirty : clue.DownDirty;
}

// A run named by its black square and direction. Square j (1-based) of the run lies j columns
// to the right of the clue (across) or j rows below it (down).
struct TRunRef {
    std::int32_t Row = -1;
    std::int32_t Col = -1;
    TDirection Dir = TDirection::Across;

    bool Valid() const { return Row >= 0; }
    std::int32_t SquareRow(int j) const { return Dir == TDirection::Down ? Row + j : Row; }
    std::int32_t SquareCol(int j) const { return Dir == TDirection::Across ? Col + j : Col; }
};

// The run through the white square (row, col) in one direction, by its clue links.
inline TRunRef RunOf(const TWorkGrid& grid, int row, int col, TDirection dir) {
    const TWorkCell& s = grid.Cell[row][col];
    if (dir == TDirection::Across) return {row, s.AcrossClueCol, dir};
    return {s.DownClueRow, col, dir};
}

// The digits e of `own` for which the `count` other empty squares of a run, with candidate sets
// `others`, can take distinct digits, none equal to e, that add up to remainder - e.
TDigitMask FeasibleDigits(TDigitMask own, const TDigitMask* others, int count,
                          std::int32_t remainder);

// The engine's state: the grid it works on and the changed and failure flags that every
// operation shares with its caller. Once Failed is set, every operation returns at once.
struct TPropagation {
    TWorkGrid& Grid;
    const TGridBounds& Bounds;
    bool Changed = false;
    bool Failed = false;

    TWorkCell& At(int row, int col) { return Grid.Cell[row][col]; }
    TWorkCell& Clue(const TRunRef& run) { return Grid.Cell[run.Row][run.Col]; }
};

// Fixes the run's total and restricts its squares to `possible` (the lookup for its length and
// total).
void SetRunTotal(TPropagation& p, TRunRef run, std::int32_t total, const TDigitFlags& possible);
// Draws the consequences of the candidate set of the white square (row, col): marks its runs
// dirty and, when one candidate is left, places it and narrows the rest of both runs.
void PropagateSquare(TPropagation& p, int row, int col);
// Removes from (row, col), a square without a digit in a run with a fixed total, every
// candidate with which the run's total cannot be completed.
void FeasibilityCheck(TPropagation& p, int row, int col, TDirection dir);
// Finds the naked digit subsets of a run, records groups of 2 and 3 in its squares and removes
// their digits from the other squares.
void SubsetAnalysis(TPropagation& p, TRunRef run);
// Re-examines every dirty run until a pass changes nothing.
void PropagateAll(TPropagation& p);
// Fails when four squares at the corners of a rectangle form interchangeable pairs, which would
// give the puzzle two solutions.
void RectangleCheck(TPropagation& p);

}  // namespace xs
