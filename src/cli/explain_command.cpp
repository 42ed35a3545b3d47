// "explain SLOT": the puzzle's logical solution from the empty board, one step a line, as text or
// as JSON Lines.
#include <iostream>

#include "cli/cli_format.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "storage/settings.h"

namespace xs::cli {

namespace {

int RunExplain(const TParsedArgs& args) {
    const std::optional<int> slot = ParseInt(args.Positional[0], 1, MaxPuzzles);
    if (!slot) return UsageError("explain", "SLOT must be a number from 1 to 100");
    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    TDataFileRecord& record = AppData().File;
    if (!LoadLibrary("explain", paths, record)) return kExitFailure;
    std::string text;
    std::string error;
    if (!FormatExplanation(record.Library, *slot, args.Has("json"), text, error))
        return Failure("explain", error);
    std::cout << text;
    return kExitOk;
}

}  // namespace

const TCommandSpec kExplainCommand = {
    "explain",
    "The puzzle solved step by step from its totals, each step's technique and reason.",
    {{"json", nullptr, "JSON Lines: one object a step, then one with the outcome"}, kDataOption},
    {{"SLOT", "library slot 1..100"}},
    RunExplain};

}  // namespace xs::cli
