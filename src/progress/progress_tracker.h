// Keeps the player's history from the solving page: the time on the puzzle in play, its hints by
// technique, checks and assists, and a row for every puzzle solved. No widgets: the shell tells
// it about the window and the page tells it about the puzzle (TSolveTracker).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/records.h"
#include "progress/play_timer.h"
#include "progress/progress_summary.h"
#include "solve/solve_tracker.h"
#include "storage/history.h"

namespace xs {

// Seconds since 1970-01-01 UTC.
using TWallClock = std::function<std::int64_t()>;

class TProgressTracker : public TSolveTracker {
public:
    // `history` may be closed: the time and counts are then kept for this run only.
    TProgressTracker(const TPuzzleLibrary& library, THistory& history, TMonotonicClock clock,
                     TWallClock wallClock);

    // TSolveTracker
    void PuzzleOpened(int slot) override;
    void PageShown(bool shown) override;
    void SolvedChanged(bool solved) override;
    void HintShown(TTechnique technique) override;
    void Checked() override;
    void AssistUsed() override;
    void AnswersFilled() override;
    void PuzzleReset() override;
    std::string ClockText() override;
    std::string SolvedLine(int index) override;

    // The window became active or inactive (minimised counts as inactive).
    void WindowActive(bool active);
    // A key or a click anywhere in the window.
    void PlayerActed();
    // Stores the time so far of the puzzle in play (now and then, and when the game closes).
    void SaveNow();

    void SetClockShown(bool shown) { ClockOn = shown; }
    bool ClockShown() const { return ClockOn; }
    const TPlayTimer& Timer() const { return Clock; }
    // The Id of the puzzle in play; 0 when none.
    int PuzzleId() const { return Id; }

private:
    bool SlotSolved() const;

    const TPuzzleLibrary& Library;
    THistory& History;
    TWallClock Wall;
    TPlayTimer Clock;
    bool ClockOn = true;
    bool PageVisible = false;
    int Slot = 0;
    int Id = 0;
    bool Finished = false;  // solved, or its answers filled in: nothing more is counted
    TPlayRecord Record;
    std::map<int, TPlayRecord> Kept;  // for a history that cannot be written
    // Solved puzzles the history refused (another program's change took too long): tried again
    // at the next save.
    std::vector<TSolvedRecord> Pending;
    TSolvedLines Lines;
};

}  // namespace xs
