// The command-line companion as a user runs it: outputs, exit codes and errors on real files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "storage/data_file.h"
#include "storage/data_file_lock.h"
#include "storage/history.h"
#include "support/lock_holder.h"
#include "support/path_kinds.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

struct TRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

TRun RunCli(const std::vector<std::string>& args, const char* language = nullptr) {
    QProcess process;
    if (language != nullptr) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
        process.setProcessEnvironment(env);
    }
    QStringList list;
    for (const std::string& a : args) list << QString::fromStdString(a);
    process.start(QStringLiteral(XS_CLI_PATH), list);
    process.closeWriteChannel();
    TRun run;
    if (!process.waitForFinished(60000)) return run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput().toStdString();
    run.Err = process.readAllStandardError().toStdString();
    return run;
}

int Lines(const std::string& text) {
    int n = 0;
    for (char ch : text) n += ch == '\n';
    return n;
}

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file;
    std::unique_ptr<TDataFileRecord> record = std::make_unique<TDataFileRecord>();

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(kDataFileName).toStdString();
        TPuzzleLibrary& lib = record->Library;
        std::int32_t& lastId = record->Settings.LastPuzzleId;
        lastId = 40;
        test::AddSamplePuzzle(lib, lastId, TPuzzleSize::Mini, 1);
        test::AddSamplePuzzle(lib, lastId, TPuzzleSize::Large, 3);
        test::AddSamplePuzzle(lib, lastId, TPuzzleSize::Small, 5);
        test::AddSamplePuzzle(lib, lastId, TPuzzleSize::Medium, 2);
        lib.Info(4).Size = 9;  // damaged
        lib.Grid(1).Sq[1][1].Entry = 4;
        lib.Grid(1).Sq[2][2].Entry = 5;
        Save();
    }
    void Save() {
        TDataFilePaths paths;
        paths.DataFile = QString::fromStdString(file);
        test::TScriptedMessages messages;
        ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    }
    QByteArray FileBytes() const {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(CliTest, ListShowsCountersLocationAndEverySlot) {
    // Slot 2 holds every answer; slot 3 all but the last.
    TPuzzleLibrary& lib = record->Library;
    for (const auto& [r, c] :
         {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 1}, std::pair{2, 2}}) {
        lib.Grid(2).Sq[r][c].Entry = static_cast<std::uint8_t>(lib.Grid(2).Sq[r][c].Answer());
        if (r + c < 4)
            lib.Grid(3).Sq[r][c].Entry = static_cast<std::uint8_t>(lib.Grid(3).Sq[r][c].Answer());
    }
    Save();
    const QByteArray before = FileBytes();
    const TRun run = RunCli({"list", "--data", file});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out, "Data file: " + file +
                           "\n"
                           "Puzzles stored: 4\n"
                           "By stars: 1 Star 1, 2 Star 1, 3 Star 1, 4 Star 0, 5 Star 1\n"
                           "Last puzzle Id: 44\n"
                           "Slot  Puzzle Id  Size     Stars   Solved  Steps  Hardest technique\n"
                           "   1         41  9 x 13   1 Star              4  Crossing runs\n"
                           "   2         42  16 x 26  3 Star  solved      4  Crossing runs\n"
                           "   3         43  10 x 16  5 Star              4  Crossing runs\n"
                           "   4         44  damaged: unknown size\n");
    EXPECT_EQ(FileBytes(), before) << "list never writes the file";
}

// In German and French the list's words and a damaged slot's reason are the player's, the
// heading over the same columns as the rows.
TEST_F(CliTest, ListAndShowSpeakThePlayersLanguage) {
    const struct {
        const char* Language;
        std::vector<std::string> Args;
        std::string Expected;
    } cases[] = {
        {"de",
         {"list"},
         "Platz Rätselnr.  Größe    Sterne      Gelöst  Schr.  Schwierigste Technik\n"
         "   1         41  9 x 13   1 Stern(e)              4  Kreuzende Reihen\n"},
        {"de", {"list"}, "   4         44  beschädigt: unbekannte Größe\n"},
        {"fr", {"list"}, "   4         44  endommagée : taille inconnue\n"},
        {"fr", {"show", "4"}, "la place 4 est endommagée : taille inconnue\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), {"--data", file});
        const TRun run = RunCli(args, c.Language);
        EXPECT_NE((run.Out + run.Err).find(c.Expected), std::string::npos)
            << c.Language << ' ' << args[0] << ":\n"
            << run.Out << run.Err;
    }
}

// A damaged counter hides no puzzle: list and show go by the slots and say what the file held.
TEST_F(CliTest, ListAndShowCountTheSlotsWhateverTheFileCounterSays) {
    const std::int32_t totals[] = {0, -7, 1000, std::numeric_limits<std::int32_t>::min()};
    for (const std::int32_t total : totals) {
        SCOPED_TRACE(total);
        record->Library.Counts.Total = total;
        Save();
        const TRun run = RunCli({"list", "--data=" + file});
        EXPECT_EQ(run.Exit, 0) << run.Err;
        const std::string counted = "(counted in the slots; the file's counter says ";
        EXPECT_NE(run.Out.find("Puzzles stored: 4 " + counted + std::to_string(total) + ")\n"),
                  std::string::npos)
            << run.Out;
        EXPECT_EQ(Lines(run.Out), 4 + 1 + 4);
        EXPECT_EQ(RunCli({"show", "3", "--data", file}).Exit, 0);
    }
}

// A damaged Id anywhere keeps its slot: shown as damaged, never written over, and new puzzles
// go after the last slot in use; the refusal counts what the slots hold.
TEST_F(CliTest, ADamagedIdKeepsItsSlotWhereverItIs) {
    struct Case {
        int slot;
        std::int32_t id;
        int exit;
        std::string says;
    };
    const Case cases[] = {
        {1, -5, 0, "Id 45 in slot 5"},
        {2, -5, 0, "Id 45 in slot 5"},
        {4, -5, 0, "Id 45 in slot 5"},
        {100, -5, 1, "after the last slot in use, slot 100, which leaves room for 0 (5 stored, "},
        {100, 500, 1, "(5 stored, 1 requested)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        record = std::make_unique<TDataFileRecord>();
        SetUp();
        record->Library.Info(c.slot).Id = c.id;
        Save();
        const qsizetype at = 296 + (c.slot - 1) * 9984;
        const QByteArray grid = FileBytes().mid(at, 9984);
        const std::string slot = std::to_string(c.slot);
        if (c.id < 0) {
            EXPECT_NE(RunCli({"show", slot, "--data", file})
                          .Err.find("slot " + slot + " is damaged: puzzle Id below 1"),
                      std::string::npos);
        }
        const TRun run = RunCli({"generate", "--size", "mini", "--stars", "1", "--count", "1",
                                 "--seed", "1", "--data", file});
        EXPECT_EQ(run.Exit, c.exit);
        EXPECT_NE(run.Err.find(c.says), std::string::npos) << run.Err;
        EXPECT_EQ(FileBytes().mid(at, 9984), grid);
    }
}

TEST_F(CliTest, ShowDrawsTheGridWithEntriesOrAnswers) {
    const std::string black = " ### ";
    std::string rest;  // the Mini puzzle's columns 3..12 and rows 3..8 are plain black
    for (int c = 3; c < 13; ++c) rest += " " + black;
    std::string blackRow = black;
    for (int c = 1; c < 13; ++c) blackRow += " " + black;
    while (blackRow.back() == ' ') blackRow.pop_back();
    while (rest.back() == ' ') rest.pop_back();
    std::string tail;
    for (int r = 3; r < 9; ++r) tail += "  " + std::to_string(r) + " " + blackRow + "\n";

    const TRun entries = RunCli({"show", "1", "--data", file});
    EXPECT_EQ(entries.Exit, 0) << entries.Err;
    EXPECT_EQ(entries.Out,
              "Puzzle Id 41 (slot 1): 9 x 13, 1 Star\n"
              "Solved by logic in 4 steps; hardest technique: Crossing runs.\n"
              "            1     2     3     4     5     6     7     8     9    10    11    12\n"
              "    " +
                  black + "  4\\    7\\  " + rest + "\n" + "  1   \\3    4     .  " + rest + "\n" +
                  "  2   \\8    .     5  " + rest + "\n" + tail);

    const TRun answers = RunCli({"show", "--answers", "1", "--data", file});
    EXPECT_EQ(answers.Exit, 0) << answers.Err;
    EXPECT_NE(answers.Out.find("(slot 1): 9 x 13, 1 Star, answers\n"), std::string::npos);
    EXPECT_NE(answers.Out.find("  \\3    1     2  "), std::string::npos) << answers.Out;
    EXPECT_NE(answers.Out.find("  \\8    3     5  "), std::string::npos) << answers.Out;

    const TRun large = RunCli({"show", "2", "--data", file});
    EXPECT_EQ(large.Exit, 0) << large.Err;
    EXPECT_EQ(Lines(large.Out), 2 + 1 + 16);
}

TEST_F(CliTest, SlotsThatCannotBeShownFailWithOneLine) {
    struct Case {
        const char* slot;
        const char* says;
    };
    const Case cases[] = {
        {"4", "slot 4 is damaged: unknown size"},
        {"5", "slot 5 is empty (4 puzzles stored)"},
        {"100", "slot 100 is empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        const TRun run = RunCli({"show", c.slot, "--data", file});
        EXPECT_EQ(run.Exit, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(Lines(run.Err), 1);
        EXPECT_NE(run.Err.find(c.says), std::string::npos) << run.Err;
    }
}

// The sample's 1 2 / 3 5: the crossing of the across 3 and the down 4 fixes the 1, then each run
// has one square left.
TEST_F(CliTest, ExplainPrintsTheStepsAsTextOrJsonLines) {
    const TRun json = RunCli({"explain", "1", "--json", "--data", file});
    EXPECT_EQ(json.Exit, 0) << json.Err;
    EXPECT_EQ(Lines(json.Out), 5);
    EXPECT_EQ(json.Out.substr(0, json.Out.find('\n')),
              "{\"step\": 1, \"technique\": \"Crossing runs\", \"square\": [1, 1], \"place\": 1, "
              "\"runs\": [[1, 0, \"across\"], [0, 1, \"down\"]], \"text\": \"The across 3 needs "
              "3 in 2 squares, so it allows 1 or 2 here. The down 4 needs 4 in 2 squares, so it "
              "allows 1 or 3 here. Only 1 fits both runs, so this square holds 1.\"}");
    EXPECT_NE(json.Out.find("\n{\"solved\": true, \"steps\": 4, \"hardest\": \"Crossing runs\"}\n"),
              std::string::npos)
        << json.Out;

    const TRun text = RunCli({"explain", "1", "--data", file});
    EXPECT_EQ(text.Exit, 0) << text.Err;
    EXPECT_EQ(Lines(text.Out), 5);
    EXPECT_NE(text.Out.find("4. Row 2, column 2: place 5 (Last square)."), std::string::npos)
        << text.Out;
    EXPECT_NE(text.Out.find("\nSolved in 4 steps; hardest technique: Crossing runs.\n"),
              std::string::npos);

    const TRun damaged = RunCli({"explain", "4", "--data", file});
    EXPECT_EQ(damaged.Exit, 1);
    EXPECT_NE(damaged.Err.find("slot 4 is damaged: unknown size"), std::string::npos);
}

TEST_F(CliTest, PracticePuzzlesAndStatsComeFromTheHistoryBesideTheDataFile) {
    EXPECT_EQ(RunCli({"stats", "--data", file}).Out,
              "No puzzle solved yet: each puzzle you solve adds its time and hints here.\n");
    const TRun wrong = RunCli({"generate", "--size", "mini", "--technique", "Last square",
                               "--count", "1", "--data", file});
    EXPECT_EQ(wrong.Exit, 2);
    EXPECT_NE(wrong.Err.find("\"Crossing runs\", \"One combination\""), std::string::npos);

    const TRun made = RunCli({"generate", "--size", "mini", "--technique", "crossing RUNS",
                              "--count", "2", "--seed", "4", "--data", file});
    ASSERT_EQ(made.Exit, 0) << made.Err;
    const std::string list = RunCli({"list", "--data", file}).Out;
    for (const char* slot : {"\n   5 ", "\n   6 "}) {
        const std::size_t at = list.find(slot);
        ASSERT_NE(at, std::string::npos) << list;
        const std::string line = list.substr(at + 1, list.find('\n', at + 1) - at - 1);
        EXPECT_NE(line.find("Crossing runs"), std::string::npos) << line;
    }
    THistory history;
    history.Open(dir.filePath(QStringLiteral("VelmorDuvidOzad.history.sqlite")));
    EXPECT_EQ(history.Origin(45), "practice");
    EXPECT_EQ(history.Origin(41), "made");
    TSolvedRecord solved;
    solved.SolvedAt = 1765000000;
    solved.PuzzleId = 45;
    solved.Size = 3;
    solved.Stars = 1;
    solved.Origin = "practice";
    solved.Millis = 754000;
    solved.Hints = {{"Crossing runs", 2}};
    ASSERT_TRUE(history.RecordSolved(solved));

    const QByteArray before = FileBytes();
    const TRun csv = RunCli({"stats", "--csv", "--data", file});
    EXPECT_EQ(csv.Out.substr(csv.Out.find('\n') + 17),
              ",45,Mini,1,practice,,754,2,\"Crossing runs:2\",0,0,no\n");
    const std::string table = RunCli({"stats", "--data", file}).Out;
    EXPECT_NE(table.find("Mini        1       1  12:34     12:34     2.0\n"), std::string::npos)
        << table;
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(CliTest, CombosListsDigitsAndCombinations) {
    const TRun run = RunCli({"combos", "2", "10"});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out,
              "2 squares, total 10\n"
              "Possible digits: 1 2 3 4 6 7 8 9\n"
              "Combinations: 1,9 / 2,8 / 3,7 / 4,6\n");
    const TRun none = RunCli({"combos", "5", "10"});
    EXPECT_EQ(none.Exit, 0);
    EXPECT_EQ(none.Out, "5 squares, total 10\nPossible digits: none\nCombinations: none\n");
}

TEST_F(CliTest, BadArgumentsGiveOneLineAndExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", "0", "--data", file},
        {"show", "101", "--data", file},
        {"show", "3x", "--data", file},
        {"show", "1", "2", "--data", file},
        {"show", "1", "--data"},
        {"list", "--bogus"},
        {"list", "--answers"},
        {"combos", "2"},
        {"combos", "10", "3"},
        {"combos", "2", "46"},
        {"combos", "2", "-1"},
        {"generate"},
        {"show", "-1", "--data", file},
        {"show", "1", "--answers", "--answers", "--data", file},
        {"list", "--data", file, "--data=" + file},
        {"generate", "--size", "--stars", "1", "--count", "1", "--data", file},
        {"generate", "--size", "mini", "--stars", "1", "--data", file},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        SCOPED_TRACE(shown);
        const TRun run = RunCli(args);
        EXPECT_EQ(run.Exit, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(Lines(run.Err), 1) << run.Err;
    }
}

TEST_F(CliTest, FilesThatCannotBeReadFailWithOneLine) {
    const std::string missing = dir.filePath("missing.dat").toStdString();
    const std::string shortFile = dir.filePath("short.dat").toStdString();
    {
        QFile f(QString::fromStdString(shortFile));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(static_cast<qint64>(kDataFileSize) - 1));
    }
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{"list", "--data", missing}, "no data file at " + missing},
        {{"show", "1", "--data", missing}, "no data file at " + missing},
        {{"list", "--data", shortFile}, "it is too short for a data file (999495 bytes"},
        {{"list", "--data", dir.path().toStdString()}, "it is a folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        const TRun run = RunCli(c.args);
        EXPECT_EQ(run.Exit, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(Lines(run.Err), 1);
        EXPECT_NE(run.Err.find(c.says), std::string::npos) << run.Err;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing))) << "nothing is created";
}

// What is not a file at the data path is named, with the path, in one line, and left as it is.
TEST_F(CliTest, APathThatHoldsNoFileIsRefusedWithOneLine) {
    for (const test::TNonFileCase& c : test::kNonFiles) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir here;
        const QString path = here.filePath(kDataFileName);
        const std::string cause = test::PutNonFile(c.Kind, path);
        if (cause.empty()) continue;  // a device needs root
        const std::string before = test::NodeAt(path);
        const std::string at = path.toStdString();
        const std::pair<std::vector<std::string>, std::string> runs[] = {
            {{"list", "--data", at}, "crosssums-cli list: cannot read " + at + ": " + cause + "\n"},
            {{"generate", "--size", "mini", "--stars", "1", "--count", "1", "--data", at},
             "crosssums-cli generate: cannot write " + at + ": " + cause + "; nothing created\n"},
        };
        for (const auto& [args, says] : runs) {
            const TRun run = RunCli(args);
            EXPECT_EQ(run.Exit, 1);
            EXPECT_EQ(run.Err, says);
        }
        EXPECT_EQ(test::NodeAt(path), before);
    }
}

TEST_F(CliTest, GenerateRefusesAtOnceWhenTheFileIsLockedOrCannotBeWritten) {
    QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);
    const std::string below = dir.filePath("plain/x.dat").toStdString();
    const std::string link = dir.filePath("link.dat").toStdString();
    ASSERT_TRUE(QFile::link(QString::fromStdString(file), QString::fromStdString(link)));
    test::TLockHolder game(QString::fromStdString(file), "VelmorDuvidOzad");
    ASSERT_TRUE(game.Locked);
    const std::string held = " is open in the game (process " + std::to_string(game.Pid) + ")";
    struct Case {
        std::string data;
        std::string says;
    };
    const Case cases[] = {
        {file, file + held + "; nothing created"},
        {link, link + held + "; nothing created"},
        {below, "cannot write " + below + ": " + dir.filePath("plain").toStdString() +
                    ": Not a directory; nothing created"},
    };
    const QByteArray before = FileBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        const TRun run = RunCli(
            {"generate", "--size", "large", "--stars", "3", "--count", "100", "--data", c.data});
        EXPECT_EQ(run.Exit, 1);
        EXPECT_EQ(Lines(run.Err), 1) << "refused before anything is made: " << run.Err;
        EXPECT_NE(run.Err.find(c.says), std::string::npos) << run.Err;
    }
    EXPECT_EQ(FileBytes(), before);
    game.Kill();
    const TRun run = RunCli({"generate", "--size", "mini", "--stars", "1", "--count", "1", "--seed",
                             "1", "--data", file});
    EXPECT_EQ(run.Exit, 0) << run.Err;
}

// Counters from a damaged file do not stop a batch, which goes by the slots; spent Ids do, and
// the refusal names the Id that spent them.
TEST_F(CliTest, GenerateGoesByTheSlotsAndNamesASpentId) {
    struct Case {
        std::int32_t total;
        std::int32_t lastId;
        int topIdSlot;  // given the largest Id, or 0
        int exit;
        std::string says;
        const char* storedAfter;
    };
    const Case cases[] = {
        {-1, 44, 0, 0, "Done: 1 puzzle", "Puzzles stored: 5\n"},
        {150, 44, 0, 0, "Done: 1 puzzle", "Puzzles stored: 5\n"},
        {4, 2147483647, 0, 1,
         "no puzzle Id is left: the last puzzle Id given, 2147483647, is the largest an Id can "
         "be; nothing created",
         "Puzzles stored: 4\n"},
        {4, 44, 2, 1,
         "no puzzle Id is left: puzzle 2147483647 in slot 2 has the largest Id there can be; "
         "nothing created",
         "Puzzles stored: 4\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        record = std::make_unique<TDataFileRecord>();
        SetUp();
        record->Library.Counts.Total = c.total;
        record->Settings.LastPuzzleId = c.lastId;
        if (c.topIdSlot != 0) record->Library.Info(c.topIdSlot).Id = 2147483647;
        Save();
        const TRun run = RunCli({"generate", "--size", "mini", "--stars", "1", "--count", "1",
                                 "--seed", "1", "--data", file});
        EXPECT_EQ(run.Exit, c.exit);
        EXPECT_NE(run.Err.find(c.says), std::string::npos) << run.Err;
        const TRun list = RunCli({"list", "--data", file});
        EXPECT_NE(list.Out.find(c.storedAfter), std::string::npos) << list.Out;
    }
}

TEST_F(CliTest, HelpPrintsTheUsage) {
    for (const char* form : {"--help", "help", "-h"}) {
        const TRun run = RunCli({form});
        EXPECT_EQ(run.Exit, 0);
        EXPECT_NE(run.Out.find("show SLOT [--answers] [--data FILE]"), std::string::npos);
    }
    const TRun run = RunCli({"show", "--help"});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out.rfind("Usage: crosssums-cli show SLOT", 0), 0u) << run.Out;
    const TRun version = RunCli({"--version"});
    EXPECT_EQ(version.Exit, 0);
    EXPECT_EQ(Lines(version.Out), 1);
}

// export writes the grid the reader takes back; import checks before it touches the file and
// appends with the next Id; a refusal is one line and leaves the file byte for byte.
TEST_F(CliTest, ExportThenImportAppendsTheSamePuzzle) {
    const TRun csv = RunCli({"export", "1", "--format", "csv", "--answers", "--data", file});
    EXPECT_EQ(csv.Exit, 0) << csv.Err;
    EXPECT_EQ(csv.Out.rfind("###,4\\,7\\,###,###,###,###,###,###,###,###,###,###\n\\3,1,2,", 0),
              0u);
    const TRun text = RunCli({"export", "1", "--data", file});
    EXPECT_EQ(text.Out.rfind("###   4\\    7\\    ###   ###   ###", 0), 0u);
    // Without --answers no White square shows a digit, in any row.
    std::istringstream tokens(text.Out);
    for (std::string token; tokens >> token;)
        EXPECT_TRUE(token == "###" || token == "." || token.find('\\') != std::string::npos)
            << token;

    const QByteArray before = FileBytes();
    const std::string bad = dir.filePath("bad.txt").toStdString();
    QFile badFile(QString::fromStdString(bad));
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write("### 4\\ 6\\\n\\3 . .\n\\7 . x\n");
    badFile.close();
    const TRun refused = RunCli({"import", bad, "--data", file});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_EQ(refused.Err, "crosssums-cli import: " + bad +
                               ": line 3, column 3: unknown square \"x\"; a square is ###, "
                               "down\\across, . or a digit; nothing imported\n");
    EXPECT_EQ(FileBytes(), before);

    // The puzzle of slot 1 again: a copy, stored only when asked for.
    for (const bool copy : {false, true}) {
        QProcess process;
        QStringList args = {"import", "-", "--data", QString::fromStdString(file)};
        if (copy) args << "--allow-copy";
        process.start(QStringLiteral(XS_CLI_PATH), args);
        process.write(QByteArray::fromStdString(csv.Out));
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), copy ? 0 : 1);
        EXPECT_EQ(process.readAllStandardError().toStdString(),
                  copy ? ""
                       : "crosssums-cli import: standard input: the puzzle is already in "
                         "the library as Id 41 in slot 1; nothing imported (--allow-copy "
                         "adds it again)\n");
        EXPECT_EQ(process.readAllStandardOutput().toStdString(),
                  copy ? "Imported as puzzle Id 45 in slot 5: 9 x 13, 1 Star\n" : "");
    }
    EXPECT_EQ(RunCli({"export", "5", "--data", file}).Out, text.Out);
}

}  // namespace
}  // namespace xs
