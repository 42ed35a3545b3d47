// Mini puzzles written as text for the solve screen's tests: '#' a Black square, a digit a White
// square with that answer; totals and lengths follow from the answers.
#pragma once

#include <string>
#include <vector>

#include "model/records.h"

namespace xs::test {

// Squares not given are Black. Rows and columns beyond the Mini size are ignored.
inline TPuzzleGrid GridOf(const std::vector<std::string>& rows) {
    constexpr int kRows = 9;
    constexpr int kCols = 13;
    TPuzzleGrid g{};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) g.Sq[r][c].Kind = Black;
    for (std::size_t r = 0; r < rows.size() && r < kRows; ++r) {
        for (std::size_t c = 0; c < rows[r].size() && c < kCols; ++c) {
            if (rows[r][c] == '#') continue;
            g.Sq[r][c].Kind = White;
            g.Sq[r][c].SetAnswer(rows[r][c] - '0');
        }
    }
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            TSquare& s = g.Sq[r][c];
            if (s.Kind != Black) continue;
            for (int k = 1; c + k < kCols && g.Sq[r][c + k].Kind == White; ++k) {
                s.AcrossSquares = static_cast<std::uint8_t>(k);
                s.AcrossTotal += g.Sq[r][c + k].Answer();
            }
            for (int k = 1; r + k < kRows && g.Sq[r + k][c].Kind == White; ++k) {
                s.DownSquares = static_cast<std::uint8_t>(k);
                s.DownTotal += g.Sq[r + k][c].Answer();
            }
        }
    }
    return g;
}

}  // namespace xs::test
