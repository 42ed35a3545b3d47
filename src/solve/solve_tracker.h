// What the solving page tells whoever keeps the player's history and time, and the two texts it
// shows for them. Every call has an empty default; the page works the same without one.
#pragma once

#include <string>

#include "logic/logic_solver.h"

namespace xs {

class TSolveTracker {
public:
    virtual ~TSolveTracker() = default;
    // Solving started on the puzzle of this library slot (loaded, before any move).
    virtual void PuzzleOpened(int /*slot*/) {}
    // The solving page came into view (true) or went out of it: another page, another screen.
    virtual void PageShown(bool /*shown*/) {}
    // The board became solved (every entry right) or stopped being so.
    virtual void SolvedChanged(bool /*solved*/) {}
    // A hint named a step of this technique (H, the first press).
    virtual void HintShown(TTechnique /*technique*/) {}
    virtual void Checked() {}
    // C, or R or D turned on.
    virtual void AssistUsed() {}
    // Fill All put every answer in.
    virtual void AnswersFilled() {}
    // The player's Reset: the puzzle starts again.
    virtual void PuzzleReset() {}

    // The page's clock, "12:34"; empty when the player hides it.
    virtual std::string ClockText() { return {}; }
    // Instead of the first two solved lines: how it went, and a best; empty keeps a line.
    virtual std::string SolvedLine(int /*index*/) { return {}; }
};

// The tracker that does nothing.
TSolveTracker& NoTracker();

}  // namespace xs
