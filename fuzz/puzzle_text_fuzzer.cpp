// Fuzzes reading a puzzle from text: any bytes give either a one-line reason or a puzzle that
// every reader can use, whose one solution adds up, and that reads back the same once written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "manage/puzzle_import.h"
#include "model/slot_check.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace xs;
    static TImportedPuzzle puzzle;
    static TImportedPuzzle again;
    static TPuzzleLibrary lib;
    std::string reason;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!PreparePuzzleImport(text, puzzle, reason)) {
        Check(!reason.empty() && reason.find('\n') == std::string::npos);
        return 0;
    }
    const int sizeCode = static_cast<int>(puzzle.Size);
    Check(GridProblem(puzzle.Grid, sizeCode) == nullptr);
    Check(puzzle.Stars >= 1 && puzzle.Stars <= 5);

    // Stored and written out, it reads back square for square.
    std::memset(&lib, 0, sizeof lib);
    std::int32_t lastId = 0;
    Check(AppendImportedPuzzle(lib, lastId, puzzle, reason) == 1);
    std::string written;
    Check(ExportPuzzleText(lib, 1, (size & 1) != 0,
                           (size & 2) != 0 ? TTextFormat::Csv : TTextFormat::Grid, written,
                           reason));
    Check(PreparePuzzleImport(written, again, reason));
    Check(std::memcmp(&again.Grid, &puzzle.Grid, sizeof puzzle.Grid) == 0);
    return 0;
}
