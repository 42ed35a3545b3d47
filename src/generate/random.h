// The generator's one random source: Random(n) is uniform in 0..n-1, reproducible from a seed.
#pragma once

#include <cstdint>
#include <random>

namespace xs {

class TRandom {
public:
    explicit TRandom(std::uint64_t seed = 1) : engine_(seed) {}

    void Seed(std::uint64_t seed) { engine_.seed(seed); }

    // Uniform in 0..n-1 for n >= 1 (0 for n below 1). The engine's output is fixed by the
    // standard and the reduction below is ours, so a seed gives the same numbers everywhere.
    std::int32_t Random(std::int32_t n) {
        if (n <= 1) return 0;
        const std::uint64_t range = static_cast<std::uint64_t>(n);
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        std::uint64_t v;
        do {
            v = engine_();
        } while (v >= limit);
        return static_cast<std::int32_t>(v % range);
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace xs
