// The print page plan: which puzzle and which answer go on which page and position, and how many
// positions each page has. A plain function of the selection, the library and the print sizes.
#pragma once

#include <array>
#include <vector>

#include "model/records.h"

namespace xs {

constexpr int kMaxPrintPages = 200;

// A print size as the preferences store it (PrintPuzzles, PrintAnswers).
constexpr int kPrintNone = 0;
constexpr int kPrintLarge = 1;
constexpr int kPrintSmall = 2;

// Page and position 1.. of a printed puzzle or answer; {0, 0} when it is not printed.
struct TPlacement {
    int Page = 0;
    int Position = 0;
    friend constexpr bool operator==(TPlacement, TPlacement) = default;
};

struct TPrintPlan {
    std::array<int, kMaxPrintPages> Capacity{};   // Capacity[page - 1]: 0, 1, 2, 4 or 8
    std::array<TPlacement, MaxPuzzles> Puzzle{};  // Puzzle[slot - 1]
    std::array<TPlacement, MaxPuzzles> Answer{};  // Answer[slot - 1]
    int PageCount = 0;
    int PuzzlePages = 0;    // pages 1..PuzzlePages hold puzzles, the later ones answers
    bool Combined = false;  // one page holds the puzzles (first positions) and their answers
    int SelectedCount = 0;  // puzzles the plan prints; on a combined page, the puzzle positions

    // Positions of page 1..; 0 for a page outside the plan.
    int CapacityOf(int page) const {
        return page >= 1 && page <= kMaxPrintPages ? Capacity[page - 1] : 0;
    }
};

using TSelection = std::array<bool, MaxPuzzles>;  // [slot - 1]

// Positions per page for a puzzle size code under a print size (kPrintLarge or kPrintSmall);
// 0 for anything else.
int PageCapacity(int sizeCode, bool answer, int printSize);

// Pages of 1 or 4 positions are printed across (landscape), pages of 2 or 8 upright.
constexpr bool PageLandscape(int capacity) {
    return capacity == 1 || capacity == 4;
}

// The plan for the selected slots among 1..Counts.Total. Slots that are empty or damaged are not
// printed and do not count as selected. puzzleSize and answerSize are kPrintNone, kPrintLarge or
// kPrintSmall; any other value counts as none.
TPrintPlan PrintPlan(const TSelection& selected, const TPuzzleLibrary& library, int puzzleSize,
                     int answerSize);

// A run of pages 1.. printed in one orientation. A printer gets a new job wherever the
// orientation changes from one page to the next.
struct TPrintRun {
    bool Landscape = false;
    int FirstPage = 0;
    int LastPage = 0;
    friend bool operator==(const TPrintRun&, const TPrintRun&) = default;
};
std::vector<TPrintRun> PrintRuns(const TPrintPlan& plan);

// The three ways of printing the puzzle of the solve screen.
enum class TSinglePrint {
    PuzzleOnly,       // page 1: the puzzle, across
    PuzzleAndAnswer,  // page 1: the puzzle above its answer, upright
    SeparatePages,    // page 1: the puzzle, page 2: the answer, both across
};

// The capacities of those pages; the renderer is given the slot itself.
TPrintPlan SinglePuzzlePlan(TSinglePrint how);

}  // namespace xs
