// The generator's work grid and the controls every generator loop shares.
#pragma once

#include <cstdint>
#include <functional>

#include "generate/random.h"
#include "model/records.h"

namespace xs {

// LastRow/LastCol of the puzzle in the making, and the digit range of every digit loop.
struct TGridBounds {
    std::int32_t LastRow = 8;
    std::int32_t LastCol = 12;
    std::int32_t MinDigit = 1;
    std::int32_t MaxDigit = 9;
};

// Sets LastRow/LastCol from a size code; another code leaves them unchanged.
inline void SetBoundsForSize(TGridBounds& bounds, int sizeCode) {
    const TSizeDims d = SizeDims(sizeCode);
    if (d.Rows == 0) return;
    bounds.LastRow = d.Rows - 1;
    bounds.LastCol = d.Cols - 1;
}

// One square of the work grid. Kind says which half applies: the clue fields on a black square,
// the digit fields on a white one.
struct TWorkCell {
    std::uint8_t Kind;  // 1 black, 2 white, 0 before the first layout

    // Black square: the run to its right and the run below it.
    std::int32_t AcrossTotal;  // 0 = not fixed yet
    std::int32_t AcrossLength;
    std::int32_t AcrossConstrained;
    std::uint8_t AcrossDirty;
    std::int32_t DownTotal;
    std::int32_t DownLength;
    std::int32_t DownConstrained;
    std::uint8_t DownDirty;

    // White square.
    std::int32_t Digit;  // -1 = none
    std::uint8_t HasDigit;
    std::int32_t DownClueRow;
    std::int32_t AcrossClueCol;
    std::uint8_t Candidates[10];  // digit 0 is never a candidate
    std::uint8_t InFixedRun;
    std::int32_t AcrossGroupSize;
    std::int32_t DownGroupSize;
    std::int32_t AcrossGroupId;
    std::int32_t DownGroupId;
};

struct TWorkGrid {
    TWorkCell Cell[kGridRows][kGridCols];  // [row][column]
};

// What the generator's caller supplies: the random source, the stop flag and the poll that the
// loops call (once per layout attempt, once per run filled). The poll may set CancelRequested.
struct TGenControl {
    TRandom* Rng = nullptr;
    bool CancelRequested = false;
    std::function<void()> PollProgress;

    std::int32_t Random(std::int32_t n) { return Rng->Random(n); }
    void Poll() {
        if (PollProgress) PollProgress();
    }
};

}  // namespace xs
