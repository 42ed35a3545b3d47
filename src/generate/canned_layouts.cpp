// Picking one of the canned Large layouts and copying it into the work grid.
#include "generate/canned_layouts.h"

#include <algorithm>

#include "generate/layout.h"

namespace xs {

void CopyCannedLayout(const TCannedLayout& layout, const TGridBounds& bounds, TWorkGrid& work) {
    // A stored layout is exactly one full grid; bounds beyond it would read past its texts.
    const int lastRow = std::min<int>(bounds.LastRow, kGridRows - 1);
    const int lastCol = std::min<int>(bounds.LastCol, kGridCols - 1);
    for (int r = 0; r <= lastRow; ++r) {
        for (int c = 0; c <= lastCol; ++c) {
            work.Cell[r][c].Kind = layout.Rows[r][c] == 'B' ? 1 : 2;
        }
    }
}

// The last layout of each set is stored but never drawn.
void PickCannedLayoutEasy(const TGridBounds& bounds, TWorkGrid& work, TGenControl& control) {
    const std::int32_t k = control.Random(CannedEasyCount - 1) + 1;
    CopyCannedLayout(CannedLayoutsEasy()[k - 1], bounds, work);
}

void PickCannedLayoutHard(int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                          TGenControl& control) {
    const std::int32_t k = control.Random(CannedHardCount - 1) + 1;
    if (sizeCode != static_cast<int>(TPuzzleSize::Large)) return;
    CopyCannedLayout(CannedLayoutsHard()[k - 1], bounds, work);
}

}  // namespace xs
