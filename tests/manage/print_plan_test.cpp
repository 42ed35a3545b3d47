// The print page plan: combined pages, pages by size group, star level and slot, answers last.
#include "manage/print_plan.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/sample_puzzles.h"

namespace xs {
namespace {

using enum TPuzzleSize;

struct TStored {
    TPuzzleSize Size;
    int Level;
};

struct TPlanCase {
    std::string Name;
    std::vector<TStored> Stored;
    std::vector<int> Selected;  // slots
    int Puzzles;
    int Answers;
    std::vector<int> Capacities;  // of pages 1..P
    int PuzzlePages;
    bool Combined;
    std::vector<TPlacement> Puzzle;  // of each stored slot
    std::vector<TPlacement> Answer;
};

TEST(PrintPlan, PlacesPuzzlesAndAnswers) {
    const TPlanCase cases[] = {
        {"one Large, small puzzle, large answer: puzzle above answer",
         {{Large, 1}},
         {1},
         kPrintSmall,
         kPrintLarge,
         {2},
         1,
         true,
         {{1, 1}},
         {{1, 2}}},
        {"one Large, large puzzle, small answer: own pages",
         {{Large, 1}},
         {1},
         kPrintLarge,
         kPrintSmall,
         {1, 4},
         1,
         false,
         {{1, 1}},
         {{2, 1}}},
        {"one Small, large both: combined",
         {{Small, 4}},
         {1},
         kPrintLarge,
         kPrintLarge,
         {2},
         1,
         true,
         {{1, 1}},
         {{1, 2}}},
        {"one Large, no answers",
         {{Large, 1}},
         {1},
         kPrintLarge,
         kPrintNone,
         {1},
         1,
         false,
         {{1, 1}},
         {{0, 0}}},
        {"one Mini, answers only: not combined",
         {{Mini, 1}},
         {1},
         kPrintNone,
         kPrintLarge,
         {4},
         0,
         false,
         {{0, 0}},
         {{1, 1}}},
        {"two Mini, small both: puzzles on top, answers below",
         {{Mini, 2}, {Mini, 1}},
         {1, 2},
         kPrintSmall,
         kPrintSmall,
         {4},
         1,
         true,
         {{1, 1}, {1, 2}},
         {{1, 3}, {1, 4}}},
        {"two Mini, large puzzles: not combined",
         {{Mini, 2}, {Mini, 1}},
         {1, 2},
         kPrintLarge,
         kPrintSmall,
         {2, 8},
         1,
         false,
         {{1, 2}, {1, 1}},
         {{2, 2}, {2, 1}}},
        {"Medium and Mini, small puzzles, large answers: groups never share",
         {{Medium, 1}, {Mini, 1}},
         {1, 2},
         kPrintSmall,
         kPrintLarge,
         {4, 2, 4, 2},
         2,
         false,
         {{2, 1}, {1, 1}},
         {{4, 1}, {3, 1}}},
        {"three Mini, small both: general plan",
         {{Mini, 1}, {Mini, 1}, {Mini, 1}},
         {1, 2, 3},
         kPrintSmall,
         kPrintSmall,
         {4, 8},
         1,
         false,
         {{1, 1}, {1, 2}, {1, 3}},
         {{2, 1}, {2, 2}, {2, 3}}},
        {"five Small by star level then slot",
         {{Small, 3}, {Small, 1}, {Small, 2}, {Small, 1}, {Small, 5}},
         {1, 2, 3, 4, 5},
         kPrintLarge,
         kPrintNone,
         {2, 2, 2},
         3,
         false,
         {{2, 2}, {1, 1}, {2, 1}, {1, 2}, {3, 1}},
         {{}, {}, {}, {}, {}}},
        {"Large before Small in slots, Mini and Small share, Large apart",
         {{Large, 1}, {Small, 1}, {Mini, 1}},
         {1, 2, 3},
         kPrintSmall,
         kPrintNone,
         {4, 2},
         2,
         false,
         {{2, 1}, {1, 2}, {1, 1}},
         {{}, {}, {}}},
        {"Medium and Large share",
         {{Large, 1}, {Medium, 1}},
         {1, 2},
         kPrintSmall,
         kPrintNone,
         {2},
         1,
         false,
         {{1, 2}, {1, 1}},
         {{}, {}}},
        {"unselected slot left out",
         {{Mini, 1}, {Large, 1}},
         {1},
         kPrintLarge,
         kPrintLarge,
         {2},
         1,
         true,
         {{1, 1}, {}},
         {{1, 2}, {}}},
        {"nothing selected", {{Mini, 1}}, {}, kPrintLarge, kPrintLarge, {}, 0, false, {{}}, {{}}},
        {"no print size chosen",
         {{Mini, 1}, {Small, 1}},
         {1, 2},
         kPrintNone,
         7,
         {},
         0,
         false,
         {{}, {}},
         {{}, {}}},
    };
    for (const TPlanCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto lib = std::make_unique<TPuzzleLibrary>();
        std::int32_t lastId = 0;
        for (const TStored& s : c.Stored) test::AddSamplePuzzle(*lib, lastId, s.Size, s.Level);
        TSelection selected{};
        for (int slot : c.Selected) selected[slot - 1] = true;

        const TPrintPlan plan = PrintPlan(selected, *lib, c.Puzzles, c.Answers);
        ASSERT_EQ(plan.PageCount, static_cast<int>(c.Capacities.size()));
        for (int page = 1; page <= kMaxPrintPages; ++page) {
            const int want = page <= plan.PageCount ? c.Capacities[page - 1] : 0;
            EXPECT_EQ(plan.CapacityOf(page), want) << "page " << page;
        }
        EXPECT_EQ(plan.PuzzlePages, c.PuzzlePages);
        EXPECT_EQ(plan.Combined, c.Combined);
        for (int slot = 1; slot <= MaxPuzzles; ++slot) {
            const bool stored = slot <= static_cast<int>(c.Stored.size());
            EXPECT_EQ(plan.Puzzle[slot - 1], stored ? c.Puzzle[slot - 1] : TPlacement{})
                << "puzzle of slot " << slot;
            EXPECT_EQ(plan.Answer[slot - 1], stored ? c.Answer[slot - 1] : TPlacement{})
                << "answer of slot " << slot;
        }
    }
}

TEST(PrintPlan, PagesFillToCapacityBeforeTheNextOpens) {
    // Nine small answers of Mini puzzles: eight fit a page, the ninth opens page 2; the same for
    // five Large answers at four to a page.
    struct Case {
        TPuzzleSize Size;
        int Count;
        int PerPage;
    };
    for (const Case c : {Case{Mini, 9, 8}, Case{Large, 5, 4}}) {
        auto lib = std::make_unique<TPuzzleLibrary>();
        std::int32_t lastId = 0;
        TSelection selected{};
        for (int i = 0; i < c.Count; ++i) {
            selected[test::AddSamplePuzzle(*lib, lastId, c.Size, 3) - 1] = true;
        }
        const TPrintPlan plan = PrintPlan(selected, *lib, kPrintNone, kPrintSmall);
        EXPECT_EQ(plan.PageCount, 2);
        EXPECT_EQ(plan.PuzzlePages, 0);
        EXPECT_EQ(plan.Answer[c.PerPage - 1], (TPlacement{1, c.PerPage}));
        EXPECT_EQ(plan.Answer[c.PerPage], (TPlacement{2, 1}));
    }
}

TEST(PrintPlan, DamagedOrUncountedSlotsAreNotPrintedNorCounted) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    for (int i = 0; i < 3; ++i) test::AddSamplePuzzle(*lib, lastId, Mini, 1);
    lib->Info(2).Size = 9;  // damaged
    TSelection selected{};
    selected[0] = selected[1] = true;
    selected[4] = true;  // beyond the stored total
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintLarge, kPrintLarge);
    // One printable puzzle left: its combined page.
    EXPECT_TRUE(plan.Combined);
    EXPECT_EQ(plan.SelectedCount, 1);
    EXPECT_EQ(plan.Puzzle[1], TPlacement{});
    EXPECT_EQ(plan.Answer[0], (TPlacement{1, 2}));
}

TEST(PrintPlan, OrientationChangesStartNewRuns) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    TSelection selected{};
    for (TPuzzleSize size : {Mini, Medium, Medium, Medium}) {
        selected[test::AddSamplePuzzle(*lib, lastId, size, 1) - 1] = true;
    }
    // Small puzzle pages: Mini 4 across, Medium 2 upright, 2 upright; large answers: Mini 4
    // across, Medium 2 upright, 2 upright.
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintSmall, kPrintLarge);
    const std::vector<TPrintRun> want = {{true, 1, 1}, {false, 2, 3}, {true, 4, 4}, {false, 5, 6}};
    EXPECT_EQ(PrintRuns(plan), want);
    EXPECT_TRUE(PrintRuns(TPrintPlan{}).empty());
}

TEST(PrintPlan, SolveScreenChoices) {
    struct Case {
        TSinglePrint How;
        std::vector<int> Capacities;
    };
    const Case cases[] = {{TSinglePrint::PuzzleOnly, {1}},
                          {TSinglePrint::PuzzleAndAnswer, {2}},
                          {TSinglePrint::SeparatePages, {1, 1}}};
    for (const Case& c : cases) {
        const TPrintPlan plan = SinglePuzzlePlan(c.How);
        ASSERT_EQ(plan.PageCount, static_cast<int>(c.Capacities.size()));
        for (int page = 1; page <= plan.PageCount + 1; ++page) {
            EXPECT_EQ(plan.CapacityOf(page), page <= plan.PageCount ? c.Capacities[page - 1] : 0);
        }
    }
}

}  // namespace
}  // namespace xs
