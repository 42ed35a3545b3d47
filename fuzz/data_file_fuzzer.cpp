// Fuzzes the data file from the disk up. Any bytes, taken as a whole file or as edits of a sound
// library, are written to disk and go read (as the current file or as an import of the earlier
// edition), append, save a slot, delete, write and read back. Every sound puzzle must come through
// unchanged and in order, and the counters must stay in range. The list and show texts and the
// preferences' window and font rules run on the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli/cli_format.h"
#include "model/slot_check.h"
#include "storage/data_file.h"
#include "storage/data_file_lock.h"
#include "storage/preferences.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace {

using namespace xs;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "data_file_fuzzer: %s\n", what);
    __builtin_trap();
}

// The bytes after a whole image, or for shorter inputs a hash of the input, choose what happens
// to the library: import or not, which puzzle is appended, which slot is saved, which deleted.
constexpr std::size_t kControlSize = 24;
using TControl = std::uint8_t[kControlSize];

void MakeControl(const std::uint8_t* data, std::size_t size, TControl& control) {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t k = 0; k < size; k += 1 + k / 64) hash = (hash ^ data[k]) * 1099511628211ull;
    for (std::size_t k = 0; k < kControlSize; ++k) {
        hash ^= hash >> 29;
        hash *= 0xbf58476d1ce4e5b9ull;
        control[k] = static_cast<std::uint8_t>(hash >> 56);
    }
    if (size <= kDataFileSize) return;
    const std::size_t extra = std::min(size - kDataFileSize, kControlSize);
    std::memcpy(control, data + kDataFileSize, extra);
}

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
    // Long inputs are short files first; a few hundred edits say all that edits can say.
    size = std::min<std::size_t>(size, 4096);
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

// The readers that list, show and load: none may fault, and each slot is shown or refused.
void ExerciseReaders(const TDataFileRecord& record) {
    static TWorkingCopy work{};
    const TPuzzleLibrary& lib = record.Library;
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        (void)SlotProblem(lib, slot);
        if (slot > UsedSlots(lib.Counts) || ClassifySlot(lib, slot) != TSlotState::Valid) continue;
        LoadSlot(lib, slot, work);
        if (IsModified(lib, slot, work)) Fail("a puzzle just loaded reads as changed");
    }
    std::string text;
    std::string problem;
    (void)cli::FormatLibraryList(record, "fuzz");
    // Every slot in use once (entries or answers by turns), and the slots just outside.
    const int used = UsedSlots(lib.Counts);
    for (int slot = 0; slot <= MaxPuzzles + 1; ++slot) {
        if (slot > used + 1 && slot <= MaxPuzzles) continue;
        const bool shown = cli::FormatPuzzle(lib, slot, slot % 2 == 1, text, problem);
        if (shown ? text.empty() || !problem.empty() : problem.empty() || !text.empty())
            Fail("a slot is both shown and refused, or neither");
    }
}

// Window and font rules on the stored preferences and a screen the control bytes make up.
void ExercisePreferences(const TSettings& stored, const TControl& c) {
    TScreenMetrics screen;
    screen.Width = c[8] | (c[9] << 8);
    screen.Height = c[10] | (c[11] << 8);
    screen.UsableHeight = screen.Height - c[12] % 64;
    const int dpi = c[13] * 2;
    screen.FontClass = FontClassForDpi(dpi);
    if (FontClassForDpi(dpi + 1) < screen.FontClass) Fail("a higher dpi gave a smaller class");

    TSettings settings = stored;
    TProgramFonts fonts;
    ApplyFontSize(stored.FontSize, fonts);
    const std::int32_t before = settings.FontSize;
    (void)RestoreWindow(settings, screen);
    if (settings.FontSize > before || (before >= 1 && before <= 3 && settings.FontSize < 1))
        Fail("restoring the window raised the font size or took it out of 1..3");
    ApplyFontSize(settings.FontSize, fonts);

    const TWindowRect w = DefaultWindow(settings, screen);
    if (settings.FontSize < 1 || settings.FontSize > 2) Fail("default font size outside 1..2");
    if (screen.Width >= w.Width && screen.Height >= w.Height && (w.Left < 0 || w.Top < 0))
        Fail("a default window that fits the screen is placed off it");
    ApplyFontSize(settings.FontSize, fonts);
    (void)CheckedPrintColors(settings);
}

// A scratch folder in memory where there is one: every input writes two whole files. It is
// removed when the run ends normally; a crash leaves it for a look at the files.
const QString& ScratchFolder() {
    static const QString shm = QStringLiteral("/dev/shm");
    static QTemporaryDir dir(QDir(shm).exists()
                                 ? shm + QStringLiteral("/xs-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/xs-fuzz-XXXXXX"));
    static const QString path = dir.isValid() ? dir.path() : QString();
    if (path.isEmpty()) Fail("no scratch folder");
    return path;
}

void ClearScratch() {
    QDir dir(ScratchFolder());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

void WriteRaw(const QString& path, const char* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size))
        Fail("cannot write the scratch file");
}

QByteArray ReadRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CheckCounters(const TPuzzleLibrary& lib) {
    const TPuzzleCounts& counts = lib.Counts;
    if (counts.Total < 0 || counts.Total > MaxPuzzles) Fail("Total out of range after a change");
    std::int64_t sum = 0;
    for (const std::int32_t n : counts.ByDifficulty) {
        if (n < 0 || n > counts.Total) Fail("ByDifficulty out of range after a change");
        sum += n;
    }
    if (sum > counts.Total) Fail("more puzzles by stars than in all");
}

struct TKept {
    int Slot;  // where it is now
    TPuzzleInfo Info;
    TPuzzleGrid Grid;
};

bool SameInfo(const TPuzzleInfo& a, const TPuzzleInfo& b) {
    return a.Id == b.Id && a.Size == b.Size && a.Difficulty == b.Difficulty;
}

// Only the player's entries and marks may differ: the puzzle itself is the same.
bool SamePuzzle(const TPuzzleGrid& a, const TPuzzleGrid& b) {
    for (int r = 0; r < kGridRows; ++r) {
        for (int col = 0; col < kGridCols; ++col) {
            const TSquare& x = a.Sq[r][col];
            const TSquare& y = b.Sq[r][col];
            if (x.Kind != y.Kind || x.AcrossTotal != y.AcrossTotal || x.DownTotal != y.DownTotal ||
                x.AcrossSquares != y.AcrossSquares || x.DownSquares != y.DownSquares)
                return false;
        }
    }
    return true;
}

// Read, append, save a slot, delete, write, read back.
void RoundTrip(const char* image, const TControl& c) {
    static auto* record = new TDataFileRecord{};
    static auto* again = new TDataFileRecord{};
    static TWorkingCopy work{};
    static std::vector<TKept> kept;

    ClearScratch();
    TDataFilePaths paths;
    paths.DataFile = ScratchFolder() + QLatin1Char('/') + QLatin1String(kDataFileName);
    paths.OldDataFile = ScratchFolder() + QLatin1Char('/') + QLatin1String(kOldDataFileName);
    const bool import = (c[0] & 1) != 0;
    WriteRaw(import ? paths.OldDataFile : paths.DataFile, image, kDataFileSize);

    if (!ReadDataFile(*record, paths)) Fail("a whole file was not read");
    if (import) {
        const TSettings& s = record->Settings;
        if (s.Valid != 0 || s.WindowWidth != 0 || s.WindowHeight != 0 || s.FontSize != 0 ||
            s.CurrentPuzzleId != 0)
            Fail("an import kept the earlier edition's window preferences");
    }
    const std::size_t libraryOffset = offsetof(TDataFileRecord, Library);
    if (std::memcmp(&record->Library.Grids, image + libraryOffset + offsetof(TPuzzleLibrary, Grids),
                    sizeof record->Library.Grids + sizeof record->Library.Infos) != 0)
        Fail("reading changed the stored puzzles");
    ExerciseReaders(*record);
    ExercisePreferences(record->Settings, c);

    TPuzzleLibrary& lib = record->Library;
    kept.clear();
    std::int32_t largestId = record->Settings.LastPuzzleId;
    for (int slot = 1; slot <= MaxPuzzles; ++slot)
        largestId = std::max(largestId, lib.Info(slot).Id);
    for (int slot = 1; slot <= UsedSlots(lib.Counts); ++slot)
        if (ClassifySlot(lib, slot) == TSlotState::Valid)
            kept.push_back({slot, lib.Info(slot), lib.Grid(slot)});

    // Append a sound puzzle; when it is refused, nothing may change.
    const auto size = static_cast<TPuzzleSize>(c[1] % 4);
    const int stars = 1 + c[2] % 5;
    static TPuzzleInfo infosBefore[MaxPuzzles];
    std::memcpy(infosBefore, lib.Infos, sizeof infosBefore);
    const int added =
        AppendPuzzle(lib, record->Settings.LastPuzzleId, test::SampleGrid(size), size, stars);
    if (added != 0) {
        if (lib.Info(added).Id <= largestId || lib.Info(added).Id != record->Settings.LastPuzzleId)
            Fail("a new puzzle's Id is not above every earlier one");
        if (ClassifySlot(lib, added) != TSlotState::Valid) Fail("an appended puzzle is damaged");
        for (const TKept& k : kept)
            if (k.Slot >= added) Fail("a puzzle was appended over a stored one");
        CheckCounters(lib);
        kept.push_back({added, lib.Info(added), lib.Grid(added)});
    } else if (std::memcmp(infosBefore, lib.Infos, sizeof infosBefore) != 0) {
        Fail("a refused append changed the index");
    }

    // The player saves progress in one puzzle.
    if (!kept.empty()) {
        TKept& k = kept[c[3] % kept.size()];
        LoadSlot(lib, k.Slot, work);
        work.CurrentSlot = k.Slot;
        for (int r = 1; r <= work.PuzzleDims.LastRow; ++r) {
            for (int col = 1; col <= work.PuzzleDims.LastCol; ++col) {
                TSquare& s = work.CurrentPuzzle.Sq[r][col];
                if (s.Kind != White || (c[4] + r + col) % 3 != 0) continue;
                s.Entry = static_cast<std::uint8_t>(c[5] % 10);
                s.Possible[c[6] % 9] ^= 1;
            }
        }
        SaveSlot(lib, k.Slot, work);
        if (IsModified(lib, k.Slot, work)) Fail("a saved puzzle still reads as changed");
        if (ClassifySlot(lib, k.Slot) != TSlotState::Valid) Fail("saving damaged a puzzle");
        if (!SamePuzzle(lib.Grid(k.Slot), k.Grid)) Fail("saving changed more than the entries");
        k.Grid = lib.Grid(k.Slot);
    }

    // Delete the slots the control bits mark; the others close up in order.
    bool remove[MaxPuzzles] = {};
    const bool deleting = (c[0] & 2) != 0;
    for (int slot = 1; slot <= MaxPuzzles && deleting; ++slot)
        remove[slot - 1] = (c[7 + (slot - 1) / 8 % 16] >> ((slot - 1) % 8) & 1) != 0;
    if (deleting) {
        CompactLibrary(lib, remove);
        CheckCounters(lib);
        std::erase_if(kept, [&](const TKept& k) { return remove[k.Slot - 1]; });
        for (int slot = lib.Counts.Total + 1; slot <= MaxPuzzles; ++slot)
            if (lib.Info(slot).Id != 0) Fail("a slot above the total kept its Id");
    }

    // A save killed before its rename left a temporary file; the lock's holder tidies it away
    // and nothing else.
    const bool tidy = (c[0] & 4) != 0;
    const QString leftover = paths.DataFile + QStringLiteral(".~saving~xYzAbC12");
    const QString unrelated = paths.DataFile + QStringLiteral(".backup");
    TDataFileLock lock(paths.DataFile);
    if (tidy) {
        WriteRaw(leftover, image, c[14] * 64u);
        WriteRaw(unrelated, image, 16);
        if (lock.TryLock().Status != TLockStatus::Locked) Fail("the scratch lock is taken");
    }
    test::TScriptedMessages messages;
    if (!WriteDataFile(*record, paths, messages, TValidMark::Set, tidy ? &lock : nullptr))
        Fail("a whole library was not written");
    if (tidy && (QFile::exists(leftover) || !QFile::exists(unrelated)))
        Fail("the leftovers of a killed save were not told from other files");
    if (import && ReadRaw(paths.OldDataFile) !=
                      QByteArray::fromRawData(image, static_cast<qsizetype>(kDataFileSize)))
        Fail("the earlier edition's file was changed");
    if (!ReadDataFile(*again, paths)) Fail("a file just written was not read");
    if (std::memcmp(again, record, kDataFileSize) != 0) Fail("read back differs from written");
    if (again->Settings.Valid != 1) Fail("a file the game wrote is not marked valid");

    // Every sound puzzle is still there, in order, byte for byte.
    int slot = 1;
    for (const TKept& k : kept) {
        const int used = UsedSlots(again->Library.Counts);
        while (slot <= used &&
               !(SameInfo(again->Library.Info(slot), k.Info) &&
                 std::memcmp(&again->Library.Grid(slot), &k.Grid, sizeof(TPuzzleGrid)) == 0))
            ++slot;
        if (slot > used) Fail("a sound puzzle was lost or changed");
        if (ClassifySlot(again->Library, slot) != TSlotState::Valid)
            Fail("a kept puzzle reads damaged");
        ++slot;
    }
    ExerciseReaders(*again);
}

// A file too short to read is left alone by the read and kept aside, whole, by the next write.
void ShortFile(const std::uint8_t* data, std::size_t size) {
    static auto* record = new TDataFileRecord{};
    ClearScratch();
    TDataFilePaths paths;
    paths.DataFile = ScratchFolder() + QLatin1Char('/') + QLatin1String(kDataFileName);
    WriteRaw(paths.DataFile, reinterpret_cast<const char*>(data), size);
    record->Settings.Valid = 1;
    if (ReadDataFile(*record, paths)) Fail("a short file was read");
    if (record->Settings.Valid != 0) Fail("a failed read left Valid set");
    test::TScriptedMessages messages;
    if (!WriteDataFile(*record, paths, messages)) Fail("writing over a short file failed");
    const QByteArray original(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDir dir(ScratchFolder());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (name != QLatin1String(kDataFileName) && ReadRaw(dir.filePath(name)) == original) return;
    Fail("a short file was replaced without a copy");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TControl control;
    MakeControl(data, size, control);

    // The input itself as an image when it is long enough; shorter ones edit a sound library.
    if (size >= kDataFileSize) {
        RoundTrip(reinterpret_cast<const char*>(data), control);
        return 0;
    }
    if (size > 0 && control[23] % 8 == 0) ShortFile(data, size);
    static std::vector<char> image;
    image = BaseImage();
    ApplyPatches(data, size, image);
    RoundTrip(image.data(), control);
    return 0;
}
