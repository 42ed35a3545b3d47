// What the Progress screen and the companion's stats say about the solved puzzles: per size and
// star level, the techniques asked for, the latest puzzles, and the line that ends a puzzle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/history_records.h"

namespace xs {

// "Mini", "Small", "Medium", "Large"; "?" for a size no puzzle has.
const char* SizeName(int sizeCode);
// Mini, Small, Medium, Large: the order sizes are listed in, smallest first.
constexpr int kSizesInOrder[4] = {3, 0, 1, 2};

struct TLevelStats {
    int Size = 0;
    int Stars = 0;
    int Solved = 0;
    std::int64_t BestMillis = 0;
    std::int64_t MedianMillis = 0;  // of an even count, the lower middle one
    double HintsPerPuzzle = 0;
};

struct TTechniqueAsked {
    std::string Technique;
    int Count = 0;
};

struct TProgressSummary {
    int Total = 0;
    std::vector<TLevelStats> Levels;          // sizes smallest first, then stars
    std::vector<TTechniqueAsked> Techniques;  // most asked first, then by name
    std::vector<TSolvedRecord> Recent;        // the last 20 solved, newest first
};

constexpr int kRecentCount = 20;

// `rows` oldest first, as the history gives them; `inPlay`, the hints of the puzzles not solved
// yet, join the techniques asked for.
TProgressSummary Summarise(const std::vector<TSolvedRecord>& rows, const THintCounts& inPlay = {});

// The first line the solving page shows once the puzzle is solved: "Solved in 12:34 with 2
// hints." / "Solved in 0:45 without help."; and, when no earlier puzzle of its size and level in
// `earlier` was quicker, the second: "Your best time for Small 3 star !"
struct TSolvedLines {
    std::string Time;
    std::string Best;  // empty when it is not a best
};
TSolvedLines SolvedLinesFor(const TSolvedRecord& record, const std::vector<TSolvedRecord>& earlier);

// The table of the companion's stats and the Progress screen, in plain text; and one line per
// solved puzzle with a header row.
std::string StatsTable(const TProgressSummary& summary);
std::string StatsCsv(const std::vector<TSolvedRecord>& rows);

// "2026-12-07 20:38" in local time.
std::string DateText(std::int64_t secondsSinceEpoch);

}  // namespace xs
