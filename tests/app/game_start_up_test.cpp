// The game's start-up with the data file held by another game, or not readable.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "shell/main_state.h"
#include "storage/data_file_lock.h"
#include "support/lock_holder.h"
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

TEST_F(GameStartUp, AnUnreadableFileIsKeptAsideAndThePlayerToldOnce) {
    const QByteArray damaged(5000, '\x07');
    Put(damaged);
    TMainState state(*file, paths, messages, {});
    const TStartUpResult result = state.StartUp(screen, fonts);
    EXPECT_TRUE(result.FirstRun);
    const QString aside = paths.DataFile + kUnreadableSuffix;
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], UnreadableFileText(paths.DataFile, aside));
    ASSERT_TRUE(state.Close(window));
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(Stored().size(), static_cast<qsizetype>(kDataFileSize));
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
}

}  // namespace
}  // namespace xs
