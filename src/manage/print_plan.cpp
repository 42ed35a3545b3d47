// The print page plan.
#include "manage/print_plan.h"

#include "model/slot_check.h"

namespace xs {

namespace {

constexpr TPuzzleSize kSizeOrder[] = {TPuzzleSize::Mini, TPuzzleSize::Small, TPuzzleSize::Medium,
                                      TPuzzleSize::Large};

bool Chosen(int printSize) {
    return printSize == kPrintLarge || printSize == kPrintSmall;
}

bool BigSize(int sizeCode) {
    return sizeCode == static_cast<int>(TPuzzleSize::Medium) ||
           sizeCode == static_cast<int>(TPuzzleSize::Large);
}

// Fills pages with the selected puzzles (or their answers) by size, then star level, then slot.
// Small and big puzzles never share a page.
void PlacePages(TPrintPlan& plan, const TSelection& printable, const TPuzzleLibrary& library,
                bool answers, int printSize) {
    int fill = 8;  // above every capacity: the first placement opens a page
    bool pageOfBig = false;
    for (TPuzzleSize size : kSizeOrder) {
        const int code = static_cast<int>(size);
        const int cap = PageCapacity(code, answers, printSize);
        for (int level = kMinDifficulty; level <= kMaxDifficulty; ++level) {
            for (int slot = 1; slot <= MaxPuzzles; ++slot) {
                const TPuzzleInfo& info = library.Info(slot);
                if (!printable[slot - 1] || info.Size != code || info.Difficulty != level) {
                    continue;
                }
                if (!pageOfBig && BigSize(code)) fill = 8;
                if (++fill > cap) {
                    ++plan.PageCount;
                    if (!answers) ++plan.PuzzlePages;
                    fill = 1;
                    pageOfBig = BigSize(code);
                }
                (answers ? plan.Answer : plan.Puzzle)[slot - 1] = {plan.PageCount, fill};
                plan.Capacity[plan.PageCount - 1] = cap;
            }
        }
    }
}

}  // namespace

int PageCapacity(int sizeCode, bool answer, int printSize) {
    if (!IsValidSizeCode(sizeCode) || !Chosen(printSize)) return 0;
    int cap = BigSize(sizeCode) ? 1 : 2;
    if (printSize == kPrintSmall) cap *= 2;
    if (answer) cap *= 2;
    return cap;
}

TPrintPlan PrintPlan(const TSelection& selected, const TPuzzleLibrary& library, int puzzleSize,
                     int answerSize) {
    TPrintPlan plan;
    TSelection printable{};
    int first = 0;
    int second = 0;
    bool smallOnly = true;
    for (int slot = 1; slot <= UsedSlots(library.Counts); ++slot) {
        if (!selected[slot - 1] || ClassifySlot(library, slot) != TSlotState::Valid) continue;
        printable[slot - 1] = true;
        ++plan.SelectedCount;
        if (first == 0) {
            first = slot;
        } else if (second == 0) {
            second = slot;
        }
        if (BigSize(library.Info(slot).Size)) smallOnly = false;
    }
    const bool puzzles = Chosen(puzzleSize);
    const bool answers = Chosen(answerSize);
    const int k = plan.SelectedCount;

    const bool onePage = k == 1 && (smallOnly || puzzleSize == kPrintSmall) && puzzles && answers;
    const bool twoOnPage = k == 2 && smallOnly && puzzleSize == kPrintSmall && answers;
    if (onePage || twoOnPage) {
        plan.Puzzle[first - 1] = {1, 1};
        plan.Answer[first - 1] = {1, k + 1};
        if (twoOnPage) {
            plan.Puzzle[second - 1] = {1, 2};
            plan.Answer[second - 1] = {1, 4};
        }
        plan.Capacity[0] = 2 * k;
        plan.PageCount = 1;
        plan.PuzzlePages = 1;
        plan.Combined = true;
        return plan;
    }
    if (puzzles) PlacePages(plan, printable, library, false, puzzleSize);
    if (answers) PlacePages(plan, printable, library, true, answerSize);
    return plan;
}

std::vector<TPrintRun> PrintRuns(const TPrintPlan& plan) {
    std::vector<TPrintRun> runs;
    for (int page = 1; page <= plan.PageCount && page <= kMaxPrintPages; ++page) {
        const bool landscape = PageLandscape(plan.CapacityOf(page));
        if (runs.empty() || runs.back().Landscape != landscape) {
            runs.push_back({landscape, page, page});
        } else {
            runs.back().LastPage = page;
        }
    }
    return runs;
}

TPrintPlan SinglePuzzlePlan(TSinglePrint how) {
    TPrintPlan plan;
    switch (how) {
        case TSinglePrint::PuzzleOnly:
            plan.Capacity[0] = 1;
            plan.PageCount = 1;
            break;
        case TSinglePrint::PuzzleAndAnswer:
            plan.Capacity[0] = 2;
            plan.PageCount = 1;
            break;
        case TSinglePrint::SeparatePages:
            plan.Capacity[0] = 1;
            plan.Capacity[1] = 1;
            plan.PageCount = 2;
            break;
    }
    plan.PuzzlePages = 1;
    plan.SelectedCount = 1;
    return plan;
}

}  // namespace xs
