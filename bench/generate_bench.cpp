// How long the generator takes per accepted puzzle, for every size and level, and what it retries.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "generate/driver.h"

namespace xs {
namespace {

// Layout attempts are the polls made while the layout generator runs.
bool inLayout = false;
std::int64_t layoutAttempts = 0;

void CountingGenerateLayout(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                            TGenControl& control) {
    inLayout = true;
    GenerateLayout(level, sizeCode, bounds, work, control);
    inLayout = false;
}

const char* const kSizeNames[4] = {"Small", "Medium", "Large", "Mini"};

// The processor time this thread has used, in seconds: on a shared machine the wall clock also
// counts the time the thread waited for a core.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One puzzle per iteration, from a seed fixed by size and level, so that runs compare. Reports
// the median, 90th percentile and largest of the per-puzzle times next to the mean that the
// library shows, on the wall clock and in processor time.
void BM_Generate(benchmark::State& state) {
    const int sizeCode = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::memset(lib.get(), 0, sizeof *lib);
    auto batch = std::make_unique<TCreationBatch>();
    batch->SizeCode = sizeCode;
    batch->Pipeline.GenerateLayout = &CountingGenerateLayout;
    TRandom rng(static_cast<std::uint64_t>(1000 + 10 * sizeCode + level));
    TGenControl control;
    control.Rng = &rng;
    control.PollProgress = [] {
        if (inLayout) ++layoutAttempts;
    };
    layoutAttempts = 0;
    std::int32_t lastId = 0;
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    seconds.reserve(static_cast<std::size_t>(state.max_iterations));
    cpuSeconds.reserve(static_cast<std::size_t>(state.max_iterations));

    // The library holds 100 puzzles and the benchmark makes 200: every iteration starts from an
    // empty library, so that each puzzle lands in slot 1.
    for (auto _ : state) {
        lib->Counts = TPuzzleCounts{};
        std::memset(lib->Infos, 0, sizeof lib->Infos);
        batch->CreateCounts[0] = 1;
        batch->CreateCounts[level] = 1;
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadSeconds();
        const TBatchResult result = batch->Run(*lib, lastId, control);
        cpuSeconds.push_back(ThreadSeconds() - cpuStart);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (result != TBatchResult::Done) state.SkipWithError("batch did not finish");
    }

    std::sort(seconds.begin(), seconds.end());
    std::sort(cpuSeconds.begin(), cpuSeconds.end());
    const TBatchStats& s = batch->Stats;
    const auto puzzles = static_cast<double>(s.Accepted);
    const bool canned =
        sizeCode == static_cast<int>(TPuzzleSize::Large) && (level == 1 || level == 5);
    state.counters["median_ms"] = 1000.0 * seconds[seconds.size() / 2];
    state.counters["p90_ms"] = 1000.0 * seconds[seconds.size() * 9 / 10];
    state.counters["max_ms"] = 1000.0 * seconds.back();
    state.counters["median_cpu_ms"] = 1000.0 * cpuSeconds[cpuSeconds.size() / 2];
    state.counters["p90_cpu_ms"] = 1000.0 * cpuSeconds[cpuSeconds.size() * 9 / 10];
    state.counters["max_cpu_ms"] = 1000.0 * cpuSeconds.back();
    state.counters["attempts_per_layout"] =
        canned ? 0.0 : static_cast<double>(layoutAttempts) / static_cast<double>(s.Layouts);
    state.counters["layouts_per_puzzle"] = static_cast<double>(s.Layouts) / puzzles;
    state.counters["fills_per_puzzle"] = static_cast<double>(s.Fills) / puzzles;
    state.counters["fill_success"] =
        static_cast<double>(s.FillsSucceeded) / static_cast<double>(s.Fills);
    state.counters["check_pass"] = puzzles / static_cast<double>(s.Verified);
    state.SetLabel(std::string(kSizeNames[sizeCode]) + " " + std::to_string(level) + " star");
}

void GenerateArgs(benchmark::internal::Benchmark* b) {
    for (int sizeCode : {3, 0, 1, 2})
        for (int level = 1; level <= 5; ++level) b->Args({sizeCode, level});
}

BENCHMARK(BM_Generate)
    ->Apply(GenerateArgs)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"size", "stars"});

// The solver check and export alone, on a puzzle that the batch just finished: the least work
// that any puzzle costs.
void BM_VerifyAndExport(benchmark::State& state) {
    const int sizeCode = static_cast<int>(state.range(0));
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::memset(lib.get(), 0, sizeof *lib);
    auto batch = std::make_unique<TCreationBatch>();
    batch->SizeCode = sizeCode;
    batch->CreateCounts[0] = 1;
    batch->CreateCounts[3] = 1;
    TRandom rng(7);
    TGenControl control;
    control.Rng = &rng;
    std::int32_t lastId = 0;
    if (batch->Run(*lib, lastId, control) != TBatchResult::Done) {
        state.SkipWithError("no puzzle to check");
        return;
    }
    auto puzzle = std::make_unique<TPuzzleGrid>();
    for (auto _ : state) {
        std::memset(puzzle.get(), 0, sizeof *puzzle);
        std::int32_t failed = 0;
        VerifyAndExport(batch->Bounds(), batch->Work(), *puzzle, failed);
        benchmark::DoNotOptimize(failed);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string(kSizeNames[sizeCode]) + " 3 star");
}

BENCHMARK(BM_VerifyAndExport)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond)->ArgName("size");

}  // namespace
}  // namespace xs

BENCHMARK_MAIN();
