// Printing the puzzle of the solve screen: the question of how, and what the pages show.
#pragma once

#include <optional>

#include "manage/print_plan.h"
#include "manage/print_render.h"
#include "model/records.h"
#include "storage/messages.h"
#include "storage/settings.h"

namespace xs {

struct TSinglePrintChoice {
    TSinglePrint How = TSinglePrint::PuzzleOnly;
    bool CurrentState = false;  // print the player's entries as well
};

// Whether the player has entered any digit in the working copy's puzzle.
bool HasEntries(const TWorkingCopy& work);

// Asks how to print: puzzle only, puzzle and answer on one page, or on separate pages; the
// check box for the entries only when there are some. Nothing on Cancel. A stored colour scheme
// outside 1..4 becomes 2.
std::optional<TSinglePrintChoice> AskSinglePrint(TMessages& messages, const TWorkingCopy& work,
                                                 TSettings& settings);

// What the pages of `plan` (SinglePuzzlePlan) show: the working copy's slot, with its entries
// when asked for.
TPageSource SinglePrintSource(const TPrintPlan& plan, const TPuzzleLibrary& library,
                              const TWorkingCopy& work, bool currentState, int colors);

}  // namespace xs
