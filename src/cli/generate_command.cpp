// "generate": makes a batch of puzzles into the data file, as the create screen would.
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/library_io.h"
#include "generate/driver.h"
#include "model/slot_check.h"
#include "storage/settings.h"

namespace xs::cli {

namespace {

constexpr const char* kCommand = "generate";

// Ctrl-C asks the batch to stop; the poll hands the request to the generator.
volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void OnInterrupt(int) {
    interruptRequested = 1;
}

// Catches Ctrl-C for as long as it lives, and puts the earlier handler back.
class TInterruptGuard {
public:
    TInterruptGuard() {
        interruptRequested = 0;
        struct sigaction action = {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~TInterruptGuard() { sigaction(SIGINT, &previous_, nullptr); }
    TInterruptGuard(const TInterruptGuard&) = delete;
    TInterruptGuard& operator=(const TInterruptGuard&) = delete;

private:
    struct sigaction previous_ = {};
};

std::optional<int> ParseSize(const std::string& text) {
    if (text == "mini") return static_cast<int>(TPuzzleSize::Mini);
    if (text == "small") return static_cast<int>(TPuzzleSize::Small);
    if (text == "medium") return static_cast<int>(TPuzzleSize::Medium);
    if (text == "large") return static_cast<int>(TPuzzleSize::Large);
    return std::nullopt;
}

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || at != end) return std::nullopt;
    return value;
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::string Seconds(std::chrono::steady_clock::time_point since) {
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", s);
    return text;
}

}  // namespace

int RunGenerate(const std::vector<std::string>& args) {
    TParsedArgs parsed;
    std::string error;
    const TArgSpec grammar{{}, {"--size", "--stars", "--count", "--seed", "--data"}, 0, 0};
    if (!ParseArgs(args, grammar, parsed, error)) return UsageError(kCommand, error);

    const std::optional<int> size = ParseSize(parsed.Value("--size"));
    if (!size) return UsageError(kCommand, "--size must be mini, small, medium or large");
    const std::optional<int> stars = ParseInt(parsed.Value("--stars"), 1, 5);
    if (!stars) return UsageError(kCommand, "--stars must be 1 to 5");
    const std::optional<int> count = ParseInt(parsed.Value("--count"), 1, MaxPuzzles);
    if (!count) return UsageError(kCommand, "--count must be 1 to 100");
    std::uint64_t seed = ClockSeed();
    if (!parsed.Value("--seed").empty()) {
        const std::optional<std::uint64_t> given = ParseSeed(parsed.Value("--seed"));
        if (!given) return UsageError(kCommand, "--seed must be a whole number 0 or above");
        seed = *given;
    }

    // A data file that is not there yet starts an empty library, as the game does; one that is
    // there but cannot be read is left alone rather than replaced.
    const TDataFilePaths paths = CliDataFilePaths(parsed.Value("--data"));
    TDataFileRecord& record = AppData().File;
    if (!DataFileToRead(paths).isEmpty() && !LoadLibrary(kCommand, paths, record))
        return kExitFailure;
    TPuzzleLibrary& lib = record.Library;

    static TCreationBatch batch;
    batch.SizeCode = *size;
    batch.CreateCounts[0] = *count;
    batch.CreateCounts[*stars] = *count;
    if (const char* problem = BatchProblem(batch.CreateCounts, lib.Counts)) {
        return Failure(kCommand, std::string(problem) + " (" + std::to_string(lib.Counts.Total) +
                                     " stored, " + std::to_string(*count) +
                                     " requested); nothing created");
    }

    std::cerr << "Creating " << *count << " puzzle" << (*count == 1 ? "" : "s") << " of "
              << SizeText(*size) << ", " << *stars << " star (seed " << seed
              << "); Ctrl-C stops and keeps those made\n";
    TRandom rng(seed);
    TGenControl control;
    control.Rng = &rng;
    control.PollProgress = [&control] {
        if (interruptRequested != 0) control.CancelRequested = true;
    };
    const auto start = std::chrono::steady_clock::now();
    int done = 0;
    TBatchResult result;
    {
        TInterruptGuard guard;
        result = batch.Run(lib, record.Settings.LastPuzzleId, control, [&](const TBatchStep& step) {
            ++done;
            std::cerr << "puzzle " << done << " of " << *count << ": ";
            if (step.Slot != 0) {
                std::cerr << "Id " << lib.Info(step.Slot).Id << " in slot " << step.Slot;
            } else {
                std::cerr << "stopped, not kept";
            }
            std::cerr << " (" << Seconds(start) << " elapsed)\n";
        });
    }

    const int made = static_cast<int>(batch.Stats.Accepted);
    if (made > 0 && !SaveLibrary(record, paths)) return kExitFailure;
    if (result == TBatchResult::Cancelled) {
        std::cerr << "Stopped: " << made << " of " << *count << " made and kept\n";
        return 130;  // the shell's code for a command ended by Ctrl-C
    }
    std::cerr << "Done: " << made << " puzzle" << (made == 1 ? "" : "s") << " in " << Seconds(start)
              << "\n";
    return kExitOk;
}

}  // namespace xs::cli
