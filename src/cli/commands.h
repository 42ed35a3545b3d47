// The command-line companion's commands; main dispatches to them by name.
#pragma once

#include <string>
#include <vector>

namespace xs::cli {

// Each takes the arguments after the command name and returns the process's exit code
// (args.h). None writes the data file unless the command changes the library.
int RunList(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunCombos(const std::vector<std::string>& args);
int RunGenerate(const std::vector<std::string>& args);

}  // namespace xs::cli
