// One made puzzle of every size and star level, for the tests that must hold for all of them.
#pragma once

#include <cstdint>
#include <memory>

#include "generate/driver.h"
#include "generate/random.h"

namespace xs::test {

// Appends 20 puzzles made from seed, as the create screen makes them: for each size code 0..3,
// one of each star level, lowest first. False when a batch did not finish.
inline bool AddEveryKindOfPuzzle(TPuzzleLibrary& lib, std::int32_t& lastId, std::uint64_t seed) {
    auto batch = std::make_unique<TCreationBatch>();
    TRandom rng(seed);
    TGenControl control;
    control.Rng = &rng;
    for (int size = 0; size < 4; ++size) {
        batch->SizeCode = size;
        batch->CreateCounts[0] = 5;
        for (int level = 1; level <= 5; ++level) batch->CreateCounts[level] = 1;
        if (batch->Run(lib, lastId, control) != TBatchResult::Done) return false;
    }
    return true;
}

}  // namespace xs::test
