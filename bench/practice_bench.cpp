// Practice puzzles: the time to make a Medium puzzle whose hardest technique is the chosen one.
// Each repetition makes one puzzle from its own seed; the median and the 90th percentile are what
// a player waits after pressing "Practise".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "progress/practice.h"

namespace {

using namespace xs;

void MakePractice(benchmark::State& state) {
    const auto technique = static_cast<TTechnique>(state.range(0));
    const int sizeCode = static_cast<int>(state.range(1));
    static std::uint64_t seed = 1;
    auto work = std::make_unique<TPracticeWork>();
    TPuzzleGrid puzzle{};
    int tries = 0;
    int made = 0;
    for (auto _ : state) {
        TRandom rng(seed++);
        TGenControl control;
        control.Rng = &rng;
        const TPracticeOutcome outcome =
            MakePracticePuzzle(technique, sizeCode, control, *work, puzzle);
        tries += outcome.Tries;
        made += outcome.Result == TPracticeResult::Made ? 1 : 0;
    }
    state.SetLabel(TechniqueName(technique));
    state.counters["tries"] = benchmark::Counter(tries, benchmark::Counter::kAvgIterations);
    state.counters["made"] = benchmark::Counter(made, benchmark::Counter::kAvgIterations);
}

double P90(const std::vector<double>& v) {
    std::vector<double> sorted = v;
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::min(sorted.size() - 1, sorted.size() * 9 / 10)];
}

// Medium size (code 1). Techniques seen as the hardest step of the generator's puzzles: 20
// puzzles each. The others: one search each, which ends after its 400 tries (docs/progress.md).
bool Seen(TTechnique t) {
    return t == TTechnique::Crossing || t == TTechnique::NeededDigit ||
           t == TTechnique::LockedDigits || t == TTechnique::SumRange ||
           t == TTechnique::FittingCombinations;
}

void SeenTechniques(benchmark::internal::Benchmark* b) {
    for (int t = 0; t < kTechniqueCount; ++t)
        if (Seen(static_cast<TTechnique>(t))) b->Args({t, 1});
}

void UnseenTechniques(benchmark::internal::Benchmark* b) {
    for (int t = 0; t < kTechniqueCount; ++t) {
        const auto technique = static_cast<TTechnique>(t);
        if (PracticeTechnique(technique) && !Seen(technique)) b->Args({t, 1});
    }
}

BENCHMARK(MakePractice)
    ->Name("MakePractice/seen")
    ->Apply(SeenTechniques)
    ->Iterations(1)
    ->Repetitions(20)
    ->ComputeStatistics("p90", P90)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(MakePractice)
    ->Name("MakePractice/unseen")
    ->Apply(UnseenTechniques)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
