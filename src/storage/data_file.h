// Reading and writing the one data file that holds preferences and the puzzle library.
#pragma once

#include <QString>

#include "storage/messages.h"
#include "storage/settings.h"

namespace xs {

// Where the data file and the earlier edition's file are looked for.
struct TDataFilePaths {
    QString DataFile;     // ".../VelmorDuvidOzad.dat"
    QString OldDataFile;  // ".../VelmorXSData.dat", only ever read
};

// The folder of the running executable, without a trailing separator.
QString ProgramFolder();
// The program folder's files, or, when that folder is not writable, the user's data folder
// (which then also keeps the file on later runs).
TDataFilePaths DefaultDataFilePaths();

// Replaces the record with the file's contents (importing the earlier edition's file when only
// that exists). On any failure only Settings.Valid is cleared. Returns true when read.
bool ReadDataFile(TDataFileRecord& record, const TDataFilePaths& paths);

// Writes the whole record, Valid set to 1, so that the old file is replaced only by a complete
// new one. Failures are shown through messages. Returns true when written.
bool WriteDataFile(TDataFileRecord& record, const TDataFilePaths& paths, TMessages& messages);

}  // namespace xs
