// Argument parsing and error reporting shared by the command-line companion's commands.
#include "cli/args.h"

#include <charconv>
#include <iostream>

#include <QCommandLineParser>
#include <QStringList>

#include "model/translate.h"

namespace xs::cli {

namespace {

// The parser reads "-1" as the short option "1". A negative number is always meant as a value
// here (no option is a digit), so it is marked before parsing and unmarked afterwards.
constexpr char kNumberMark = '\x1f';

bool IsNegativeNumber(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
}

QString Marked(const std::string& arg) {
    const QString text = QString::fromLocal8Bit(arg);
    return IsNegativeNumber(arg) ? QLatin1Char(kNumberMark) + text : text;
}

std::string Unmarked(const QString& value) {
    std::string text = value.toLocal8Bit().toStdString();
    if (!text.empty() && text[0] == kNumberMark && IsNegativeNumber(text.substr(1)))
        text.erase(0, 1);
    return text;
}

// "Unknown option 'x'." as "unknown option 'x'", to fit "crosssums-cli show: ... (try --help)".
std::string Sentence(const QString& text) {
    std::string line = text.toStdString();
    if (!line.empty() && line.back() == '.') line.pop_back();
    if (!line.empty() && line[0] >= 'A' && line[0] <= 'Z')
        line[0] = static_cast<char>(line[0] + 32);
    return line;
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

std::string OptionText(const TOptionSpec& option) {
    std::string text = std::string("--") + option.Name;
    if (option.ValueName != nullptr) text += std::string(" ") + option.ValueName;
    return text;
}

}  // namespace

std::string TParsedArgs::Value(const std::string& option) const {
    const auto found = Values.find(option);
    return found == Values.end() ? std::string() : found->second;
}

bool ParseArgs(const TCommandSpec& command, const std::vector<std::string>& args,
               TParsedArgs& parsed, std::string& error) {
    parsed = {};
    error.clear();
    if (AsksForHelp(args)) {
        parsed.HelpRequested = true;
        return true;
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const TOptionSpec& option : command.Options) {
        QCommandLineOption qtOption(QString::fromLatin1(option.Name));
        if (option.ValueName != nullptr)
            qtOption.setValueName(QString::fromLatin1(option.ValueName));
        parser.addOption(qtOption);
    }
    // The parser takes the first element for the program's name.
    QStringList list{QString::fromLatin1(kProgramName)};
    for (const std::string& arg : args) list << Marked(arg);
    if (!parser.parse(list)) {
        error = Sentence(parser.errorText());
        return false;
    }

    const QStringList given = parser.optionNames();
    for (const TOptionSpec& option : command.Options) {
        const QString name = QString::fromLatin1(option.Name);
        const auto times = given.count(name);
        if (times == 0) continue;
        const std::string dashed = std::string("--") + option.Name;
        if (times > 1) {
            error = Fill(Tr("Texts", "%1 is given more than once"), {dashed});
            return false;
        }
        const std::string value = option.ValueName != nullptr ? Unmarked(parser.value(name)) : "";
        // "--size --stars 1": the parser took "--stars" for the value of --size.
        if (option.ValueName != nullptr &&
            (value.empty() || (value.size() > 1 && value[0] == '-' && !IsNegativeNumber(value)))) {
            error = value.empty() ? Fill(Tr("Texts", "%1 needs a value"), {dashed})
                                  : Fill(Tr("Texts", "%1 needs a value, not %2"), {dashed, value});
            return false;
        }
        parsed.Values[option.Name] = value;
    }
    for (const TOptionSpec& option : command.Options) {
        if (option.Required && !parsed.Has(option.Name)) {
            error = Fill(Tr("Texts", "missing %1"), {OptionText(option)});
            return false;
        }
    }
    for (const QString& positional : parser.positionalArguments())
        parsed.Positional.push_back(Unmarked(positional));
    const std::size_t expected = command.Positionals.size();
    if (parsed.Positional.size() < expected) {
        error =
            Fill(Tr("Texts", "missing %1"), {command.Positionals[parsed.Positional.size()].Name});
        return false;
    }
    if (parsed.Positional.size() > expected) {
        error = Fill(Tr("Texts", "unexpected argument %1"), {parsed.Positional[expected]});
        return false;
    }
    return true;
}

std::string Synopsis(const TCommandSpec& command) {
    std::string text = command.Name;
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on "literal" + string.
    for (const TPositionalSpec& positional : command.Positionals) {
        text += ' ';
        text += positional.Name;
    }
    for (const TOptionSpec& option : command.Options) {
        text += option.Required ? " " : " [";
        text += OptionText(option);
        if (!option.Required) text += ']';
    }
    return text;
}

std::string CommandHelp(const TCommandSpec& command) {
    // In the player's language: the command's summary and option texts are looked up as they stand.
    std::string text = Tr("Texts", "Usage: ") + kProgramName + " " + Synopsis(command) + "\n" +
                       Tr("Texts", command.Summary) + "\n";
    const auto line = [&text](const std::string& name, const char* help) {
        text += "  " + name + std::string(name.size() < 16 ? 16 - name.size() : 1, ' ') +
                Tr("Texts", help) + "\n";
    };
    if (!command.Positionals.empty()) text += Tr("Texts", "\nArguments:\n");
    for (const TPositionalSpec& positional : command.Positionals)
        line(positional.Name, positional.Help);
    text += Tr("Texts", "\nOptions:\n");
    for (const TOptionSpec& option : command.Options) line(OptionText(option), option.Help);
    line("-h, --help", "this help");
    return text;
}

int RunCommand(const TCommandSpec& command, const std::vector<std::string>& args) {
    TParsedArgs parsed;
    std::string error;
    if (!ParseArgs(command, args, parsed, error)) return UsageError(command.Name, error);
    if (parsed.HelpRequested) {
        std::cout << CommandHelp(command);
        return kExitOk;
    }
    return command.Run(parsed);
}

std::optional<int> ParseInt(const std::string& text, int lo, int hi) {
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc() || end != last || value < lo || value > hi) return {};
    return value;
}

int UsageError(const std::string& command, const std::string& message) {
    // A whole message of the program's own is said in the player's language.
    std::cerr << kProgramName << ' ' << command << ": " << Tr("Texts", message.c_str())
              << Tr("Texts", " (try --help)\n");
    return kExitUsage;
}

int Failure(const std::string& command, const std::string& message) {
    std::cerr << kProgramName << ' ' << command << ": " << Tr("Texts", message.c_str()) << '\n';
    return kExitFailure;
}

}  // namespace xs::cli
