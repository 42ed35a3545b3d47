// The preferences record and the whole data file image; both are stored byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/records.h"

namespace xs {

// 272 bytes. Unnamed bytes are reserved: never read, written back as they were read.
struct TSettings {
    std::uint8_t Valid;  // 1 once the program has written its data file
    std::uint8_t Reserved1[7];
    std::int32_t Reserved8;
    std::int32_t Reserved12;
    std::uint8_t Reserved16;
    std::uint8_t Reserved17[50];
    std::uint8_t Reserved67;
    std::uint8_t Reserved68[20];
    std::int32_t WindowHeight;
    std::int32_t WindowWidth;
    std::int32_t WindowTop;
    std::int32_t WindowLeft;
    std::int32_t FontSize;         // 1 smaller, 2 nominal, 3 bigger
    std::int32_t LastPuzzleId;     // Id of the most recently created puzzle
    std::int32_t CurrentPuzzleId;  // puzzle last chosen on the solve screen; 0 = none
    std::int32_t CreateSize;       // TPuzzleSize code preselected on the create screen
    std::int32_t PrintPuzzles;     // 0..2
    std::int32_t PrintAnswers;     // 0..2
    std::int32_t PrintColors;      // 1..4
    std::uint8_t CombosAtSide;     // 1: combinations panel at the side, 0: at the top
    std::uint8_t Reserved133[139];
};

static_assert(sizeof(TSettings) == 272);
static_assert(offsetof(TSettings, Reserved8) == 8);
static_assert(offsetof(TSettings, Reserved12) == 12);
static_assert(offsetof(TSettings, Reserved16) == 16);
static_assert(offsetof(TSettings, Reserved67) == 67);
static_assert(offsetof(TSettings, WindowHeight) == 88);
static_assert(offsetof(TSettings, WindowWidth) == 92);
static_assert(offsetof(TSettings, WindowTop) == 96);
static_assert(offsetof(TSettings, WindowLeft) == 100);
static_assert(offsetof(TSettings, FontSize) == 104);
static_assert(offsetof(TSettings, LastPuzzleId) == 108);
static_assert(offsetof(TSettings, CurrentPuzzleId) == 112);
static_assert(offsetof(TSettings, CreateSize) == 116);
static_assert(offsetof(TSettings, PrintPuzzles) == 120);
static_assert(offsetof(TSettings, PrintAnswers) == 124);
static_assert(offsetof(TSettings, PrintColors) == 128);
static_assert(offsetof(TSettings, CombosAtSide) == 132);

constexpr std::size_t kDataFileSize = 999496;

// The whole data file: settings, counters, 100 grids, 100 index records.
struct TDataFileRecord {
    TSettings Settings;
    TPuzzleLibrary Library;
};

static_assert(sizeof(TDataFileRecord) == kDataFileSize);
static_assert(offsetof(TDataFileRecord, Library) + offsetof(TPuzzleLibrary, Counts) == 272);
static_assert(offsetof(TDataFileRecord, Library) + offsetof(TPuzzleLibrary, Grids) == 296);
static_assert(offsetof(TDataFileRecord, Library) + offsetof(TPuzzleLibrary, Infos) == 998696);

// The process-wide state: the data file image and the puzzle being worked on.
struct TAppData {
    TDataFileRecord File;
    TWorkingCopy Work;
};

// The one instance of the running program (zero-filled at start).
TAppData& AppData();

}  // namespace xs
