// Fuzzes every reader of the data file: arbitrary bytes must load, list and show without a fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_format.h"
#include "model/slot_check.h"
#include "storage/data_file.h"
#include "storage/preferences.h"
#include "support/sample_puzzles.h"

namespace {

using namespace xs;

// A sound library of one puzzle per size, so that small inputs patched into it reach the
// readers of real puzzles rather than stopping at an empty library.
const std::vector<char>& BaseImage() {
    static const std::vector<char> image = [] {
        auto* record = new TDataFileRecord{};
        record->Settings.Valid = 1;
        std::int32_t& lastId = record->Settings.LastPuzzleId;
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Mini, 1);
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Small, 2);
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Medium, 4);
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Large, 5);
        const char* bytes = reinterpret_cast<const char*>(record);
        std::vector<char> out(bytes, bytes + kDataFileSize);
        delete record;
        return out;
    }();
    return image;
}

// The input as edits of the base image: [region][offset: 3 bytes][length][bytes...] repeated.
// The region picks the preferences and counters, the index records, the grid of slot 1..4, or
// anywhere, so that few bytes reach each kind of field.
void ApplyPatches(const std::uint8_t* data, std::size_t size, std::vector<char>& image) {
    std::size_t at = 0;
    while (at + 5 <= size) {
        const unsigned region = data[at];
        const std::size_t offset = data[at + 1] | (data[at + 2] << 8) | (data[at + 3] << 16);
        const std::size_t length = (data[at + 4] % 16u) + 1;
        at += 5;
        std::size_t to = 0;
        switch (region % 4) {
            case 0:
                to = offset % 296;
                break;
            case 1:
                to = 998696 + offset % 800;
                break;
            case 2:
                to = 296 + (region / 4 % 4) * sizeof(TPuzzleGrid) + offset % sizeof(TPuzzleGrid);
                break;
            default:
                to = offset % kDataFileSize;
                break;
        }
        for (std::size_t k = 0; k < length && at < size && to + k < image.size(); ++k, ++at)
            image[to + k] = static_cast<char>(data[at]);
    }
}

void Exercise(TDataFileRecord& record) {
    static TWorkingCopy work{};
    const TPuzzleLibrary& lib = record.Library;
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        (void)SlotProblem(lib, slot);
        if (slot > UsedSlots(lib.Counts) || ClassifySlot(lib, slot) != TSlotState::Valid) continue;
        LoadSlot(lib, slot, work);
        // A puzzle just loaded has no unsaved changes.
        if (IsModified(lib, slot, work)) __builtin_trap();
    }
    std::string text;
    std::string problem;
    const std::string list = cli::FormatLibraryList(record, "fuzz");
    for (int slot = 0; slot <= MaxPuzzles + 1; ++slot) {
        for (bool answers : {false, true}) {
            const bool shown = cli::FormatPuzzle(lib, slot, answers, text, problem);
            // A slot is either shown or refused with a reason, never both or neither.
            if (shown ? text.empty() || !problem.empty() : problem.empty() || !text.empty())
                __builtin_trap();
        }
    }
    TSettings settings = record.Settings;
    (void)RestoreWindow(settings, {1280, 1024, 994, TFontClass::Large});
    (void)CheckedPrintColors(settings);
    TProgramFonts fonts;
    ApplyFontSize(settings.FontSize, fonts);
    (void)list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* record = new TDataFileRecord{};
    // The input itself as a file: anything shorter than the record is rejected whole.
    if (ParseDataFileImage(reinterpret_cast<const char*>(data), size, *record)) Exercise(*record);

    std::vector<char> image = BaseImage();
    ApplyPatches(data, size, image);
    if (!ParseDataFileImage(image.data(), image.size(), *record)) __builtin_trap();
    Exercise(*record);
    return 0;
}
