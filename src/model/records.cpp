// Moving whole puzzles between the library and the working copy.
#include "model/records.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace xs {

namespace {

constexpr TSizeDims kSizeDims[4] = {{10, 16}, {12, 20}, {16, 26}, {9, 13}};
constexpr const char* kSizeTexts[4] = {"10 x 16", "12 x 20", "16 x 26", "9 x 13"};

}  // namespace

bool IsValidSizeCode(int code) {
    return code >= 0 && code <= 3;
}

TSizeDims SizeDims(int sizeCode) {
    return IsValidSizeCode(sizeCode) ? kSizeDims[sizeCode] : TSizeDims{0, 0};
}

const char* SizeText(int sizeCode) {
    return IsValidSizeCode(sizeCode) ? kSizeTexts[sizeCode] : "?";
}

void SetPuzzleDims(TPuzzleDims& dims, int sizeCode) {
    if (!IsValidSizeCode(sizeCode)) return;
    dims.LastRow = kSizeDims[sizeCode].Rows - 1;
    dims.LastCol = kSizeDims[sizeCode].Cols - 1;
}

void LoadSlot(const TPuzzleLibrary& lib, int slot, TWorkingCopy& work) {
    SetPuzzleDims(work.PuzzleDims, lib.Info(slot).Size);
    const TPuzzleGrid& from = lib.Grid(slot);
    const std::size_t rowBytes =
        sizeof(TSquare) * static_cast<std::size_t>(work.PuzzleDims.LastCol + 1);
    for (int r = 0; r <= work.PuzzleDims.LastRow; ++r)
        std::memcpy(work.CurrentPuzzle.Sq[r], from.Sq[r], rowBytes);
}

void SaveSlot(TPuzzleLibrary& lib, int slot, const TWorkingCopy& work) {
    TPuzzleGrid& to = lib.Grid(slot);
    const std::size_t rowBytes =
        sizeof(TSquare) * static_cast<std::size_t>(work.PuzzleDims.LastCol + 1);
    for (int r = 0; r <= work.PuzzleDims.LastRow; ++r)
        std::memcpy(to.Sq[r], work.CurrentPuzzle.Sq[r], rowBytes);
}

bool IsModified(const TPuzzleLibrary& lib, int slot, const TWorkingCopy& work) {
    const TPuzzleGrid& saved = lib.Grid(slot);
    for (int r = 1; r <= work.PuzzleDims.LastRow; ++r) {
        for (int c = 1; c <= work.PuzzleDims.LastCol; ++c) {
            const TSquare& now = work.CurrentPuzzle.Sq[r][c];
            if (now.Kind != White) continue;
            const TSquare& old = saved.Sq[r][c];
            if (now.Entry != old.Entry) return true;
            if (std::memcmp(now.Possible, old.Possible, sizeof now.Possible) != 0) return true;
        }
    }
    return false;
}

bool GridSolved(const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    bool any = false;
    for (int r = 1; r <= dims.LastRow; ++r) {
        for (int c = 1; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != White) continue;
            if (sq.Entry != sq.Answer()) return false;
            any = true;
        }
    }
    return any;
}

TPuzzleCounts CountSlots(const TPuzzleLibrary& lib) {
    TPuzzleCounts counts{};
    for (int slot = MaxPuzzles; slot >= 1 && counts.Total == 0; --slot)
        if (lib.Info(slot).Id != 0) counts.Total = slot;
    for (int slot = 1; slot <= counts.Total; ++slot) {
        const TPuzzleInfo& info = lib.Info(slot);
        const int d = info.Difficulty;
        if (info.Id != 0 && d >= kMinDifficulty && d <= kMaxDifficulty)
            counts.ByDifficulty[d - 1] += 1;
    }
    return counts;
}

std::int32_t NextPuzzleId(const TPuzzleLibrary& lib, std::int32_t lastPuzzleId) {
    std::int32_t largest = std::max<std::int32_t>(lastPuzzleId, 0);
    for (const TPuzzleInfo& info : lib.Infos) largest = std::max(largest, info.Id);
    return largest == std::numeric_limits<std::int32_t>::max() ? 0 : largest + 1;
}

std::string NoIdLeftReason(const TPuzzleLibrary& lib, std::int32_t lastPuzzleId) {
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    const std::string largest = std::to_string(kLargest);
    if (lastPuzzleId == kLargest)
        return "the last puzzle Id given, " + largest + ", is the largest an Id can be";
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        if (lib.Info(slot).Id == kLargest)
            return "puzzle " + largest + " in slot " + std::to_string(slot) +
                   " has the largest Id there can be";
    }
    return {};
}

int AppendPuzzle(TPuzzleLibrary& lib, std::int32_t& lastPuzzleId, const TPuzzleGrid& grid,
                 TPuzzleSize size, int difficulty) {
    if (difficulty < kMinDifficulty || difficulty > kMaxDifficulty) return 0;
    if (!IsValidSizeCode(static_cast<int>(size))) return 0;
    TPuzzleCounts counts = CountSlots(lib);
    const std::int32_t id = NextPuzzleId(lib, lastPuzzleId);
    if (counts.Total >= MaxPuzzles || id == 0) return 0;
    counts.Total += 1;
    counts.ByDifficulty[difficulty - 1] += 1;
    const int slot = counts.Total;
    lastPuzzleId = id;
    lib.Counts = counts;
    TPuzzleInfo& info = lib.Info(slot);
    info.Id = id;
    info.Size = static_cast<std::uint8_t>(size);
    info.Difficulty = static_cast<std::uint8_t>(difficulty);
    lib.Grid(slot) = grid;
    return slot;
}

void CompactLibrary(TPuzzleLibrary& lib, const bool (&remove)[MaxPuzzles]) {
    const int used = std::clamp<int>(lib.Counts.Total, 0, MaxPuzzles);
    int kept = 0;
    for (int slot = 1; slot <= used; ++slot) {
        if (remove[slot - 1]) continue;
        ++kept;
        if (kept != slot) lib.Grid(kept) = lib.Grid(slot);
        const TPuzzleInfo moved = lib.Info(slot);
        lib.Info(kept) = TPuzzleInfo{moved.Id, moved.Size, moved.Difficulty, {0, 0}};
    }
    for (int slot = kept + 1; slot <= MaxPuzzles; ++slot) lib.Info(slot).Id = 0;
    lib.Counts.Total = kept;
    for (int& n : lib.Counts.ByDifficulty) n = 0;
    for (int slot = 1; slot <= kept; ++slot) {
        const int d = lib.Info(slot).Difficulty;
        if (d >= kMinDifficulty && d <= kMaxDifficulty) lib.Counts.ByDifficulty[d - 1] += 1;
    }
}

}  // namespace xs
