// The next-step hint: hand-built positions for each rule and for a wrong entry, and whole
// generated puzzles solved by hints alone, through the solving state's H key.
#include "solve/next_step_hint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "generate/driver.h"
#include "solve/solve_state.h"
#include "support/scripted_messages.h"
#include "text_grid.h"

namespace xs {
namespace {

using test::GridOf;

constexpr TPuzzleDims kMini{8, 12};

struct TEntry {
    int Row, Col, Digit;
};

struct THintCase {
    const char* Name;
    std::vector<TEntry> Entries;
    THintKind Kind;
    THintRule Rule;
    int Row, Col, Digit;
    int RunCount;
};

// 8 9 / 1 2: the across 17 allows 8 and 9, the down 9 in two squares no 9.
const std::vector<std::string> kPair = {"###", "#89", "#12"};

TEST(NextStepHint, FindsTheSimplestStepOrTheWrongEntry) {
    const std::vector<THintCase> cases = {
        {"forced pair meets a run without 9",
         {},
         THintKind::Deduced,
         THintRule::BothRuns,
         1,
         1,
         8,
         2},
        // The down 9 of column 1 has one square left; its clue comes first in reading order.
        {"last square of a run",
         {{1, 1, 8}},
         THintKind::Deduced,
         THintRule::LastSquare,
         2,
         1,
         1,
         1},
        {"wrong entry after a right one",
         {{1, 1, 8}, {2, 2, 7}},
         THintKind::WrongEntry,
         THintRule::LastSquare,
         2,
         2,
         7,
         0},
        {"wrong entry on a full board",
         {{1, 1, 8}, {1, 2, 9}, {2, 1, 2}, {2, 2, 1}},
         THintKind::WrongEntry,
         THintRule::LastSquare,
         2,
         1,
         2,
         0},
        {"solved",
         {{1, 1, 8}, {1, 2, 9}, {2, 1, 1}, {2, 2, 2}},
         THintKind::Solved,
         THintRule::LastSquare,
         -1,
         -1,
         0,
         0},
    };
    for (const THintCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TPuzzleGrid g = GridOf(kPair);
        for (const TEntry& e : t.Entries)
            g.Sq[e.Row][e.Col].Entry = static_cast<std::uint8_t>(e.Digit);
        const TNextStep step = FindNextStep(g, kMini);
        EXPECT_EQ(step.Kind, t.Kind);
        EXPECT_EQ(step.Row, t.Row);
        EXPECT_EQ(step.Col, t.Col);
        EXPECT_EQ(step.Digit, t.Digit);
        EXPECT_EQ(step.RunCount, t.RunCount);
        if (t.Kind == THintKind::Deduced) {
            EXPECT_EQ(step.Rule, t.Rule);
        }
        EXPECT_FALSE(step.Text.empty());
    }
}

TEST(NextStepHint, ExplainsAForcedPairByItsDigitsAndTheCrossingRun) {
    const TNextStep step = FindNextStep(GridOf(kPair), kMini);
    EXPECT_NE(step.Text.find("17 in two squares can only be 8 and 9"), std::string::npos)
        << step.Text;
    EXPECT_NE(step.Text.find("the down 9"), std::string::npos) << step.Text;
}

TEST(NextStepHint, MarksAndWrongLookingTotalsAreNotTrusted) {
    TPuzzleGrid g = GridOf(kPair);
    // Marks are the player's guesses: a single mark 9 on (1, 1) changes nothing.
    g.Sq[1][1].Possible[8] = 1;
    EXPECT_EQ(FindNextStep(g, kMini).Digit, 8);
    // Totals that contradict the stored answers give no step rather than a wrong one.
    g.Sq[1][0].AcrossTotal = 16;
    EXPECT_EQ(FindNextStep(g, kMini).Kind, THintKind::NoStep);
}

// A generated puzzle of each size and level, solved from the empty board by pressing H twice at a
// time: every placed digit is the answer, each placement is one undo step, and nothing is left.
TEST(NextStepHint, HintsAloneSolveGeneratedPuzzles) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    auto work = std::make_unique<TWorkingCopy>();
    test::TScriptedMessages msgs;
    auto state = std::make_unique<TSolveState>(*lib, *work, msgs);
    auto batch = std::make_unique<TCreationBatch>();
    TRandom rng(12);
    TGenControl control;
    control.Rng = &rng;
    std::int32_t lastId = 0;
    int narrowed = 0;
    for (int size = 0; size < 4; ++size) {
        batch->SizeCode = size;
        batch->CreateCounts[0] = 5;
        for (int level = 1; level <= 5; ++level) batch->CreateCounts[level] = 1;
        ASSERT_EQ(batch->Run(*lib, lastId, control), TBatchResult::Done);
    }
    for (int slot = 1; slot <= lib->Counts.Total; ++slot) {
        SCOPED_TRACE(slot);
        work->CurrentSlot = slot;
        ASSERT_TRUE(state->bnSolveClick());
        for (int steps = 0;; ++steps) {
            ASSERT_LT(steps, kGridRows * kGridCols);
            state->HintKey();
            const TNextStep* hint = state->Hint();
            ASSERT_NE(hint, nullptr);
            if (hint->Kind == THintKind::Solved) break;
            ASSERT_EQ(hint->Kind, THintKind::Deduced) << hint->Text;
            narrowed += hint->Rule == THintRule::Narrowing ? 1 : 0;
            const int row = hint->Row;
            const int col = hint->Col;
            const std::int32_t pos = state->UndoPos();
            state->HintKey();
            EXPECT_EQ(state->Hint(), nullptr);
            const TSquare& sq = work->CurrentPuzzle.Sq[row][col];
            ASSERT_EQ(sq.Entry, sq.Answer());
            ASSERT_EQ(state->UndoPos(), pos + 1);
        }
    }
    // The harder puzzles need the last rule somewhere.
    EXPECT_GT(narrowed, 0);
}

}  // namespace
}  // namespace xs
