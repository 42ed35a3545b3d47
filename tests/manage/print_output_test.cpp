// Printed pages as PDF files: every page kept, each in the orientation of its capacity, from the
// program's own output and from the command-line companion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "manage/printing.h"
#include "storage/data_file.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using enum TPuzzleSize;

// 'L' or 'P' for each page of a PDF file, in page order.
std::string Orientations(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return "unreadable";
    const QString text = QString::fromLatin1(f.readAll());
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    std::string out;
    for (const QRegularExpressionMatch& m : box.globalMatch(text)) {
        out += m.captured(1).toDouble() > m.captured(2).toDouble() ? 'L' : 'P';
    }
    return out;
}

// Each page of a PDF file: its sheet and the room between the sheet's edges and the page the
// renderer drew (the white rectangle it paints first), all in points.
struct TSheet {
    double Width = 0, Height = 0;
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

std::vector<TSheet> Sheets(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = f.readAll();
    const QString text = QString::fromLatin1(pdf);
    // Each page's sheet and the object that holds its drawing, in page order.
    static const QRegularExpression page(QStringLiteral(
        R"(/Contents (\d+) 0 R\n(?:[^\n]*\n)*?/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    // The drawing maps device pixels to points ("sx 0 0 -sy tx ty cm"), then paints the white
    // page ("x y w h re").
    static const QRegularExpression cm(
        QStringLiteral(R"(([-0-9.]+) 0 0 ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) cm\n)"));
    static const QRegularExpression re(
        QStringLiteral(R"(\n([0-9.]+) ([0-9.]+) ([0-9.]+) ([0-9.]+) re\n)"));
    std::vector<TSheet> sheets;
    for (const QRegularExpressionMatch& p : page.globalMatch(text)) {
        TSheet sheet{p.captured(2).toDouble(), p.captured(3).toDouble()};
        const qsizetype object = pdf.indexOf("\n" + p.captured(1).toLatin1() + " 0 obj\n");
        const qsizetype begin = pdf.indexOf("stream\n", object) + 7;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (object < 0 || begin < 7 || end < 0) return {};
        QByteArray packed("\x00\x10\x00\x00", 4);
        packed += pdf.mid(begin, end - begin);
        const QString drawing = QString::fromLatin1(qUncompress(packed));
        const QRegularExpressionMatch m = cm.match(drawing);
        const QRegularExpressionMatch r = re.match(drawing, m.capturedEnd());
        if (!m.hasMatch() || !r.hasMatch()) return {};
        const double sx = m.captured(1).toDouble(), sy = -m.captured(2).toDouble();
        const double tx = m.captured(3).toDouble(), ty = m.captured(4).toDouble();
        const double x = r.captured(1).toDouble(), y = r.captured(2).toDouble();
        const double w = r.captured(3).toDouble(), h = r.captured(4).toDouble();
        sheet.Left = tx + x * sx;
        sheet.Right = sheet.Width - (tx + (x + w) * sx);
        sheet.Top = sheet.Height - ty + y * sy;
        sheet.Bottom = ty - (y + h) * sy;
        sheets.push_back(sheet);
    }
    return sheets;
}

// Every page of the file is on the paper (its short and long side in points) and keeps a quarter
// of an inch from every edge of the sheet, give or take a device pixel.
void ExpectPaperWithMargins(const QString& file, double shortSide, double longSide) {
    const std::vector<TSheet> sheets = Sheets(file);
    ASSERT_FALSE(sheets.empty());
    for (const TSheet& s : sheets) {
        EXPECT_NEAR(std::min(s.Width, s.Height), shortSide, 1.0);
        EXPECT_NEAR(std::max(s.Width, s.Height), longSide, 1.0);
        for (double margin : {s.Left, s.Top, s.Right, s.Bottom}) EXPECT_NEAR(margin, 18.0, 1.5);
    }
}

struct PrintOutput : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<TPuzzleLibrary> lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    TSelection selected{};

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (TPuzzleSize size : {Medium, Mini, Large}) {
            selected[test::AddSamplePuzzle(*lib, lastId, size, 2) - 1] = true;
        }
    }
};

TEST_F(PrintOutput, PdfKeepsEveryPageInItsOrientation) {
    struct Case {
        const char* Name;
        TPrintPlan Plan;
        int Slot;
        std::string Want;
    };
    const Case cases[] = {
        // Mini 4 across; Medium and Large 2 upright; answers the same in large print.
        {"plan", PrintPlan(selected, *lib, kPrintSmall, kPrintLarge), -1, "LPLP"},
        {"large puzzles only", PrintPlan(selected, *lib, kPrintLarge, kPrintNone), -1, "PLL"},
        {"puzzle only", SinglePuzzlePlan(TSinglePrint::PuzzleOnly), 1, "L"},
        {"puzzle and answer", SinglePuzzlePlan(TSinglePrint::PuzzleAndAnswer), 1, "P"},
        {"separate pages", SinglePuzzlePlan(TSinglePrint::SeparatePages), 1, "LL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString file = dir.filePath(QString::fromLatin1(c.Name) + ".pdf");
        QString error;
        ASSERT_TRUE(WritePdf(file, {&c.Plan, lib.get(), c.Slot, nullptr, 1}, 72, TPaper::A4, error))
            << error.toStdString();
        EXPECT_EQ(Orientations(file), c.Want);
    }
}

TEST_F(PrintOutput, PdfPagesKeepAQuarterInchFromTheEdgesOfEitherPaper) {
    struct Case {
        TPaper Paper;
        int Dpi;
        double ShortSide, LongSide;
    };
    // A4 is 210 x 297 mm, Letter 8.5 x 11 inches.
    const Case cases[] = {{TPaper::A4, 72, 595, 842},
                          {TPaper::Letter, 72, 612, 792},
                          {TPaper::Letter, 300, 612, 792}};
    // Pages across and upright.
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintSmall, kPrintLarge);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ShortSide);
        const QString file = dir.filePath(QStringLiteral("paper%1.pdf").arg(c.Dpi));
        QString error;
        ASSERT_TRUE(WritePdf(file, {&plan, lib.get(), -1, nullptr, 2}, c.Dpi, c.Paper, error));
        EXPECT_EQ(Orientations(file), "LPLP");
        ExpectPaperWithMargins(file, c.ShortSide, c.LongSide);
    }
}

TEST_F(PrintOutput, PrinterWritingAFileKeepsEveryJobsPages) {
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintSmall, kPrintLarge);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printer.pdf")));
    ASSERT_TRUE(SendPages(printer, {&plan, lib.get(), -1, nullptr, 2}, true).Ok());
    EXPECT_EQ(Orientations(printer.outputFileName()), "LPLP");
    // Through the print dialog's path: the sheet chosen, a quarter inch kept, as the companion.
    printer.setPageSize(QPageSize(QPageSize::Letter));
    test::TScriptedMessages messages;
    ASSERT_TRUE(SendPagesOrSay(printer, messages, {&plan, lib.get(), -1, nullptr, 2}, false));
    EXPECT_EQ(Orientations(printer.outputFileName()), "LPLP");
    ExpectPaperWithMargins(printer.outputFileName(), 612, 792);
}

TEST_F(PrintOutput, PrinterThatCannotWriteItsFileTellsThePlayerWhy) {
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintSmall, kPrintLarge);
    const QString missing = dir.filePath(QStringLiteral("missing"));
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString locked = dir.filePath(QStringLiteral("locked"));
    struct Case {
        QString File;
        std::string Reason;
    };
    std::vector<Case> cases = {{missing + QStringLiteral("/out.pdf"),
                                "the folder \"" + missing.toStdString() + "\" does not exist"}};
    // A device that takes no byte, as a full disk: opened, written, closed, and nothing arrived.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        cases.push_back({QStringLiteral("/dev/full"),
                         "the file \"/dev/full\" could not be written (No space left on device)"});
    }
    // Root writes into any folder; the permission case only means something for other users.
    if (!QFileInfo(locked).isWritable()) {
        cases.push_back({locked + QStringLiteral("/out.pdf"),
                         "the folder \"" + locked.toStdString() + "\" cannot be written to"});
    }
    for (const Case& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(c.File);
        test::TScriptedMessages messages;
        EXPECT_FALSE(SendPagesOrSay(printer, messages, {&plan, lib.get(), -1, nullptr, 2}, true));
        EXPECT_EQ(messages.Shown,
                  std::vector<std::string>{"Printing stopped at page 1 of 4: " + c.Reason +
                                           ".\n\rPages 1 to 4 were not printed."});
    }
}

TEST_F(PrintOutput, PdfIntoAFolderThatDoesNotExistFailsAndSaysWhy) {
    const TPrintPlan plan = PrintPlan(selected, *lib, kPrintLarge, kPrintNone);
    QString error;
    EXPECT_FALSE(WritePdf(dir.filePath(QStringLiteral("no/such/folder.pdf")), {&plan, lib.get()},
                          72, TPaper::A4, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PrintOutput, SolveScreenPrintsTheWorkingPuzzleAsChosen) {
    auto work = std::make_unique<TWorkingCopy>();
    LoadSlot(*lib, 2, *work);
    work->CurrentSlot = 2;
    work->CurrentPuzzle.Sq[1][1].Entry = 6;
    TSettings settings{};
    struct Case {
        int Answer;
        bool Ticked;
        bool Sent;
        std::string Pages;
        bool Entries;
    };
    const Case cases[] = {{kResultCancel, true, false, "", false},
                          {OptionResult(1), false, true, "P", false},
                          {OptionResult(2), true, true, "LL", true}};
    for (const Case& c : cases) {
        test::TScriptedMessages messages;
        messages.Answers = {c.Answer};
        messages.Print = c.Ticked;
        const QString pdf = dir.filePath(QStringLiteral("single%1.pdf").arg(c.Answer));
        bool called = false;
        const bool sent = PrintWorkingPuzzle(
            nullptr, messages, settings, *lib, *work, [&](const TPageSource& source, bool&) {
                called = true;
                EXPECT_EQ(source.Slot, 2);
                EXPECT_EQ(source.Entries != nullptr, c.Entries);
                QString error;
                return WritePdf(pdf, source, 72, TPaper::A4, error);
            });
        EXPECT_EQ(sent, c.Sent) << c.Answer;
        EXPECT_EQ(called, c.Sent);
        if (c.Sent) {
            EXPECT_EQ(Orientations(pdf), c.Pages);
        }
    }
    EXPECT_EQ(settings.PrintColors, 2);
}

struct TRun {
    int Exit = -1;
    std::string Out;
};

TRun RunCli(const QStringList& args, const QString& locale = QStringLiteral("C.UTF-8")) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MEASUREMENT"));
    env.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(XS_CLI_PATH), args);
    TRun run;
    if (!process.waitForFinished(60000)) return run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput().toStdString();
    return run;
}

TEST_F(PrintOutput, CompanionPrintsTheSelectedSlots) {
    auto record = std::make_unique<TDataFileRecord>();
    record->Library = *lib;
    record->Settings.PrintColors = 3;
    record->Library.Info(3).Size = 9;  // damaged: left out with a note
    TDataFilePaths paths;
    paths.DataFile = dir.filePath(QStringLiteral("puzzles.dat"));
    test::TScriptedMessages messages;
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QStringList base = {QStringLiteral("print"), QStringLiteral("--data"), paths.DataFile,
                              QStringLiteral("--pdf"), pdf};

    struct Case {
        QStringList Args;
        int Exit;
        std::string Pages;  // orientations, when written
        bool Letter = false;
        const char* Locale = "C.UTF-8";
    };
    const Case cases[] = {
        {{"--all", "--puzzles", "small", "--answers", "large"}, 0, "LPLP"},
        // The paper: the locale's unless asked for.
        {{"--slots", "1"}, 0, "L", true, "en_US.UTF-8"},
        {{"--slots", "1"}, 0, "L", false, "de_DE.UTF-8"},
        {{"--slots", "1"}, 0, "L", false, "en_GB.UTF-8"},
        {{"--slots", "1", "--paper", "a4"}, 0, "L", false, "en_US.UTF-8"},
        {{"--slots", "1", "--paper", "letter"}, 0, "L", true},
        {{"--slots", "1", "--paper", "legal"}, 2, ""},
        {{"--slots", "1", "--paper"}, 2, ""},
        {{"--slots", "2", "--puzzles", "large", "--answers", "large"}, 0, "P"},
        {{"--slots", "2,1", "--answers", "none"}, 0, "PL"},
        // Both stored choices none: large puzzles beside the answers asked for, as in the game.
        {{"--slots", "2,1", "--answers", "small"}, 0, "PLPL"},
        {{"--slots", "1", "--all"}, 2, ""},
        {{"--slots", "1,,2"}, 2, ""},
        {{"--slots", "101"}, 2, ""},
        {{"--all", "--colors", "5"}, 2, ""},
        {{"--all", "--puzzles", "medium"}, 2, ""},
        {{"--slots", "4"}, 1, ""},  // beyond the stored puzzles
        {{"--slots", "3"}, 1, ""},  // only a damaged puzzle: nothing to print
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        QFile::remove(pdf);
        const TRun run = RunCli(base + c.Args, QString::fromLatin1(c.Locale));
        EXPECT_EQ(run.Exit, c.Exit);
        EXPECT_EQ(QFile::exists(pdf), !c.Pages.empty());
        if (!c.Pages.empty()) {
            EXPECT_EQ(Orientations(pdf), c.Pages);
            if (c.Letter) {
                ExpectPaperWithMargins(pdf, 612, 792);
            } else {
                ExpectPaperWithMargins(pdf, 595, 842);
            }
        }
    }
}

}  // namespace
}  // namespace xs

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
