// Argument parsing and error reporting shared by the command-line companion's commands.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace xs::cli {

constexpr const char* kProgramName = "crosssums-cli";

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // a file that cannot be read or written, a slot not shown
constexpr int kExitUsage = 2;    // arguments the command does not accept
// A command stopped by a signal ends with 128 plus the signal's number, as the shell reports.

// One option of a command: "--Name VALUE", "--Name=VALUE", or a switch "--Name".
struct TOptionSpec {
    const char* Name;       // without the dashes: "data"
    const char* ValueName;  // "FILE"; nullptr for a switch
    const char* Help;
    bool Required = false;
};

struct TPositionalSpec {
    const char* Name;  // "SLOT"
    const char* Help;
};

struct TParsedArgs;

// What a command accepts; every positional argument is required.
struct TCommandSpec {
    const char* Name;
    const char* Summary;
    std::vector<TOptionSpec> Options;
    std::vector<TPositionalSpec> Positionals;
    int (*Run)(const TParsedArgs&);
};

struct TParsedArgs {
    bool HelpRequested = false;
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Values;  // by option name; "" for a switch

    bool Has(const std::string& option) const { return Values.count(option) != 0; }
    // The option's value; empty when it was not given.
    std::string Value(const std::string& option) const;
};

// Parses a command's arguments (without the command name). Besides what any parser refuses
// (unknown options, a value missing at the end), refuses an option given twice, an option whose
// value is another option ("--size --stars 1"), and a wrong number of positional arguments.
// A negative number ("show -1") is a value, not an option. On failure returns false with a
// one-line reason in error. "--help" or "-h" sets HelpRequested and skips the other checks.
bool ParseArgs(const TCommandSpec& command, const std::vector<std::string>& args,
               TParsedArgs& parsed, std::string& error);

// "show SLOT [--answers] [--data FILE]".
std::string Synopsis(const TCommandSpec& command);
// The command's usage: synopsis, summary, arguments and options.
std::string CommandHelp(const TCommandSpec& command);

// Parses, then runs the command; prints its help or the usage error itself.
int RunCommand(const TCommandSpec& command, const std::vector<std::string>& args);

// A whole decimal number in lo..hi; nothing for anything else.
std::optional<int> ParseInt(const std::string& text, int lo, int hi);

// Prints "crosssums-cli COMMAND: MESSAGE (try --help)" on stderr and returns kExitUsage.
int UsageError(const std::string& command, const std::string& message);
// Prints "crosssums-cli COMMAND: MESSAGE" on stderr and returns kExitFailure.
int Failure(const std::string& command, const std::string& message);

}  // namespace xs::cli
