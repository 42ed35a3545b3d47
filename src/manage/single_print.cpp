// Printing the puzzle of the solve screen.
#include "manage/single_print.h"

#include <algorithm>

#include "storage/preferences.h"

namespace xs {

bool HasEntries(const TWorkingCopy& work) {
    const int lastRow = std::clamp(work.PuzzleDims.LastRow, 0, kGridRows - 1);
    const int lastCol = std::clamp(work.PuzzleDims.LastCol, 0, kGridCols - 1);
    for (int r = 0; r <= lastRow; ++r) {
        for (int c = 0; c <= lastCol; ++c) {
            if (work.CurrentPuzzle.Sq[r][c].Entry != 0) return true;
        }
    }
    return false;
}

std::optional<TSinglePrintChoice> AskSinglePrint(TMessages& messages, const TWorkingCopy& work,
                                                 TSettings& settings) {
    CheckedPrintColors(settings);
    const bool entries = HasEntries(work);
    const TOptionTexts options = {"Print the puzzle only",
                                  "Print the puzzle + answer on a single page",
                                  "Print the puzzle + answer on separate pages", "", ""};
    const int result = messages.ShowOptions("", 3, options, entries, true);
    TSinglePrintChoice choice;
    if (result == OptionResult(0)) {
        choice.How = TSinglePrint::PuzzleOnly;
    } else if (result == OptionResult(1)) {
        choice.How = TSinglePrint::PuzzleAndAnswer;
    } else if (result == OptionResult(2)) {
        choice.How = TSinglePrint::SeparatePages;
    } else {
        return std::nullopt;
    }
    choice.CurrentState = entries && messages.PrintCurrentState();
    return choice;
}

TPageSource SinglePrintSource(const TPrintPlan& plan, const TPuzzleLibrary& library,
                              const TWorkingCopy& work, bool currentState, int colors) {
    return {&plan, &library, work.CurrentSlot, currentState ? &work.CurrentPuzzle : nullptr,
            colors};
}

}  // namespace xs
