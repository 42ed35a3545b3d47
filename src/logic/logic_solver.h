// The teaching solver: a ladder of named techniques, simplest first. Each step places a digit in
// one square or removes candidates from it, and names every run its conclusion rests on.
#pragma once

#include <cstdint>
#include <string>

#include "model/records.h"

namespace xs {

// A set of digits as bits: bit d stands for digit d (bit 0 is never used).
using TCandidates = std::uint16_t;
constexpr TCandidates kAllCandidates = 0x3FE;

// Simplest first; a puzzle's grade is the last one its solution needs.
enum class TTechnique : std::uint8_t {
    LastSquare,           // a run's only open square takes what its total still lacks
    Crossing,             // the digits an across and a down run allow share only one
    OneCombination,       // a run whose open squares only one digit set can fill
    PossibleDigits,       // digits that no combination of a run uses
    NeededDigit,          // a digit every combination uses that fits only one open square
    LockedDigits,         // k squares of a run that share k digits keep them from the rest
    SumRange,             // the smallest and largest sums the rest of a run can make
    FittingCombinations,  // only the combinations that fit the candidates left in a run
    BlockSums,            // runs of a block against the crossing runs: what a few squares add up to
    Contradiction,        // a digit that would leave a run no way to be completed, step by step
};
constexpr int kTechniqueCount = 10;

// "Last square", "One combination", ...: the names the help page explains and
// `generate --technique` accepts.
const char* TechniqueName(TTechnique technique);

// The star level of a puzzle whose hardest step is the technique, set against what the made
// puzzles of each level need (docs/solver.md): crossings for 1 star, the sums of a run's other
// squares for 3, the combinations that fit or block sums for 4, a contradiction for 5.
int TechniqueStars(TTechnique technique);

// A run named by its clue square. Minus: in a Block sums step, a run whose total is taken away
// from the others' (the runs that cover the block's squares but the leftover ones).
struct TStepRun {
    std::int8_t ClueRow = -1;
    std::int8_t ClueCol = -1;
    bool Down = false;
    bool Minus = false;
};

// A square a step names besides its own: Locked digits' group, Block sums' leftover squares.
struct TStepCell {
    std::int8_t Row = -1;
    std::int8_t Col = -1;
};

// Room for the runs a step may name: a block and its crossing runs, or every run a contradiction
// uses; and for the squares it frames and the steps of a contradiction's chain.
constexpr int kMaxStepRuns = 24;
constexpr int kMaxStepCells = 9;
constexpr int kMaxChain = 12;

// One step of a contradiction's chain: a single-run technique on the board with the assumed digit.
struct TChainLink {
    TTechnique Technique = TTechnique::LastSquare;
    std::int8_t Row = -1;
    std::int8_t Col = -1;
    std::int8_t Place = 0;
    std::uint16_t Remove = 0;
    std::int8_t Run[2] = {-1, -1};  // the runs it rests on, as indexes into the step's Runs
};

struct TLogicStep {
    TTechnique Technique = TTechnique::LastSquare;
    int Row = -1;
    int Col = -1;
    int Place = 0;           // the digit placed, 1..9; 0 for a removal
    TCandidates Remove = 0;  // the candidates taken from the square (all but Place when placing)
    TStepRun Runs[kMaxStepRuns];
    int RunCount = 0;
    TStepCell Cells[kMaxStepCells];
    int CellCount = 0;
    // What the sentence quotes: the locked digits (LockedDigits), the sums the rest of the run
    // can make (SumRange: Low, High), what the leftover squares add up to (BlockSums: Low), the
    // number of squares of a locked group (Count), the assumed digit (Contradiction: Digits).
    TCandidates Digits = 0;
    int Low = 0;
    int High = 0;
    int Count = 0;
    // Contradiction: the steps that follow from the assumed digit, the last one leaving the first
    // run named (Runs[0]) no completion.
    TChainLink Chain[kMaxChain];
    int ChainCount = 0;
};

// One run of the puzzle: its clue, total and squares in order.
struct TLogicRun {
    std::int8_t ClueRow = 0;
    std::int8_t ClueCol = 0;
    bool Down = false;
    std::int8_t Length = 0;
    std::int32_t Total = 0;
    std::int8_t Rows[9] = {};
    std::int8_t Cols[9] = {};
};

// Every run of a 16 x 26 grid fits: at most one across and one down run per square.
constexpr int kMaxLogicRuns = 2 * kGridRows * kGridCols;

// The solver's whole state: the runs, and per square a placed digit (0: open) and its
// candidates. Fixed size; nothing is allocated while it works.
class TLogicBoard {
public:
    // Takes the runs of rows 0..LastRow and columns 0..LastCol from the clue squares (a run is
    // cut short where its length leaves the White squares); every White square open with all
    // nine candidates. False when the grid holds a run longer than nine squares or a total
    // outside 1..45; the board is then unusable.
    bool Load(const TPuzzleGrid& grid, const TPuzzleDims& dims);

    // The game's board: a digit placed, or the candidates of an open square.
    void PlaceDigit(int row, int col, int digit);
    void SetCandidates(int row, int col, TCandidates candidates);

    // The simplest step the board allows, or false when no technique finds one.
    bool NextStep(TLogicStep& step) const;
    // The first step of one technique: a placement before a removal, each in the order of the
    // runs' clues (rows from the top, across before down; crossings in the squares' order).
    bool FindStep(TTechnique technique, TLogicStep& step) const;
    void Apply(const TLogicStep& step);

    bool IsWhite(int row, int col) const { return Cand[row][col] != 0; }
    int Digit(int row, int col) const { return Digits[row][col]; }
    TCandidates Candidates(int row, int col) const { return Cand[row][col]; }
    bool Solved() const;
    const TLogicRun& Run(const TStepRun& ref) const;
    const TPuzzleDims& Dims() const { return Size; }

    // What the techniques and the sentences share about a run: the digits placed in it, what its
    // total still lacks, how many squares are open, and the squares' candidates.
    struct TRunState {
        TCandidates Placed = 0;
        int Remainder = 0;
        int Open = 0;
        int OpenRows[9] = {};
        int OpenCols[9] = {};
        TCandidates OpenCand[9] = {};
    };
    TRunState StateOf(const TLogicRun& run) const;
    int RunIndex(int row, int col, bool down) const { return RunOf[down ? 1 : 0][row][col]; }
    const TLogicRun& RunAt(int index) const { return Runs[index]; }

private:
    bool FindSimple(TTechnique technique, TLogicStep& step) const;
    bool FindLockedDigits(TLogicStep& step) const;
    bool FindBlockSums(TLogicStep& step) const;
    bool FindContradiction(TLogicStep& step) const;
    bool BuildContradiction(int row, int col, int digit, int broken, const TLogicStep* links,
                            int count, TLogicStep& step) const;

    TLogicRun Runs[kMaxLogicRuns];
    int RunCount = 0;
    std::int16_t RunOf[2][kGridRows][kGridCols] = {};  // [0] across, [1] down; -1: none
    std::uint8_t Digits[kGridRows][kGridCols] = {};
    TCandidates Cand[kGridRows][kGridCols] = {};
    TPuzzleDims Size{0, 0};
};

// The sentence of a step, told from the board before the step: the runs by their totals and
// directions and what a player can check on the board.
std::string StepText(const TLogicBoard& before, const TLogicStep& step);

// A puzzle solved from the empty board by the ladder alone.
struct TGrade {
    bool Solved = false;
    int Steps = 0;
    TTechnique Hardest = TTechnique::LastSquare;
};

// Solves the grid's puzzle from its totals alone (entries and marks are not read). A step that
// contradicts a stored answer ends the solution unsolved.
TGrade GradePuzzle(const TPuzzleGrid& grid, const TPuzzleDims& dims);

}  // namespace xs
