// The create screen's state: requests, the batch, the selection and deletion.
#include "manage/create_state.h"

#include <chrono>
#include <cstdio>
#include <utility>

#include "manage/create_layout.h"
#include "model/slot_check.h"
#include "model/translate.h"

namespace xs {

const char* const kStopQuestionText =
    "Do you wish to stop the puzzle creation process ?\n\r\n\rPress 'O.K.' to stop puzzle "
    "creation.\n\rPress 'Cancel' to continue.\"\n\r";

std::string NoNewPuzzleText(const TPuzzleLibrary& library, std::int32_t lastPuzzleId) {
    // Ids only grow; once the largest one is used no new puzzle can be stored.
    const std::string noId = NoIdLeftReason(library, lastPuzzleId);
    if (!noId.empty()) return Fill(Tr("Texts", "No new puzzle can be stored: %1."), {noId});
    if (CountSlots(library).Total >= MaxPuzzles)
        return "No new puzzle can be stored: the library holds 100 puzzles.";
    return {};
}

std::string DeleteQuestionText(int selectedCount) {
    return Fill(Tr("Texts",
                   "You have selected %1 puzzles to delete.\n\r\n\rPress 'O.K.' to delete the "
                   "puzzles\n\rPress 'Cancel' to cancel the request."),
                {std::to_string(selectedCount)});
}

double SteadyClockDays() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count() / 86400.0;
}

namespace {

const char* const kLibraryFullText = "The library holds 100 puzzles: delete some to make room.";
const char* const kLibraryFilledText = "These fill the library: it holds 100 puzzles at most.";

bool IsLevel(int level) {
    return level >= kMinDifficulty && level <= kMaxDifficulty;
}

}  // namespace

TCreateState::TCreateState(TSettings& settings, TPuzzleLibrary& library, TMessages& messages,
                           std::uint64_t seed, TDayClock clock)
    : Settings_(settings),
      Library_(library),
      Messages_(messages),
      Clock_(std::move(clock)),
      Random_(seed),
      Batch_(std::make_unique<TCreationBatch>()) {
    Control_.Rng = &Random_;
    Refresh();
}

void TCreateState::Refresh() {
    SizeCode_ = IsValidSizeCode(Settings_.CreateSize) ? Settings_.CreateSize
                                                      : static_cast<int>(TPuzzleSize::Mini);
    // Counters read from a damaged file are replaced by what the slots hold, as the next new
    // puzzle would replace them; in a sound library the two are the same.
    Library_.Counts = CountSlots(Library_);
    for (std::int32_t& n : Batch_->CreateCounts) n = 0;
    // Not `text = "0"`: GCC 12 at -O3 reports a false -Wrestrict on that assignment.
    for (std::string& text : CreateText_) text.assign(1, '0');
    ShowExisting();
    ShowRoom();
    Recount();
}

void TCreateState::ShowRoom() {
    const int stored = UsedSlots(Library_.Counts);
    if (stored >= MaxPuzzles) {
        RoomText_ = kLibraryFullText;
    } else if (Batch_->CreateCounts[0] > 0 && stored + Batch_->CreateCounts[0] >= MaxPuzzles) {
        RoomText_ = kLibraryFilledText;
    } else {
        RoomText_.clear();
    }
}

void TCreateState::ShowExisting() {
    ExistText_[0] = std::to_string(Library_.Counts.Total);
    for (int level = kMinDifficulty; level <= kMaxDifficulty; ++level)
        ExistText_[level] = std::to_string(Library_.Counts.ByDifficulty[level - 1]);
}

void TCreateState::ShowCreateCount(int level, bool padded) {
    CreateText_[0] = std::to_string(Batch_->CreateCounts[0]);
    ShowRoom();
    if (!padded) {
        CreateText_[level] = std::to_string(Batch_->CreateCounts[level]);
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%3d", static_cast<int>(Batch_->CreateCounts[level]));
    CreateText_[level] = text;
}

bool TCreateState::SpinUp(int level) {
    if (Creating_ || !IsLevel(level)) return false;
    const bool changed = CreateCountUp(Batch_->CreateCounts, Library_.Counts, level);
    ShowCreateCount(level, false);
    return changed;
}

bool TCreateState::SpinDown(int level) {
    if (Creating_ || !IsLevel(level)) return false;
    const bool changed = CreateCountDown(Batch_->CreateCounts, level);
    ShowCreateCount(level, false);
    return changed;
}

void TCreateState::SizeClick(int sizeCode) {
    if (Creating_ || !IsValidSizeCode(sizeCode)) return;
    SizeCode_ = sizeCode;
    Settings_.CreateSize = sizeCode;
}

TBatchResult TCreateState::Create(const TBatchHooks& hooks) {
    if (Creating_ || Batch_->CreateCounts[0] < 1) return TBatchResult::Refused;
    Creating_ = true;
    UserStop_ = false;
    BatchStartDays_ = Clock_();
    Batch_->SizeCode = SizeCode_;
    Settings_.CreateSize = SizeCode_;
    Control_.PollProgress = hooks.Poll;

    bool noIdLeft = false;
    const TBatchResult result =
        Batch_->Run(Library_, Settings_.LastPuzzleId, Control_, [&](const TBatchStep& step) {
            // A puzzle dropped without a stop from the player is one the library refused; the
            // batch has stopped, and the player is told why.
            if (step.Slot == 0 && !UserStop_) {
                noIdLeft = true;
                Control_.CancelRequested = true;
            }
            ShowExisting();
            ShowCreateCount(step.Level, true);
            if (hooks.AfterEach) hooks.AfterEach(step);
        });

    Control_.PollProgress = nullptr;
    Creating_ = false;
    Refresh();
    // Refused: the library cannot take the request, so nothing was made; the player would
    // otherwise see the button do nothing.
    if (noIdLeft || result == TBatchResult::Refused) {
        const std::string why = NoNewPuzzleText(Library_, Settings_.LastPuzzleId);
        Messages_.ShowMsg(why.empty() ? "No new puzzle can be stored." : why, TButtons::OkOnly);
    }
    return result;
}

bool TCreateState::StopClick() {
    if (!Creating_) return false;
    if (Control_.CancelRequested) return true;
    if (Messages_.ShowMsg(kStopQuestionText, TButtons::OkCancel) == kResultOk) StopWithoutAsking();
    return Control_.CancelRequested;
}

const char* TCreateState::ProgressCaption() const {
    return xs::ProgressCaption(BatchStartDays_, Clock_());
}

int TCreateState::StoredCount() const {
    return UsedSlots(Library_.Counts);
}

bool TCreateState::Occupied(int slot) const {
    return slot >= 1 && slot <= StoredCount() && Library_.Info(slot).Id != 0;
}

void TCreateState::Recount() {
    SelectedCount_ = 0;
    for (int slot = 1; slot <= StoredCount(); ++slot)
        if (Selected_[slot - 1]) ++SelectedCount_;
    ButtonsEnabled_ = SelectedCount_ > 0;
}

bool TCreateState::CellClick(int slot) {
    if (Creating_ || !Occupied(slot)) return false;
    Selected_[slot - 1] = !Selected_[slot - 1];
    Recount();
    return true;
}

void TCreateState::SelectLevel(int level) {
    if (Creating_) return;
    for (int slot = 1; slot <= StoredCount(); ++slot)
        if (Library_.Info(slot).Difficulty == level) Selected_[slot - 1] = true;
    Recount();
}

void TCreateState::SelectAll() {
    if (Creating_) return;
    for (int slot = 1; slot <= StoredCount(); ++slot) Selected_[slot - 1] = true;
    SelectedCount_ = StoredCount();
    // Enabled even with nothing stored: the deletion then names no puzzles and changes nothing.
    ButtonsEnabled_ = true;
}

void TCreateState::ClearSelection() {
    if (Creating_) return;
    for (bool& flag : Selected_) flag = false;
    SelectedCount_ = 0;
    ButtonsEnabled_ = false;
}

bool TCreateState::DeleteClick() {
    if (Creating_) return false;
    if (Messages_.ShowMsg(DeleteQuestionText(SelectedCount_), TButtons::OkCancel) != kResultOk)
        return false;
    bool remove[MaxPuzzles] = {};
    for (int slot = 1; slot <= StoredCount(); ++slot) remove[slot - 1] = Selected_[slot - 1];
    CompactLibrary(Library_, remove);
    for (bool& flag : Selected_) flag = false;
    Refresh();
    return true;
}

TListCell TCreateState::Cell(int slot) const {
    return ListCellFor(Library_, slot, Selected(slot));
}

void TCreateState::DrawList(TCanvas& canvas, int colWidth, int rowHeight, TColor face) {
    DrawPuzzleList(
        canvas, [this](int slot) { return Cell(slot); }, colWidth, rowHeight, ListFontLevel_, face);
}

}  // namespace xs
