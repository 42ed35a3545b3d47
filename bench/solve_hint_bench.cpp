// How long the next-step hint takes on a generated Large 5-star puzzle: from the empty board,
// where the most squares are open, from a board half filled in, and every hint of a solve; and
// the teaching solver's whole explanation, of that puzzle and of one that needs block sums.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_support.h"
#include "logic/logic_solver.h"
#include "logic/next_step_hint.h"

namespace xs {
namespace {

const TPuzzleGrid& LargeFiveStar() {
    static const TPuzzleGrid grid = [] {
        auto lib = std::make_unique<TPuzzleLibrary>();
        std::int32_t lastId = 0;
        bench::AppendGenerated(*lib, lastId, TPuzzleSize::Large, 5);
        return lib->Grid(1);
    }();
    return grid;
}

void BM_HintOnEmptyLargeFiveStar(benchmark::State& state) {
    const TPuzzleGrid& grid = LargeFiveStar();
    for (auto _ : state) benchmark::DoNotOptimize(FindNextStep(grid, TPuzzleDims{15, 25}));
}
BENCHMARK(BM_HintOnEmptyLargeFiveStar)->Unit(benchmark::kMillisecond);

void BM_HintOnHalfFilledLargeFiveStar(benchmark::State& state) {
    auto grid = std::make_unique<TPuzzleGrid>(LargeFiveStar());
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 25; ++c)
            if (grid->Sq[r][c].Kind == White && (r + c) % 2 == 0)
                grid->Sq[r][c].Entry = static_cast<std::uint8_t>(grid->Sq[r][c].Answer());
    for (auto _ : state) benchmark::DoNotOptimize(FindNextStep(*grid, TPuzzleDims{15, 25}));
}
BENCHMARK(BM_HintOnHalfFilledLargeFiveStar)->Unit(benchmark::kMillisecond);

// The whole board solved by hints alone, one step after another: a placed digit becomes the
// entry, a narrowing the square's marks. Items are hints.
void BM_HintReplayLargeFiveStar(benchmark::State& state) {
    auto grid = std::make_unique<TPuzzleGrid>();
    std::int64_t hints = 0;
    for (auto _ : state) {
        *grid = LargeFiveStar();
        for (;;) {
            const TNextStep step = FindNextStep(*grid, TPuzzleDims{15, 25});
            ++hints;
            if (step.Kind == THintKind::Deduced) {
                grid->Sq[step.Row][step.Col].Entry = static_cast<std::uint8_t>(step.Digit);
            } else if (step.Kind == THintKind::Narrowed) {
                NarrowMarks(grid->Sq[step.Row][step.Col], step.Remove);
            } else {
                break;
            }
        }
    }
    state.SetItemsProcessed(hints);
}
BENCHMARK(BM_HintReplayLargeFiveStar)->Unit(benchmark::kMillisecond);

// The teaching solver's whole solution from the empty board, every step's sentence included, as
// "crosssums-cli explain" prints it. Items are steps.
void BM_ExplainLargeFiveStar(benchmark::State& state) {
    auto board = std::make_unique<TLogicBoard>();
    std::int64_t steps = 0;
    for (auto _ : state) {
        board->Load(LargeFiveStar(), TPuzzleDims{15, 25});
        TLogicStep step;
        while (board->NextStep(step)) {
            benchmark::DoNotOptimize(StepText(*board, step));
            board->Apply(step);
            ++steps;
        }
        if (!board->Solved()) state.SkipWithError("not solved");
    }
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_ExplainLargeFiveStar)->Unit(benchmark::kMillisecond);

// A 16 x 26 puzzle the single-run techniques cannot finish: eight copies of a small puzzle whose
// column below a block of two rows is fixed by the block's sums.
const TPuzzleGrid& LargeNeedingBlockSums() {
    static const TPuzzleGrid grid = [] {
        const char* const tile[] = {"######", "#847##", "#315##", "###869", "###635", "###98#"};
        TPuzzleGrid g{};
        for (int r = 0; r < kGridRows; ++r)
            for (int c = 0; c < kGridCols; ++c) g.Sq[r][c].Kind = Black;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 4; ++j)
                for (int r = 0; r < 6; ++r)
                    for (int c = 0; c < 6; ++c)
                        if (tile[r][c] != '#') {
                            TSquare& sq = g.Sq[6 * i + r][6 * j + c];
                            sq.Kind = White;
                            sq.SetAnswer(tile[r][c] - '0');
                        }
        for (int r = 0; r < kGridRows; ++r)
            for (int c = 0; c < kGridCols; ++c) {
                TSquare& s = g.Sq[r][c];
                if (s.Kind != Black) continue;
                for (int k = 1; c + k < kGridCols && g.Sq[r][c + k].Kind == White; ++k) {
                    s.AcrossSquares = static_cast<std::uint8_t>(k);
                    s.AcrossTotal += g.Sq[r][c + k].Answer();
                }
                for (int k = 1; r + k < kGridRows && g.Sq[r + k][c].Kind == White; ++k) {
                    s.DownSquares = static_cast<std::uint8_t>(k);
                    s.DownTotal += g.Sq[r + k][c].Answer();
                }
            }
        return g;
    }();
    return grid;
}

// The whole explanation of a puzzle that needs block sums. Items are steps.
void BM_ExplainLargeNeedingBlockSums(benchmark::State& state) {
    auto board = std::make_unique<TLogicBoard>();
    std::int64_t steps = 0;
    for (auto _ : state) {
        board->Load(LargeNeedingBlockSums(), TPuzzleDims{15, 25});
        TLogicStep step;
        bool block = false;
        while (board->NextStep(step)) {
            benchmark::DoNotOptimize(StepText(*board, step));
            block |= step.Technique == TTechnique::BlockSums;
            board->Apply(step);
            ++steps;
        }
        if (!board->Solved() || !block) state.SkipWithError("not solved by block sums");
    }
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_ExplainLargeNeedingBlockSums)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace xs

BENCHMARK_MAIN();
