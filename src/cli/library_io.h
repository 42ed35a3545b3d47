// Loading and saving the data file for the command-line companion, with errors on stderr.
#pragma once

#include <string>

#include "storage/data_file.h"
#include "storage/messages.h"

namespace xs::cli {

// Prints every message on stderr ("\n\r" as a line break) and answers "O.K."; the first option
// when asked to choose.
class TStderrMessages : public TMessages {
public:
    int ShowMsg(const std::string& text, TButtons buttons) override;
    int ShowOptions(const std::string& text, int count, const TOptionTexts& options,
                    bool withPrintCheckBox, bool withCancel) override;
    bool PrintCurrentState() const override { return false; }
};

// The file named by --data (read and written as it is, no import), or the game's own files.
TDataFilePaths CliDataFilePaths(const std::string& dataOption);

// Reads the data file into record. When it cannot be read, prints one line on stderr naming the
// file and the reason, and returns false.
bool LoadLibrary(const std::string& command, const TDataFilePaths& paths, TDataFileRecord& record);

// Writes record back to paths.DataFile; a failure is printed on stderr. True when written.
bool SaveLibrary(TDataFileRecord& record, const TDataFilePaths& paths);

// Where a loaded library came from, for the list: the file, and the earlier edition's file when
// it was imported from there.
std::string LibraryLocation(const TDataFilePaths& paths);

}  // namespace xs::cli
