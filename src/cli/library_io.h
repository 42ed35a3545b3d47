// Loading and saving the data file for the command-line companion, with errors on stderr.
#pragma once

#include <string>

#include "cli/args.h"
#include "storage/data_file.h"
#include "storage/messages.h"

namespace xs::cli {

// "--data FILE", taken by every command that reads the data file.
inline const TOptionSpec kDataOption = {"data", "FILE",
                                        "this data file instead of the game's own (no import)"};

// The file named by --data (read and written as it is, no import), or the game's own files.
TDataFilePaths CliDataFilePaths(const std::string& dataOption);

// Reads the data file into record. When it cannot be read, prints one line on stderr naming the
// file and the reason, and returns false. The library's counters are replaced by what its slots
// hold (CountSlots), so that a damaged counter hides no puzzle; the file's own counters go to
// fileCounts when asked for.
bool LoadLibrary(const std::string& command, const TDataFilePaths& paths, TDataFileRecord& record,
                 TPuzzleCounts* fileCounts = nullptr);

// Why the data file cannot be written, in the system's words ("Permission denied"), or empty when
// it can: the path must lead to a file or to nothing (DataPathProblem), an existing file must open
// for writing, and the nearest existing folder on its path must
// be a folder that takes new files (its reason names it: "/srv: Permission denied"). Changes
// nothing on disk.
std::string WriteProblem(const QString& dataFile);

// Writes record back to paths.DataFile, keeping Valid as it is, so that the game's preferences
// are left as they were found. A failure is printed on stderr as one line naming the file and
// what failed, and so is what a save that worked could not tidy. True when written.
// With the data file's lock held (lock), leftovers of a killed save are removed as well. `ops`
// makes the save's system calls.
bool SaveLibrary(const std::string& command, TDataFileRecord& record, const TDataFilePaths& paths,
                 const TDataFileLock* lock = nullptr, TFileOps& ops = SystemFileOps());

// Where a loaded library came from, for the list: the file, and the earlier edition's file when
// it was imported from there.
std::string LibraryLocation(const TDataFilePaths& paths);

}  // namespace xs::cli
