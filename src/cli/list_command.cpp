// "list": the counters, where the data file is, and every stored puzzle.
#include <iostream>

#include "cli/args.h"
#include "cli/cli_format.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "storage/settings.h"

namespace xs::cli {

int RunList(const std::vector<std::string>& args) {
    TParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{}, {"--data"}, 0, 0}, parsed, error)) return UsageError("list", error);
    const TDataFilePaths paths = CliDataFilePaths(parsed.Value("--data"));
    TDataFileRecord& record = AppData().File;
    if (!LoadLibrary("list", paths, record)) return kExitFailure;
    std::cout << FormatLibraryList(record, LibraryLocation(paths));
    return kExitOk;
}

}  // namespace xs::cli
