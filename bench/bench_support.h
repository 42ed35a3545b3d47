// What the benchmarks share: a generated puzzle to measure on, and a message sink that agrees.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "generate/driver.h"
#include "storage/messages.h"

namespace xs::bench {

// Makes one puzzle of the size and star level with the given seed and appends it to `lib`, as a
// batch of the create screen would. Returns false when the batch did not finish.
inline bool AppendGenerated(TPuzzleLibrary& lib, std::int32_t& lastId, TPuzzleSize size, int stars,
                            std::uint64_t seed = 2026) {
    auto batch = std::make_unique<TCreationBatch>();
    batch->SizeCode = static_cast<int>(size);
    batch->CreateCounts[0] = 1;
    batch->CreateCounts[stars] = 1;
    TRandom rng(seed);
    TGenControl control;
    control.Rng = &rng;
    return batch->Run(lib, lastId, control) == TBatchResult::Done;
}

// Answers every question with O.K. or the first option.
class TOkMessages : public TMessages {
public:
    int ShowMsg(const std::string&, TButtons) override { return kResultOk; }
    int ShowOptions(const std::string&, int, const TOptionTexts&, bool, bool) override {
        return OptionResult(0);
    }
    bool PrintCurrentState() const override { return false; }
};

}  // namespace xs::bench
