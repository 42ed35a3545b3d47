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
    for (int t = 0; t < kTechniqueCount; ++t)
        EXPECT_GT(count.ByTechnique[t], 0) << TechniqueName(static_cast<TTechnique>(t));
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

// Each technique alone on a position made for it.
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
         "the down 9 allows 1 to 8: only 8 fits both runs"},
        {TTechnique::OneCombination,
         {"###", "#79"},
         {},
         1,
         1,
         0,
         "1234568",
         "The across 16 needs 16 in two squares, and only 7 and 9 make that"},
        {TTechnique::PossibleDigits, {"###", "#19"}, {}, 1, 1, 0, "5", "cannot hold 5."},
        {TTechnique::NeededDigit,
         {"####", "#125"},
         {{1, 1, 0, "12"}, {1, 2, 0, "2345"}, {1, 3, 0, "2345"}},
         1,
         1,
         1,
         "2",
         "every combination for that (1,2,5 / 1,3,4) uses 1"},
        {TTechnique::LockedDigits,
         {"#####", "#2459"},
         {{1, 1, 0, "24"}, {1, 2, 0, "24"}, {1, 3, 0, "245"}},
         1,
         3,
         5,
         "24",
         "Two open squares of the across 20 can only hold 2 and 4 between them"},
        {TTechnique::SumRange,
         {"####", "#125"},
         {{1, 2, 0, "23"}, {1, 3, 0, "45"}},
         1,
         1,
         0,
         "3456789",
         "add up to at least 6 and at most 8, which leaves this square from 1 to 2"},
        {TTechnique::FittingCombinations,
         {"###", "#19"},
         {{1, 1, 0, "13"}, {1, 2, 0, "89"}},
         1,
         1,
         1,
         "3",
         "only 1,9 fits"},
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
        const std::string text = StepText(*board, step);
        EXPECT_NE(text.find(t.Says), std::string::npos) << text;
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
