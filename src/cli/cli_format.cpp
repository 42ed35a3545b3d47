// The command-line companion's texts: the library list, a puzzle as a grid, a run's combinations.
#include "cli/cli_format.h"

#include <cstdio>
#include <string_view>

#include "logic/logic_solver.h"
#include "model/combinations.h"
#include "model/slot_check.h"
#include "model/translate.h"

namespace xs::cli {

namespace {

// printf into a std::string; the texts here are short.
template <typename... T>
std::string Format(const char* format, T... values) {
    char buffer[160];
    const int n = std::snprintf(buffer, sizeof buffer, format, values...);
    if (n < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

// Every cell is five characters wide, so the rows line up as a grid.
std::string ClueCell(const TSquare& s) {
    if (s.AcrossSquares == 0 && s.DownSquares == 0) return " ### ";
    const std::string down = s.DownSquares != 0 ? Format("%2d", s.DownTotal) : "  ";
    const std::string across = s.AcrossSquares != 0 ? Format("%-2d", s.AcrossTotal) : "  ";
    return down + "\\" + across;
}

std::string WhiteCell(const TSquare& s, bool answers) {
    const int digit = answers ? s.Answer() : s.Entry;
    if (digit == 0) return "  .  ";
    return Format("  %d  ", digit);
}

// The slot's puzzle solved from its totals by the teaching solver.
TGrade SlotGrade(const TPuzzleLibrary& lib, int slot) {
    const TSizeDims dims = SizeDims(lib.Info(slot).Size);
    return GradePuzzle(lib.Grid(slot), TPuzzleDims{dims.Rows - 1, dims.Cols - 1});
}

std::string GradeText(const TGrade& grade) {
    return Tr("Texts",
              grade.Solved ? TechniqueName(grade.Hardest) : "not solved by the techniques");
}

// How many characters a line of UTF-8 takes on a terminal, for the list's columns.
std::size_t Width(const std::string& text) {
    std::size_t n = 0;
    for (const char ch : text) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

void TrimRight(std::string& line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
}

}  // namespace

std::string StarsText(int difficulty) {
    const bool known = difficulty >= kMinDifficulty && difficulty <= kMaxDifficulty;
    return Fill(Tr("Texts", "%1 Star"), {known ? std::to_string(difficulty) : "?"});
}

std::string FormatLibraryList(const TDataFileRecord& record, const std::string& location,
                              const TPuzzleCounts* fileCounts) {
    const TPuzzleLibrary& lib = record.Library;
    const TPuzzleCounts& counts = lib.Counts;
    const int used = UsedSlots(counts);
    std::string out = Fill(Tr("Texts", "Data file: %1\n"), {location});
    out += Fill(Tr("Texts", "Puzzles stored: %1"), {std::to_string(counts.Total)});
    if (used != counts.Total)
        out += Fill(Tr("Texts", " (out of range; reading %1 slots)"), {std::to_string(used)});
    if (fileCounts != nullptr && fileCounts->Total != counts.Total)
        out += Fill(Tr("Texts", " (counted in the slots; the file's counter says %1)"),
                    {std::to_string(fileCounts->Total)});
    out += Tr("Texts", "\nBy stars:");
    for (int d = kMinDifficulty; d <= kMaxDifficulty; ++d)
        out += (d > kMinDifficulty ? ", " : " ") + StarsText(d) +
               Format(" %d", counts.ByDifficulty[d - 1]);
    out += "\n";
    out +=
        Fill(Tr("Texts", "Last puzzle Id: %1\n"), {std::to_string(record.Settings.LastPuzzleId)});
    if (used == 0) return out + Tr("Texts", "No puzzles stored.\n");
    // The heading's columns line up with the rows' in each language.
    out += Tr("Texts", "Slot  Puzzle Id  Size     Stars   Solved  Steps  Hardest technique\n");
    const std::string solved = Tr("Texts", "  solved");
    const std::string unsolved(Width(solved), ' ');
    for (int slot = 1; slot <= used; ++slot) {
        const TPuzzleInfo& info = lib.Info(slot);
        std::string line = Format("%4d  ", slot);
        switch (ClassifySlot(lib, slot)) {
            case TSlotState::Empty:
                line += Tr("Texts", "empty");
                break;
            case TSlotState::Valid: {
                const TGrade grade = SlotGrade(lib, slot);
                line += Format("%9d  %-7s  ", info.Id, SizeText(info.Size)) +
                        StarsText(info.Difficulty) + (SlotSolved(lib, slot) ? solved : unsolved) +
                        Format("  %5d  ", grade.Steps) + GradeText(grade);
                break;
            }
            case TSlotState::Damaged:
                line += Format("%9d  ", info.Id) +
                        Fill(Tr("Texts", "damaged: %1"), {Tr("Texts", SlotProblem(lib, slot))});
                break;
        }
        out += line + "\n";
    }
    return out;
}

bool FormatPuzzle(const TPuzzleLibrary& lib, int slot, bool answers, std::string& text,
                  std::string& problem) {
    text.clear();
    problem.clear();
    const int used = UsedSlots(lib.Counts);
    if (slot < 1 || slot > MaxPuzzles) {
        problem = Fill(Tr("Texts", "slot %1 is not 1..%2"),
                       {std::to_string(slot), std::to_string(MaxPuzzles)});
        return false;
    }
    // Slots above the count hold stale bytes that are never read.
    if (slot > used || ClassifySlot(lib, slot) == TSlotState::Empty) {
        problem = Fill(Tr("Texts", "slot %1 is empty (%2 puzzles stored)"),
                       {std::to_string(slot), std::to_string(used)});
        return false;
    }
    if (const char* why = SlotProblem(lib, slot)) {
        problem =
            Fill(Tr("Texts", "slot %1 is damaged: %2"), {std::to_string(slot), Tr("Texts", why)});
        return false;
    }
    const TPuzzleInfo& info = lib.Info(slot);
    const TPuzzleGrid& grid = lib.Grid(slot);
    const TSizeDims dims = SizeDims(info.Size);
    text = Fill(answers ? Tr("Texts", "Puzzle Id %1 (slot %2): %3, %4, answers\n")
                        : Tr("Texts", "Puzzle Id %1 (slot %2): %3, %4\n"),
                {std::to_string(info.Id), std::to_string(slot), SizeText(info.Size),
                 StarsText(info.Difficulty)});
    const TGrade grade = SlotGrade(lib, slot);
    text += grade.Solved
                ? Fill(Tr("Texts", "Solved by logic in %1 steps; hardest technique: %2.\n"),
                       {std::to_string(grade.Steps), Tr("Texts", TechniqueName(grade.Hardest))})
                : Fill(Tr("Texts", "Not solved by the techniques: no step after %1.\n"),
                       {std::to_string(grade.Steps)});
    // Row and column numbers around the grid, counted as explain names squares: row 1 is the
    // first row below the clue row, column 1 the first column right of the clue column.
    std::string header = "    ";
    for (int c = 0; c < dims.Cols; ++c) {
        if (c > 0) header += ' ';
        header += c == 0 ? std::string(5, ' ') : Format("%3d  ", c);
    }
    TrimRight(header);
    text += header + "\n";
    for (int r = 0; r < dims.Rows; ++r) {
        std::string line = r == 0 ? std::string("    ") : Format("%3d ", r);
        for (int c = 0; c < dims.Cols; ++c) {
            const TSquare& s = grid.Sq[r][c];
            if (c > 0) line += ' ';
            line += s.Kind == White ? WhiteCell(s, answers) : ClueCell(s);
        }
        TrimRight(line);
        text += line + "\n";
    }
    return true;
}

bool FormatCombos(int squares, int total, std::string& text, std::string& problem) {
    text.clear();
    problem.clear();
    TDigitFlags flags{};
    std::int32_t error = 0;
    LookupPossibleDigits(squares, total, flags, error);
    if (error != 0) {
        problem =
            Fill(Tr("Texts", "no run of %1 squares with total %2: squares are 1..9, totals 1..45"),
                 {std::to_string(squares), std::to_string(total)});
        return false;
    }
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (flags[d] != 0) {
            if (!digits.empty()) digits += ' ';
            digits += static_cast<char>('0' + d);
        }
    // One square has no combination text; its one digit is its combination.
    std::string combos(CombinationText(squares, total));
    if (squares == 1) combos = digits;
    text = Fill(squares == 1 ? Tr("Texts", "%n square, total %1\n", squares)
                             : Tr("Texts", "%n squares, total %1\n", squares),
                {std::to_string(total)});
    text += digits.empty() ? Tr("Texts", "Possible digits: none\n")
                           : Fill(Tr("Texts", "Possible digits: %1\n"), {digits});
    text += combos.empty() ? Tr("Texts", "Combinations: none\n")
                           : Fill(Tr("Texts", "Combinations: %1\n"), {combos});
    return true;
}

}  // namespace xs::cli
