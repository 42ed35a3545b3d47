// Batches of new puzzles: the request counters, the batch loop and the progress caption rule.
#pragma once

#include <cstdint>
#include <functional>

#include "generate/fill.h"
#include "generate/layout.h"
#include "generate/verify.h"
#include "generate/work_grid.h"
#include "model/records.h"

namespace xs {

// CreateCounts[0] is the number of puzzles still to make, CreateCounts[L] those of L stars.
using TCreateCounts = std::int32_t[6];

// One more puzzle of the level, unless the level already asks for 100 or the stored puzzles plus
// the requested ones would pass 100. Returns true when the count changed.
bool CreateCountUp(TCreateCounts& createCounts, const TPuzzleCounts& counts, int level);
// One puzzle fewer of the level, if any. Returns true when the count changed.
bool CreateCountDown(TCreateCounts& createCounts, int level);

// The progress caption while a batch runs. Times are in days (fractions of a day) so that one
// blink step is 0.864 s: odd steps show the caption, even steps an empty one.
const char* ProgressCaption(double batchStartDays, double nowDays);
inline constexpr const char* kCreatingCaption = "Creating Puzzles";

// The generator steps a batch runs. Tests and benchmarks replace single steps to count or fake
// them; a batch uses the real ones unless told otherwise.
struct TPipeline {
    void (*GenerateLayout)(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                           TGenControl& control) = &xs::GenerateLayout;
    void (*PickCannedLayoutEasy)(const TGridBounds& bounds, TWorkGrid& work,
                                 TGenControl& control) = &xs::PickCannedLayoutEasy;
    void (*PickCannedLayoutHard)(int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                                 TGenControl& control) = &xs::PickCannedLayoutHard;
    int (*FillPuzzle)(int level, int sizeCode, const TGridBounds& bounds, TWorkGrid& work,
                      TGenControl& control) = &xs::FillPuzzle;
    void (*VerifyAndExport)(const TGridBounds& bounds, const TWorkGrid& work, TPuzzleGrid& puzzle,
                            std::int32_t& failed) = &xs::VerifyAndExport;
};

// What the pipeline did during a batch; read by benchmarks and progress reports.
struct TBatchStats {
    std::int64_t Layouts = 0;         // layouts generated or picked
    std::int64_t Fills = 0;           // FillPuzzle calls
    std::int64_t FillsSucceeded = 0;  // fills that returned kFillDone
    std::int64_t Verified = 0;        // VerifyAndExport calls
    std::int64_t Accepted = 0;        // puzzles that passed the check
};

// Reported after each puzzle of the batch that was begun, whether stored or dropped.
struct TBatchStep {
    int Level;  // 1..5
    int Slot;   // library slot the puzzle went to; 0 when the batch was stopped during it
};

enum class TBatchResult {
    Done,       // every requested puzzle stored
    Cancelled,  // stopped; the puzzles made before the stop are stored
    Refused,    // nothing done: the request does not fit in the library, or its counters are bad
};

// Why a request cannot run against the library, or nullptr when it can. The library's own total
// is not trusted: a value outside 0..100 refuses, so that no puzzle lands outside the slots.
const char* BatchProblem(const TCreateCounts& createCounts, const TPuzzleCounts& counts);

// One batch of puzzles of one size. The work grid and the export buffer live here, once, for all
// the puzzles of the batch; keep the object alive (it is large) rather than making one per run.
class TCreationBatch {
public:
    TCreateCounts CreateCounts = {0, 0, 0, 0, 0, 0};
    int SizeCode = static_cast<int>(TPuzzleSize::Mini);
    TPipeline Pipeline;
    TBatchStats Stats;

    // The level of the puzzle being made (0 between batches).
    int Level() const { return level_; }
    const TGridBounds& Bounds() const { return bounds_; }
    const TWorkGrid& Work() const { return work_; }

    // Makes the requested puzzles, lowest level first, and appends each one to the library with
    // the next Id (lastPuzzleId is the preferences' counter). Clears control.CancelRequested at the
    // start; a stop drops the puzzle in progress and keeps those stored. CreateCounts counts down
    // as puzzles are stored and keeps the unmade ones after a stop. afterEach runs after every
    // puzzle begun. The data file is not written.
    TBatchResult Run(TPuzzleLibrary& lib, std::int32_t& lastPuzzleId, TGenControl& control,
                     const std::function<void(const TBatchStep&)>& afterEach = {});

private:
    // Makes one puzzle of the current level into buffer_; false when stopped.
    bool MakePuzzle(TGenControl& control);

    int level_ = 0;
    TGridBounds bounds_;
    TWorkGrid work_{};
    TPuzzleGrid buffer_{};
};

}  // namespace xs
