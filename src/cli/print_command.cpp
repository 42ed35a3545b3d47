// "print --pdf FILE": the page plan and the page drawing of the game, written to a PDF file.
#include "cli/print_command.h"

#include <QGuiApplication>
#include <iostream>
#include <sstream>
#include <string_view>

#include "cli/library_io.h"
#include "manage/print_plan.h"
#include "manage/printing.h"
#include "model/slot_check.h"
#include "model/translate.h"
#include "storage/preferences.h"
#include "storage/settings.h"

namespace xs::cli {

namespace {

constexpr int kPdfDpi = 300;

// "large", "small" or "none" as a print size; nothing for anything else.
std::optional<int> ParsePrintSize(const std::string& text) {
    if (text == "large") return kPrintLarge;
    if (text == "small") return kPrintSmall;
    if (text == "none") return kPrintNone;
    return std::nullopt;
}

// A stored choice as the game reads it: anything but large or small is none.
int StoredPrintSize(int stored) {
    return stored == kPrintLarge || stored == kPrintSmall ? stored : kPrintNone;
}

int PrintSizeOption(const TParsedArgs& args, const char* option, int stored) {
    if (!args.Has(option)) return StoredPrintSize(stored);
    return ParsePrintSize(args.Value(option)).value_or(-1);
}

// "1,3,5" into the selection; false on anything that is not a slot 1..100.
bool ParseSlots(const std::string& text, TSelection& selected) {
    std::stringstream in(text);
    std::string part;
    int count = 0;
    while (std::getline(in, part, ',')) {
        const std::optional<int> slot = ParseInt(part, 1, MaxPuzzles);
        if (!slot) return false;
        selected[*slot - 1] = true;
        ++count;
    }
    return count > 0 && text.back() != ',';
}

int RunPrint(const TParsedArgs& args) {
    if (args.Has("slots") == args.Has("all")) {
        return UsageError("print", "give either --slots or --all");
    }
    TSelection selected{};
    if (args.Has("slots") && !ParseSlots(args.Value("slots"), selected)) {
        return UsageError("print", "--slots takes slot numbers 1..100 separated by commas");
    }
    std::optional<int> colors;
    if (args.Has("colors")) {
        colors = ParseInt(args.Value("colors"), 1, 4);
        if (!colors) return UsageError("print", "--colors takes a colour scheme 1..4");
    }
    TPaper paper = LocalePaper();
    if (args.Has("paper")) {
        const std::string name = args.Value("paper");
        if (name != "a4" && name != "letter") {
            return UsageError("print", "--paper takes a4 or letter");
        }
        paper = name == "letter" ? TPaper::Letter : TPaper::A4;
    }

    const TDataFilePaths paths = CliDataFilePaths(args.Value("data"));
    TDataFileRecord& record = AppData().File;
    if (!LoadLibrary("print", paths, record)) return kExitFailure;
    TSettings& settings = record.Settings;
    // The game's print options are the defaults. As the game's print panel opens, the large
    // puzzles are checked when both stored choices are none.
    const bool noneStored = StoredPrintSize(settings.PrintPuzzles) == kPrintNone &&
                            StoredPrintSize(settings.PrintAnswers) == kPrintNone;
    int puzzles =
        PrintSizeOption(args, "puzzles", noneStored ? kPrintLarge : settings.PrintPuzzles);
    const int answers = PrintSizeOption(args, "answers", settings.PrintAnswers);
    if (puzzles < 0 || answers < 0) {
        return UsageError("print", "--puzzles and --answers take large, small or none");
    }
    const int scheme = colors.value_or(CheckedPrintColors(settings));

    const TPuzzleLibrary& library = record.Library;
    const int stored = UsedSlots(library.Counts);
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        if (args.Has("all")) selected[slot - 1] = slot <= stored;
        if (!selected[slot - 1]) continue;
        if (slot > stored || ClassifySlot(library, slot) == TSlotState::Empty) {
            return Failure("print",
                           Fill(Tr("Texts", "slot %1 holds no puzzle"), {std::to_string(slot)}));
        }
        if (const char* problem = SlotProblem(library, slot)) {
            std::cerr << kProgramName << " print: "
                      << Fill(Tr("Texts", "slot %1 is not printed: %2\n"),
                              {std::to_string(slot), Tr("Texts", problem)});
        }
    }
    const TPrintPlan plan = PrintPlan(selected, library, puzzles, answers);
    if (plan.PageCount == 0) return Failure("print", "nothing to print");

    const QString file = QString::fromStdString(args.Value("pdf"));
    QString error;
    if (!WritePdf(file, {&plan, &library, -1, nullptr, scheme}, kPdfDpi, paper, error)) {
        return Failure("print", args.Value("pdf") + ": " + error.toStdString());
    }
    std::cout << Fill(plan.PageCount == 1 ? Tr("Texts", "%n page written to %1\n", plan.PageCount)
                                          : Tr("Texts", "%n pages written to %1\n", plan.PageCount),
                      {args.Value("pdf")});
    return kExitOk;
}

}  // namespace

const TCommandSpec kPrintCommand = {
    "print",
    "Puzzles and answers as a PDF file, laid out and drawn as the game prints them.",
    {{"pdf", "FILE", "the PDF file to write", true},
     {"slots", "LIST", "the slots to print, as 1,3,5"},
     {"all", nullptr, "every stored puzzle"},
     {"puzzles", "SIZE", "large, small or none (default: the game's choice)"},
     {"answers", "SIZE", "large, small or none (default: the game's choice)"},
     {"colors", "N", "colour scheme 1..4 (default: the game's choice)"},
     {"paper", "PAPER", "a4 or letter (default: the locale's paper)"},
     kDataOption},
    {},
    RunPrint};

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == kPrintCommand.Name) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace xs::cli
