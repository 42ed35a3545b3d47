// "generate": makes a batch of puzzles into the data file, as the create screen would.
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/library_io.h"
#include "generate/driver.h"
#include "model/slot_check.h"
#include "model/translate.h"
#include "progress/practice.h"
#include "storage/data_file_lock.h"
#include "storage/history.h"
#include "storage/settings.h"

#include <QFile>

namespace xs::cli {

namespace {

constexpr const char* kCommand = "generate";

// Ctrl-C, a kill and a closed terminal all stop the batch the same way: the poll hands the
// request to the generator, the puzzles finished so far are saved.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void OnStopSignal(int signal) {
    stopSignal = signal;
}

std::string SignalName(int signal) {
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        case SIGHUP:
            return "SIGHUP";
        default:
            return Tr("Texts", "a signal");
    }
}

// Catches the stop signals for as long as it lives, which includes the save, and puts the
// earlier handlers back. A signal that was ignored when the command started (nohup, a
// background job of a script) stays ignored.
class TStopSignalGuard {
public:
    TStopSignalGuard() {
        stopSignal = 0;
        struct sigaction action = {};
        action.sa_handler = OnStopSignal;
        // The save's system calls carry on rather than fail with EINTR.
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (int k = 0; k < kCount; ++k) {
            sigaction(kStopSignals[k], nullptr, &previous_[k]);
            if (previous_[k].sa_handler != SIG_IGN) sigaction(kStopSignals[k], &action, nullptr);
        }
    }
    ~TStopSignalGuard() {
        for (int k = 0; k < kCount; ++k) sigaction(kStopSignals[k], &previous_[k], nullptr);
    }
    TStopSignalGuard(const TStopSignalGuard&) = delete;
    TStopSignalGuard& operator=(const TStopSignalGuard&) = delete;

private:
    static constexpr int kCount = sizeof kStopSignals / sizeof kStopSignals[0];
    struct sigaction previous_[kCount] = {};
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

// "Crossing runs", "One combination", ... as the code names them, quoted, comma separated.
std::string PracticeTechniqueNames() {
    std::string names;
    for (int t = 0; t < kTechniqueCount; ++t) {
        if (!PracticeTechnique(static_cast<TTechnique>(t))) continue;
        if (!names.empty()) names += ", ";
        names += std::string("\"") + TechniqueName(static_cast<TTechnique>(t)) + '"';
    }
    return names;
}

// --technique: puzzles made one at a time until the grader names the technique, each stored at
// the star level it was made at and marked as practice in the history beside the data file.
int GeneratePractice(TTechnique technique, int size, int count, std::uint64_t seed,
                     TDataFileRecord& record, const TDataFilePaths& paths, TDataFileLock& lock,
                     const std::function<void()>& beforeSave) {
    TPuzzleLibrary& lib = record.Library;
    if (UsedSlots(lib.Counts) + count > MaxPuzzles)
        return Failure(kCommand, "the library would hold more than 100 puzzles; nothing created");
    std::cerr << Fill(count == 1 ? Tr("Texts",
                                      "Creating %1 practice puzzle of %2 for %3 (seed "
                                      "%4); Ctrl-C stops and keeps those made\n")
                                 : Tr("Texts",
                                      "Creating %1 practice puzzles of %2 for %3 (seed "
                                      "%4); Ctrl-C stops and keeps those made\n"),
                      {std::to_string(count), SizeText(size), Tr("Texts", TechniqueName(technique)),
                       std::to_string(seed)});
    TRandom rng(seed);
    TGenControl control;
    control.Rng = &rng;
    control.PollProgress = [&control] {
        if (stopSignal != 0) control.CancelRequested = true;
    };
    static TPracticeWork work;
    TPuzzleGrid puzzle{};
    std::vector<std::int32_t> ids;
    const auto start = std::chrono::steady_clock::now();
    TStopSignalGuard guard;
    std::string unmade;
    for (int n = 1; n <= count && stopSignal == 0; ++n) {
        const TPracticeOutcome outcome = MakePracticePuzzle(technique, size, control, work, puzzle);
        if (outcome.Result != TPracticeResult::Made) {
            if (outcome.Result == TPracticeResult::NotFound)
                unmade = Fill(Tr("Texts", "no puzzle graded to it in %1 tries"),
                              {std::to_string(outcome.Tries)});
            break;
        }
        const int slot = AppendPuzzle(lib, record.Settings.LastPuzzleId, puzzle,
                                      static_cast<TPuzzleSize>(size), outcome.Stars);
        if (slot == 0) break;
        ids.push_back(lib.Info(slot).Id);
        std::cerr << Fill(
            outcome.Tries == 1 ? Tr("Texts",
                                    "puzzle %1 of %2: Id %3 in slot %4, %5 star, after %6 "
                                    "try (%7 elapsed)\n")
                               : Tr("Texts",
                                    "puzzle %1 of %2: Id %3 in slot %4, %5 star, after %6 "
                                    "tries (%7 elapsed)\n"),
            {std::to_string(n), std::to_string(count), std::to_string(lib.Info(slot).Id),
             std::to_string(slot), std::to_string(outcome.Stars), std::to_string(outcome.Tries),
             Seconds(start)});
    }
    if (beforeSave) beforeSave();
    if (!ids.empty() && !SaveLibrary(kCommand, record, paths, &lock)) return kExitFailure;
    if (!ids.empty()) {
        // The puzzles are in the library whatever the history says.
        THistory history;
        const THistoryOpen opened = history.Open(HistoryPathFor(paths.DataFile));
        if (!opened.Notice.empty())
            std::cerr << kProgramName << ' ' << kCommand << ": " << opened.Notice << '\n';
        for (const std::int32_t id : ids) history.SetOrigin(id, kOriginPractice);
    }
    if (const int signal = stopSignal; signal != 0) {
        std::cerr << Fill(Tr("Texts", "Stopped by %1: %2 of %3 made and kept\n"),
                          {SignalName(signal), std::to_string(ids.size()), std::to_string(count)});
        return 128 + signal;
    }
    if (!unmade.empty())
        return Failure(kCommand, Fill(Tr("Texts", "%1; %2 of %3 made and kept"),
                                      {unmade, std::to_string(ids.size()), std::to_string(count)}));
    std::cerr << Fill(ids.size() == 1 ? Tr("Texts", "Done: %1 practice puzzle in %2\n")
                                      : Tr("Texts", "Done: %1 practice puzzles in %2\n"),
                      {std::to_string(ids.size()), Seconds(start)});
    return kExitOk;
}

int RunGenerateCommand(const TParsedArgs& args) {
    return RunGenerate(args, {});
}

}  // namespace

const TCommandSpec kGenerateCommand = {
    "generate",
    "Appends new puzzles; Ctrl-C, SIGTERM or SIGHUP stop and keep those finished.",
    {{"size", "S", "mini, small, medium or large", true},
     {"stars", "N", "difficulty 1..5 (required unless --technique is given)"},
     {"count", "N", "how many puzzles, 1..100", true},
     {"seed", "S", "a number that makes the batch repeatable"},
     {"technique", "NAME",
      "practice puzzles whose hardest step is this technique (its name as docs/solver.md "
      "gives it, in quotes); the star level follows from the puzzle"},
     kDataOption},
    {},
    RunGenerateCommand};

int RunGenerate(const TParsedArgs& args, const std::function<void()>& beforeSave) {
    const std::optional<int> size = ParseSize(args.Value("size"));
    if (!size) return UsageError(kCommand, "--size must be mini, small, medium or large");
    std::optional<TTechnique> technique;
    if (args.Has("technique")) {
        TTechnique found{};
        if (!TechniqueByName(args.Value("technique").c_str(), found) || !PracticeTechnique(found))
            return UsageError(kCommand, "--technique must be one of " + PracticeTechniqueNames());
        technique = found;
        if (args.Has("stars"))
            return UsageError(kCommand, "--stars and --technique cannot be given together");
    }
    const std::optional<int> stars =
        technique ? std::optional<int>(1) : ParseInt(args.Value("stars"), 1, 5);
    if (!args.Has("stars") && !technique) return UsageError(kCommand, "missing --stars N");
    if (!stars) return UsageError(kCommand, "--stars must be 1 to 5");
    const std::optional<int> count = ParseInt(args.Value("count"), 1, MaxPuzzles);
    if (!count) return UsageError(kCommand, "--count must be 1 to 100");
    std::uint64_t seed = ClockSeed();
    if (args.Has("seed")) {
        const std::optional<std::uint64_t> given = ParseSeed(args.Value("seed"));
        if (!given) return UsageError(kCommand, "--seed must be a whole number 0 or above");
        seed = *given;
    }

    // Everything that can refuse the batch is asked before any puzzle is made: whether the file
    // can be written, whether another program has it, whether it can be read, whether it has room.
    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    const std::string location = QFile::encodeName(paths.DataFile).toStdString();
    if (const std::string why = WriteProblem(paths.DataFile); !why.empty())
        return Failure(kCommand,
                       Fill(Tr("Texts", "cannot write %1: %2; nothing created"), {location, why}));
    // Held from the read to the last write, so that no other writer's puzzles are lost.
    TDataFileLock lock(paths.DataFile);
    if (const TLockResult locked = lock.TryLock(); locked.Status != TLockStatus::Locked)
        return Failure(kCommand,
                       Fill(Tr("Texts", "%1; nothing created"), {locked.Reason.toStdString()}));

    // A data file that is not there yet starts an empty library, as the game does; one that is
    // there but cannot be read is left alone rather than replaced.
    TDataFileRecord& record = AppData().File;
    if (!DataFileToRead(paths).isEmpty()) {
        if (!LoadLibrary(kCommand, paths, record)) return kExitFailure;
    } else {
        std::memset(&record, 0, sizeof record);
    }
    TPuzzleLibrary& lib = record.Library;
    // Counters read from a damaged file are replaced by what the slots hold, as the first new
    // puzzle would replace them; in a sound library the two are the same.
    lib.Counts = CountSlots(lib);

    if (technique)
        return GeneratePractice(*technique, *size, *count, seed, record, paths, lock, beforeSave);

    static TCreationBatch batch;
    batch.CreateCounts[0] = *count;
    for (int level = 1; level <= kMaxDifficulty; ++level)
        batch.CreateCounts[level] = level == *stars ? *count : 0;
    batch.SizeCode = *size;
    if (const char* problem = BatchProblem(batch.CreateCounts, lib.Counts)) {
        // What the slots hold, damaged ones included; new puzzles go after the last of them, so
        // a stray Id high up leaves less room than the number stored suggests.
        int stored = 0;
        for (int slot = 1; slot <= lib.Counts.Total; ++slot) stored += lib.Info(slot).Id != 0;
        const std::string why = stored == lib.Counts.Total
                                    ? Tr("Texts", problem)
                                    : Fill(Tr("Texts",
                                              "new puzzles go after the last slot in use, "
                                              "slot %1, which leaves room for %2"),
                                           {std::to_string(lib.Counts.Total),
                                            std::to_string(MaxPuzzles - lib.Counts.Total)});
        return Failure(kCommand, Fill(Tr("Texts", "%1 (%2 stored, %3 requested); nothing created"),
                                      {why, std::to_string(stored), std::to_string(*count)}));
    }

    if (const std::string noId = NoIdLeftReason(lib, record.Settings.LastPuzzleId); !noId.empty())
        return Failure(kCommand,
                       Fill(Tr("Texts", "no puzzle Id is left: %1; nothing created"), {noId}));

    std::cerr << Fill(
        *count == 1 ? Tr("Texts",
                         "Creating %1 puzzle of %2, %3 star (seed %4); "
                         "Ctrl-C stops and keeps those made\n")
                    : Tr("Texts",
                         "Creating %1 puzzles of %2, %3 star (seed %4); "
                         "Ctrl-C stops and keeps those made\n"),
        {std::to_string(*count), SizeText(*size), std::to_string(*stars), std::to_string(seed)});
    TRandom rng(seed);
    TGenControl control;
    control.Rng = &rng;
    control.PollProgress = [&control] {
        if (stopSignal != 0) control.CancelRequested = true;
    };
    const auto start = std::chrono::steady_clock::now();
    int done = 0;
    int made = 0;
    // Stays in place through the save: a signal then lets the save finish.
    TStopSignalGuard guard;
    const TBatchResult result =
        batch.Run(lib, record.Settings.LastPuzzleId, control, [&](const TBatchStep& step) {
            ++done;
            const std::string what =
                step.Slot != 0
                    ? Fill(Tr("Texts", "Id %1 in slot %2"),
                           {std::to_string(lib.Info(step.Slot).Id), std::to_string(step.Slot)})
                    : Tr("Texts", "stopped, not kept");
            if (step.Slot != 0) ++made;
            std::cerr << Fill(Tr("Texts", "puzzle %1 of %2: %3 (%4 elapsed)\n"),
                              {std::to_string(done), std::to_string(*count), what, Seconds(start)});
        });
    if (result == TBatchResult::Refused) return Failure(kCommand, "refused; nothing created");

    if (beforeSave) beforeSave();
    if (made > 0 && !SaveLibrary(kCommand, record, paths, &lock)) return kExitFailure;
    if (const int signal = stopSignal; signal != 0) {
        std::cerr << Fill(Tr("Texts", "Stopped by %1: %2 of %3 made and kept\n"),
                          {SignalName(signal), std::to_string(made), std::to_string(*count)});
        return 128 + signal;
    }
    if (result == TBatchResult::Cancelled) {
        std::string why = NoIdLeftReason(lib, record.Settings.LastPuzzleId);
        if (why.empty()) why = Tr("Texts", "the library had no place left");
        std::cerr << Fill(Tr("Texts", "Stopped: %1; %2 of %3 made and kept\n"),
                          {why, std::to_string(made), std::to_string(*count)});
        return kExitFailure;
    }
    std::cerr << Fill(made == 1 ? Tr("Texts", "Done: %1 puzzle in %2\n")
                                : Tr("Texts", "Done: %1 puzzles in %2\n"),
                      {std::to_string(made), Seconds(start)});
    return kExitOk;
}

}  // namespace xs::cli
