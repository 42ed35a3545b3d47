// "stats": the player's progress from the history beside the data file, as the Progress screen
// sums it, or one CSV line per solved puzzle.
#include <QFileInfo>
#include <iostream>

#include "cli/commands.h"
#include "cli/library_io.h"
#include "model/translate.h"
#include "progress/progress_summary.h"
#include "storage/history.h"

namespace xs::cli {

namespace {

int RunStats(const TParsedArgs& args) {
    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    const QString path = HistoryPathFor(paths.DataFile);
    std::vector<TSolvedRecord> rows;
    THintCounts inPlay;
    // No history yet is an empty one; none is made just to be read.
    if (QFileInfo::exists(path)) {
        THistory history;
        const THistoryOpen opened = history.Open(path);
        if (!opened.Notice.empty())
            std::cerr << kProgramName << " stats: " << Tr("Texts", opened.Notice.c_str()) << '\n';
        if (opened.State == THistoryState::Closed) return kExitFailure;
        rows = history.Solved();
        inPlay = history.InPlayHints();
    }
    std::cout << (args.Has("csv") ? StatsCsv(rows) : StatsTable(Summarise(rows, inPlay)));
    return kExitOk;
}

}  // namespace

const TCommandSpec kStatsCommand = {
    "stats",
    "Puzzles solved by size and star level, hints by technique, the last 20 solved.",
    {{"csv", nullptr, "one line per solved puzzle, with a header row"}, kDataOption},
    {},
    RunStats};

}  // namespace xs::cli
