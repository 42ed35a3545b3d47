// The game's own command line: help, version and another data file, read before any window.
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include "shell/about.h"

namespace xs {

namespace {

// Qt's standard options of a widget program, with whether each takes a value: the application
// object reads them, so the game accepts them without naming them in its help.
struct TQtOption {
    const char* Name;
    bool TakesValue;
};
constexpr TQtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"title", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"qmljsdebugger", true},
    {"visual", true},
    {"ncols", true},
    {"cmap", false},
    {"im", true},
    {"fontengine", true},
};

struct TCommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

}  // namespace

TGameCommandLine ParseGameCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform offscreen" as Qt writes its own options; "-h" and "-v" still work.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(TCommandLineText::tr(
        "Make, solve and print Cross Sums puzzles.\n"
        "Qt's standard options (-platform NAME, -display DISPLAY, -style NAME, ...) are "
        "accepted as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  TCommandLineText::tr("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     TCommandLineText::tr("Shows the game's version and exits."));
    const QCommandLineOption data(
        QStringLiteral("data"),
        TCommandLineText::tr(
            "Keeps the puzzles in FILE instead of the game's own data file (nothing is "
            "imported). Its lock, links and what may not be written over are treated as for "
            "the game's own file."),
        TCommandLineText::tr("FILE"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(data);
    for (const TQtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.Name));
        if (qt.TakesValue) option.setValueName(QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    TGameCommandLine result;
    const auto usageError = [&result](const QString& message) {
        result.Exit = true;
        result.ExitCode = 2;
        result.Output =
            QStringLiteral("crosssums: %1 (%2)\n").arg(message, TCommandLineText::tr("try --help"));
        return result;
    };
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        result.Exit = true;
        result.Output = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.Exit = true;
        result.Output = QStringLiteral("crosssums %1\n").arg(ProgramVersion());
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(TCommandLineText::tr("unexpected argument %1")
                              .arg(parser.positionalArguments().first()));
    if (parser.values(data).size() > 1)
        return usageError(TCommandLineText::tr("--data is given twice"));
    if (parser.isSet(data)) {
        const QString file = parser.value(data);
        if (file.isEmpty()) return usageError(TCommandLineText::tr("--data needs a file name"));
        // Relative to where the game was started; links are left for the data file's rules.
        result.DataFile = QDir::current().absoluteFilePath(file);
    }
    return result;
}

}  // namespace xs
