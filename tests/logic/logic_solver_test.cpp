// The teaching solver: every step of whole generated solutions checked by a brute-force search over
// the runs it names alone, and one position per technique.
#include "logic/logic_solver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "generate/driver.h"
#include "solve/text_grid.h"
#include "support/generated_puzzles.h"

namespace xs {
namespace {

using test::GridOf;

constexpr TPuzzleDims kMini{8, 12};

// A run as the test reads it from the clue square, knowing nothing of the solver.
struct TCheckRun {
    std::vector<int> Rows, Cols;
    int Total = 0;
};

TCheckRun ReadRun(const TPuzzleGrid& g, const TStepRun& ref) {
    TCheckRun run;
    const TSquare& clue = g.Sq[ref.ClueRow][ref.ClueCol];
    const int length = ref.Down ? clue.DownSquares : clue.AcrossSquares;
    run.Total = ref.Down ? clue.DownTotal : clue.AcrossTotal;
    for (int k = 1; k <= length; ++k) {
        run.Rows.push_back(ref.Down ? ref.ClueRow + k : ref.ClueRow);
        run.Cols.push_back(ref.Down ? ref.ClueCol : ref.ClueCol + k);
    }
    return run;
}

using TCandGrid = std::uint16_t[kGridRows][kGridCols];

// Whether the runs can all be completed together, with distinct digits adding up to each total,
// every square taking one of its candidates, and (row, col) holding digit.
class TBruteForce {
public:
    TBruteForce(const std::vector<TCheckRun>& runs, const TCandGrid& cand) : Runs(runs) {
        for (const TCheckRun& run : runs)
            for (std::size_t k = 0; k < run.Rows.size(); ++k) Add(run.Rows[k], run.Cols[k], cand);
    }

    bool Allows(int row, int col, int digit) {
        for (std::size_t i = 0; i < Squares.size(); ++i) {
            Value[i] = 0;
            if (Squares[i].first == row && Squares[i].second == col) {
                if (!(Cand[i] & (1u << digit))) return false;
                Value[i] = digit;
            }
        }
        return Search(0);
    }

private:
    void Add(int r, int c, const TCandGrid& cand) {
        for (const auto& sq : Squares)
            if (sq.first == r && sq.second == c) return;
        Squares.push_back({r, c});
        Cand.push_back(cand[r][c]);
        Value.push_back(0);
    }

    int At(int r, int c) const {
        for (std::size_t i = 0; i < Squares.size(); ++i)
            if (Squares[i].first == r && Squares[i].second == c) return Value[i];
        return 0;
    }

    // No run repeats a digit or overshoots; a full run adds up; the open rest can still make it.
    bool Consistent() const {
        for (const TCheckRun& run : Runs) {
            int sum = 0;
            int open = 0;
            unsigned seen = 0;
            for (std::size_t k = 0; k < run.Rows.size(); ++k) {
                const int v = At(run.Rows[k], run.Cols[k]);
                if (v == 0) {
                    ++open;
                    continue;
                }
                if (seen & (1u << v)) return false;
                seen |= 1u << v;
                sum += v;
            }
            const int rest = run.Total - sum;
            if (rest < open * (open + 1) / 2 || rest > open * (19 - open) / 2) return false;
        }
        return true;
    }

    bool Search(std::size_t i) {
        if (!Consistent()) return false;
        while (i < Squares.size() && Value[i] != 0) ++i;
        if (i == Squares.size()) return true;
        for (int d = 1; d <= 9; ++d) {
            if (!(Cand[i] & (1u << d))) continue;
            Value[i] = d;
            if (Search(i + 1)) return true;
        }
        Value[i] = 0;
        return false;
    }

    const std::vector<TCheckRun>& Runs;
    std::vector<std::pair<int, int>> Squares;
    std::vector<std::uint16_t> Cand;
    std::vector<int> Value;
};

std::string Lower(std::string text) {
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
    return text;
}

struct TSolveCount {
    int Steps = 0;
    int Open = 0;  // squares left without a digit
    int ByTechnique[kTechniqueCount] = {};
};

// Solves the puzzle with the ladder and checks every step against its named runs alone, with
// the candidates the earlier steps left, as the test itself keeps them.
void CheckSolution(const TPuzzleGrid& g, const TPuzzleDims& dims, TSolveCount& count,
                   bool& solved) {
    auto board = std::make_unique<TLogicBoard>();
    ASSERT_TRUE(board->Load(g, dims));
    TCandGrid cand = {};
    for (int r = 1; r <= dims.LastRow; ++r)
        for (int c = 1; c <= dims.LastCol; ++c)
            if (g.Sq[r][c].Kind == White) cand[r][c] = 0x3FE;
    TLogicStep step;
    while (board->NextStep(step)) {
        SCOPED_TRACE(std::string(TechniqueName(step.Technique)) + " at " +
                     std::to_string(step.Row) + "," + std::to_string(step.Col));
        const int answer = g.Sq[step.Row][step.Col].Answer();
        ASSERT_GE(step.RunCount, 1);
        std::vector<TCheckRun> runs;
        const std::string text = Lower(StepText(*board, step));
        for (int i = 0; i < step.RunCount; ++i) {
            runs.push_back(ReadRun(g, step.Runs[i]));
            const std::string name = std::string(step.Runs[i].Down ? "the down " : "the across ") +
                                     std::to_string(runs.back().Total);
            EXPECT_NE(text.find(name), std::string::npos) << text;
        }
        TBruteForce brute(runs, cand);
        const std::uint16_t before = cand[step.Row][step.Col];
        if (step.Place != 0) {
            ASSERT_EQ(step.Place, answer) << text;
            ASSERT_TRUE(brute.Allows(step.Row, step.Col, step.Place)) << text;
            for (int e = 1; e <= 9; ++e) {
                if (e != step.Place && (before & (1u << e))) {
                    ASSERT_FALSE(brute.Allows(step.Row, step.Col, e)) << e << ": " << text;
                }
            }
            cand[step.Row][step.Col] = static_cast<std::uint16_t>(1u << step.Place);
        } else {
            ASSERT_NE(step.Remove, 0);
            ASSERT_EQ(step.Remove & ~before, 0) << text;
            ASSERT_FALSE(step.Remove & (1u << answer)) << text;
            for (int e = 1; e <= 9; ++e) {
                if (step.Remove & (1u << e)) {
                    ASSERT_FALSE(brute.Allows(step.Row, step.Col, e)) << e << ": " << text;
                }
            }
            cand[step.Row][step.Col] = static_cast<std::uint16_t>(before & ~step.Remove);
        }
        board->Apply(step);
        ++count.Steps;
        ++count.ByTechnique[static_cast<int>(step.Technique)];
    }
    solved = board->Solved();
    for (int r = 1; r <= dims.LastRow; ++r)
        for (int c = 1; c <= dims.LastCol; ++c)
            count.Open += board->IsWhite(r, c) && board->Digit(r, c) == 0;
}

// One puzzle of every size and star level, each solved to the end by checked steps; between them
// they need every technique of the ladder.
TEST(LogicSolver, EveryStepOfGeneratedSolutionsFollowsFromItsRuns) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    ASSERT_TRUE(test::AddEveryKindOfPuzzle(*lib, lastId, 2027));
    TSolveCount count;
    for (int slot = 1; slot <= lib->Counts.Total; ++slot) {
        SCOPED_TRACE(slot);
        const TSizeDims size = SizeDims(lib->Info(slot).Size);
        bool solved = false;
        CheckSolution(lib->Grid(slot), TPuzzleDims{size.Rows - 1, size.Cols - 1}, count, solved);
        if (HasFatalFailure()) return;
        EXPECT_TRUE(solved);
    }
    // The made puzzles are checked run by run, so they never need the rungs past the single runs.
    for (int t = 0; t < kTechniqueCount; ++t)
        EXPECT_EQ(count.ByTechnique[t] > 0, t <= static_cast<int>(TTechnique::FittingCombinations))
            << TechniqueName(static_cast<TTechnique>(t));
}

// Answers 1 3 / 3 2 / 8 9: across 4, 5, 17, down 12, 14. The totals also allow 3 1 / 1 4 / 8 9,
// so the steps may fix the bottom row and must stop short of the rest.
const std::vector<std::string> kBlock = {"###", "#13", "#32", "#89"};

TEST(LogicSolver, StopsShortOnTheThreeByTwoBlockThatHasTwoSolutions) {
    TSolveCount count;
    bool solved = true;
    CheckSolution(GridOf(kBlock), kMini, count, solved);
    EXPECT_FALSE(solved);
    EXPECT_EQ(count.Open, 4);
}

// Two small puzzles with one solution each that the single-run techniques cannot finish: the
// first needs the down 11, 5 and 35 against the across 19 and 9 (the three squares of column 3
// below the block add up to 23); the second a digit that leaves the down 10 no completion.
const std::vector<std::string> kNeedsBlock = {"######", "#847##", "#315##",
                                              "###869", "###635", "###98#"};
const std::vector<std::string> kNeedsContradiction = {"####", "#213", "#459", "##47"};

TEST(LogicSolver, BlockSumsAndContradictionFinishWhatSingleRunsCannot) {
    struct TCase {
        const std::vector<std::string>* Rows;
        TTechnique Needs;
        const char* FirstSays;
    };
    const TCase cases[] = {
        {&kNeedsBlock, TTechnique::BlockSums,
         "Take the down 11, the down 5 and the down 35: together they make 51. Of their squares, "
         "the across 19 and the across 9 cover all but rows 3, 4 and 5 of column 3, and make 28. "
         "So those 3 squares add up to 23. No way of filling them from the digits still open in "
         "them makes that with 5 or 7 here. Of 5 to 7, still open here, only 6 is left, so this "
         "square holds 6."},
        {&kNeedsContradiction, TTechnique::Contradiction,
         "Suppose row 1, column 1 held 1. Then row 2, column 1 would hold 5 (Last square, the "
         "down 6). Then row 1, column 2 could not hold 1 (One combination, the across 6). Then row "
         "2, column 2 would hold 6 (Possible digits, the across 18). Then the down 10 could not be "
         "completed: no digits left in its squares make its total. Of 1 and 2, still open here, "
         "only 2 is left, so this square holds 2."},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(TechniqueName(t.Needs));
        TSolveCount count;
        bool solved = false;
        CheckSolution(GridOf(*t.Rows), kMini, count, solved);
        EXPECT_TRUE(solved);
        EXPECT_GT(count.ByTechnique[static_cast<int>(t.Needs)], 0);
        // The first step of that technique, told in full.
        auto board = std::make_unique<TLogicBoard>();
        ASSERT_TRUE(board->Load(GridOf(*t.Rows), kMini));
        TLogicStep step;
        while (board->NextStep(step) && step.Technique != t.Needs) board->Apply(step);
        EXPECT_EQ(StepText(*board, step), t.FirstSays);
    }
}

struct TSquareSetup {
    int Row, Col;
    int Digit;               // placed, or 0
    const char* Candidates;  // "24": the open square's candidates
};

struct TTechniqueCase {
    TTechnique Technique;
    std::vector<std::string> Rows;
    std::vector<TSquareSetup> Setup;
    int Row, Col, Place;
    const char* Removed;  // "3456789"
    const char* Says;
};

std::uint16_t Digits(const char* text) {
    std::uint16_t mask = 0;
    for (const char* p = text; *p != '\0'; ++p)
        mask = static_cast<std::uint16_t>(mask | (1u << (*p - '0')));
    return mask;
}

// Each technique alone on a position made for it, with its whole sentence.
TEST(LogicSolver, EachTechniqueFindsItsStep) {
    const std::vector<TTechniqueCase> cases = {
        {TTechnique::LastSquare,
         {"####", "#125"},
         {{1, 1, 1, ""}, {1, 2, 2, ""}},
         1,
         3,
         5,
         "12346789",
         "The down 5 is a single square, so it holds 5."},
        {TTechnique::Crossing,
         {"###", "#89", "#12"},
         {},
         1,
         1,
         8,
         "12345679",
         "The across 17 needs 17 in 2 squares, so it allows 8 or 9 here. The down 9 needs 9 in 2 "
         "squares, so it allows 1 to 8 here. Only 8 fits both runs, so this square holds 8."},
        {TTechnique::OneCombination,
         {"###", "#79"},
         {},
         1,
         1,
         0,
         "1234568",
         "The across 16 needs 16 in 2 squares. Only 7 and 9 make that. So this square cannot hold "
         "1 "
         "to 6 or 8."},
        {TTechnique::PossibleDigits,
         {"###", "#19"},
         {},
         1,
         1,
         0,
         "5",
         "The across 10 needs 10 in 2 squares. Its combinations are 1,9 / 2,8 / 3,7 / 4,6, and "
         "none of them uses 5. So this square cannot hold 5."},
        {TTechnique::NeededDigit,
         {"####", "#125"},
         {{1, 1, 0, "12"}, {1, 2, 0, "2345"}, {1, 3, 0, "2345"}},
         1,
         1,
         1,
         "2",
         "The across 8 needs 8 in 3 squares. Every combination for that (1,2,5 / 1,3,4) uses 1. No "
         "other open square of the run can still hold 1, so this square holds 1."},
        {TTechnique::LockedDigits,
         {"#####", "#2459"},
         {{1, 1, 0, "24"}, {1, 2, 0, "24"}, {1, 3, 0, "245"}},
         1,
         3,
         5,
         "24",
         "In the across 20, the squares in columns 1 and 2 can only hold 2 and 4 between them, so "
         "no other square of the run can hold those digits. Of 2, 4 and 5, still open here, only 5 "
         "is left, so this square holds 5."},
        {TTechnique::SumRange,
         {"####", "#125"},
         {{1, 2, 0, "23"}, {1, 3, 0, "45"}},
         1,
         1,
         0,
         "3456789",
         "The across 8 needs 8 in 3 squares. Its other 2 open squares add up to at least 6 and at "
         "most 8. So this one holds 1 or 2. This square cannot hold 3 to 9."},
        {TTechnique::FittingCombinations,
         {"###", "#19"},
         {{1, 1, 0, "13"}, {1, 2, 0, "89"}},
         1,
         1,
         1,
         "3",
         "The across 10 needs 10 in 2 squares. Of its combinations only 1,9 fits the digits still "
         "open in its squares. Placed in the run's squares as their digits allow, it leaves this "
         "square only 1. Of 1 and 3, still open here, only 1 is left, so this square holds 1."},
        // A digit already in the run, one too large for the run and one in no combination.
        {TTechnique::PossibleDigits,
         {"####", "#195"},
         {{1, 2, 9, ""}},
         1,
         1,
         0,
         "36789",
         "The across 15 holds 9 already, so it needs 6 more in its 2 open squares. 9 is already in "
         "it. Even 1 + 6 is already 7. Its combinations are 1,5 / 2,4, and none of them uses 3. So "
         "this square cannot hold 3 or 6 to 9."},
        {TTechnique::PossibleDigits,
         {"####", "#123"},
         {{1, 1, 0, "123"}, {1, 3, 3, ""}},
         1,
         1,
         0,
         "3",
         "3 is already in the across 6, so this square cannot hold it."},
        {TTechnique::PossibleDigits,
         {"####", "#298"},
         {},
         1,
         1,
         0,
         "1",
         "The across 19 needs 19 in 3 squares. 1 + 8 + 9 is only 18. So this square cannot hold "
         "1."},
        // One other open square; then three whose least and most take distinct digits.
        {TTechnique::SumRange,
         {"###", "#92"},
         {{1, 2, 0, "23"}},
         1,
         1,
         0,
         "1234567",
         "The across 11 needs 11 in 2 squares. Its other square holds 2 or 3, so this one holds 8 "
         "or 9. This square cannot hold 1 to 7."},
        {TTechnique::SumRange,
         {"######", "#2389"},
         {{1, 1, 0, "123"}, {1, 2, 0, "123"}, {1, 3, 0, "789"}, {1, 4, 0, "789"}},
         1,
         1,
         0,
         "1",
         "The across 22 needs 22 in 4 squares. Its other 3 open squares add up to at least 16 and "
         "at most 20. Two of them cannot both be 7, nor both be 9. So this one holds 2 to 6. This "
         "square cannot hold 1."},
        {TTechnique::FittingCombinations,
         {"####", "#126"},
         {{1, 1, 0, "12"}, {1, 2, 0, "12"}, {1, 3, 0, "3456"}},
         1,
         3,
         6,
         "345",
         "The across 9 needs 9 in 3 squares. Of its combinations only 1,2,6 fits the digits still "
         "open in its squares. Placed in the run's squares as their digits allow, it leaves this "
         "square only 6. Of 3 to 6, still open here, only 6 is left, so this square holds 6."},
    };
    auto board = std::make_unique<TLogicBoard>();
    for (const TTechniqueCase& t : cases) {
        SCOPED_TRACE(TechniqueName(t.Technique));
        ASSERT_TRUE(board->Load(GridOf(t.Rows), kMini));
        for (const TSquareSetup& s : t.Setup) {
            if (s.Digit != 0) {
                board->PlaceDigit(s.Row, s.Col, s.Digit);
            } else {
                board->SetCandidates(s.Row, s.Col, Digits(s.Candidates));
            }
        }
        TLogicStep step;
        ASSERT_TRUE(board->FindStep(t.Technique, step));
        EXPECT_EQ(step.Technique, t.Technique);
        EXPECT_EQ(step.Row, t.Row);
        EXPECT_EQ(step.Col, t.Col);
        EXPECT_EQ(step.Place, t.Place);
        EXPECT_EQ(step.Remove, Digits(t.Removed));
        EXPECT_EQ(StepText(*board, step), t.Says);
    }
}

// The ladder takes the simplest step: the crossing's placement before the across 17's
// combination. A magic square of 15s leaves every digit open, so no step at all.
TEST(LogicSolver, TakesTheSimplestStepOrNone) {
    auto board = std::make_unique<TLogicBoard>();
    ASSERT_TRUE(board->Load(GridOf({"###", "#89", "#12"}), kMini));
    TLogicStep step;
    ASSERT_TRUE(board->NextStep(step));
    EXPECT_EQ(step.Technique, TTechnique::Crossing);
    ASSERT_TRUE(board->Load(GridOf({"####", "#276", "#951", "#438"}), kMini));
    EXPECT_FALSE(board->NextStep(step));
    EXPECT_FALSE(board->Solved());
}

}  // namespace
}  // namespace xs
