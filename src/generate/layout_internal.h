// The layout grid and the placement rules of the layout generator, open to its tests.
#pragma once

#include <cstdint>

#include "generate/work_grid.h"

namespace xs::layout {

constexpr std::uint8_t kUndecided = 0;
constexpr std::uint8_t kBlack = 1;
constexpr std::uint8_t kWhite = 2;

// The layout grid is the puzzle plus a black frame on all four sides: row LastRow+1 and column
// LastCol+1 are sentinels outside the puzzle.
constexpr int kLayoutRows = kGridRows + 1;
constexpr int kLayoutCols = kGridCols + 1;

// Tallest all-white rectangle allowed, by level (1..5) and width (1..9); width 1 is the level's
// longest run.
extern const std::int32_t (&BlockLimits)[5][9];
constexpr int kLimitHeights = 10;  // limits are 0..9

struct TCountRange {
    std::int32_t Min;
    std::int32_t Max;
};
// Accepted interior black squares, by size code (0..3) and level (1..5).
extern const TCountRange BlackCountRange[4][5];

// The colours of the layout grid as one bit per square and colour: bit c of White[r] is set when
// (r, c) is decided white, of Black[r] when it is decided black, neither while undecided. Run
// counts are worked out from these masks where they are needed.
struct TLayoutRows {
    std::uint32_t White[kLayoutRows];
    std::uint32_t Black[kLayoutRows];
    // Bit r: row r has gained a white square since CheckBlocks last passed. Any white area that
    // breaks a limit includes a square of such a row, so CheckBlocks looks only near them.
    std::uint32_t Dirty;
};
static_assert(kLayoutCols <= 32, "a row of the layout grid fits one mask");

struct TLayout {
    TLayoutRows Rows;
    std::int32_t R;  // LastRow
    std::int32_t C;  // LastCol
    std::int32_t Level;
    std::int32_t MaxRun;
    std::int32_t Limits[10];  // Limits[w], w = 1..9
    // The limits as CheckBlocks applies them: for each distinct limit, the narrowest width.
    std::int32_t TallestBlock;
    std::int32_t BlockSteps;
    std::int32_t StepHeight[9];
    std::int32_t StepWidth[9];

    bool IsBlack(int r, int c) const { return (Rows.Black[r] >> c & 1U) != 0; }
    bool IsWhite(int r, int c) const { return (Rows.White[r] >> c & 1U) != 0; }
    bool IsDecided(int r, int c) const { return ((Rows.White[r] | Rows.Black[r]) >> c & 1U) != 0; }
    std::uint8_t Colour(int r, int c) const {
        return IsBlack(r, c) ? kBlack : IsWhite(r, c) ? kWhite : kUndecided;
    }
    // Decides (r, c) alone, or makes it undecided again with kUndecided.
    void Set(int r, int c, std::uint8_t colour) {
        const std::uint32_t bit = 1U << c;
        Rows.White[r] &= ~bit;
        Rows.Black[r] &= ~bit;
        if (colour == kWhite) {
            Rows.White[r] |= bit;
            Rows.Dirty |= 1U << r;
        }
        if (colour == kBlack) Rows.Black[r] |= bit;
    }
};

// Every square undecided, then the frame black and decided; the level's limits
// loaded. level 1..5, 1 <= lastRow < kGridRows, 1 <= lastCol < kGridCols.
void InitLayout(TLayout& layout, int level, int lastRow, int lastCol);

// Gives (r, c) and its mirror the colour unless (r, c) is already decided.
void SetSymmetric(TLayout& layout, std::uint8_t colour, int r, int c);

// The placement rules for one interior square; false when they contradict the layout.
bool PlaceSquare(TLayout& layout, std::uint8_t colour, int r, int c);

// False when a white area of the upper half breaks the level's block limits or a run exceeds 9.
bool CheckBlocks(TLayout& layout);

// Row k of the upper half, left to right, with one retry per square. Draws from control.
bool ProcessRow(TLayout& layout, int k, TGenControl& control);

// Forces and joins row k+1 after row k. Draws from control.
bool CompleteNextRow(TLayout& layout, int k, TGenControl& control);

// Turns black squares white, pass after pass, while they stand free of other black squares.
void ErodeLayout(TLayout& layout);

// False when a black square survives the erosion away from the edges of the interior.
bool ErosionAccepts(const TLayout& layout);

// Accepts or rejects a completed layout for the size code (0..3).
bool FinalLayoutCheck(const TLayout& layout, int sizeCode);

// One whole attempt: true when the layout is accepted.
bool LayoutAttempt(TLayout& layout, int level, int sizeCode, int lastRow, int lastCol,
                   TGenControl& control);

}  // namespace xs::layout
