// "list": the counters, where the data file is, and every stored puzzle.
#include <iostream>

#include "cli/cli_format.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "storage/settings.h"

namespace xs::cli {

namespace {

int RunList(const TParsedArgs& args) {
    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    TDataFileRecord& record = AppData().File;
    TPuzzleCounts fileCounts{};
    if (!LoadLibrary("list", paths, record, &fileCounts)) return kExitFailure;
    std::cout << FormatLibraryList(record, LibraryLocation(paths), &fileCounts);
    return kExitOk;
}

}  // namespace

const TCommandSpec kListCommand = {"list",
                                   "The counters, the data file's place, every stored puzzle.",
                                   {kDataOption},
                                   {},
                                   RunList};

}  // namespace xs::cli
