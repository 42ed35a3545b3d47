// The next-step hint: hand-built positions for a step from the runs, from the marks, and for wrong
// entries and marks, and whole generated puzzles solved by hints alone, through the H key.
#include "logic/next_step_hint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "generate/driver.h"
#include "solve/solve_state.h"
#include "solve/text_grid.h"
#include "support/generated_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using test::GridOf;

constexpr TPuzzleDims kMini{8, 12};

struct TEntry {
    int Row, Col, Digit;
    const char* Marks = "";  // "79": the square's marks, no entry
};

struct THintCase {
    const char* Name;
    std::vector<std::string> Rows;
    std::vector<TEntry> Entries;
    THintKind Kind;
    int Row, Col, Digit;
    std::uint16_t Remove;
    int RunCount;
    const char* Says;
};

// 8 9 / 1 2: the across 17 allows 8 and 9, the down 9 in two squares no 9.
const std::vector<std::string> kPair = {"###", "#89", "#12"};
// 7 9 / 9 7: every run 16 in two squares, so no square is fixed by its runs.
const std::vector<std::string> kSixteens = {"###", "#79", "#97"};

TEST(NextStepHint, FindsTheSimplestStepOrTheWrongEntryOrMarks) {
    const std::vector<THintCase> cases = {
        {"crossing runs",
         kPair,
         {},
         THintKind::Deduced,
         1,
         1,
         8,
         0x2FE,
         2,
         "Crossing runs: The across 17 needs 17 in 2 squares, so it allows 8 or 9 here."},
        // The down 9 of column 1 has one square left; its clue comes first in reading order.
        {"last square of a run",
         kPair,
         {{1, 1, 8}},
         THintKind::Deduced,
         2,
         1,
         1,
         0x3FC,
         1,
         "Last square: This is the last open square of the down 9"},
        {"a narrowing from no marks",
         kSixteens,
         {},
         THintKind::Narrowed,
         1,
         1,
         0,
         0x17E,
         1,
         "this square cannot hold 1 to 6 or 8."},
        {"the player's marks are the candidates",
         kSixteens,
         {{1, 1, 0, "79"}, {1, 2, 0, "79"}, {2, 1, 0, "79"}},
         THintKind::Narrowed,
         2,
         2,
         0,
         0x17E,
         1,
         "The down 16 needs 16"},
        {"one mark left",
         kSixteens,
         {{2, 2, 0, "7"}},
         THintKind::Deduced,
         2,
         2,
         7,
         0,
         0,
         "Only 7 is marked in this square, so it holds 7."},
        {"marks without the answer",
         kSixteens,
         {{1, 1, 7}, {2, 1, 0, "79"}, {2, 2, 0, "9"}},
         THintKind::WrongMarks,
         2,
         2,
         0,
         0,
         0,
         "leave out its digit"},
        {"wrong entry before wrong marks",
         kPair,
         {{1, 2, 0, "8"}, {2, 2, 7}},
         THintKind::WrongEntry,
         2,
         2,
         7,
         0,
         0,
         "The 7 in the square marked red is wrong"},
        {"wrong entry on a full board",
         kPair,
         {{1, 1, 8}, {1, 2, 9}, {2, 1, 2}, {2, 2, 1}},
         THintKind::WrongEntry,
         2,
         1,
         2,
         0,
         0,
         "clear it, then press H again."},
        {"solved",
         kPair,
         {{1, 1, 8}, {1, 2, 9}, {2, 1, 1}, {2, 2, 2}},
         THintKind::Solved,
         -1,
         -1,
         0,
         0,
         0,
         "Every square holds its right digit."},
    };
    for (const THintCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TPuzzleGrid g = GridOf(t.Rows);
        for (const TEntry& e : t.Entries) {
            g.Sq[e.Row][e.Col].Entry = static_cast<std::uint8_t>(e.Digit);
            for (const char* m = e.Marks; *m != '\0'; ++m)
                g.Sq[e.Row][e.Col].Possible[*m - '1'] = 1;
        }
        const TNextStep step = FindNextStep(g, kMini);
        EXPECT_EQ(step.Kind, t.Kind);
        EXPECT_EQ(step.Row, t.Row);
        EXPECT_EQ(step.Col, t.Col);
        EXPECT_EQ(step.Digit, t.Digit);
        EXPECT_EQ(step.Remove, t.Remove);
        EXPECT_EQ(step.RunCount, t.RunCount);
        EXPECT_NE(step.Text.find(t.Says), std::string::npos) << step.Text;
    }
}

// A step that would place a digit other than the answer, or take the answer out of a square's
// candidates, is not shown.
TEST(NextStepHint, TotalsAgainstTheAnswersGiveNoStep) {
    TPuzzleGrid g = GridOf(kPair);
    g.Sq[1][0].AcrossTotal = 16;
    EXPECT_EQ(FindNextStep(g, kMini).Kind, THintKind::NoStep);
    // The first step of kSixteens leaves (1, 1) only 7 and 9: with 3 stored there it gives none.
    TPuzzleGrid narrowed = GridOf(kSixteens);
    ASSERT_EQ(FindNextStep(narrowed, kMini).Kind, THintKind::Narrowed);
    narrowed.Sq[1][1].SetAnswer(3);
    EXPECT_EQ(FindNextStep(narrowed, kMini).Kind, THintKind::NoStep);
}

TEST(NextStepHint, NarrowingTakesTheDigitsFromTheMarks) {
    struct TCase {
        const char* Marks;
        std::uint16_t Remove;
        const char* Left;
    };
    const TCase cases[] = {{"", 0x17E, "79"}, {"1789", 0x302, "7"}, {"35", 0x008, "5"}};
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.Marks);
        TSquare sq{};
        for (const char* m = t.Marks; *m != '\0'; ++m) sq.Possible[*m - '1'] = 1;
        NarrowMarks(sq, t.Remove);
        std::string left;
        for (int d = 1; d <= 9; ++d)
            if (sq.IsPossible(d)) left += static_cast<char>('0' + d);
        EXPECT_EQ(left, t.Left);
    }
}

// A generated puzzle of each size and level, solved from the empty board by pressing H twice at a
// time: every placed digit is the answer, every narrowing keeps it among the square's marks, each
// applied step is one undo step and is framed with every run it names, and nothing is left.
TEST(NextStepHint, HintsAloneSolveGeneratedPuzzles) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    auto work = std::make_unique<TWorkingCopy>();
    test::TScriptedMessages msgs;
    auto state = std::make_unique<TSolveState>(*lib, *work, msgs);
    std::int32_t lastId = 0;
    int narrowed = 0;
    ASSERT_TRUE(test::AddEveryKindOfPuzzle(*lib, lastId, 12));
    for (int slot = 1; slot <= lib->Counts.Total; ++slot) {
        SCOPED_TRACE(slot);
        work->CurrentSlot = slot;
        ASSERT_TRUE(state->bnSolveClick());
        for (int steps = 0;; ++steps) {
            ASSERT_LT(steps, 9 * kGridRows * kGridCols);
            state->HintKey();
            const TNextStep* hint = state->Hint();
            ASSERT_NE(hint, nullptr);
            if (hint->Kind == THintKind::Solved) break;
            ASSERT_TRUE(hint->Kind == THintKind::Deduced || hint->Kind == THintKind::Narrowed)
                << hint->Text;
            ASSERT_GE(hint->RunCount, 1) << hint->Text;
            for (int i = 0; i < hint->RunCount; ++i) {
                const THintRun& run = hint->Runs[i];
                const bool inRun = run.Down ? run.ClueCol == hint->Col && run.ClueRow < hint->Row
                                            : run.ClueRow == hint->Row && run.ClueCol < hint->Col;
                EXPECT_TRUE(inRun) << hint->Text;
            }
            narrowed += hint->Kind == THintKind::Narrowed ? 1 : 0;
            const int row = hint->Row;
            const int col = hint->Col;
            const bool place = hint->Kind == THintKind::Deduced;
            const std::int32_t pos = state->UndoPos();
            state->HintKey();
            EXPECT_EQ(state->Hint(), nullptr);
            const TSquare& sq = work->CurrentPuzzle.Sq[row][col];
            if (place) {
                ASSERT_EQ(sq.Entry, sq.Answer());
            } else {
                ASSERT_EQ(sq.Entry, 0);
                ASSERT_TRUE(sq.IsPossible(sq.Answer()));
            }
            ASSERT_EQ(state->UndoPos(), pos + 1);
        }
    }
    EXPECT_GT(narrowed, 0);
}

}  // namespace
}  // namespace xs
