// Puzzles as plain text, for bringing a puzzle in from elsewhere and taking one out: a grid of
// tokens (a row a line, tokens separated by blanks) or the same tokens as CSV fields.
#pragma once

#include <string>
#include <string_view>

#include "model/records.h"

namespace xs {

enum class TTextFormat { Grid, Csv };

// The size's region of grid, row 0 and column 0 included: "###" a Black square without totals,
// "D\A" a clue square (down total before the backslash, across total after it, an empty side
// left out), "." a White square, or its answer with answers. CSV holds the same tokens, one
// field each, with an empty field for a White square. Every line ends with "\n".
std::string FormatPuzzleText(const TPuzzleGrid& grid, int rows, int cols, bool answers,
                             TTextFormat format);

// A puzzle read from text: the region Rows x Cols of Grid holds Black squares with their totals
// and run lengths, and White squares whose answer is the digit the text gave (0 for "."). Every
// square outside the region is Outside. A text of 17 to 26 rows and at most 16 columns is turned
// on its side (Turned): its rows are the grid's columns, its across runs the grid's down runs.
struct TTextPuzzle {
    TPuzzleGrid Grid;
    int Rows = 0;
    int Cols = 0;
    bool Turned = false;
    int Line[kGridCols] = {};  // the text's line number of each of its rows, for messages

    // "line L, column C: " for the grid's square (row, col), as the text has it.
    std::string Where(int row, int col) const;
};

// Reads either notation (CSV when a line holds a comma); a UTF-8 byte order mark, CRLF line ends
// and blank lines before and after the grid are allowed. Checks that the squares form a rectangle
// of known tokens of at most 16 x 26 (or 26 x 16, turned), that row 0 and column 0 hold no White
// square, and that every White square lies in one across and one down run of 2 to 9 squares whose
// total some distinct digits can make. On failure returns false with a one-line reason naming the
// line and column (both counted from 1; the column is the token's place in its line).
bool ParsePuzzleText(std::string_view text, TTextPuzzle& puzzle, std::string& reason);

}  // namespace xs
