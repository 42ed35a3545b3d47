// Puzzles pasted or dropped on the window: read, checked and stored, or the reason told.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include <QString>

#include "storage/messages.h"
#include "storage/settings.h"

namespace xs {

// True for a file the window takes as a puzzle: a name ending in .txt or .csv, in any case.
bool IsPuzzleFileName(const QString& path);

// The file's text, at most a little more than any puzzle can be; false with the reason.
bool ReadPuzzleFile(const QString& path, std::string& text, std::string& reason);

// Runs a puzzle's check away from the window's thread and returns once it is over; the window
// paints meanwhile, and `stop` is set when the player asks to stop.
using TPuzzleCheck = std::function<void(const std::atomic<bool>& stop)>;
using TRunCheck = std::function<void(const TPuzzleCheck& check)>;

// Runs the check on a thread of its own with a busy cursor, the window painting but taking no
// input; the check's own time bound ends it.
void RunCheckBesideWindow(const TPuzzleCheck& check);

// Checks the text as an import does (through `run`) and appends the puzzle to the library in
// memory (the data file is written at close, as for made puzzles). A puzzle the library already
// holds is added again only when the player says so; one turned on its side to fit is said to
// be. Returns the new slot; 0 after telling the player why, or when the player declined a second
// copy, with the library unchanged.
int AddPastedPuzzle(TDataFileRecord& record, const std::string& text, TMessages& messages,
                    const TRunCheck& run = RunCheckBesideWindow);

}  // namespace xs
