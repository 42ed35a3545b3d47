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

struct TLayoutCell {
    std::uint8_t Colour;       // kUndecided, kBlack, kWhite
    std::int32_t AcrossCount;  // run counts, forward or backward as last computed
    std::int32_t DownCount;
    std::uint8_t Decided;
};

// Tallest all-white rectangle allowed, by level (1..5) and width (1..9); width 1 is the level's
// longest run.
extern const std::int32_t BlockLimits[5][9];

struct TCountRange {
    std::int32_t Min;
    std::int32_t Max;
};
// Accepted interior black squares, by size code (0..3) and level (1..5).
extern const TCountRange BlackCountRange[4][5];

struct TLayout {
    TLayoutCell Cell[kLayoutRows][kLayoutCols];  // [row][column]
    std::int32_t R;                              // LastRow
    std::int32_t C;                              // LastCol
    std::int32_t Level;
    std::int32_t MaxRun;
    std::int32_t Limits[10];  // Limits[w], w = 1..9

    std::uint8_t Colour(int r, int c) const { return Cell[r][c].Colour; }
    bool IsBlack(int r, int c) const { return Cell[r][c].Colour == kBlack; }
    bool IsWhite(int r, int c) const { return Cell[r][c].Colour == kWhite; }
    bool IsDecided(int r, int c) const { return Cell[r][c].Decided != 0; }
};

// Every square undecided with counts 0, then the frame black and decided; the level's limits
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
