// The next step on the solving board: the simplest step of the teaching solver that the player's
// board allows, told in one line that names its technique and every run it rests on.
#pragma once

#include <string>

#include "logic/logic_solver.h"
#include "model/records.h"

namespace xs {

enum class THintKind {
    Deduced,     // Row, Col must hold Digit; Runs say why
    Narrowed,    // Row, Col cannot hold the digits of Remove; Runs say why
    WrongEntry,  // the entry at Row, Col differs from its answer; nothing is deduced
    WrongMarks,  // the marks at Row, Col leave out its answer; nothing is deduced
    Solved,      // every White square holds its answer
    NoStep,      // the totals, right entries and marks allow no step of the ladder
    Notice,      // not a hint: an assist turned on or off, said in Text
};

// A run named by its clue square; Minus: a Block sums run whose total is taken away.
struct THintRun {
    int ClueRow = -1;
    int ClueCol = -1;
    bool Down = false;
    bool Minus = false;
};

// A square the step names besides its own (Locked digits' group, Block sums' leftover squares).
struct THintCell {
    int Row = -1;
    int Col = -1;
};

struct TNextStep {
    THintKind Kind = THintKind::NoStep;
    int Row = -1;
    int Col = -1;
    int Digit = 0;           // Deduced: the digit; WrongEntry: the entry
    TCandidates Remove = 0;  // Narrowed: the digits ruled out
    // The technique of a Deduced or Narrowed step; FromMarks: the square's one mark, no technique.
    TTechnique Technique = TTechnique::LastSquare;
    bool FromMarks = false;
    THintRun Runs[kMaxStepRuns];
    int RunCount = 0;
    THintCell Cells[kMaxStepCells];
    int CellCount = 0;
    std::string Text;
};

// Looks at rows 1..LastRow and columns 1..LastCol of the grid. Wrong entries come first: the
// first one in reading order is named, as a deduction from a wrong board would mislead; then
// marks that leave out a square's answer. Else the simplest step of the teaching solver on the
// board as the player has it: right entries placed, a square's marks its candidates (all nine
// where it has none); a square whose one mark is its answer comes before any technique. A step
// always agrees with the answers: one that does not (totals that contradict the stored answers)
// gives NoStep.
TNextStep FindNextStep(const TPuzzleGrid& grid, const TPuzzleDims& dims);

// The marks a Narrowed step leaves on its square: its marks, or all nine when it has none, less
// the digits ruled out; Possible[d - 1] as in TSquare.
void NarrowMarks(TSquare& square, TCandidates remove);

}  // namespace xs
