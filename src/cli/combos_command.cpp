// "combos SQUARES TOTAL": the digits and digit sets that can fill a run.
#include <iostream>

#include "cli/cli_format.h"
#include "cli/commands.h"

namespace xs::cli {

namespace {

int RunCombos(const TParsedArgs& args) {
    const std::optional<int> squares = ParseInt(args.Positional[0], 1, 9);
    if (!squares) return UsageError("combos", "SQUARES must be a number from 1 to 9");
    const std::optional<int> total = ParseInt(args.Positional[1], 1, 45);
    if (!total) return UsageError("combos", "TOTAL must be a number from 1 to 45");
    std::string text;
    std::string error;
    if (!FormatCombos(*squares, *total, text, error)) return UsageError("combos", error);
    std::cout << text;
    return kExitOk;
}

}  // namespace

const TCommandSpec kCombosCommand = {
    "combos",
    "The digits and digit combinations that can fill a run.",
    {},
    {{"SQUARES", "squares in the run, 1..9"}, {"TOTAL", "the run's total, 1..45"}},
    RunCombos};

}  // namespace xs::cli
