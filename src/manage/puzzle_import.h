// Bringing a puzzle from elsewhere into the library: read, checked for one solution, sized and
// given a star level; and taking a stored puzzle out as text.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/puzzle_text.h"
#include "model/records.h"

namespace xs {

struct TImportedPuzzle {
    // The smallest size's region that holds the puzzle: its squares, the rest of the region
    // Black without totals; answers set, entries and marks empty, as a made puzzle is stored.
    TPuzzleGrid Grid;
    TPuzzleSize Size = TPuzzleSize::Mini;
    int Stars = 1;
    int Rows = 0;  // as stored, clue row and column included
    int Cols = 0;
    bool Turned = false;  // the text was taller than the grid: its rows are the grid's columns
};

// How long the search for a puzzle's solutions may run, and the player's stop.
struct TImportCheck {
    std::chrono::milliseconds Time{2000};
    const std::atomic<bool>* Stop = nullptr;  // set from another thread to stop the search
};

// Reads and checks text (either notation, model/puzzle_text.h) and solves it: it must have
// exactly one solution, and digits it gives must be that solution's. On failure returns false
// with a one-line reason naming the line and column where there is one; a search that runs out
// of time or is stopped refuses the puzzle too. Not for two threads at once.
bool PreparePuzzleImport(std::string_view text, TImportedPuzzle& puzzle, std::string& reason,
                         const TImportCheck& check = {});

// The stored slot whose puzzle has the same size, squares, totals and answers; 0 when none.
int FindStoredCopy(const TPuzzleLibrary& lib, const TImportedPuzzle& puzzle);
// "the puzzle is already in the library as Id 12 in slot 3"
std::string StoredCopyText(const TPuzzleLibrary& lib, int slot);

// Stores a prepared puzzle after the last stored one. Returns its slot, or 0 with the reason
// (every slot in use, no puzzle Id left) and the library unchanged.
int AppendImportedPuzzle(TPuzzleLibrary& lib, std::int32_t& lastPuzzleId,
                         const TImportedPuzzle& puzzle, std::string& reason);

// A stored slot's puzzle in either notation (without totals' squares beyond its size); false
// with the reason for a slot that is empty or damaged.
bool ExportPuzzleText(const TPuzzleLibrary& lib, int slot, bool answers, TTextFormat format,
                      std::string& text, std::string& reason);

}  // namespace xs
