// The game's start-up with the data file held by another game, or not readable.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "shell/main_state.h"
#include "storage/data_file_lock.h"
#include "support/faulty_file_ops.h"
#include "support/lock_holder.h"
#include "support/path_kinds.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

class GameStartUp : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TDataFilePaths paths;
    std::unique_ptr<TDataFileRecord> file = std::make_unique<TDataFileRecord>();
    test::TScriptedMessages messages;
    TProgramFonts fonts;
    const TScreenMetrics screen{1280, 1024, 1000, TFontClass::Regular};
    const TWindowRect window{10, 20, 800, 600};

    void SetUp() override { paths.DataFile = dir.filePath(kDataFileName); }
    void Put(const QByteArray& bytes) {
        QFile out(paths.DataFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray Stored() const {
        QFile in(paths.DataFile);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

// The holder is named as it is: another window of the game, or the companion with its process.
TEST_F(GameStartUp, AFileHeldByAnotherProgramIsNeitherUsedNorWritten) {
    const QByteArray image(static_cast<qsizetype>(kDataFileSize), '\x01');
    Put(image);
    const std::string path = paths.DataFile.toStdString();
    const std::pair<const char*, std::string> holders[] = {
        {"VelmorDuvidOzad", "These Cross Sums puzzles are open in another window:\n\r" + path +
                                "\n\r\n\rThis window closes and leaves them as they are."},
        {"crosssums-cli", "These Cross Sums puzzles are in use by crosssums-cli (process %):\n\r" +
                              path +
                              "\n\r\n\rThis window closes and leaves them as they are. Start the "
                              "game again when crosssums-cli has finished."},
    };
    for (const auto& [program, says] : holders) {
        SCOPED_TRACE(program);
        test::TLockHolder other(paths.DataFile, program);
        ASSERT_TRUE(other.Locked);
        messages.Shown.clear();
        TMainState state(*file, paths, messages, {});
        const TStartUpResult result = state.StartUp(screen, fonts);
        EXPECT_TRUE(result.OpenElsewhere);
        std::string expected = says;
        if (const auto at = expected.find('%'); at != std::string::npos)
            expected.replace(at, 1, std::to_string(other.Pid));
        EXPECT_EQ(messages.Shown, std::vector<std::string>{expected});
        EXPECT_EQ(file->Library.Counts.Total, 0) << "the file was read";
        EXPECT_FALSE(state.Close(window));
        EXPECT_EQ(Stored(), image);
    }

    // Once the other program has ended, the next start has the file to itself.
    TMainState next(*file, paths, messages, {});
    EXPECT_FALSE(next.StartUp(screen, fonts).OpenElsewhere);
    EXPECT_TRUE(next.Close(window));
    EXPECT_FALSE(QFile::exists(TDataFileLock::LockPathFor(paths.DataFile)));
}

// A damaged counter would hide every puzzle from every screen: the start-up counts the slots.
TEST_F(GameStartUp, DamagedCountersAreCountedFromTheSlots) {
    for (const std::int32_t total : {std::numeric_limits<std::int32_t>::min(), -1, 0, 150}) {
        SCOPED_TRACE(total);
        auto stored = std::make_unique<TDataFileRecord>();
        for (const TPuzzleSize size : {TPuzzleSize::Mini, TPuzzleSize::Large})
            test::AddSamplePuzzle(stored->Library, stored->Settings.LastPuzzleId, size, 2);
        stored->Library.Counts = {total, {total, 0, 0, 0, 0}};
        Put(QByteArray(reinterpret_cast<const char*>(stored.get()), sizeof *stored));
        TMainState state(*file, paths, messages, {});
        state.StartUp(screen, fonts);
        EXPECT_EQ(file->Library.Counts.Total, 2);
        EXPECT_EQ(file->Library.Counts.ByDifficulty[1], 2);
        state.Close(window);
    }
}

// Also through a link: the file it leads to is kept aside in its folder, and the link stays.
TEST_F(GameStartUp, AnUnreadableFileIsKeptAsideAndThePlayerToldOnce) {
    const QByteArray damaged(5000, '\x07');
    const QString real = paths.DataFile;
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(QFile::link(real, link));
    for (const QString& path : {real, link}) {
        SCOPED_TRACE(path.toStdString());
        Put(damaged);
        QFile::remove(real + kUnreadableSuffix);
        messages.Shown.clear();
        TDataFilePaths through;
        through.DataFile = path;
        TMainState state(*file, through, messages, {});
        const TStartUpResult result = state.StartUp(screen, fonts);
        EXPECT_TRUE(result.FirstRun);
        const QString aside = real + kUnreadableSuffix;
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0],
                  "The Cross Sums puzzles could not be read from\n\r" + path.toStdString() +
                      "\n\r\n\rThe file has been kept as\n\r" + aside.toStdString() +
                      "\n\rand the game starts with no puzzles.");
        ASSERT_TRUE(state.Close(window));
        EXPECT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(Stored().size(), static_cast<qsizetype>(kDataFileSize));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), damaged);
    }
}

// Where no file can be kept the player is told at start, with the path and the cause; the game
// runs with an empty library, and at the close offers to try again rather than write over it.
TEST_F(GameStartUp, APathThatHoldsNoFileIsToldAtStartAndNeverWrittenOver) {
    for (const test::TNonFileCase& c : test::kNonFiles) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir here;
        paths.DataFile = here.filePath(kDataFileName);
        const std::string cause = test::PutNonFile(c.Kind, paths.DataFile);
        if (cause.empty()) continue;  // a device needs root
        const std::string before = test::NodeAt(paths.DataFile);
        messages.Shown.clear();
        messages.Answers = {kResultOk, OptionResult(0), OptionResult(1)};  // try again, give up

        TMainState state(*file, paths, messages, {});
        const TStartUpResult result = state.StartUp(screen, fonts);
        EXPECT_FALSE(result.OpenElsewhere);
        EXPECT_TRUE(result.FirstRun);
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0],
                  "The Cross Sums puzzles cannot be kept at\n\r" + paths.DataFile.toStdString() +
                      "\n\rbecause " + cause +
                      ".\n\r\n\rThe game starts with no puzzles and leaves "
                      "it as it is; nothing of this session can be saved there.");
        EXPECT_TRUE(state.Close(window));
        EXPECT_EQ(messages.Shown.size(), 3u) << "asked, tried again, asked again";
        EXPECT_EQ(test::NodeAt(paths.DataFile), before);
        EXPECT_FALSE(QFileInfo::exists(paths.DataFile + ".lock"));

        // A file there by the close (a drive mounted since) was not read: it stays, and the
        // session's puzzles go into a new file beside it, or nowhere.
        const bool aside = c.Kind != test::TNonFile::Fifo;
        messages.Shown.clear();
        messages.Answers = {kResultOk, aside ? OptionResult(0) : OptionResult(1)};
        TMainState again(*file, paths, messages, {});
        again.StartUp(screen, fonts);
        test::AddSamplePuzzle(file->Library, file->Settings.LastPuzzleId, TPuzzleSize::Mini, 1);
        const QString end = test::PutFileInItsPlace(c.Kind, paths.DataFile, "theirs");
        EXPECT_TRUE(again.Close(window));
        ASSERT_EQ(messages.Shown.size(), aside ? 3u : 2u);
        EXPECT_EQ(messages.Shown[1],
                  "This session started without the Cross Sums puzzles at\n\r" +
                      paths.DataFile.toStdString() +
                      "\n\rand a file is there now.\n\r\n\rThat file is left as it is: this "
                      "session did not read it.\n\r\n\rThe puzzles of this session can be saved "
                      "in a new file beside it, or not at all.");
        QFile kept(end);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "theirs");
        EXPECT_EQ(QFileInfo(end + ".session").size(), aside ? 999496 : 0);
        EXPECT_FALSE(QFileInfo::exists(end + ".lock"));
    }
}

// A link to a file not made yet, in a folder that exists, is said at start; the close makes the
// file there and the link stays a link.
TEST_F(GameStartUp, ALinkToAFileNotMadeYetIsToldAndTheFileMadeAtTheClose) {
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(QFile::link(paths.DataFile, link));
    TDataFilePaths through;
    through.DataFile = link;
    TMainState state(*file, through, messages, {});
    EXPECT_TRUE(state.StartUp(screen, fonts).FirstRun);
    EXPECT_EQ(messages.Shown,
              std::vector<std::string>{"The Cross Sums puzzles at\n\r" + link.toStdString() +
                                       "\n\rare kept in the file it links to,\n\r" +
                                       paths.DataFile.toStdString() +
                                       "\n\rwhich does not exist yet.\n\r\n\rThe game starts with "
                                       "no puzzles and makes that file when it closes."});
    EXPECT_TRUE(state.Close(window));
    EXPECT_EQ(Stored().size(), static_cast<qsizetype>(kDataFileSize));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

// A folder in the lock file's place is not taken for another window: the player is told, and the
// game goes on and saves.
TEST_F(GameStartUp, ALockThatCannotBeHadIsToldAndTheGameGoesOn) {
    ASSERT_TRUE(QDir().mkdir(paths.DataFile + ".lock"));
    TMainState state(*file, paths, messages, {});
    EXPECT_FALSE(state.StartUp(screen, fonts).OpenElsewhere);
    const std::string path = paths.DataFile.toStdString();
    EXPECT_EQ(messages.Shown,
              std::vector<std::string>{"The Cross Sums puzzles at\n\r" + path +
                                       "\n\rcannot be locked: " + path +
                                       ".lock is a folder, not a lock file.\n\r\n\rThe game goes "
                                       "on, but another window or crosssums-cli could change them "
                                       "at the same time."});
    EXPECT_TRUE(state.Close(window));
    EXPECT_EQ(Stored().size(), static_cast<qsizetype>(kDataFileSize));
}

// A save at the close that fails says what failed; the player may try again, which here works,
// or close without saving, which leaves the previous file as it was.
TEST_F(GameStartUp, AFailedSaveAtTheCloseCanBeTriedAgainOrLeft) {
    const QByteArray image(static_cast<qsizetype>(kDataFileSize), '\x01');
    for (const int answer : {OptionResult(0), OptionResult(1)}) {
        SCOPED_TRACE(answer);
        Put(image);
        messages.Shown.clear();
        messages.Answers = {answer};
        test::TFaultyFileOps disk(test::TFaultAt::DataSync, 1, EIO);
        TMainState state(*file, paths, messages, {}, disk);
        state.StartUp(screen, fonts);
        file->Library.Counts.Total = 0;  // something the player did
        ASSERT_TRUE(state.Close(window));
        EXPECT_EQ(messages.Shown, std::vector<std::string>{
                                      "Error occurred while writing the preferences file.\n\r\n\r" +
                                      paths.DataFile.toStdString() +
                                      "\n\rsyncing to disk failed: Input/output error\n\r\n\rThe "
                                      "puzzles of this session are still here: try the save again "
                                      "once the cause is mended, or close without saving them."});
        EXPECT_EQ(Stored() == image, answer == OptionResult(1));
        EXPECT_EQ(Stored().size(), image.size());
        EXPECT_FALSE(QFile::exists(TDataFileLock::LockPathFor(paths.DataFile)));
    }
}

}  // namespace
}  // namespace xs
