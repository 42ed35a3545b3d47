// The command-line companion: looks into the game's data file and its combination tables.
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/commands.h"

namespace {

using xs::cli::kExitOk;
using xs::cli::kExitUsage;
using xs::cli::kProgramName;

struct TCommand {
    const char* Name;
    int (*Run)(const std::vector<std::string>&);
    const char* Synopsis;
    const char* Summary;
};

constexpr TCommand kCommands[] = {
    {"list", xs::cli::RunList, "list [--data FILE]",
     "the counters, the data file's place, every stored puzzle"},
    {"show", xs::cli::RunShow, "show SLOT [--answers] [--data FILE]",
     "one puzzle as a grid: clues as down\\across, entries or answers"},
    {"combos", xs::cli::RunCombos, "combos SQUARES TOTAL", "the digits and combinations of a run"},
    {"generate", xs::cli::RunGenerate,
     "generate --size S --stars N --count N [--seed S] [--data FILE]",
     "append new puzzles (S: mini|small|medium|large, stars 1-5)"},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: " << kProgramName << " COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const TCommand& command : kCommands)
        out << "  " << std::left << std::setw(64) << command.Synopsis << command.Summary << '\n';
    out << "\nWithout --data the game's own data file is used. list, show and combos never write "
           "it.\n";
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kProgramName << ": no command given (try --help)\n";
        return kExitUsage;
    }
    // "--help" anywhere, or "help" as the command, shows the usage.
    for (const std::string& arg : args) {
        if (IsHelp(arg) || args[0] == "help") {
            PrintUsage(std::cout);
            return kExitOk;
        }
    }
    for (const TCommand& command : kCommands) {
        if (args[0] == command.Name)
            return command.Run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::cerr << kProgramName << ": unknown command " << args[0] << " (try --help)\n";
    return kExitUsage;
}
