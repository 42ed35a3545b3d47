// Builds small work grids from rows of B and W for the filler, engine and solver tests.
#pragma once

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "generate/fill_internal.h"
#include "generate/work_grid.h"

namespace xs::test {

// Rows of "B"/"W" from row 0; the grid's bounds follow the text. The grid is reset for filling,
// so clue links and run lengths are set and every white square has all nine candidates.
struct TTestGrid {
    TWorkGrid Grid;
    TGridBounds Bounds;

    TTestGrid(std::initializer_list<std::string_view> rows) {
        std::memset(&Grid, 0, sizeof Grid);
        int r = 0;
        for (std::string_view row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                Grid.Cell[r][c].Kind = row[c] == 'B' ? Black : White;
            Bounds.LastCol = static_cast<int>(row.size()) - 1;
            ++r;
        }
        Bounds.LastRow = r - 1;
        ResetForFill(Bounds, Grid);
    }

    TWorkCell& At(int r, int c) { return Grid.Cell[r][c]; }

    // Digits as text: "45" for {4, 5}.
    void SetCandidates(int r, int c, std::string_view digits) {
        std::memset(Grid.Cell[r][c].Candidates, 0, sizeof Grid.Cell[r][c].Candidates);
        for (char d : digits) Grid.Cell[r][c].Candidates[d - '0'] = 1;
    }

    // The candidates of a square as a string of digits, "45" for {4, 5}.
    std::string Candidates(int r, int c) const {
        std::string s;
        for (int d = 1; d <= 9; ++d)
            if (Grid.Cell[r][c].Candidates[d]) s += static_cast<char>('0' + d);
        return s;
    }
};

}  // namespace xs::test
