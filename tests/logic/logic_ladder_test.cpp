// The ladder takes the simplest step: at every step of the made puzzles' solutions a brute force of
// its own finds no simpler technique with a step, and no placement by the same technique where a
// removal was taken; and the numbers each sentence quotes are those of the board.
#include <gtest/gtest.h>

#include <bit>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "logic/logic_solver.h"
#include "solve/text_grid.h"
#include "support/generated_puzzles.h"

namespace xs {
namespace {

using TMask = unsigned;

int Pop(TMask m) {
    return std::popcount(m);
}

int SumOf(TMask m) {
    int s = 0;
    for (int d = 1; d <= 9; ++d)
        if (m & (1u << d)) s += d;
    return s;
}

// One run of the board as the test sees it.
struct TRunView {
    std::vector<std::pair<int, int>> Open;
    TMask Placed = 0;
    int Remainder = 0;
    int Length = 0;
    bool Down = false;
    int Total = 0;
    std::vector<TMask> Sets;  // its digit sets for what it lacks
};

// Every digit set by its size.
const std::vector<TMask>& SetsOfSize(int n) {
    static const auto table = [] {
        std::vector<std::vector<TMask>> t(10);
        for (TMask m = 2; m < 1024; m += 2) t[Pop(m)].push_back(m);
        return t;
    }();
    return table[n];
}

// The digit sets of n distinct digits, none placed, adding up to sum.
std::vector<TMask> SetsFor(int n, int sum, TMask placed) {
    std::vector<TMask> out;
    for (TMask m : SetsOfSize(n))
        if (SumOf(m) == sum && !(m & placed)) out.push_back(m);
    return out;
}

// Whether the squares' candidates can take the digits of set, one each.
bool Match(const std::vector<TMask>& cand, std::size_t i, TMask set) {
    if (i == cand.size()) return set == 0;
    for (int d = 1; d <= 9; ++d)
        if ((set & cand[i] & (1u << d)) && Match(cand, i + 1, set & ~(1u << d))) return true;
    return false;
}

// The steps one technique allows on a run: per open square, the candidates it keeps.
struct TFinds {
    bool Any = false;
    bool Placement = false;
    void Keep(TMask cand, TMask kept) {
        kept &= cand;
        if (kept == 0 || kept == cand) return;
        Any = true;
        Placement |= Pop(kept) == 1;
    }
};

TFinds RunRung(TTechnique t, const TRunView& run, const std::vector<TMask>& cand) {
    TFinds f;
    const int n = static_cast<int>(cand.size());
    const std::vector<TMask>& sets = run.Sets;
    TMask any = 0;
    TMask every = 0x3FE;
    for (TMask s : sets) any |= s, every &= s;
    switch (t) {
        case TTechnique::LastSquare:
            if (n == 1 && run.Remainder >= 1 && run.Remainder <= 9 &&
                !(run.Placed & (1u << run.Remainder)))
                f.Keep(cand[0], 1u << run.Remainder);
            break;
        case TTechnique::OneCombination:
        case TTechnique::PossibleDigits:
            if (n >= 2 && !sets.empty() && (t == TTechnique::PossibleDigits || sets.size() == 1))
                for (TMask c : cand) f.Keep(c, any);
            break;
        case TTechnique::NeededDigit:
            if (n < 2 || sets.empty()) break;
            for (int d = 1; d <= 9; ++d) {
                int where = -1, fits = 0;
                for (int k = 0; k < n; ++k)
                    if (cand[k] & (1u << d)) where = k, ++fits;
                if ((every & (1u << d)) && fits == 1) f.Keep(cand[where], 1u << d);
            }
            break;
        case TTechnique::LockedDigits:
            for (TMask g = 1; n >= 3 && g < (1u << n) - 1; ++g) {
                TMask digits = 0;
                for (int k = 0; k < n; ++k)
                    if (g & (1u << k)) digits |= cand[k];
                if (Pop(g) < 2 || Pop(digits) != Pop(g)) continue;
                for (int k = 0; k < n; ++k)
                    if (!(g & (1u << k)) && (cand[k] & digits)) f.Keep(cand[k], cand[k] & ~digits);
            }
            break;
        case TTechnique::SumRange:
        case TTechnique::FittingCombinations:
            for (int k = 0; n >= 2 && k < n; ++k) {
                std::vector<TMask> others;
                for (int j = 0; j < n; ++j)
                    if (j != k) others.push_back(cand[j] & ~run.Placed);
                TMask kept = 0;
                if (t == TTechnique::FittingCombinations) {
                    for (TMask s : sets)
                        for (int d = 1; d <= 9; ++d)
                            if ((s & cand[k] & (1u << d)) && Match(others, 0, s & ~(1u << d)))
                                kept |= 1u << d;
                } else if (n == 2) {
                    for (int x = 1; x <= 9; ++x) {
                        const int e = run.Remainder - x;
                        if ((others[0] & (1u << x)) && e >= 1 && e <= 9 && e != x) kept |= 1u << e;
                    }
                } else {
                    int low = 99, high = -1;
                    for (TMask s : SetsOfSize(n - 1))
                        if (Match(others, 0, s))
                            low = std::min(low, SumOf(s)), high = std::max(high, SumOf(s));
                    if (high < 0) continue;
                    for (int e = std::max(1, run.Remainder - high);
                         e <= std::min(9, run.Remainder - low); ++e)
                        kept |= 1u << e;
                }
                f.Keep(cand[k], kept);
            }
            break;
        default:
            break;
    }
    return f;
}

class TView {
public:
    TView(const TLogicBoard& board, const TPuzzleGrid& g, const TPuzzleDims& dims) {
        for (int r = 0; r <= dims.LastRow; ++r)
            for (int c = 0; c <= dims.LastCol; ++c)
                for (int dir = 0; dir < 2 && g.Sq[r][c].Kind == Black; ++dir) {
                    const int len = dir ? g.Sq[r][c].DownSquares : g.Sq[r][c].AcrossSquares;
                    if (len == 0) continue;
                    TRunView run;
                    run.Down = dir == 1;
                    run.Total = dir ? g.Sq[r][c].DownTotal : g.Sq[r][c].AcrossTotal;
                    run.Remainder = run.Total;
                    run.Length = len;
                    for (int k = 1; k <= len; ++k) {
                        const int rr = dir ? r + k : r, cc = dir ? c : c + k;
                        if (board.Digit(rr, cc) != 0) {
                            run.Placed |= 1u << board.Digit(rr, cc);
                            run.Remainder -= board.Digit(rr, cc);
                        } else {
                            run.Open.push_back({rr, cc});
                        }
                    }
                    run.Sets =
                        SetsFor(static_cast<int>(run.Open.size()), run.Remainder, run.Placed);
                    Runs.push_back(run);
                }
    }
    std::vector<TRunView> Runs;
};

// Whether technique t has any step (and any placement) on the board.
TFinds Rung(TTechnique t, const TLogicBoard& board, const TView& view) {
    TFinds all;
    auto cand = [&](const TRunView& run) {
        std::vector<TMask> out;
        for (auto [r, c] : run.Open) out.push_back(board.Candidates(r, c));
        return out;
    };
    if (t == TTechnique::Crossing) {
        // Every open square in two runs: the digits both runs' sets use.
        std::vector<std::vector<TMask>> unions(2, std::vector<TMask>(kGridRows * kGridCols, 0));
        std::vector<std::vector<bool>> has(2, std::vector<bool>(kGridRows * kGridCols, false));
        for (const TRunView& run : view.Runs) {
            TMask any = 0;
            for (TMask s : run.Sets) any |= s;
            for (auto [r, c] : run.Open) {
                unions[run.Down][r * kGridCols + c] = any;
                has[run.Down][r * kGridCols + c] = true;
            }
        }
        for (int i = 0; i < kGridRows * kGridCols; ++i) {
            if (!has[0][i] || !has[1][i]) continue;
            const TMask c = board.Candidates(i / kGridCols, i % kGridCols);
            const TMask both = c & unions[0][i] & unions[1][i];
            if (Pop(both) == 1 && Pop(c & unions[0][i]) != 1 && Pop(c & unions[1][i]) != 1)
                all.Keep(c, both);
        }
        return all;
    }
    for (const TRunView& run : view.Runs) {
        if (run.Open.empty()) continue;
        const TFinds f = RunRung(t, run, cand(run));
        all.Any |= f.Any;
        all.Placement |= f.Placement;
    }
    return all;
}

// The numbers a sentence quotes about its first run, against the board.
void CheckNumbers(const std::string& text, const TLogicBoard& board, const TLogicStep& step) {
    const TLogicRun& run = board.Run(step.Runs[0]);
    const TLogicBoard::TRunState st = board.StateOf(run);
    std::smatch m;
    const std::string name =
        std::string(run.Down ? "down " : "across ") + std::to_string(run.Total);
    if (std::regex_search(text, m, std::regex("The " + name + " needs (\\d+) in (\\d+) squares"))) {
        EXPECT_EQ(std::stoi(m[1]), run.Total) << text;
        EXPECT_EQ(std::stoi(m[2]), st.Open) << text;
        EXPECT_EQ(st.Placed, 0) << text;
    }
    if (std::regex_search(text, m,
                          std::regex("The " + name +
                                     " holds ([\\d, and]+) already,? (?:so it )?(?:and )?needs "
                                     "(\\d+) more in its (\\d+) open squares"))) {
        EXPECT_EQ(std::stoi(m[2]), st.Remainder) << text;
        EXPECT_EQ(std::stoi(m[3]), st.Open) << text;
        TMask said = 0;
        for (char ch : m[1].str())
            if (ch >= '1' && ch <= '9') said |= 1u << (ch - '0');
        EXPECT_EQ(said, st.Placed) << text;
    }
}

// The least and most a Smallest and largest sums sentence quotes, against the test's own bound.
void CheckSums(const std::string& text, const TLogicBoard& board, const TLogicStep& step) {
    std::smatch m;
    if (!std::regex_search(
            text, m, std::regex("add up to (?:at least |exactly )(\\d+)(?: and at most )?(\\d*)")))
        return;
    const TLogicBoard::TRunState st = board.StateOf(board.Run(step.Runs[0]));
    std::vector<TMask> others;
    for (int k = 0; k < st.Open; ++k)
        if (st.OpenRows[k] != step.Row || st.OpenCols[k] != step.Col)
            others.push_back(st.OpenCand[k] & ~TMask{st.Placed});
    int low = 99, high = -1;
    for (TMask s : SetsOfSize(static_cast<int>(others.size())))
        if (Match(others, 0, s)) low = std::min(low, SumOf(s)), high = std::max(high, SumOf(s));
    EXPECT_EQ(std::stoi(m[1]), low) << text;
    EXPECT_EQ(m[2].str().empty() ? low : std::stoi(m[2]), high) << text;
}

TEST(LogicLadder, EveryStepIsTheSimplestAndQuotesTheBoard) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    ASSERT_TRUE(test::AddEveryKindOfPuzzle(*lib, lastId, 77));
    // Mini and Small, every level (the larger sizes add length, not new cases), and two small
    // puzzles that need Block sums and Contradiction: no single-run step may be left before those.
    std::vector<std::pair<TPuzzleGrid, TPuzzleDims>> puzzles;
    for (int slot = 1; slot <= 10; ++slot) {
        const TSizeDims size = SizeDims(lib->Info(slot).Size);
        puzzles.push_back({lib->Grid(slot), TPuzzleDims{size.Rows - 1, size.Cols - 1}});
    }
    for (const auto& rows :
         {std::vector<std::string>{"######", "#847##", "#315##", "###869", "###635", "###98#"},
          std::vector<std::string>{"####", "#213", "#459", "##47"}})
        puzzles.push_back({test::GridOf(rows), TPuzzleDims{8, 12}});
    auto board = std::make_unique<TLogicBoard>();
    for (std::size_t p = 0; p < puzzles.size(); ++p) {
        SCOPED_TRACE(p);
        const auto& [grid, dims] = puzzles[p];
        ASSERT_TRUE(board->Load(grid, dims));
        TLogicStep step;
        while (board->NextStep(step)) {
            const TView view(*board, grid, dims);
            SCOPED_TRACE(std::string(TechniqueName(step.Technique)) + " at " +
                         std::to_string(step.Row) + "," + std::to_string(step.Col));
            const int t0 = static_cast<int>(step.Technique);
            for (int t = 0; t < t0 && t <= static_cast<int>(TTechnique::FittingCombinations); ++t)
                ASSERT_FALSE(Rung(static_cast<TTechnique>(t), *board, view).Any)
                    << TechniqueName(static_cast<TTechnique>(t));
            if (step.Technique <= TTechnique::FittingCombinations) {
                const TFinds same = Rung(step.Technique, *board, view);
                ASSERT_TRUE(same.Any);
                if (step.Place == 0) {
                    ASSERT_FALSE(same.Placement);
                }
            }
            const std::string text = StepText(*board, step);
            CheckNumbers(text, *board, step);
            CheckSums(text, *board, step);
            if (HasFailure()) return;
            board->Apply(step);
        }
        EXPECT_TRUE(board->Solved());
    }
}

}  // namespace
}  // namespace xs
