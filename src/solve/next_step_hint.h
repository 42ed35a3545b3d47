// The next step on the solving board: the simplest deduction from the totals and the player's
// right entries that fixes one more square, told in one line a player can follow.
#pragma once

#include <string>

#include "model/records.h"

namespace xs {

enum class THintKind {
    Deduced,     // Row, Col must hold Digit; Runs say why
    WrongEntry,  // the entry at Row, Col differs from its answer; nothing is deduced
    Solved,      // every White square holds its answer
    NoStep,      // the totals and right entries fix no further square by these rules
};

// Which rule fixed the square, simplest first.
enum class THintRule {
    LastSquare,  // the only empty square of a run takes what the total still lacks
    BothRuns,    // the digits its two runs allow have one in common
    Narrowing,   // what the other squares of a run can add up to leaves one digit
};

// A run named by its clue square.
struct THintRun {
    int ClueRow = -1;
    int ClueCol = -1;
    bool Down = false;
};

struct TNextStep {
    THintKind Kind = THintKind::NoStep;
    int Row = -1;
    int Col = -1;
    int Digit = 0;
    THintRule Rule = THintRule::LastSquare;
    THintRun Runs[2];
    int RunCount = 0;
    std::string Text;
};

// Looks at rows 1..LastRow and columns 1..LastCol of the grid. Wrong entries come first: the
// first one in reading order is named, as a deduction from a wrong board would mislead. Else,
// simplest first: the last empty square of a run; a square whose two runs leave it one digit;
// a square narrowed by what the other squares of its runs can still add up to, repeated until
// some square is left one digit. Marks are not read. A deduced digit always equals the answer:
// one that does not (totals that contradict the stored answers) gives NoStep.
TNextStep FindNextStep(const TPuzzleGrid& grid, const TPuzzleDims& dims);

}  // namespace xs
