// "show SLOT": one stored puzzle as a text grid, with the player's entries or the answers.
#include <iostream>

#include "cli/cli_format.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "storage/settings.h"

namespace xs::cli {

namespace {

int RunShow(const TParsedArgs& args) {
    const std::optional<int> slot = ParseInt(args.Positional[0], 1, MaxPuzzles);
    if (!slot) return UsageError("show", "SLOT must be a number from 1 to 100");
    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    TDataFileRecord& record = AppData().File;
    if (!LoadLibrary("show", paths, record)) return kExitFailure;
    std::string text;
    std::string error;
    if (!FormatPuzzle(record.Library, *slot, args.Has("answers"), text, error))
        return Failure("show", error);
    std::cout << text;
    return kExitOk;
}

}  // namespace

const TCommandSpec kShowCommand = {
    "show",
    "One puzzle as a grid: clues as down\\across, the player's entries or the answers.",
    {{"answers", nullptr, "the answers instead of the player's entries"}, kDataOption},
    {{"SLOT", "library slot 1..100"}},
    RunShow};

}  // namespace xs::cli
