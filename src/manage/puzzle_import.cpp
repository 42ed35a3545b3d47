// Importing a puzzle: the text's checks, then a search for its solutions, then its size and stars.
#include "manage/puzzle_import.h"

#include <chrono>
#include <cstring>
#include <memory>

#include "generate/solution_count.h"
#include "logic/logic_solver.h"
#include "model/slot_check.h"
#include "model/translate.h"

namespace xs {

namespace {

// The smallest of the four sizes whose grid holds rows x cols.
bool SmallestSize(int rows, int cols, TPuzzleSize& size) {
    for (const TPuzzleSize s :
         {TPuzzleSize::Mini, TPuzzleSize::Small, TPuzzleSize::Medium, TPuzzleSize::Large}) {
        const TSizeDims dims = SizeDims(static_cast<int>(s));
        if (rows <= dims.Rows && cols <= dims.Cols) {
            size = s;
            return true;
        }
    }
    return false;
}

// The star level by the hardest technique the puzzle's logical solution needs; a puzzle the
// ladder cannot finish is the hardest level of all.
int ImportedStars(const TPuzzleGrid& grid, int rows, int cols) {
    const TGrade grade = GradePuzzle(grid, TPuzzleDims{rows - 1, cols - 1});
    return grade.Solved ? TechniqueStars(grade.Hardest) : 5;
}

}  // namespace

bool PreparePuzzleImport(std::string_view text, TImportedPuzzle& puzzle, std::string& reason,
                         const TImportCheck& check) {
    static TTextPuzzle read;
    if (!ParsePuzzleText(text, read, reason)) return false;
    const int rows = read.Rows;
    const int cols = read.Cols;

    // The search stops at the player's word or when its time is up, whichever comes first.
    const auto deadline = std::chrono::steady_clock::now() + check.Time;
    TCountOptions options;
    options.GiveUp = [&] {
        return (check.Stop != nullptr && check.Stop->load()) ||
               std::chrono::steady_clock::now() >= deadline;
    };
    const auto stopped = [&] { return check.Stop != nullptr && check.Stop->load(); };
    static TSolutionCount count;
    CountSolutions(read.Grid, rows, cols, count, options);
    if (count.GaveUp) {
        if (stopped()) {
            reason = Tr("Texts",
                        "the check was stopped before it could tell whether the puzzle has one "
                        "solution");
        } else {
            reason = count.Solutions == 0
                         ? Tr("Texts",
                              "the puzzle could not be checked: its search for a solution ran "
                              "too long")
                         : Tr("Texts",
                              "the puzzle could not be checked: its search for a second solution "
                              "ran too long");
        }
        return false;
    }
    if (count.Solutions == 0) {
        // Whether digits could make the totals if a run might repeat one.
        options.Repeats = true;
        static TSolutionCount repeated;
        CountSolutions(read.Grid, rows, cols, repeated, options);
        reason = Tr("Texts", "the puzzle has no solution");
        if (!repeated.GaveUp)
            reason =
                repeated.Solutions > 0
                    ? Tr("Texts",
                         "the puzzle has no solution: no digits without a repeat in a run "
                         "give every run its total")
                    : Tr("Texts", "the puzzle has no solution: no digits give every run its total");
        return false;
    }
    if (count.Solutions > 1) {
        reason = read.Where(count.DiffRow, count.DiffCol) +
                 Fill(Tr("Texts",
                         "the puzzle has more than one solution; this square can be %1 "
                         "or %2"),
                      {std::to_string(count.DiffDigits[0]), std::to_string(count.DiffDigits[1])});
        return false;
    }
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < cols; ++c) {
            const TSquare& s = read.Grid.Sq[r][c];
            if (s.Kind == White && s.Answer() != 0 && s.Answer() != count.First[r][c]) {
                reason = read.Where(r, c) +
                         Fill(Tr("Texts", "the digit %1 given here is not the answer, %2"),
                              {std::to_string(s.Answer()), std::to_string(count.First[r][c])});
                return false;
            }
        }

    TPuzzleSize size{};
    if (!SmallestSize(rows, cols, size)) {
        reason = Tr("Texts", "the puzzle is larger than 16 x 26");
        return false;
    }
    std::memset(&puzzle.Grid, 0, sizeof puzzle.Grid);
    const TSizeDims dims = SizeDims(static_cast<int>(size));
    for (int r = 0; r < dims.Rows; ++r)
        for (int c = 0; c < dims.Cols; ++c) {
            TSquare& s = puzzle.Grid.Sq[r][c];
            if (r < rows && c < cols) {
                s = read.Grid.Sq[r][c];
                if (s.Kind == White) s.SetAnswer(count.First[r][c]);
            } else {
                s.Kind = Black;
            }
        }
    puzzle.Size = size;
    puzzle.Rows = rows;
    puzzle.Cols = cols;
    puzzle.Turned = read.Turned;
    puzzle.Stars = ImportedStars(puzzle.Grid, dims.Rows, dims.Cols);
    return true;
}

int FindStoredCopy(const TPuzzleLibrary& lib, const TImportedPuzzle& puzzle) {
    const TSizeDims dims = SizeDims(static_cast<int>(puzzle.Size));
    const auto same = [&](const TSquare& a, const TSquare& b) {
        if (a.Kind != b.Kind) return false;
        if (a.Kind == White) return a.Answer() == b.Answer();
        return a.AcrossSquares == b.AcrossSquares && a.DownSquares == b.DownSquares &&
               (a.AcrossSquares == 0 || a.AcrossTotal == b.AcrossTotal) &&
               (a.DownSquares == 0 || a.DownTotal == b.DownTotal);
    };
    for (int slot = 1; slot <= UsedSlots(lib.Counts); ++slot) {
        if (lib.Info(slot).Size != static_cast<int>(puzzle.Size) || SlotProblem(lib, slot))
            continue;
        bool equal = true;
        for (int r = 0; r < dims.Rows && equal; ++r)
            for (int c = 0; c < dims.Cols && equal; ++c)
                equal = same(lib.Grid(slot).Sq[r][c], puzzle.Grid.Sq[r][c]);
        if (equal) return slot;
    }
    return 0;
}

std::string StoredCopyText(const TPuzzleLibrary& lib, int slot) {
    return Fill(Tr("Texts", "the puzzle is already in the library as Id %1 in slot %2"),
                {std::to_string(lib.Info(slot).Id), std::to_string(slot)});
}

int AppendImportedPuzzle(TPuzzleLibrary& lib, std::int32_t& lastPuzzleId,
                         const TImportedPuzzle& puzzle, std::string& reason) {
    if (UsedSlots(CountSlots(lib)) >= MaxPuzzles) {
        reason = Tr("Texts", "the library holds 100 puzzles: delete some to make room");
        return 0;
    }
    if (const std::string noId = NoIdLeftReason(lib, lastPuzzleId); !noId.empty()) {
        reason = Fill(Tr("Texts", "no puzzle Id is left: %1"), {noId});
        return 0;
    }
    const int slot = AppendPuzzle(lib, lastPuzzleId, puzzle.Grid, puzzle.Size, puzzle.Stars);
    if (slot == 0) reason = Tr("Texts", "the puzzle could not be stored");
    return slot;
}

bool ExportPuzzleText(const TPuzzleLibrary& lib, int slot, bool answers, TTextFormat format,
                      std::string& text, std::string& reason) {
    text.clear();
    if (slot < 1 || slot > MaxPuzzles) {
        reason = Fill(Tr("Texts", "slot %1 is not 1..100"), {std::to_string(slot)});
        return false;
    }
    if (slot > UsedSlots(lib.Counts) || ClassifySlot(lib, slot) == TSlotState::Empty) {
        reason = Fill(Tr("Texts", "slot %1 is empty"), {std::to_string(slot)});
        return false;
    }
    if (const char* why = SlotProblem(lib, slot)) {
        reason =
            Fill(Tr("Texts", "slot %1 is damaged: %2"), {std::to_string(slot), Tr("Texts", why)});
        return false;
    }
    const TSizeDims dims = SizeDims(lib.Info(slot).Size);
    text = FormatPuzzleText(lib.Grid(slot), dims.Rows, dims.Cols, answers, format);
    return true;
}

}  // namespace xs
