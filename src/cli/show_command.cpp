// "show SLOT": one stored puzzle as a text grid, with the player's entries or the answers.
#include <iostream>

#include "cli/args.h"
#include "cli/cli_format.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "storage/settings.h"

namespace xs::cli {

int RunShow(const std::vector<std::string>& args) {
    TParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{"--answers"}, {"--data"}, 1, 1}, parsed, error))
        return UsageError("show", error);
    const std::optional<int> slot = ParseInt(parsed.Positional[0], 1, MaxPuzzles);
    if (!slot) return UsageError("show", "SLOT must be a number from 1 to 100");
    const TDataFilePaths paths = CliDataFilePaths(parsed.Value("--data"));
    TDataFileRecord& record = AppData().File;
    if (!LoadLibrary("show", paths, record)) return kExitFailure;
    std::string text;
    if (!FormatPuzzle(record.Library, *slot, parsed.Has("--answers"), text, error))
        return Failure("show", error);
    std::cout << text;
    return kExitOk;
}

}  // namespace xs::cli
