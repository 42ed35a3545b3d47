// Fuzzes the data file. Any bytes, taken as a whole file or as edits of a sound library held in
// memory, go read (as the current file or as an import of the earlier edition), append, save a
// slot, delete and, for some inputs, one write to disk and read back. Every sound puzzle must come
// through unchanged and in order, and the counters must stay in range. The preferences' window and
// font rules run on the same bytes, and the list and show texts on some of them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

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
// to the library: import or not, which puzzle is appended, which slot is saved, which deleted,
// whether it goes to disk and whether its texts are made.
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

// Bits of the first control byte.
constexpr std::uint8_t kImportBit = 1;  // read as the earlier edition's file
constexpr std::uint8_t kDeleteBit = 2;  // delete the slots marked from control byte 7 on
constexpr std::uint8_t kTidyBit = 4;    // on disk: a killed save's leftovers beside the file

// The last control byte sends one input in 64 to disk: a megabyte written, read back and
// compared costs some twenty times the rest of an input, and it does not depend on what the
// library holds. A quarter of the short inputs among those first write themselves as the data
// file: a file too short to read.
bool ToDisk(const TControl& c) {
    return c[23] % 64 == 0;
}
bool ShortFileFirst(const TControl& c) {
    return c[23] == 0;
}

// Where the grids and the index begin in an image.
constexpr std::size_t kGridsAt =
    offsetof(TDataFileRecord, Library) + offsetof(TPuzzleLibrary, Grids);
constexpr std::size_t kInfosAt =
    offsetof(TDataFileRecord, Library) + offsetof(TPuzzleLibrary, Infos);

// The sound library of one puzzle per size that short inputs edit, held in memory twice: as the
// edited image, which stays as it is while an input plays, and as the record that the input
// plays on. Between inputs only the bytes that changed are put back, not the whole megabyte.
class TEditedLibrary {
public:
    TEditedLibrary() : Base(MakeBase()), Image(Base), Record(std::make_unique<TDataFileRecord>()) {
        std::memcpy(Record.get(), Base.data(), kDataFileSize);
    }

    const char* EditedImage() const { return Image.data(); }
    TDataFileRecord& PlayedRecord() { return *Record; }

    // The input as edits of the base image: [region][offset: 3 bytes][length][bytes...]
    // repeated. The region picks the preferences and counters, the index records, the grid of
    // slot 1..4, or anywhere, so that few bytes reach each kind of field.
    void Apply(const std::uint8_t* data, std::size_t size) {
        auto* record = reinterpret_cast<char*>(Record.get());
        for (const auto& [to, length] : Changed) {
            std::memcpy(Image.data() + to, Base.data() + to, length);
            std::memcpy(record + to, Base.data() + to, length);
        }
        Changed.clear();
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
                    to = offset % kGridsAt;
                    break;
                case 1:
                    to = kInfosAt + offset % sizeof(TPuzzleLibrary::Infos);
                    break;
                case 2:
                    to = kGridsAt + (region / 4 % 4) * sizeof(TPuzzleGrid) +
                         offset % sizeof(TPuzzleGrid);
                    break;
                default:
                    to = offset % kDataFileSize;
                    break;
            }
            std::size_t k = 0;
            for (; k < length && at < size && to + k < kDataFileSize; ++k, ++at) {
                Image[to + k] = static_cast<char>(data[at]);
                record[to + k] = static_cast<char>(data[at]);
            }
            Changed.emplace_back(to, k);
        }
    }

    // After an input has played: the record is the edited image again. Playing changes the
    // preferences, the counters, the index and grids of slots 1..lastSlot, no others.
    void Restore(int lastSlot) {
        auto* record = reinterpret_cast<char*>(Record.get());
        std::memcpy(record, Image.data(), kGridsAt);
        std::memcpy(record + kInfosAt, Image.data() + kInfosAt, sizeof(TPuzzleLibrary::Infos));
        std::memcpy(record + kGridsAt, Image.data() + kGridsAt,
                    static_cast<std::size_t>(lastSlot) * sizeof(TPuzzleGrid));
    }

private:
    // A sound library of one puzzle per size, so that small inputs patched into it reach the
    // readers of real puzzles rather than stopping at an empty library.
    static std::vector<char> MakeBase() {
        auto record = std::make_unique<TDataFileRecord>();
        record->Settings.Valid = 1;
        std::int32_t& lastId = record->Settings.LastPuzzleId;
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Mini, 1);
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Small, 2);
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Medium, 4);
        test::AddSamplePuzzle(record->Library, lastId, TPuzzleSize::Large, 5);
        const char* bytes = reinterpret_cast<const char*>(record.get());
        return std::vector<char>(bytes, bytes + kDataFileSize);
    }

    std::vector<char> Base;
    std::vector<char> Image;
    std::unique_ptr<TDataFileRecord> Record;
    std::vector<std::pair<std::size_t, std::size_t>> Changed;  // offset and length
};

// One slot through the readers that load it: the slot the control bytes pick, so that over many
// inputs every slot, and the numbers just outside 1..100, are asked.
void ReadSlot(const TPuzzleLibrary& lib, int slot) {
    static TWorkingCopy work{};
    if (ClassifySlot(lib, slot) != TSlotState::Valid || slot > UsedSlots(lib.Counts)) return;
    LoadSlot(lib, slot, work);
    if (IsModified(lib, slot, work)) Fail("a puzzle just loaded reads as changed");
}

// The show text of one slot, which must be shown or refused, and with `list` the list. Texts are
// the slow part of reading (a string per cell, and the teaching solver on every puzzle shown or
// listed), so one input in 16 shows a slot, before and after the changes, and one in 256 lists the
// library after them.
void ShowTexts(const TDataFileRecord& record, int slot, bool answers, bool list) {
    static std::string text;
    static std::string problem;
    if (list) (void)cli::FormatLibraryList(record, "fuzz");
    const bool shown = cli::FormatPuzzle(record.Library, slot, answers, text, problem);
    if (shown ? text.empty() || !problem.empty() : problem.empty() || !text.empty())
        Fail("a slot is both shown and refused, or neither");
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

// Same file, untouched: same inode, size and modification time.
bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// A scratch folder in memory where there is one. It keeps the earlier edition's file, which no
// write may touch, from the first input on; it is removed when the run ends normally, and a crash
// leaves it for a look at the files.
class TScratch {
public:
    TScratch() {
        const QString shm = QStringLiteral("/dev/shm");
        Dir = std::make_unique<QTemporaryDir>((QDir(shm).exists() ? shm : QDir::tempPath()) +
                                              QStringLiteral("/xs-fuzz-XXXXXX"));
        if (!Dir->isValid()) Fail("no scratch folder");
        Paths.DataFile = Dir->filePath(QLatin1String(kDataFileName));
        Paths.OldDataFile = Dir->filePath(QLatin1String(kOldDataFileName));
        const std::vector<char> old(kDataFileSize, '\x5a');
        WriteRaw(Paths.OldDataFile, old.data(), old.size());
        if (!StatOld(OldFile)) Fail("cannot look at the earlier edition's file");
    }

    const TDataFilePaths& FilePaths() const { return Paths; }
    QString Folder() const { return Dir->path(); }

    // Everything but the earlier edition's file goes before each write.
    void Clear() const {
        QDir dir(Dir->path());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (name != QLatin1String(kOldDataFileName)) dir.remove(name);
    }

    bool OldFileUnchanged() const {
        struct stat now {};
        return StatOld(now) && SameFile(now, OldFile);
    }

private:
    bool StatOld(struct stat& st) const {
        return ::stat(QFile::encodeName(Paths.OldDataFile).constData(), &st) == 0;
    }

    std::unique_ptr<QTemporaryDir> Dir;
    TDataFilePaths Paths;
    struct stat OldFile {};
};

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

// A sound puzzle as it was read or last changed; its grid's bytes stay where they are (in the
// image, or in a copy for a puzzle changed since) until the input ends.
struct TKept {
    int Slot;  // where it is now
    TPuzzleInfo Info;
    const char* Grid;
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

// The one trip to disk: written (over a file too short to read, when there is one), with a
// killed save's leftovers beside it when control bit 2 says so, and read back.
void WriteAndReadBack(TDataFileRecord& record, TDataFileRecord& again, const char* image,
                      const TControl& c, const std::uint8_t* shortFile, std::size_t shortSize) {
    // Destroyed at exit, which removes the folder.
    static const TScratch scratch;
    const TDataFilePaths& paths = scratch.FilePaths();
    scratch.Clear();

    // A file too short to read is left alone by the read and kept aside, whole, by the write.
    if (shortFile != nullptr) {
        static auto* refused = new TDataFileRecord{};
        WriteRaw(paths.DataFile, reinterpret_cast<const char*>(shortFile), shortSize);
        refused->Settings.Valid = 1;
        if (ReadDataFile(*refused, paths)) Fail("a short file was read");
        if (refused->Settings.Valid != 0) Fail("a failed read left Valid set");
    }

    // A save killed before its rename left a temporary file; the lock's holder tidies it away
    // and nothing else.
    const bool tidy = (c[0] & kTidyBit) != 0;
    const QString leftover = paths.DataFile + QStringLiteral(".~saving~xYzAbC12");
    const QString unrelated = paths.DataFile + QStringLiteral(".backup");
    std::optional<TDataFileLock> lock;
    if (tidy) {
        WriteRaw(leftover, image, c[14] * 64u);
        WriteRaw(unrelated, image, 16);
        lock.emplace(paths.DataFile);
        if (lock->TryLock().Status != TLockStatus::Locked) Fail("the scratch lock is taken");
    }
    test::TScriptedMessages messages;
    if (!WriteDataFile(record, paths, messages, TValidMark::Set, lock ? &*lock : nullptr))
        Fail("a whole library was not written");
    if (tidy && (QFile::exists(leftover) || !QFile::exists(unrelated)))
        Fail("the leftovers of a killed save were not told from other files");
    if (!scratch.OldFileUnchanged()) Fail("the earlier edition's file was changed");
    if (shortFile != nullptr) {
        const QByteArray original = QByteArray::fromRawData(
            reinterpret_cast<const char*>(shortFile), static_cast<qsizetype>(shortSize));
        const QDir dir(scratch.Folder());
        bool kept = false;
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            const QString path = dir.filePath(name);
            if (path == paths.DataFile || path == paths.OldDataFile || path == unrelated) continue;
            kept = kept || ReadRaw(path) == original;
        }
        if (!kept) Fail("a short file was replaced without a copy");
    }

    if (!ReadDataFile(again, paths)) Fail("a file just written was not read");
    if (std::memcmp(&again, &record, kDataFileSize) != 0) Fail("read back differs from written");
    if (again.Settings.Valid != 1) Fail("a file the game wrote is not marked valid");
}

// Append, save a slot, delete, and for some inputs write and read back, on a library just read
// from the image. Returns the last slot whose grid may have changed.
int Play(TDataFileRecord& record, const char* image, const TControl& c,
         const std::uint8_t* shortFile, std::size_t shortSize) {
    static auto* again = new TDataFileRecord{};
    static auto* appended = new TPuzzleGrid{};
    static auto* saved = new TPuzzleGrid{};
    static auto* loaded = new TPuzzleGrid{};
    static TWorkingCopy work{};
    static std::vector<TKept> kept;

    if ((c[0] & kImportBit) != 0) {
        ApplyImportResets(record.Settings);
        const TSettings& s = record.Settings;
        if (s.Valid != 0 || s.WindowWidth != 0 || s.WindowHeight != 0 || s.FontSize != 0 ||
            s.CurrentPuzzleId != 0)
            Fail("an import kept the earlier edition's window preferences");
    }
    ExercisePreferences(record.Settings, c);

    // Every slot is asked once; the sound ones in use must come through.
    TPuzzleLibrary& lib = record.Library;
    kept.clear();
    std::int32_t largestId = record.Settings.LastPuzzleId;
    const int used = UsedSlots(lib.Counts);
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        largestId = std::max(largestId, lib.Info(slot).Id);
        if (ClassifySlot(lib, slot) == TSlotState::Valid && slot <= used)
            kept.push_back(
                {slot, lib.Info(slot), image + kGridsAt + (slot - 1) * sizeof(TPuzzleGrid)});
    }
    const int picked = c[21] % (MaxPuzzles + 2);
    const bool texts = c[20] % 16 == 0;
    const bool list = c[20] == 0;
    ReadSlot(lib, picked);
    if (texts) ShowTexts(record, picked, (c[22] & 1) != 0, false);

    // Append a sound puzzle; when it is refused, nothing may change.
    const auto size = static_cast<TPuzzleSize>(c[1] % 4);
    const int stars = 1 + c[2] % 5;
    static TPuzzleInfo infosBefore[MaxPuzzles];
    std::memcpy(infosBefore, lib.Infos, sizeof infosBefore);
    const int added =
        AppendPuzzle(lib, record.Settings.LastPuzzleId, test::SampleGrid(size), size, stars);
    if (added != 0) {
        if (lib.Info(added).Id <= largestId || lib.Info(added).Id != record.Settings.LastPuzzleId)
            Fail("a new puzzle's Id is not above every earlier one");
        if (ClassifySlot(lib, added) != TSlotState::Valid) Fail("an appended puzzle is damaged");
        for (const TKept& k : kept)
            if (k.Slot >= added) Fail("a puzzle was appended over a stored one");
        CheckCounters(lib);
        *appended = lib.Grid(added);
        kept.push_back({added, lib.Info(added), reinterpret_cast<const char*>(appended)});
    } else if (std::memcmp(infosBefore, lib.Infos, sizeof infosBefore) != 0) {
        Fail("a refused append changed the index");
    }

    // The player saves progress in one puzzle.
    if (!kept.empty()) {
        TKept& k = kept[c[3] % kept.size()];
        LoadSlot(lib, k.Slot, work);
        if (IsModified(lib, k.Slot, work)) Fail("a puzzle just loaded reads as changed");
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
        std::memcpy(loaded, k.Grid, sizeof(TPuzzleGrid));
        if (!SamePuzzle(lib.Grid(k.Slot), *loaded)) Fail("saving changed more than the entries");
        *saved = lib.Grid(k.Slot);
        k.Grid = reinterpret_cast<const char*>(saved);
    }

    // Delete the slots the control bits mark; the others close up in order.
    bool remove[MaxPuzzles] = {};
    const bool deleting = (c[0] & kDeleteBit) != 0;
    for (int slot = 1; slot <= MaxPuzzles && deleting; ++slot)
        remove[slot - 1] = (c[7 + (slot - 1) / 8 % 16] >> ((slot - 1) % 8) & 1) != 0;
    const int lastSlot = std::max(used, UsedSlots(lib.Counts));
    if (deleting) {
        CompactLibrary(lib, remove);
        CheckCounters(lib);
        std::erase_if(kept, [&](const TKept& k) { return remove[k.Slot - 1]; });
        for (int slot = lib.Counts.Total + 1; slot <= MaxPuzzles; ++slot)
            if (lib.Info(slot).Id != 0) Fail("a slot above the total kept its Id");
    }

    const bool disk = ToDisk(c);
    if (disk) WriteAndReadBack(record, *again, image, c, shortFile, shortSize);
    const TDataFileRecord& out = disk ? *again : record;

    // Every sound puzzle is still there, in order, byte for byte.
    int slot = 1;
    const int usedNow = UsedSlots(out.Library.Counts);
    for (const TKept& k : kept) {
        while (slot <= usedNow &&
               !(SameInfo(out.Library.Info(slot), k.Info) &&
                 std::memcmp(&out.Library.Grid(slot), k.Grid, sizeof(TPuzzleGrid)) == 0))
            ++slot;
        if (slot > usedNow) Fail("a sound puzzle was lost or changed");
        ++slot;
    }
    ReadSlot(out.Library, picked);
    if (texts) ShowTexts(out, picked, (c[22] & 1) == 0, list);
    return lastSlot;
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

// Whole files stay whole: a mutation changes bytes within one part of the image (the preferences
// and counters, the index, one slot's grid, mostly of a slot in use) or its control bytes, never
// its length, so that libFuzzer does not breed half-megabyte edit lists of which only the first
// 4,096 bytes are read. Edit lists stay within those 4,096 bytes.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    if (size < kDataFileSize)
        return LLVMFuzzerMutate(data, size, std::min<std::size_t>(maxSize, 4096));
    std::minstd_rand rng(seed);
    std::int32_t total = 0;
    std::memcpy(&total, data + offsetof(TDataFileRecord, Library), sizeof total);
    const auto used = static_cast<unsigned>(std::clamp<std::int32_t>(total, 0, MaxPuzzles));
    std::size_t at = 0;
    std::size_t length = kGridsAt;
    switch (rng() % 4) {
        case 0:
            break;
        case 1:
            at = kInfosAt;
            length = sizeof(TPuzzleLibrary::Infos);
            break;
        case 2: {
            const unsigned slot = used > 0 && rng() % 4 != 0 ? rng() % used : rng() % MaxPuzzles;
            at = kGridsAt + slot * sizeof(TPuzzleGrid);
            length = sizeof(TPuzzleGrid);
            break;
        }
        default: {
            // The control bytes, which may grow to their full 24.
            std::uint8_t control[kControlSize] = {};
            const std::size_t had = std::min(size - kDataFileSize, kControlSize);
            std::memcpy(control, data + kDataFileSize, had);
            const std::size_t now =
                LLVMFuzzerMutate(control, had, std::min(kControlSize, maxSize - kDataFileSize));
            std::memcpy(data + kDataFileSize, control, now);
            return kDataFileSize + now;
        }
    }
    static std::uint8_t part[sizeof(TPuzzleGrid)];
    std::memcpy(part, data + at, length);
    const std::size_t changed = LLVMFuzzerMutate(part, length, length);
    std::memcpy(data + at, part, std::min(changed, length));
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TControl control;
    MakeControl(data, size, control);

    // The input itself as an image when it is long enough; shorter ones edit a sound library.
    if (size >= kDataFileSize) {
        static auto* record = new TDataFileRecord{};
        const char* image = reinterpret_cast<const char*>(data);
        if (!ParseDataFileImage(image, size, *record)) Fail("a whole file was not read");
        if (std::memcmp(reinterpret_cast<const char*>(record) + kGridsAt, image + kGridsAt,
                        kDataFileSize - kGridsAt) != 0)
            Fail("reading changed the stored puzzles");
        Play(*record, image, control, nullptr, 0);
        return 0;
    }
    static auto* library = new TEditedLibrary;
    library->Apply(data, size);
    const bool tooShort = size > 0 && ShortFileFirst(control);
    library->Restore(Play(library->PlayedRecord(), library->EditedImage(), control,
                          tooShort ? data : nullptr, size));
    return 0;
}
