// Small, sound puzzles for tests of the readers: a 2 x 2 block of White squares in the corner.
#pragma once

#include <cstdint>

#include "model/records.h"

namespace xs::test {

// Every square of the size's region is Black except rows 1..2, columns 1..2, which are White with
// the answers a b / c d (distinct digits per run). Clues sit in row 0 and column 0.
inline TPuzzleGrid SampleGrid(TPuzzleSize size, int a = 1, int b = 2, int c = 3, int d = 5) {
    TPuzzleGrid g{};
    const TSizeDims dims = SizeDims(static_cast<int>(size));
    for (int r = 0; r < dims.Rows; ++r)
        for (int col = 0; col < dims.Cols; ++col) g.Sq[r][col].Kind = Black;
    const int answers[2][2] = {{a, b}, {c, d}};
    for (int r = 1; r <= 2; ++r) {
        for (int col = 1; col <= 2; ++col) {
            g.Sq[r][col].Kind = White;
            g.Sq[r][col].SetAnswer(answers[r - 1][col - 1]);
        }
    }
    for (int k = 1; k <= 2; ++k) {
        g.Sq[k][0].AcrossSquares = 2;
        g.Sq[k][0].AcrossTotal = answers[k - 1][0] + answers[k - 1][1];
        g.Sq[0][k].DownSquares = 2;
        g.Sq[0][k].DownTotal = answers[0][k - 1] + answers[1][k - 1];
    }
    return g;
}

// Appends SampleGrid(size) with the next Id; returns the slot.
inline int AddSamplePuzzle(TPuzzleLibrary& lib, std::int32_t& lastId, TPuzzleSize size,
                           int difficulty) {
    return AppendPuzzle(lib, lastId, SampleGrid(size), size, difficulty);
}

}  // namespace xs::test
