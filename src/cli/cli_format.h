// The command-line companion's texts: the library list, a puzzle as a grid, a run's combinations.
#pragma once

#include <string>

#include "storage/settings.h"

namespace xs::cli {

// "1 Star" .. "5 Star"; "? Star" outside 1..5.
std::string StarsText(int difficulty);

// The counters, the file's location and one line per stored slot with whether the player solved
// it (every saved entry right), the number of steps of its logical solution and the hardest
// technique it needs; damaged slots say why. fileCounts, when given, are the counters the file
// held: where they differ from the record's, the list says so.
std::string FormatLibraryList(const TDataFileRecord& record, const std::string& location,
                              const TPuzzleCounts* fileCounts = nullptr);

// A line naming the puzzle, a line with its logical solution's steps and hardest technique, then
// the puzzle as a grid of fixed-width cells: clue squares as down\across, White squares
// as the answer (answers) or the player's entry, "." when empty. A slot that is outside 1..100,
// not in use or damaged gives false with the reason in problem.
bool FormatPuzzle(const TPuzzleLibrary& lib, int slot, bool answers, std::string& text,
                  std::string& problem);

// The slot's puzzle solved from the empty board by the teaching solver: one line a step, then the
// number of steps and the hardest technique; as JSON Lines with json. False with problem set for
// a slot that is empty, damaged or outside 1..100.
bool FormatExplanation(const TPuzzleLibrary& lib, int slot, bool json, std::string& text,
                       std::string& problem);

// The possible digits and the combinations of a run; false with problem set for squares
// outside 1..9 or total outside 1..45.
bool FormatCombos(int squares, int total, std::string& text, std::string& problem);

}  // namespace xs::cli
