// Validation of stored slots read from an untrusted data file.
#include "model/slot_check.h"

#include <algorithm>

namespace xs {

int UsedSlots(const TPuzzleCounts& counts) {
    return std::clamp<int>(counts.Total, 0, MaxPuzzles);
}

namespace {

// A run of `length` squares from (r, c) exclusive, stepping (dr, dc), must stay inside the region
// and cover only White squares.
bool RunIsSound(const TPuzzleGrid& g, TSizeDims dims, int r, int c, int dr, int dc, int length,
                int total) {
    if (length == 0) return true;  // no run; readers look at lengths first
    if (length < 1 || length > 9 || total < 1 || total > 45) return false;
    const int endRow = r + dr * length;
    const int endCol = c + dc * length;
    if (endRow >= dims.Rows || endCol >= dims.Cols) return false;
    for (int k = 1; k <= length; ++k)
        if (g.Sq[r + dr * k][c + dc * k].Kind != White) return false;
    return true;
}

// The answers of a run that RunIsSound accepted add up to its total.
bool RunAddsUp(const TPuzzleGrid& g, int r, int c, int dr, int dc, int length, int total) {
    if (length == 0) return true;
    int sum = 0;
    for (int k = 1; k <= length; ++k) sum += g.Sq[r + dr * k][c + dc * k].Answer();
    return sum == total;
}

}  // namespace

const char* GridProblem(const TPuzzleGrid& grid, int sizeCode) {
    if (!IsValidSizeCode(sizeCode)) return "unknown size";
    const TSizeDims dims = SizeDims(sizeCode);
    for (int r = 0; r < dims.Rows; ++r) {
        for (int c = 0; c < dims.Cols; ++c) {
            const TSquare& s = grid.Sq[r][c];
            if ((r == 0 || c == 0) && s.Kind != Black) return "border square is not black";
            if (s.Kind == Black) {
                if (!RunIsSound(grid, dims, r, c, 0, 1, s.AcrossSquares, s.AcrossTotal))
                    return "across run out of range";
                if (!RunIsSound(grid, dims, r, c, 1, 0, s.DownSquares, s.DownTotal))
                    return "down run out of range";
            } else if (s.Kind == White) {
                if (s.Answer() < 1 || s.Answer() > 9) return "answer is not a digit";
                if (s.Entry > 9) return "entry is not a digit";
                for (std::uint8_t mark : s.Possible)
                    if (mark > 1) return "possible mark is not 0 or 1";
            } else {
                return "square kind out of range";
            }
        }
    }
    // Only once every answer is known to be a digit: a changed answer byte shows in its runs.
    for (int r = 0; r < dims.Rows; ++r) {
        for (int c = 0; c < dims.Cols; ++c) {
            const TSquare& s = grid.Sq[r][c];
            if (s.Kind != Black) continue;
            if (!RunAddsUp(grid, r, c, 0, 1, s.AcrossSquares, s.AcrossTotal) ||
                !RunAddsUp(grid, r, c, 1, 0, s.DownSquares, s.DownTotal))
                return "answers do not add up to a total";
        }
    }
    return nullptr;
}

const char* SlotProblem(const TPuzzleLibrary& lib, int slot) {
    if (slot < 1 || slot > MaxPuzzles) return "no such slot";
    const TPuzzleInfo& info = lib.Info(slot);
    if (info.Id == 0) return nullptr;
    if (info.Id < 0) return "puzzle Id below 1";
    if (!IsValidSizeCode(info.Size)) return "unknown size";
    if (info.Difficulty < kMinDifficulty || info.Difficulty > kMaxDifficulty)
        return "difficulty out of range";
    return GridProblem(lib.Grid(slot), info.Size);
}

TSlotState ClassifySlot(const TPuzzleLibrary& lib, int slot) {
    if (slot < 1 || slot > MaxPuzzles) return TSlotState::Damaged;
    if (lib.Info(slot).Id == 0) return TSlotState::Empty;
    return SlotProblem(lib, slot) == nullptr ? TSlotState::Valid : TSlotState::Damaged;
}

bool SlotSolved(const TPuzzleLibrary& lib, int slot) {
    if (ClassifySlot(lib, slot) != TSlotState::Valid) return false;
    const TSizeDims dims = SizeDims(lib.Info(slot).Size);
    return GridSolved(lib.Grid(slot), TPuzzleDims{dims.Rows - 1, dims.Cols - 1});
}

}  // namespace xs
