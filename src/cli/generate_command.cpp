// "generate": creates puzzles into the data file; not part of this build yet.
#include <iostream>

#include "cli/commands.h"

namespace xs::cli {

int RunGenerate(const std::vector<std::string>&) {
    std::cerr << "generate: not built yet\n";
    return 2;
}

}  // namespace xs::cli
