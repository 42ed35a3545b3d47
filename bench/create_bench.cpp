// How long the create screen's window can go without a chance to paint or take the stop click
// while a batch runs: the longest gap between two polls (or a poll and the end of a puzzle).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "manage/create_state.h"

namespace xs {
namespace {

class TSilentMessages : public TMessages {
public:
    int ShowMsg(const std::string&, TButtons) override { return kResultCancel; }
    int ShowOptions(const std::string&, int, const TOptionTexts&, bool, bool) override {
        return kResultCancel;
    }
    bool PrintCurrentState() const override { return false; }
};

// The processor time this thread has used, in seconds: unlike the wall clock it leaves out the
// time the thread waited for a shared machine.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

const char* const kSizeNames[4] = {"Small", "Medium", "Large", "Mini"};
constexpr int kPerLevel = 2;

// One batch of two puzzles of every level per iteration, through the screen's state as the
// window runs it. The window pumps its events at every poll and after every puzzle.
void BM_PollGap(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const int sizeCode = static_cast<int>(state.range(0));
    auto file = std::make_unique<TDataFileRecord>();
    std::memset(file.get(), 0, sizeof *file);
    file->Settings.CreateSize = sizeCode;
    TSilentMessages messages;
    TCreateState create(file->Settings, file->Library, messages,
                        static_cast<std::uint64_t>(500 + sizeCode));

    double longest = 0.0;
    double longestCpu = 0.0;
    double total = 0.0;
    std::int64_t gaps = 0;
    Clock::time_point last;
    double lastCpu = 0.0;
    const auto mark = [&] {
        const Clock::time_point now = Clock::now();
        const double nowCpu = ThreadSeconds();
        const double gap = std::chrono::duration<double>(now - last).count();
        longest = std::max(longest, gap);
        longestCpu = std::max(longestCpu, nowCpu - lastCpu);
        total += gap;
        ++gaps;
        last = now;
        lastCpu = nowCpu;
    };
    TBatchHooks hooks;
    hooks.Poll = mark;
    hooks.AfterEach = [&](const TBatchStep&) { mark(); };

    for (auto _ : state) {
        file->Library.Counts = TPuzzleCounts{};
        std::memset(file->Library.Infos, 0, sizeof file->Library.Infos);
        create.Refresh();
        for (int level = 1; level <= 5; ++level)
            for (int i = 0; i < kPerLevel; ++i) create.SpinUp(level);
        last = Clock::now();
        lastCpu = ThreadSeconds();
        if (create.Create(hooks) != TBatchResult::Done) state.SkipWithError("batch did not finish");
    }
    state.counters["max_gap_ms"] = 1000.0 * longest;
    state.counters["max_cpu_gap_ms"] = 1000.0 * longestCpu;
    state.counters["mean_gap_us"] =
        1e6 * total / static_cast<double>(std::max<std::int64_t>(1, gaps));
    state.counters["polls_per_puzzle"] =
        static_cast<double>(gaps) / static_cast<double>(state.iterations() * 5 * kPerLevel);
    state.SetLabel(kSizeNames[sizeCode]);
}

BENCHMARK(BM_PollGap)
    ->Args({3})
    ->Args({0})
    ->Args({1})
    ->Args({2})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->ArgName("size");

}  // namespace
}  // namespace xs

BENCHMARK_MAIN();
