// Writes whole data files made by the generator into a folder, as seeds for the data file fuzzer:
// the megabyte images are made at test time instead of being kept in the source tree. Each file
// is the image followed by the control bytes that tell the fuzzer what to do with it.
// Usage: data_file_seeds FOLDER
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "generate/driver.h"
#include "storage/settings.h"

namespace {

using namespace xs;

// Appends count puzzles of one size and level, as the create screen's batch would.
void Generate(TDataFileRecord& record, TPuzzleSize size, int stars, int count, TRandom& rng) {
    static TCreationBatch batch;
    std::memset(batch.CreateCounts, 0, sizeof batch.CreateCounts);
    batch.CreateCounts[0] = count;
    batch.CreateCounts[stars] = count;
    batch.SizeCode = static_cast<int>(size);
    TGenControl control;
    control.Rng = &rng;
    if (batch.Run(record.Library, record.Settings.LastPuzzleId, control) != TBatchResult::Done) {
        std::fprintf(stderr, "data_file_seeds: a batch did not finish\n");
        std::exit(1);
    }
}

// Some progress in every third puzzle: entries from the answers and a few marks.
void AddProgress(TPuzzleLibrary& lib) {
    for (int slot = 1; slot <= lib.Counts.Total; slot += 3) {
        TPuzzleGrid& grid = lib.Grid(slot);
        for (int r = 1; r < kGridRows; ++r) {
            for (int c = 1; c < kGridCols; ++c) {
                TSquare& s = grid.Sq[r][c];
                if (s.Kind != White) continue;
                if ((r + c) % 2 == 0) s.Entry = static_cast<std::uint8_t>(s.Answer());
                if ((r * c) % 5 == 0) s.Possible[(r + c) % 9] = 1;
            }
        }
    }
}

bool WriteSeed(const std::string& folder, const char* name, const TDataFileRecord& record,
               const std::uint8_t (&control)[24]) {
    const std::string path = folder + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(&record, 1, kDataFileSize, file) == kDataFileSize &&
                         std::fwrite(control, 1, sizeof control, file) == sizeof control;
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: data_file_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    TRandom rng(20261207);
    auto mixed = std::make_unique<TDataFileRecord>();
    mixed->Settings.Valid = 1;
    mixed->Settings.WindowWidth = 1000;
    mixed->Settings.WindowHeight = 720;
    mixed->Settings.WindowLeft = 12;
    mixed->Settings.WindowTop = 8;
    mixed->Settings.FontSize = 2;
    mixed->Settings.PrintColors = 3;
    for (int stars = 1; stars <= 5; ++stars) Generate(*mixed, TPuzzleSize::Mini, stars, 2, rng);
    Generate(*mixed, TPuzzleSize::Small, 2, 2, rng);
    Generate(*mixed, TPuzzleSize::Medium, 3, 2, rng);
    Generate(*mixed, TPuzzleSize::Large, 1, 1, rng);
    Generate(*mixed, TPuzzleSize::Large, 4, 1, rng);
    AddProgress(mixed->Library);

    auto full = std::make_unique<TDataFileRecord>();
    full->Settings.Valid = 1;
    Generate(*full, TPuzzleSize::Mini, 1, 60, rng);
    Generate(*full, TPuzzleSize::Small, 5, 40, rng);
    AddProgress(full->Library);

    // Counters that disagree with the slots, as a damaged or hand-edited file has them.
    auto spent = std::make_unique<TDataFileRecord>(*mixed);
    spent->Settings.LastPuzzleId = std::numeric_limits<std::int32_t>::max();
    auto miscounted = std::make_unique<TDataFileRecord>(*mixed);
    miscounted->Library.Counts.Total = 5;
    miscounted->Library.Counts.ByDifficulty[2] = std::numeric_limits<std::int32_t>::max();
    miscounted->Settings.LastPuzzleId = -3;
    auto empty = std::make_unique<TDataFileRecord>();

    // Control bytes: bit 0 of the first reads the file as the earlier edition's, bit 1 deletes
    // the slots marked from byte 7 on; the others pick the appended puzzle and the saved slot.
    // Byte 20 makes the texts: none (1), one slot's (16), or also the list (0), which runs the
    // teaching solver on every puzzle; byte 23 at 0 writes to disk. Mutants of a seed mostly keep
    // its control bytes, so the slow ones are given to one seed.
    const std::uint8_t keepAll[24] = {0, 3, 2, 1, 0, 4, 5, 0, 0, 0, 0, 0,
                                      0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1};
    const std::uint8_t deleteSome[24] = {2,    1,    4,    7,    1,    9,    2,    0x55,
                                         0x0f, 0x81, 0x00, 0xff, 0x10, 0x20, 0x40, 0x80,
                                         0,    0,    0,    0,    16,   0,    0,    2};
    const std::uint8_t importDelete[24] = {3, 0, 0, 2, 2, 3, 8, 0xff, 0x01};
    const struct {
        const char* Name;
        const TDataFileRecord* Record;
        const std::uint8_t (&Control)[24];
    } seeds[] = {
        {"generated_mixed", mixed.get(), keepAll},
        {"generated_mixed_delete", mixed.get(), deleteSome},
        {"generated_mixed_import", mixed.get(), importDelete},
        {"generated_full", full.get(), keepAll},
        {"generated_full_delete", full.get(), deleteSome},
        {"spent_ids", spent.get(), keepAll},
        {"miscounted", miscounted.get(), deleteSome},
        {"new_file", empty.get(), keepAll},
    };
    for (const auto& seed : seeds) {
        if (!WriteSeed(folder, seed.Name, *seed.Record, seed.Control)) {
            std::fprintf(stderr, "data_file_seeds: cannot write %s/%s\n", folder.c_str(),
                         seed.Name);
            return 1;
        }
    }
    return 0;
}
