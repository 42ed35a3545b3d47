// The data file against hand-built byte images: field offsets, import, short, long and failed
// files.
#include "storage/data_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/ordinary_user.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Records the buttons too, so that the write errors can be checked to offer "O.K." only.
class TRecordingMessages : public test::TScriptedMessages {
public:
    std::vector<TButtons> Buttons;
    int ShowMsg(const std::string& text, TButtons buttons) override {
        Buttons.push_back(buttons);
        return TScriptedMessages::ShowMsg(text, buttons);
    }
};

void Put32(Bytes& image, std::size_t at, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int k = 0; k < 4; ++k) image[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
}

Bytes ImageOf(const TDataFileRecord& record) {
    Bytes image(kDataFileSize);
    std::memcpy(image.data(), &record, kDataFileSize);
    return image;
}

void WriteBytes(const QString& path, const Bytes& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())),
        static_cast<qint64>(bytes.size()));
}

Bytes ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = file.readAll();
    return Bytes(all.begin(), all.end());
}

std::unique_ptr<TDataFileRecord> ZeroRecord() {
    return std::make_unique<TDataFileRecord>();
}

// A record full of recognisable bytes, reserved ones included.
std::unique_ptr<TDataFileRecord> PatternRecord() {
    auto record = ZeroRecord();
    auto* bytes = reinterpret_cast<std::uint8_t*>(record.get());
    for (std::size_t i = 0; i < kDataFileSize; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    return record;
}

class DataFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TDataFilePaths paths;
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths.DataFile = dir.filePath(kDataFileName);
        paths.OldDataFile = dir.filePath(kOldDataFileName);
    }
};

TEST_F(DataFileTest, HandBuiltImageReadsFieldByFieldAndWritesBackIdentical) {
    Bytes image(kDataFileSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>((i * 13 + 5) & 0xFF);
    image[0] = 1;
    const std::int32_t settings[] = {700, 1100, 20, 30, 3, 42, 41, 2, 1, 2, 4};
    for (std::size_t k = 0; k < std::size(settings); ++k) Put32(image, 88 + 4 * k, settings[k]);
    image[132] = 1;
    const std::int32_t counts[] = {2, 0, 1, 0, 1, 0};
    for (std::size_t k = 0; k < std::size(counts); ++k) Put32(image, 272 + 4 * k, counts[k]);
    // Slot 2, square (3, 4), a White square with an entry and one mark.
    const std::size_t sq = 296 + 9984 + (3 * 26 + 4) * 24;
    image[sq] = 2;
    Put32(image, sq + 4, 7);
    Put32(image, sq + 8, 0);
    image[sq + 12] = 0;
    image[sq + 13] = 0;
    image[sq + 14] = 5;
    for (int d = 1; d <= 9; ++d) image[sq + 14 + d] = d == 3 ? 1 : 0;
    // Slot 100, last square of the grid: a Black clue square.
    const std::size_t last = 296 + 99 * 9984 + (15 * 26 + 25) * 24;
    image[last] = 1;
    Put32(image, last + 4, 23);
    Put32(image, last + 8, 16);
    image[last + 12] = 3;
    image[last + 13] = 2;
    // Slot 2's index record, its two reserved bytes not zero.
    const std::size_t info = 998696 + 8;
    Put32(image, info, 12345);
    image[info + 4] = 1;
    image[info + 5] = 4;
    image[info + 6] = 0xAB;
    image[info + 7] = 0xCD;
    WriteBytes(paths.DataFile, image);

    auto record = ZeroRecord();
    ASSERT_TRUE(ReadDataFile(*record, paths));
    const TSettings& s = record->Settings;
    EXPECT_EQ(s.Valid, 1);
    EXPECT_EQ(s.WindowHeight, 700);
    EXPECT_EQ(s.WindowWidth, 1100);
    EXPECT_EQ(s.WindowTop, 20);
    EXPECT_EQ(s.WindowLeft, 30);
    EXPECT_EQ(s.FontSize, 3);
    EXPECT_EQ(s.LastPuzzleId, 42);
    EXPECT_EQ(s.CurrentPuzzleId, 41);
    EXPECT_EQ(s.CreateSize, 2);
    EXPECT_EQ(s.PrintPuzzles, 1);
    EXPECT_EQ(s.PrintAnswers, 2);
    EXPECT_EQ(s.PrintColors, 4);
    EXPECT_EQ(s.CombosAtSide, 1);
    EXPECT_EQ(s.Reserved16, image[16]);
    EXPECT_EQ(s.Reserved67, image[67]);
    EXPECT_EQ(s.Reserved133[138], image[271]);
    const TPuzzleLibrary& lib = record->Library;
    EXPECT_EQ(lib.Counts.Total, 2);
    EXPECT_EQ(lib.Counts.ByDifficulty[1], 1);
    EXPECT_EQ(lib.Counts.ByDifficulty[3], 1);
    const TSquare& white = lib.Grid(2).Sq[3][4];
    EXPECT_EQ(white.Kind, White);
    EXPECT_EQ(white.Answer(), 7);
    EXPECT_EQ(white.Entry, 5);
    EXPECT_TRUE(white.IsPossible(3));
    EXPECT_FALSE(white.IsPossible(4));
    const TSquare& clue = lib.Grid(100).Sq[15][25];
    EXPECT_EQ(clue.Kind, Black);
    EXPECT_EQ(clue.AcrossTotal, 23);
    EXPECT_EQ(clue.DownTotal, 16);
    EXPECT_EQ(clue.AcrossSquares, 3);
    EXPECT_EQ(clue.DownSquares, 2);
    EXPECT_EQ(lib.Info(2).Id, 12345);
    EXPECT_EQ(lib.Info(2).Size, 1);
    EXPECT_EQ(lib.Info(2).Difficulty, 4);
    EXPECT_EQ(lib.Info(2).Reserved[0], 0xAB);

    QTemporaryDir other;
    TDataFilePaths out;
    out.DataFile = other.filePath(kDataFileName);
    test::TScriptedMessages messages;
    ASSERT_TRUE(WriteDataFile(*record, out, messages));
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_TRUE(ReadBytes(out.DataFile) == image) << "the image must come back byte for byte";
}

TEST_F(DataFileTest, ImportTakesOverTheLibraryAndResetsThePreferences) {
    auto old = PatternRecord();
    TSettings& s = old->Settings;
    s.Valid = 1;
    s.WindowHeight = s.WindowWidth = s.WindowTop = s.WindowLeft = 777;
    s.FontSize = 3;
    s.LastPuzzleId = 500;
    s.CurrentPuzzleId = 480;
    s.CreateSize = 2;
    s.PrintPuzzles = 2;
    s.PrintAnswers = 1;
    s.PrintColors = 4;
    s.CombosAtSide = 1;
    TPuzzleLibrary& lib = old->Library;
    lib.Counts = {};
    for (TPuzzleInfo& info : lib.Infos) info = {};
    for (int i = 0; i < 15; ++i) {
        std::int32_t id = 470 + i;
        test::AddSamplePuzzle(lib, id, TPuzzleSize::Medium, 1 + i % 5);
    }
    const Bytes oldImage = ImageOf(*old);
    WriteBytes(paths.OldDataFile, oldImage);

    auto record = ZeroRecord();
    ASSERT_TRUE(ReadDataFile(*record, paths));
    const TSettings& got = record->Settings;
    EXPECT_EQ(got.Valid, 0);
    EXPECT_EQ(got.LastPuzzleId, 15);
    for (std::int32_t v :
         {got.Reserved8, got.Reserved12, got.WindowHeight, got.WindowWidth, got.WindowTop,
          got.WindowLeft, got.FontSize, got.CurrentPuzzleId, got.PrintPuzzles, got.PrintAnswers})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(got.Reserved16, 0);
    EXPECT_EQ(got.Reserved67, 0);
    EXPECT_EQ(got.CreateSize, 3);
    EXPECT_EQ(got.PrintColors, 4);
    EXPECT_EQ(got.CombosAtSide, 1);
    EXPECT_EQ(std::memcmp(got.Reserved17, s.Reserved17, sizeof s.Reserved17), 0);
    EXPECT_EQ(std::memcmp(&record->Library, &old->Library, sizeof(TPuzzleLibrary)), 0);

    const int slot = AppendPuzzle(record->Library, record->Settings.LastPuzzleId,
                                  test::SampleGrid(TPuzzleSize::Mini), TPuzzleSize::Mini, 2);
    // The counter restarts at 15, but no Id already in the library is given again.
    EXPECT_EQ(slot, 16);
    EXPECT_EQ(record->Library.Info(16).Id, 486);

    test::TScriptedMessages messages;
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    EXPECT_TRUE(ReadBytes(paths.OldDataFile) == oldImage) << "the old file is never written";
    // The next start reads the new file; nothing is imported again.
    auto again = ZeroRecord();
    ASSERT_TRUE(ReadDataFile(*again, paths));
    EXPECT_EQ(again->Settings.Valid, 1);
    EXPECT_EQ(again->Settings.LastPuzzleId, 486);
}

TEST_F(DataFileTest, OnlyTheDataFileIsReadWhenBothExist) {
    auto current = PatternRecord();
    current->Settings.LastPuzzleId = 77;
    current->Settings.CreateSize = 1;
    WriteBytes(paths.DataFile, ImageOf(*current));
    auto old = PatternRecord();
    old->Settings.LastPuzzleId = 5;
    WriteBytes(paths.OldDataFile, ImageOf(*old));

    auto record = ZeroRecord();
    ASSERT_TRUE(ReadDataFile(*record, paths));
    EXPECT_TRUE(ImageOf(*record) == ImageOf(*current));
}

TEST_F(DataFileTest, ALongerFileIsReadAndTheExtraBytesAreDroppedAtTheNextWrite) {
    auto written = PatternRecord();
    Bytes image = ImageOf(*written);
    image[0] = 1;
    Bytes longer(kDataFileSize + 1000, 0xEE);
    std::copy(image.begin(), image.end(), longer.begin());
    WriteBytes(paths.DataFile, longer);

    auto record = ZeroRecord();
    ASSERT_TRUE(ReadDataFile(*record, paths));
    EXPECT_TRUE(ImageOf(*record) == image);
    test::TScriptedMessages messages;
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    EXPECT_TRUE(ReadBytes(paths.DataFile) == image);
}

// Every failed read leaves the record as it was, but for Valid, and shows nothing.
TEST_F(DataFileTest, UnusableFilesAreRejectedWhole) {
    struct Case {
        const char* what;
        void (*prepare)(const TDataFilePaths&);
    };
    const Case cases[] = {
        {"neither file exists", [](const TDataFilePaths&) {}},
        {"data file one byte short",
         [](const TDataFilePaths& p) { WriteBytes(p.DataFile, Bytes(kDataFileSize - 1, 9)); }},
        {"data file empty", [](const TDataFilePaths& p) { WriteBytes(p.DataFile, {}); }},
        {"data file is a folder",
         [](const TDataFilePaths& p) { ASSERT_TRUE(QDir().mkpath(p.DataFile)); }},
        {"data file is a device",
         [](const TDataFilePaths& p) { ASSERT_TRUE(QFile::link("/dev/zero", p.DataFile)); }},
        {"short data file, good old file: no import",
         [](const TDataFilePaths& p) {
             WriteBytes(p.DataFile, Bytes(100, 9));
             WriteBytes(p.OldDataFile, Bytes(kDataFileSize, 9));
         }},
        {"old file one byte short",
         [](const TDataFilePaths& p) { WriteBytes(p.OldDataFile, Bytes(kDataFileSize - 1, 9)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir here;
        TDataFilePaths p;
        p.DataFile = here.filePath(kDataFileName);
        p.OldDataFile = here.filePath(kOldDataFileName);
        c.prepare(p);
        auto record = PatternRecord();
        record->Settings.Valid = 1;
        Bytes expected = ImageOf(*record);
        expected[0] = 0;
        EXPECT_FALSE(ReadDataFile(*record, p));
        EXPECT_TRUE(ImageOf(*record) == expected);
    }
}

TEST_F(DataFileTest, AWrittenFileAlwaysHasValidSet) {
    auto record = ZeroRecord();
    test::TScriptedMessages messages;
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    const Bytes bytes = ReadBytes(paths.DataFile);
    ASSERT_EQ(bytes.size(), kDataFileSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(record->Settings.Valid, 1);
}

TEST_F(DataFileTest, WritingCreatesAMissingFolder) {
    TDataFilePaths nested;
    nested.DataFile = dir.filePath("user/data/") + kDataFileName;
    auto record = ZeroRecord();
    test::TScriptedMessages messages;
    EXPECT_TRUE(WriteDataFile(*record, nested, messages));
    EXPECT_EQ(QFileInfo(nested.DataFile).size(), static_cast<qint64>(kDataFileSize));
}

// Shows message A when the file cannot be created, and leaves Valid as it was.
TEST_F(DataFileTest, AFileThatCannotBeCreatedShowsMessageA) {
    WriteBytes(dir.filePath("plain"), {1, 2, 3});
    TDataFilePaths blocked;
    blocked.DataFile = dir.filePath("plain/") + kDataFileName;  // its folder is a regular file
    auto record = ZeroRecord();
    TRecordingMessages messages;
    EXPECT_FALSE(WriteDataFile(*record, blocked, messages));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0],
              "Error occurred while writing the preferences file.\n\r\n\rPlease read the "
              "Frequently Asked Questions (FAQ) in the help file for more information.\n\r\n\r" +
                  blocked.DataFile.toStdString() +
                  "\n\rcreating the new copy failed: Not a directory");
    EXPECT_EQ(messages.Buttons[0], TButtons::OkOnly);
    EXPECT_EQ(record->Settings.Valid, 0);
    EXPECT_TRUE(ReadBytes(dir.filePath("plain")) == Bytes({1, 2, 3}));
}

TEST_F(DataFileTest, AnUnwritableFolderKeepsTheOldFileAndShowsMessageA) {
    XS_AS_ORDINARY_USER(dir.path());
    auto old = PatternRecord();
    const Bytes oldImage = ImageOf(*old);
    WriteBytes(paths.DataFile, oldImage);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    auto record = ZeroRecord();
    TRecordingMessages messages;
    const bool written = WriteDataFile(*record, paths, messages);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(written);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], std::string(kDataFileOpenError) + "\n\r\n\r" +
                                     paths.DataFile.toStdString() +
                                     "\n\rcreating the new copy failed: Permission denied");
    EXPECT_TRUE(ReadBytes(paths.DataFile) == oldImage);
}

// A write that fails part-way (the file size limit stands in for a full disk) shows message B
// and leaves the old file as it was, with no temporary file beside it.
TEST_F(DataFileTest, AFailedWriteLeavesTheOldFileIntactAndShowsMessageB) {
    auto old = PatternRecord();
    const Bytes oldImage = ImageOf(*old);
    WriteBytes(paths.DataFile, oldImage);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    auto record = ZeroRecord();
    TRecordingMessages messages;
    const bool written = WriteDataFile(*record, paths, messages);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], "Error occurred while writing the preferences file.\n\r\n\r" +
                                     paths.DataFile.toStdString() +
                                     "\n\rwriting failed: File too large");
    EXPECT_EQ(messages.Buttons[0], TButtons::OkOnly);
    EXPECT_TRUE(ReadBytes(paths.DataFile) == oldImage);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{kDataFileName});
}

}  // namespace
}  // namespace xs
