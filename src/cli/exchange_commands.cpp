// "export SLOT" and "import FILE": one puzzle out as text, one puzzle in from text.
#include <cstring>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

#include <QFile>

#include "cli/cli_format.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "manage/puzzle_import.h"
#include "model/translate.h"
#include "storage/data_file_lock.h"
#include "storage/history.h"
#include "storage/settings.h"

namespace xs::cli {

namespace {

// Enough for any puzzle; the reader refuses more, so no more is read.
constexpr qint64 kMaxInput = 64 * 1024 + 1;

int RunExport(const TParsedArgs& args) {
    const std::optional<int> slot = ParseInt(args.Positional[0], 1, MaxPuzzles);
    if (!slot) return UsageError("export", "SLOT must be a number from 1 to 100");
    TTextFormat format = TTextFormat::Grid;
    if (args.Has("format")) {
        const std::string name = args.Value("format");
        if (name == "csv") {
            format = TTextFormat::Csv;
        } else if (name != "text") {
            return UsageError("export", "--format must be text or csv");
        }
    }
    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    TDataFileRecord& record = AppData().File;
    if (!LoadLibrary("export", paths, record)) return kExitFailure;
    std::string text;
    std::string reason;
    if (!ExportPuzzleText(record.Library, *slot, args.Has("answers"), format, text, reason))
        return Failure("export", reason);
    std::cout << text;
    return kExitOk;
}

// The whole input, standard input for "-"; false with the reason when it cannot be read.
bool ReadInput(const std::string& name, std::string& text, std::string& reason) {
    QFile file;
    bool opened = false;
    if (name == "-") {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(QFile::decodeName(name.c_str()));
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        reason = Fill(Tr("Texts", "cannot read %1: %2"), {name, file.errorString().toStdString()});
        return false;
    }
    const QByteArray bytes = file.read(kMaxInput);
    if (file.error() != QFileDevice::NoError) {
        reason = Fill(Tr("Texts", "cannot read %1: %2"), {name, file.errorString().toStdString()});
        return false;
    }
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

int RunImport(const TParsedArgs& args) {
    constexpr const char* kCommand = "import";
    const std::string& input = args.Positional[0];
    std::string text;
    std::string reason;
    if (!ReadInput(input, text, reason)) return Failure(kCommand, reason);
    // Everything is checked before the data file is touched.
    static TImportedPuzzle puzzle;
    const std::string source = input == "-" ? Tr("Texts", "standard input") : input;
    if (!PreparePuzzleImport(text, puzzle, reason))
        return Failure(kCommand, Fill(Tr("Texts", "%1: %2; nothing imported"), {source, reason}));

    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    const std::string location = QFile::encodeName(paths.DataFile).toStdString();
    if (const std::string why = WriteProblem(paths.DataFile); !why.empty())
        return Failure(kCommand,
                       Fill(Tr("Texts", "cannot write %1: %2; nothing imported"), {location, why}));
    // Held from the read to the write, as for "generate".
    TDataFileLock lock(paths.DataFile);
    if (const TLockResult locked = lock.TryLock(); locked.Status != TLockStatus::Locked)
        return Failure(kCommand,
                       Fill(Tr("Texts", "%1; nothing imported"), {locked.Reason.toStdString()}));
    TDataFileRecord& record = AppData().File;
    if (!DataFileToRead(paths).isEmpty()) {
        if (!LoadLibrary(kCommand, paths, record)) return kExitFailure;
    } else {
        std::memset(&record, 0, sizeof record);
    }
    if (const int copy = FindStoredCopy(record.Library, puzzle);
        copy != 0 && !args.Has("allow-copy"))
        return Failure(kCommand,
                       Fill(Tr("Texts", "%1: %2; nothing imported (--allow-copy adds it again)"),
                            {source, StoredCopyText(record.Library, copy)}));
    const int slot =
        AppendImportedPuzzle(record.Library, record.Settings.LastPuzzleId, puzzle, reason);
    if (slot == 0) return Failure(kCommand, Fill(Tr("Texts", "%1; nothing imported"), {reason}));
    if (!SaveLibrary(kCommand, record, paths, &lock)) return kExitFailure;
    const TPuzzleInfo& info = record.Library.Info(slot);
    {
        // Where the puzzle came from, for the player's history; the import stands without it.
        THistory history;
        const THistoryOpen opened = history.Open(HistoryPathFor(paths.DataFile));
        if (!opened.Notice.empty())
            std::cerr << kProgramName << ' ' << kCommand << ": "
                      << Tr("Texts", opened.Notice.c_str()) << '\n';
        history.SetOrigin(info.Id, kOriginImported);
    }
    std::cout << Fill(puzzle.Turned
                          ? Tr("Texts",
                               "Imported as puzzle Id %1 in slot %2: %3, %4, turned on its "
                               "side to fit (its rows are now columns)\n")
                          : Tr("Texts", "Imported as puzzle Id %1 in slot %2: %3, %4\n"),
                      {std::to_string(info.Id), std::to_string(slot), SizeText(info.Size),
                       StarsText(info.Difficulty)});
    return kExitOk;
}

}  // namespace

const TCommandSpec kExportCommand = {
    "export",
    "One puzzle as text to standard output: clues as down\\across, . for a White square.",
    {{"format", "F", "text (the default) or csv"},
     {"answers", nullptr, "the answers in the White squares"},
     kDataOption},
    {{"SLOT", "library slot 1..100"}},
    RunExport};

const TCommandSpec kImportCommand = {
    "import",
    "Checks a puzzle written as text or CSV and appends it to the library.",
    {{"allow-copy", nullptr, "store it even when the library holds the same puzzle"}, kDataOption},
    {{"FILE", "the puzzle's file, or - for standard input"}},
    RunImport};

}  // namespace xs::cli
