// The game's own command line: help, version and another data file, read before any window.
#pragma once

#include <QString>
#include <QStringList>

namespace xs {

struct TGameCommandLine {
    // When the game should stop at once: the exit code, and the text for stdout (0) or stderr.
    bool Exit = false;
    int ExitCode = 0;
    QString Output{};
    // The data file named by --data, as an absolute path; empty for the game's own.
    QString DataFile{};
};

// Reads the arguments (the program's path first). Qt's standard options (-platform NAME,
// -display DISPLAY, -style NAME, ...) are accepted and left for the application object; anything
// else that is not an option of the game is a usage error (exit code 2).
TGameCommandLine ParseGameCommandLine(const QStringList& arguments);

}  // namespace xs
