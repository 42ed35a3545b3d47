// "combos SQUARES TOTAL": the digits and digit sets that can fill a run.
#include <iostream>

#include "cli/args.h"
#include "cli/cli_format.h"
#include "cli/commands.h"

namespace xs::cli {

int RunCombos(const std::vector<std::string>& args) {
    TParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{}, {}, 2, 2}, parsed, error)) return UsageError("combos", error);
    const std::optional<int> squares = ParseInt(parsed.Positional[0], 1, 9);
    if (!squares) return UsageError("combos", "SQUARES must be a number from 1 to 9");
    const std::optional<int> total = ParseInt(parsed.Positional[1], 1, 45);
    if (!total) return UsageError("combos", "TOTAL must be a number from 1 to 45");
    std::string text;
    if (!FormatCombos(*squares, *total, text, error)) return UsageError("combos", error);
    std::cout << text;
    return kExitOk;
}

}  // namespace xs::cli
