// Sums over the solved puzzles.
#include "progress/progress_summary.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <utility>

#include "model/translate.h"
#include "progress/play_timer.h"

namespace xs {

const char* SizeName(int sizeCode) {
    switch (sizeCode) {
        case 0:
            return "Small";
        case 1:
            return "Medium";
        case 2:
            return "Large";
        case 3:
            return "Mini";
        default:
            return "?";
    }
}

namespace {

int SizeRank(int sizeCode) {
    for (int i = 0; i < 4; ++i)
        if (kSizesInOrder[i] == sizeCode) return i;
    return 4;
}

std::string Time(std::int64_t millis) {
    char buffer[24];
    return FormatPlayTime(millis, buffer);
}

// How many characters a UTF-8 text shows.
std::size_t Shown(const std::string& text) {
    std::size_t n = 0;
    for (const char ch : text) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// The size's name in the player's language, padded with spaces to width characters, or to the
// longest size name when that is longer.
std::string PaddedSize(int sizeCode, std::size_t width) {
    for (const int code : kSizesInOrder)
        width = std::max(width, Shown(Tr("Texts", SizeName(code))));
    const std::string name = Tr("Texts", SizeName(sizeCode));
    return name + std::string(width - std::min(width, Shown(name)), ' ');
}

}  // namespace

TProgressSummary Summarise(const std::vector<TSolvedRecord>& rows, const THintCounts& inPlay) {
    TProgressSummary summary;
    summary.Total = static_cast<int>(rows.size());
    std::map<std::pair<int, int>, std::vector<const TSolvedRecord*>> levels;
    std::map<std::string, int> asked = inPlay;
    for (const TSolvedRecord& row : rows) {
        levels[{SizeRank(row.Size), row.Stars}].push_back(&row);
        for (const auto& [technique, count] : row.Hints) asked[technique] += count;
    }
    for (auto& [key, group] : levels) {
        std::vector<std::int64_t> times;
        times.reserve(group.size());
        int hints = 0;
        for (const TSolvedRecord* row : group) {
            times.push_back(row->Millis);
            hints += std::max(row->HintCount, HintTotal(row->Hints));
        }
        const auto middle = times.begin() + static_cast<std::ptrdiff_t>((times.size() - 1) / 2);
        std::nth_element(times.begin(), middle, times.end());
        TLevelStats level;
        level.Size = group.front()->Size;
        level.Stars = key.second;
        level.Solved = static_cast<int>(group.size());
        level.MedianMillis = *middle;
        level.BestMillis = *std::min_element(times.begin(), times.end());
        level.HintsPerPuzzle = static_cast<double>(hints) / static_cast<double>(group.size());
        summary.Levels.push_back(level);
    }
    for (const auto& [technique, count] : asked) summary.Techniques.push_back({technique, count});
    std::stable_sort(
        summary.Techniques.begin(), summary.Techniques.end(),
        [](const TTechniqueAsked& a, const TTechniqueAsked& b) { return a.Count > b.Count; });
    const std::size_t recent = std::min<std::size_t>(rows.size(), kRecentCount);
    summary.Recent.assign(rows.rbegin(), rows.rbegin() + static_cast<std::ptrdiff_t>(recent));
    return summary;
}

TSolvedLines SolvedLinesFor(const TSolvedRecord& record,
                            const std::vector<TSolvedRecord>& earlier) {
    TSolvedLines lines;
    const int hints = std::max(record.HintCount, HintTotal(record.Hints));
    // Whole sentences of the player's language, each filled with its numbers.
    if (record.Unaided)
        lines.Time = Fill(Tr("Texts", "Solved in %1 without help."), {Time(record.Millis)});
    else if (hints == 0)
        lines.Time = Fill(Tr("Texts", "Solved in %1 with no hints."), {Time(record.Millis)});
    else
        lines.Time = Fill(hints == 1 ? Tr("Texts", "Solved in %1 with %2 hint.")
                                     : Tr("Texts", "Solved in %1 with %2 hints."),
                          {Time(record.Millis), std::to_string(hints)});
    const bool best = std::none_of(earlier.begin(), earlier.end(), [&](const TSolvedRecord& row) {
        return row.Size == record.Size && row.Stars == record.Stars && row.Millis <= record.Millis;
    });
    if (best)
        lines.Best = Fill(Tr("Texts", "Your best time for %1 %2 star !"),
                          {Tr("Texts", SizeName(record.Size)), std::to_string(record.Stars)});
    return lines;
}

std::string DateText(std::int64_t secondsSinceEpoch) {
    const std::time_t when = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M", &local);
    return buffer;
}

std::string StatsTable(const TProgressSummary& summary) {
    if (summary.Total == 0)
        return Tr("Texts",
                  "No puzzle solved yet: each puzzle you solve adds its time and hints here.\n");
    // The headings line up with the rows' columns in each language.
    std::string out = Tr("Texts", "Size    Stars  Solved  Best      Median    Hints per puzzle\n");
    char line[160];
    for (const TLevelStats& level : summary.Levels) {
        std::snprintf(line, sizeof line, " %5d  %6d  %-8s  %-8s  %.1f\n", level.Stars, level.Solved,
                      Time(level.BestMillis).c_str(), Time(level.MedianMillis).c_str(),
                      level.HintsPerPuzzle);
        out += PaddedSize(level.Size, 7) + line;
    }
    if (!summary.Techniques.empty()) {
        out += Tr("Texts", "\nHints asked for, by technique\n");
        for (const TTechniqueAsked& asked : summary.Techniques) {
            std::snprintf(line, sizeof line, "%6d  %s\n", asked.Count,
                          Tr("Texts", asked.Technique.c_str()).c_str());
            out += line;
        }
    }
    out += Tr("Texts", "\nLast solved\n");
    for (const TSolvedRecord& row : summary.Recent) {
        const int hints = std::max(row.HintCount, HintTotal(row.Hints));
        char id[16];
        char time[16];
        std::snprintf(id, sizeof id, "%-5d", row.PuzzleId);
        std::snprintf(time, sizeof time, "%-8s", Time(row.Millis).c_str());
        out += Fill(Tr("Texts", "%1  Id %2 %3 %4 star  %5  %n hints%6\n", hints),
                    {DateText(row.SolvedAt), id, PaddedSize(row.Size, 6), std::to_string(row.Stars),
                     time, row.Unaided ? Tr("Texts", "  without help") : std::string()});
    }
    return out;
}

std::string StatsCsv(const std::vector<TSolvedRecord>& rows) {
    std::string out =
        "date,puzzle_id,size,stars,origin,hardest,seconds,hints,hints_by_technique,checks,"
        "assists,without_help\n";
    for (const TSolvedRecord& row : rows) {
        out += DateText(row.SolvedAt) + ',' + std::to_string(row.PuzzleId) + ',' +
               SizeName(row.Size) + ',' + std::to_string(row.Stars) + ',' + row.Origin + ',' +
               row.Hardest + ',' + std::to_string(row.Millis / 1000) + ',' +
               std::to_string(std::max(row.HintCount, HintTotal(row.Hints))) + ",\"" +
               EncodeHints(row.Hints) + "\"," + std::to_string(row.Checks) + ',' +
               std::to_string(row.Assists) + ',' + (row.Unaided ? "yes" : "no") + '\n';
    }
    return out;
}

}  // namespace xs
