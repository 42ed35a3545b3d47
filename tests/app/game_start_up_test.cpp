// The game's start-up with the data file held by another game, or not readable.
#include <gtest/gtest.h>

#include <memory>

#include <QFile>
#include <QTemporaryDir>

#include "shell/main_state.h"
#include "storage/data_file_lock.h"
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

TEST_F(GameStartUp, AFileHeldByAnotherGameIsNeitherUsedNorWritten) {
    const QByteArray image(static_cast<qsizetype>(kDataFileSize), '\x01');
    Put(image);
    TDataFileLock other(paths.DataFile);
    ASSERT_EQ(other.TryLock().Status, TLockStatus::Locked);

    TMainState state(*file, paths, messages, {});
    const TStartUpResult result = state.StartUp(screen, fonts);
    EXPECT_TRUE(result.OpenElsewhere);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], OpenElsewhereText(paths.DataFile));
    EXPECT_EQ(file->Library.Counts.Total, 0) << "the file was read";
    EXPECT_FALSE(state.Close(window));
    EXPECT_EQ(Stored(), image);

    // Once the other game has closed, the next start has the file to itself.
    other.Unlock();
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
