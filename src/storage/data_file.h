// Reading and writing the one data file that holds preferences and the puzzle library.
#pragma once

#include <cstddef>
#include <string>

#include <QString>

#include "storage/file_ops.h"
#include "storage/messages.h"
#include "storage/settings.h"

namespace xs {

class TDataFileLock;

// Where the data file and the earlier edition's file are looked for.
struct TDataFilePaths {
    QString DataFile{};     // ".../VelmorDuvidOzad.dat"
    QString OldDataFile{};  // ".../VelmorXSData.dat", only ever read
    // A current-format file read (never written) while DataFile does not exist yet: the program
    // folder's file once that folder has stopped being writable. Empty when there is none.
    QString SeedDataFile{};
};

constexpr const char* kDataFileName = "VelmorDuvidOzad.dat";
constexpr const char* kOldDataFileName = "VelmorXSData.dat";
// The folder below the user's data location that holds the file when the program folder cannot.
constexpr const char* kUserDataFolderName = "VelmorDuvidOzad";

// Added to the data file's name for a file that could not be read, set aside before it would be
// replaced; further ones get ".1", ".2", ... after it, so that every one is kept.
constexpr const char* kUnreadableSuffix = ".unreadable";

// Shown when the data file cannot be created or opened for writing.
constexpr const char* kDataFileOpenError =
    "Error occurred while writing the preferences file.\n\r\n\rPlease read the Frequently Asked "
    "Questions (FAQ) in the help file for more information.";
// Shown when writing or committing the data file fails.
constexpr const char* kDataFileWriteError = "Error occurred while writing the preferences file.";

// The folder of the running executable, without a trailing separator.
QString ProgramFolder();
// The folder of the program's shared files (its help) when the program runs installed, as
// <prefix>/share/crosssums beside <prefix>/bin; empty when it runs from where it was built.
QString InstalledShareFolder(const QString& programFolder);
// The program folder's files, or, when that folder is not writable or the program is installed,
// the user's data folder (which then also keeps the file on later runs).
TDataFilePaths DefaultDataFilePaths();
// The rule behind DefaultDataFilePaths, for given folders: a file already kept in userFolder
// stays there; otherwise the program folder when it is writable; otherwise userFolder, seeded
// from the program folder's file. Looks only at which files exist; creates nothing.
TDataFilePaths ChooseDataFilePaths(const QString& programFolder, bool programFolderWritable,
                                   const QString& userFolder);

// Copies the first kDataFileSize bytes of an image into the record. A shorter image is rejected
// and leaves the record untouched; bytes past the record are ignored. Nothing is checked: the
// slots' readers decide what they can use (model/slot_check.h).
bool ParseDataFileImage(const char* data, std::size_t size, TDataFileRecord& record);
// The resets applied to the earlier edition's preferences when its file is imported.
void ApplyImportResets(TSettings& settings);

// The file that ReadDataFile would read: DataFile, else SeedDataFile, else OldDataFile (an
// import), whichever exists first; empty when none does.
QString DataFileToRead(const TDataFilePaths& paths);

// Replaces the record with the file's contents (importing the earlier edition's file when only
// that exists). On any failure only Settings.Valid is cleared. Returns true when read.
bool ReadDataFile(TDataFileRecord& record, const TDataFilePaths& paths);

// What a write does with Valid: the game marks its preferences as set; the command-line
// companion leaves them as it found them, so that a file it made still gets the first-run path.
enum class TValidMark { Set, Keep };

// True when a regular file is at path that does not give a whole image: it cannot be opened
// (permission denied), reading it fails (an I/O error) or it is too short.
bool IsUnreadableDataFile(const QString& path);
// Moves an unreadable data file aside (the file a link at path leads to, the link staying), by
// rename within its folder, to the first free name of its path + kUnreadableSuffix, then + ".1",
// ".2", ... Returns the new name; empty when there was
// nothing unreadable at path or it could not be moved.
QString SetAsideUnreadable(const QString& path);

// The save's temporary files are named after the data file, this marker and eight random letters
// and digits, a shape no copy a player makes is likely to have. A killed save may leave one.
constexpr const char* kSaveTempMarker = ".~saving~";
// Whether `candidate`, a name in the data file's folder, is one of the save's temporary files.
bool IsSaveLeftoverName(const QString& dataFileName, const QString& candidate);

// How a save ended. On failure the file at Path is as it was before the save, unless NewInPlace.
struct TSaveResult {
    bool Saved = false;
    bool OpenFailed = false;  // nothing could be created or the path holds no file
    // The folder could not be synced and the old file not put back: the file holds the new
    // library, not known to be on disk for good. Problem says so.
    bool NewInPlace = false;
    QString Path{};     // the data file as named to the program
    QString Target{};   // the file a link at Path leads to; empty when Path is no link
    QString Problem{};  // what failed, one line: "writing failed: No space left on device"
    // After a save that worked: what it could not tidy (the old copy's second name, 1 MB, left
    // beside the file after a second try), one line; empty when nothing was left.
    QString Untidy{};
};

// Writes the whole record, Valid set to 1 (unless told to keep it), to a temporary file in the
// folder of the file the path leads to (after its links), then puts it in that file's place and
// syncs the folder, so that a save that reports success survives a power cut, and a failure at
// any step leaves the previous file byte for byte and no temporary file. A link stays a link.
// Nothing that is not a regular file is ever written over (DataPathProblem). Before that:
// - an existing file that cannot be read is set aside (SetAsideUnreadable); when that fails
//   nothing is written rather than lose it;
// - with `lock` held on this data file, temporary files left by a save that was killed are
//   removed (IsSaveLeftoverName), and nothing else;
// - the new file takes the old one's mode, and, when running as root, its owner and group.
// `ops` makes the system calls of the save itself.
TSaveResult SaveDataFile(TDataFileRecord& record, const TDataFilePaths& paths,
                         TValidMark valid = TValidMark::Set, const TDataFileLock* lock = nullptr,
                         TFileOps& ops = SystemFileOps());

// The player's text for a failed save: message A when nothing could be created, B otherwise,
// then the path and what failed.
std::string SaveFailureText(const TSaveResult& result);

// SaveDataFile that shows a failure (SaveFailureText, "O.K." only). Returns true when written.
bool WriteDataFile(TDataFileRecord& record, const TDataFilePaths& paths, TMessages& messages,
                   TValidMark valid = TValidMark::Set, const TDataFileLock* lock = nullptr,
                   TFileOps& ops = SystemFileOps());

}  // namespace xs
