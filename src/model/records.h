// The square, grid, slot and library records; their byte layout is also the data file's.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace xs {

static_assert(std::endian::native == std::endian::little,
              "the records are the data file's little-endian image");

constexpr int kGridRows = 16;
constexpr int kGridCols = 26;
constexpr int MaxPuzzles = 100;
constexpr int kMinDifficulty = 1;
constexpr int kMaxDifficulty = 5;

enum TSquareKind : std::uint8_t { Outside = 0, Black = 1, White = 2 };

enum class TPuzzleSize : std::uint8_t { Small = 0, Medium = 1, Large = 2, Mini = 3 };

// One square of a puzzle. The field at offset 4 is the across total on a Black square and the
// solution digit on a White square; AcrossTotal is the stored name, Answer() the White view.
struct TSquare {
    std::uint8_t Kind;  // TSquareKind; any byte may come from a damaged file
    std::uint8_t Reserved[3];
    std::int32_t AcrossTotal;
    std::int32_t DownTotal;
    std::uint8_t AcrossSquares;
    std::uint8_t DownSquares;
    std::uint8_t Entry;        // White: the player's digit 1..9, 0 = empty
    std::uint8_t Possible[9];  // White: Possible[d - 1] = 1 when d is marked possible

    std::int32_t Answer() const { return AcrossTotal; }
    void SetAnswer(std::int32_t digit) { AcrossTotal = digit; }
    bool IsPossible(int digit) const { return Possible[digit - 1] != 0; }
};

struct TPuzzleGrid {
    TSquare Sq[kGridRows][kGridCols];  // [row][column]
};

// Index record of one library slot; Id 0 marks an empty slot. The program never stores a negative
// Id: one read from a file is damage, and its slot is kept as damaged.
struct TPuzzleInfo {
    std::int32_t Id;
    std::uint8_t Size;        // TPuzzleSize code
    std::uint8_t Difficulty;  // 1..5
    std::uint8_t Reserved[2];
};

struct TPuzzleCounts {
    std::int32_t Total;
    std::int32_t ByDifficulty[5];  // ByDifficulty[d - 1]: puzzles with d stars
};

// The persisted collection; the member order is the order of the data file after the settings.
struct TPuzzleLibrary {
    TPuzzleCounts Counts;
    TPuzzleGrid Grids[MaxPuzzles];  // Grids[slot - 1]
    TPuzzleInfo Infos[MaxPuzzles];  // Infos[slot - 1]

    TPuzzleGrid& Grid(int slot) { return Grids[slot - 1]; }
    const TPuzzleGrid& Grid(int slot) const { return Grids[slot - 1]; }
    TPuzzleInfo& Info(int slot) { return Infos[slot - 1]; }
    const TPuzzleInfo& Info(int slot) const { return Infos[slot - 1]; }
};

// Last row and last column index of the size in use.
struct TPuzzleDims {
    std::int32_t LastRow;
    std::int32_t LastCol;
};

// The puzzle being previewed or solved, and where it came from.
struct TWorkingCopy {
    TPuzzleGrid CurrentPuzzle;
    std::int32_t CurrentSlot = 1;
    TPuzzleDims PuzzleDims{8, 12};
};

static_assert(sizeof(TSquare) == 24);
static_assert(offsetof(TSquare, Kind) == 0);
static_assert(offsetof(TSquare, AcrossTotal) == 4);
static_assert(offsetof(TSquare, DownTotal) == 8);
static_assert(offsetof(TSquare, AcrossSquares) == 12);
static_assert(offsetof(TSquare, DownSquares) == 13);
static_assert(offsetof(TSquare, Entry) == 14);
static_assert(offsetof(TSquare, Possible) == 15);
static_assert(sizeof(TPuzzleGrid) == 9984);
static_assert(sizeof(TPuzzleGrid::Sq[0]) == 624);
static_assert(sizeof(TPuzzleInfo) == 8);
static_assert(offsetof(TPuzzleInfo, Size) == 4);
static_assert(offsetof(TPuzzleInfo, Difficulty) == 5);
static_assert(sizeof(TPuzzleCounts) == 24);
static_assert(offsetof(TPuzzleLibrary, Grids) == 24);
static_assert(offsetof(TPuzzleLibrary, Infos) == 24 + 998400);
static_assert(sizeof(TPuzzleLibrary) == 24 + 998400 + 800);

// Rows and columns of a size, counting the clue row and column.
struct TSizeDims {
    int Rows;
    int Cols;
};

bool IsValidSizeCode(int code);
// Rows and columns of a size code 0..3; {0, 0} for any other code.
TSizeDims SizeDims(int sizeCode);
// "9 x 13" etc.; "?" for a code outside 0..3.
const char* SizeText(int sizeCode);
// Sets dims from a size code; a code outside 0..3 leaves dims unchanged.
void SetPuzzleDims(TPuzzleDims& dims, int sizeCode);

// Copies the slot's puzzle (rows 0..last row, columns 0..last column) into the working copy after
// setting PuzzleDims from the slot's size. The caller sets CurrentSlot. slot is 1..100.
void LoadSlot(const TPuzzleLibrary& lib, int slot, TWorkingCopy& work);
// Copies the working copy's region back into the slot. slot is 1..100.
void SaveSlot(TPuzzleLibrary& lib, int slot, const TWorkingCopy& work);
// True when a White square of the working copy differs from the slot in Entry or Possible.
bool IsModified(const TPuzzleLibrary& lib, int slot, const TWorkingCopy& work);
// Every White square of rows 1..LastRow, columns 1..LastCol holds its answer, and there is at
// least one: the puzzle is solved. The dims must lie inside the grid.
bool GridSolved(const TPuzzleGrid& grid, const TPuzzleDims& dims);
// The counters as the slots give them, for a library read from a file that may be damaged:
// Total is the last slot holding a puzzle (an Id other than 0, a damaged negative one included), so
// that nothing stored lies above it and no new puzzle is written over one;
// ByDifficulty counts the used slots of 1..Total by their stars (1..5; others are not counted).
TPuzzleCounts CountSlots(const TPuzzleLibrary& lib);
// The Id for the next new puzzle: one more than the larger of lastPuzzleId and every stored Id,
// so that no Id is given twice whatever the stored counter says; 0 when no Id is left.
std::int32_t NextPuzzleId(const TPuzzleLibrary& lib, std::int32_t lastPuzzleId);
// Why NextPuzzleId has no Id to give, in words: the last Id given or a stored puzzle's Id (named
// with its slot) is the largest an Id can be. Empty when an Id is left.
std::string NoIdLeftReason(const TPuzzleLibrary& lib, std::int32_t lastPuzzleId);
// Stores a new puzzle after the last stored one with NextPuzzleId, sets lastPuzzleId to that Id and
// replaces the counters by CountSlots plus the new puzzle. Returns the slot, or 0 when the puzzle
// cannot be stored (every slot in use, no Id left, difficulty outside 1..5 or an unknown size);
// the library and lastPuzzleId are then unchanged.
int AppendPuzzle(TPuzzleLibrary& lib, std::int32_t& lastPuzzleId, const TPuzzleGrid& grid,
                 TPuzzleSize size, int difficulty);
// Removes the marked slots (remove[slot - 1]), keeping the order of the others and closing the
// gaps; recounts Total and ByDifficulty. Slots above the new total get Id 0.
void CompactLibrary(TPuzzleLibrary& lib, const bool (&remove)[MaxPuzzles]);

}  // namespace xs
