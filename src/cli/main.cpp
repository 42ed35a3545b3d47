// The command-line companion: looks into the game's data file and its combination tables.
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "cli/commands.h"
#include "model/translate.h"
#include "storage/language.h"
#ifdef XS_CLI_PRINT
#include "cli/print_command.h"
#endif

namespace {

using namespace xs::cli;

const TCommandSpec* const kCommands[] = {&kListCommand,
                                         &kShowCommand,
                                         &kExplainCommand,
                                         &kCombosCommand,
                                         &kGenerateCommand,
                                         &kExportCommand,
                                         &kImportCommand,
                                         &kStatsCommand
#ifdef XS_CLI_PRINT
                                         ,
                                         &kPrintCommand
#endif
};

void PrintUsage(std::ostream& out) {
    out << xs::Tr("Texts", "Usage: ") << kProgramName << " COMMAND [ARGUMENTS]\n       "
        << kProgramName << " COMMAND --help\n"
        << xs::Tr("Texts", "\nCommands:\n");
    for (const TCommandSpec* command : kCommands)
        out << "  " << Synopsis(*command) << "\n      " << xs::Tr("Texts", command->Summary)
            << '\n';
    out << xs::Tr(
        "Texts",
        "\nWithout --data the game's own data file is used. list, show, explain and combos "
        "never write it.\n");
}

}  // namespace

int main(int argc, char** argv) {
    // The application object names this program in the data file's lock, for the other side.
#ifdef XS_CLI_PRINT
    const std::unique_ptr<QCoreApplication> app = MakeCliApplication(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(XS_VERSION));
    // The player's language, as the game chooses it.
    xs::InstallTranslations(*QCoreApplication::instance(),
                            xs::ChooseLanguage(xs::WantedLanguages()));

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << xs::Fill(xs::Tr("Texts", "%1: no command given (try --help)\n"),
                              {kProgramName});
        return kExitUsage;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << kProgramName << ' ' << XS_VERSION << '\n';
        return kExitOk;
    }
    for (const TCommandSpec* command : kCommands) {
        if (first == command->Name)
            return RunCommand(*command, std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::cerr << xs::Fill(xs::Tr("Texts", "%1: unknown command %2 (try --help)\n"),
                          {kProgramName, first});
    return kExitUsage;
}
