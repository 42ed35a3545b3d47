// Argument parsing and error reporting shared by the command-line companion's commands.
#include "cli/args.h"

#include <charconv>
#include <iostream>

namespace xs::cli {

std::string TParsedArgs::Value(const std::string& option) const {
    std::string value;
    for (const auto& [name, v] : Values)
        if (name == option) value = v;
    return value;
}

bool ParseArgs(const std::vector<std::string>& args, const TArgSpec& grammar, TParsedArgs& parsed,
               std::string& error) {
    parsed = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(0, eq);
            if (grammar.ValueOptions.count(name) != 0) {
                if (eq != std::string::npos) {
                    parsed.Values.emplace_back(name, arg.substr(eq + 1));
                } else if (i + 1 < args.size()) {
                    parsed.Values.emplace_back(name, args[++i]);
                } else {
                    error = name + " needs a value";
                    return false;
                }
                if (parsed.Values.back().second.empty()) {
                    error = name + " needs a value";
                    return false;
                }
            } else if (eq == std::string::npos && grammar.Flags.count(arg) != 0) {
                parsed.Flags.insert(arg);
            } else {
                error = "unknown option " + arg;
                return false;
            }
        } else {
            parsed.Positional.push_back(arg);
        }
    }
    if (parsed.Positional.size() < grammar.MinPositional) {
        error = "missing argument";
        return false;
    }
    if (parsed.Positional.size() > grammar.MaxPositional) {
        error = "unexpected argument " + parsed.Positional[grammar.MaxPositional];
        return false;
    }
    return true;
}

std::optional<int> ParseInt(const std::string& text, int lo, int hi) {
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc() || end != last || value < lo || value > hi) return {};
    return value;
}

int UsageError(const std::string& command, const std::string& message) {
    std::cerr << kProgramName << ' ' << command << ": " << message << " (try --help)\n";
    return kExitUsage;
}

int Failure(const std::string& command, const std::string& message) {
    std::cerr << kProgramName << ' ' << command << ": " << message << '\n';
    return kExitFailure;
}

}  // namespace xs::cli
