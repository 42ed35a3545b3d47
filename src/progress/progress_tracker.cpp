// The history kept from the solving page.
#include "progress/progress_tracker.h"

#include <utility>

#include "logic/logic_solver.h"

namespace xs {

TProgressTracker::TProgressTracker(const TPuzzleLibrary& library, THistory& history,
                                   TMonotonicClock clock, TWallClock wallClock)
    : Library(library), History(history), Wall(std::move(wallClock)), Clock(std::move(clock)) {}

bool TProgressTracker::SlotSolved() const {
    // A puzzle saved solved is not played again.
    TPuzzleDims dims{0, 0};
    SetPuzzleDims(dims, Library.Info(Slot).Size);
    return dims.LastRow == 0 || GridSolved(Library.Grid(Slot), dims);
}

void TProgressTracker::SaveNow() {
    while (!Pending.empty() && History.RecordSolved(Pending.front()))
        Pending.erase(Pending.begin());
    if (Id == 0 || Finished) return;
    Record.Millis = Clock.Counted();
    Kept[Id] = Record;
    History.SaveInPlay(Id, Record);
}

void TProgressTracker::PuzzleOpened(int slot) {
    SaveNow();
    Slot = slot;
    Id = Library.Info(slot).Id;
    Lines = {};
    Finished = SlotSolved();
    const std::optional<TPlayRecord> stored = History.InPlay(Id);
    const auto kept = Kept.find(Id);
    Record = stored ? *stored : kept != Kept.end() ? kept->second : TPlayRecord{};
    Clock.Show(Record.Millis);
    if (!PageVisible || Finished) Clock.Hide();
}

void TProgressTracker::PageShown(bool shown) {
    if (shown == PageVisible) return;
    PageVisible = shown;
    if (Id == 0 || Finished) return;
    if (shown) {
        Clock.Show(Clock.Counted());
    } else {
        Clock.Hide();
        SaveNow();
    }
}

void TProgressTracker::SolvedChanged(bool solved) {
    if (!solved || Id == 0 || Finished) return;
    Clock.Hide();
    Finished = true;
    const TPuzzleInfo& info = Library.Info(Slot);
    TSolvedRecord row;
    row.SolvedAt = Wall();
    row.PuzzleId = Id;
    row.Size = info.Size;
    row.Stars = info.Difficulty;
    row.Origin = History.Origin(Id);
    TPuzzleDims dims{0, 0};
    SetPuzzleDims(dims, info.Size);
    const TGrade grade = GradePuzzle(Library.Grid(Slot), dims);
    if (grade.Solved) row.Hardest = TechniqueName(grade.Hardest);
    row.Millis = Clock.Counted();
    row.Hints = Record.Hints;
    row.HintCount = HintTotal(Record.Hints);
    row.Checks = Record.Checks;
    row.Assists = Record.Assists;
    row.Unaided = row.HintCount == 0 && row.Checks == 0 && row.Assists == 0;
    std::vector<TSolvedRecord> earlier = History.Solved();
    earlier.insert(earlier.end(), Pending.begin(), Pending.end());
    Lines = SolvedLinesFor(row, earlier);
    if (!History.RecordSolved(row) && History.Writable()) Pending.push_back(row);
    Kept.erase(Id);
}

void TProgressTracker::HintShown(TTechnique technique) {
    if (Id != 0 && !Finished) ++Record.Hints[TechniqueName(technique)];
}

void TProgressTracker::Checked() {
    if (Id != 0 && !Finished) ++Record.Checks;
}

void TProgressTracker::AssistUsed() {
    if (Id != 0 && !Finished) ++Record.Assists;
}

void TProgressTracker::AnswersFilled() {
    if (Id == 0 || Finished) return;
    // The answers shown are not a solution: what was counted stays in play.
    ++Record.Assists;
    SaveNow();
    Clock.Hide();
    Finished = true;
}

void TProgressTracker::PuzzleReset() {
    if (Id == 0) return;
    Record = {};
    Kept.erase(Id);
    History.ClearInPlay(Id);
    Clock.Reset();
    const bool wasFinished = Finished;
    Finished = SlotSolved();
    if (wasFinished && !Finished && PageVisible) Clock.Show(0);
    Lines = {};
}

void TProgressTracker::WindowActive(bool active) {
    Clock.SetWindowActive(active);
}

void TProgressTracker::PlayerActed() {
    Clock.Activity();
}

std::string TProgressTracker::ClockText() {
    // A puzzle opened solved has no time of its own to show.
    if (!ClockOn || Id == 0 || (Finished && Lines.Time.empty())) return {};
    char buffer[24];
    return FormatPlayTime(Clock.Counted(), buffer);
}

std::string TProgressTracker::SolvedLine(int index) {
    if (index == 0) return Lines.Time;
    // A best takes the second line, and the third then says what the second did.
    if (Lines.Best.empty()) return {};
    return index == 1 ? Lines.Best : "Press 'Save' to keep it solved.";
}

}  // namespace xs
