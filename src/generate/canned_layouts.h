// The two stored sets of Large layouts, easy (1 star) and hard (5 stars).
#pragma once

#include <cstdint>

#include "generate/work_grid.h"

namespace xs {

// One layout: kGridRows texts of kGridCols characters, 'B' black and 'W' white; text r is puzzle
// row r and character c is column c.
struct TCannedLayout {
    const char* Rows[kGridRows];
};

constexpr std::int32_t CannedEasyCount = 20;
// Number of layouts in the hard set (100).
extern const std::int32_t CannedHardCount;

// Layout k of a set (numbered from 1) is element k-1.
const TCannedLayout* CannedLayoutsEasy();
const TCannedLayout* CannedLayoutsHard();

// Kind 1 for 'B' and 2 otherwise into rows 0..LastRow, columns 0..LastCol of work; no other
// field is written.
void CopyCannedLayout(const TCannedLayout& layout, const TGridBounds& bounds, TWorkGrid& work);

}  // namespace xs
