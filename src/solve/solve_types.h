// Types shared by the solve screen's state, board drawing, input and widget.
#pragma once

#include <cstdint>

#include "model/records.h"

namespace xs {

// The clue square last clicked on the board and what its run held at that moment.
struct TSelectedRun {
    std::int32_t RunSquares = -1;  // -1: nothing selected
    std::int32_t RunTotal = 0;
    std::uint8_t Placed[10] = {};  // Placed[d] = 1: digit d stood in the run; [0] unused
    std::int32_t ClueRow = -1;     // -1: nothing selected
    std::int32_t ClueCol = 0;
    std::uint8_t IsDown = 0;  // 0: the across clue of the square, 1: its down clue
};

// Check marks per square. EntryCheck: 0 none, 1 entry wrong (red), 2 entry right (light green).
// PossibleCheck: 0 none, 1 the answer is not among the marks (red pad), 2 it is (green pad).
struct TCheckMarks {
    std::int32_t EntryCheck[kGridRows][kGridCols] = {};
    std::int32_t PossibleCheck[kGridRows][kGridCols] = {};
};

enum class TSolveMode { Solve, Erase, Fill };

enum class TMouseButton { Left, Right, Middle };

// The grid line between board squares, in pixels.
constexpr int kBoardGridLine = 2;

}  // namespace xs
