// Batches of new puzzles: the request counters, the batch loop and the progress caption rule.
#include "generate/driver.h"

#include <cmath>
#include <cstring>

#include "model/slot_check.h"

namespace xs {

namespace {

bool IsLevel(int level) {
    return level >= kMinDifficulty && level <= kMaxDifficulty;
}

}  // namespace

bool CreateCountUp(TCreateCounts& createCounts, const TPuzzleCounts& counts, int level) {
    if (!IsLevel(level)) return false;
    // The library's total may come from a damaged file; the clamped count is what the slots hold.
    if (createCounts[level] >= MaxPuzzles || UsedSlots(counts) + createCounts[0] >= MaxPuzzles)
        return false;
    createCounts[level] += 1;
    createCounts[0] += 1;
    return true;
}

bool CreateCountDown(TCreateCounts& createCounts, int level) {
    if (!IsLevel(level) || createCounts[level] <= 0) return false;
    createCounts[level] -= 1;
    createCounts[0] -= 1;
    return true;
}

const char* ProgressCaption(double batchStartDays, double nowDays) {
    const long long elapsed = std::llround((nowDays - batchStartDays) * 100000.0);
    return elapsed % 2 != 0 ? kCreatingCaption : "";
}

const char* BatchProblem(const TCreateCounts& createCounts, const TPuzzleCounts& counts) {
    if (counts.Total < 0 || counts.Total > MaxPuzzles)
        return "the library's puzzle count is damaged";
    int requested = 0;
    for (int level = kMinDifficulty; level <= kMaxDifficulty; ++level) {
        if (createCounts[level] < 0 || createCounts[level] > MaxPuzzles)
            return "a requested count is out of range";
        requested += createCounts[level];
    }
    if (counts.Total + requested > MaxPuzzles)
        return "the library would hold more than 100 puzzles";
    return nullptr;
}

bool TCreationBatch::MakePuzzle(TGenControl& control) {
    const bool large = SizeCode == static_cast<int>(TPuzzleSize::Large);
    while (!control.CancelRequested) {
        if (large && level_ == 1) {
            Pipeline.PickCannedLayoutEasy(bounds_, work_, control);
        } else if (large && level_ == 5) {
            Pipeline.PickCannedLayoutHard(SizeCode, bounds_, work_, control);
        } else {
            Pipeline.GenerateLayout(level_, SizeCode, bounds_, work_, control);
        }
        if (control.CancelRequested) break;
        ++Stats.Layouts;

        int result = kFillFailed;
        for (int fill = 0; fill < 2 && !control.CancelRequested && result == kFillFailed; ++fill) {
            result = Pipeline.FillPuzzle(level_, SizeCode, bounds_, work_, control);
            ++Stats.Fills;
            if (result == kFillDone) ++Stats.FillsSucceeded;
        }
        if (!control.CancelRequested && result == kFillDone) {
            // The check writes only the fields it knows; everything else of the record must be
            // zero, so no square of an earlier, rejected or larger puzzle survives in it.
            std::memset(&buffer_, 0, sizeof buffer_);
            std::int32_t failed = 0;
            Pipeline.VerifyAndExport(bounds_, work_, buffer_, failed);
            ++Stats.Verified;
            result = failed;
        }
        if (!control.CancelRequested && result == kFillDone) {
            ++Stats.Accepted;
            return true;
        }
    }
    return false;
}

TBatchResult TCreationBatch::Run(TPuzzleLibrary& lib, std::int32_t& lastPuzzleId,
                                 TGenControl& control,
                                 const std::function<void(const TBatchStep&)>& afterEach) {
    if (!IsValidSizeCode(SizeCode) || BatchProblem(CreateCounts, lib.Counts) != nullptr)
        return TBatchResult::Refused;
    // A damaged Id counter can leave no Id to give; say so before any work is done.
    if (NextPuzzleId(lib, lastPuzzleId) == 0) return TBatchResult::Refused;

    control.CancelRequested = false;
    std::memset(&buffer_, 0, sizeof buffer_);
    bounds_.MinDigit = 1;
    bounds_.MaxDigit = 9;

    for (int level = kMinDifficulty; level <= kMaxDifficulty; ++level) {
        const int wanted = CreateCounts[level];
        for (int i = 0; i < wanted; ++i) {
            if (control.CancelRequested) continue;
            // The request was checked against the library, but the caller's callback runs
            // between puzzles; never append past the last slot whatever happened meanwhile.
            if (lib.Counts.Total < 0 || lib.Counts.Total >= MaxPuzzles) {
                control.CancelRequested = true;
                continue;
            }
            level_ = level;
            SetBoundsForSize(bounds_, SizeCode);
            int slot = 0;
            if (MakePuzzle(control)) {
                slot = AppendPuzzle(lib, lastPuzzleId, buffer_, static_cast<TPuzzleSize>(SizeCode),
                                    level);
                if (slot != 0) {
                    CreateCounts[0] -= 1;
                    CreateCounts[level] -= 1;
                } else {
                    // The library had no room or no Id left after all: stop as at a full library.
                    control.CancelRequested = true;
                }
            }
            if (afterEach) afterEach(TBatchStep{level, slot});
        }
    }
    level_ = 0;
    return control.CancelRequested ? TBatchResult::Cancelled : TBatchResult::Done;
}

}  // namespace xs
