// The command-line companion's commands; main dispatches to them by name.
#pragma once

#include <functional>

#include "cli/args.h"

namespace xs::cli {

// Each command's arguments and the function that runs it with them, returning the process's
// exit code (args.h). None writes the data file unless the command changes the library.
extern const TCommandSpec kListCommand;
extern const TCommandSpec kShowCommand;
extern const TCommandSpec kCombosCommand;
extern const TCommandSpec kGenerateCommand;
extern const TCommandSpec kExplainCommand;
extern const TCommandSpec kExportCommand;
extern const TCommandSpec kImportCommand;
extern const TCommandSpec kStatsCommand;

// "generate" as kGenerateCommand runs it; beforeSave, when given, runs after the batch, just
// before the data file is written, with the signal handlers still in place.
int RunGenerate(const TParsedArgs& args, const std::function<void()>& beforeSave);

}  // namespace xs::cli
