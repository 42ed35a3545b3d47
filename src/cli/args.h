// Argument parsing and error reporting shared by the command-line companion's commands.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace xs::cli {

constexpr const char* kProgramName = "crosssums-cli";

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // a file that cannot be read, a slot that cannot be shown
constexpr int kExitUsage = 2;    // arguments the command does not accept

// What a command accepts: switches, options that take a value, and how many plain arguments.
struct TArgSpec {
    std::set<std::string> Flags;         // e.g. "--answers"
    std::set<std::string> ValueOptions;  // e.g. "--data", given as "--data FILE" or "--data=FILE"
    std::size_t MinPositional = 0;
    std::size_t MaxPositional = 0;
};

struct TParsedArgs {
    std::vector<std::string> Positional;
    std::set<std::string> Flags;
    std::vector<std::pair<std::string, std::string>> Values;

    bool Has(const std::string& flag) const { return Flags.count(flag) != 0; }
    // The last value given for an option; empty when it was not given.
    std::string Value(const std::string& option) const;
};

// Parses a command's arguments (without the command name). On failure returns false with a
// one-line reason in error.
bool ParseArgs(const std::vector<std::string>& args, const TArgSpec& grammar, TParsedArgs& parsed,
               std::string& error);

// A whole decimal number in lo..hi; nothing for anything else.
std::optional<int> ParseInt(const std::string& text, int lo, int hi);

// Prints "crosssums-cli COMMAND: MESSAGE (try --help)" on stderr and returns kExitUsage.
int UsageError(const std::string& command, const std::string& message);
// Prints "crosssums-cli COMMAND: MESSAGE" on stderr and returns kExitFailure.
int Failure(const std::string& command, const std::string& message);

}  // namespace xs::cli
