// The create screen's state: the request counters and the batch with its stop question, the
// puzzle list's selection and deletion, and the captions of the counters. No widgets here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "generate/driver.h"
#include "generate/random.h"
#include "model/records.h"
#include "platform/canvas.h"
#include "solve/chooser.h"
#include "storage/messages.h"
#include "storage/settings.h"

namespace xs {

extern const char* const kStopQuestionText;
// Why no new puzzle can be stored in the library, for the player: no Id left (saying which Id
// used them up) or every place taken. Empty when a puzzle can be stored.
std::string NoNewPuzzleText(const TPuzzleLibrary& library, std::int32_t lastPuzzleId);
// The confirmation asked before the selected puzzles are deleted.
std::string DeleteQuestionText(int selectedCount);

// The time of day as a fraction of a day; the progress caption blinks by it.
using TDayClock = std::function<double()>;
// A steady clock in days, so the blinking does not jump when the wall clock is set.
double SteadyClockDays();

// What the screen does while a batch runs.
struct TBatchHooks {
    // Called by every generator loop: keep the window painting and serve the stop button.
    std::function<void()> Poll;
    // After every puzzle begun, stored or dropped: the counters and the list changed.
    std::function<void(const TBatchStep&)> AfterEach;
};

class TCreateState {
public:
    TCreateState(TSettings& settings, TPuzzleLibrary& library, TMessages& messages,
                 std::uint64_t seed, TDayClock clock = &SteadyClockDays);

    // Showing the screen, after a batch and after a deletion: counters from the library, requests
    // back to 0, the size from the preferences, the selection recounted (it is kept).
    void Refresh();

    // ---- Creation panel
    const TCreateCounts& CreateCounts() const { return Batch_->CreateCounts; }
    // The spin buttons of level 1..5; false when the count stayed.
    bool SpinUp(int level);
    bool SpinDown(int level);
    bool CreateEnabled() const { return !Creating_ && Batch_->CreateCounts[0] >= 1; }
    bool LevelPanelsEnabled() const { return !Creating_; }
    // The size radio buttons: the batch size, stored as the preferred size as well.
    int SizeCode() const { return SizeCode_; }
    void SizeClick(int sizeCode);
    // Counter captions: index 0 the total, 1..5 a star level.
    const std::string& CreateText(int index) const { return CreateText_[index]; }
    const std::string& ExistText(int index) const { return ExistText_[index]; }
    // A line beside the counters when they stop at the library's 100 places; empty otherwise.
    const std::string& RoomText() const { return RoomText_; }

    // ---- The batch
    // Makes the requested puzzles, lowest level first, each stored with the next Id. Returns
    // after the last one or a confirmed stop, with the screen refreshed.
    TBatchResult Create(const TBatchHooks& hooks);
    bool Creating() const { return Creating_; }
    // A click on the stop button: asks, and on "O.K." the batch stops at its next test. Returns
    // whether it will stop.
    bool StopClick();
    // The window is closing: stop as a confirmed stop would, without asking.
    void StopWithoutAsking() {
        UserStop_ = true;
        Control_.CancelRequested = true;
    }
    bool StopRequested() const { return Control_.CancelRequested; }
    // The progress caption now: it blinks every 0.864 s from the start of the batch.
    const char* ProgressCaption() const;
    // Tests and benchmarks replace generator steps here.
    TCreationBatch& Batch() { return *Batch_; }

    // ---- Puzzle list
    // Slots in use; only they can be selected.
    int StoredCount() const;
    bool Occupied(int slot) const;
    bool Selected(int slot) const { return Selected_[slot - 1]; }
    int SelectedCount() const { return SelectedCount_; }
    // bnDelete, bnPrintOptions and bnClear share this state.
    bool SelectionButtonsEnabled() const { return ButtonsEnabled_; }
    // A click on the list's cell of slot 1..100; false when the slot is empty.
    bool CellClick(int slot);
    void SelectLevel(int level);
    void SelectAll();
    void ClearSelection();
    // Asks, then removes the selected puzzles and closes the gaps. Returns whether it deleted.
    bool DeleteClick();

    // What the list's cell of slot 1..100 shows.
    TListCell Cell(int slot) const;
    // The list's font level: back to the top at every layout, lowered by drawing.
    int ListFontLevel() const { return ListFontLevel_; }
    void ResetListFont() { ListFontLevel_ = kListFontTop; }
    // The whole list, `face` being its background colour.
    void DrawList(TCanvas& canvas, int colWidth, int rowHeight, TColor face);

private:
    void Recount();
    void ShowExisting();
    void ShowCreateCount(int level, bool padded);
    void ShowRoom();

    TSettings& Settings_;
    TPuzzleLibrary& Library_;
    TMessages& Messages_;
    TDayClock Clock_;
    TRandom Random_;
    TGenControl Control_;
    std::unique_ptr<TCreationBatch> Batch_;  // large: the work grid and the export buffer
    int SizeCode_ = static_cast<int>(TPuzzleSize::Mini);
    bool Creating_ = false;
    bool UserStop_ = false;
    double BatchStartDays_ = 0.0;
    bool Selected_[MaxPuzzles] = {};
    int SelectedCount_ = 0;
    bool ButtonsEnabled_ = false;
    int ListFontLevel_ = kListFontTop;
    std::array<std::string, 6> CreateText_;
    std::array<std::string, 6> ExistText_;
    std::string RoomText_;
};

}  // namespace xs
