// Puzzles pasted or dropped on the window: read, checked and stored, or the reason told.
#pragma once

#include <string>

#include <QString>

#include "storage/messages.h"
#include "storage/settings.h"

namespace xs {

// True for a file the window takes as a puzzle: a name ending in .txt or .csv, in any case.
bool IsPuzzleFileName(const QString& path);

// The file's text, at most a little more than any puzzle can be; false with the reason.
bool ReadPuzzleFile(const QString& path, std::string& text, std::string& reason);

// Checks the text as an import does and appends the puzzle to the library in memory (the data
// file is written at close, as for made puzzles). Returns the new slot; 0 after telling the player
// why through messages, with the library unchanged.
int AddPastedPuzzle(TDataFileRecord& record, const std::string& text, TMessages& messages);

}  // namespace xs
