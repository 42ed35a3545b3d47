// The game run as a child process: a termination or hang-up signal saves as the end of a session;
// a second one ends a close held by a message.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <memory>
#include <utility>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "storage/data_file.h"
#include "storage/data_file_lock.h"

namespace xs {
namespace {

ino_t InodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// With a pipe put in the file's place the save fails and its message holds the close; a second
// signal then ends the game there, saving nothing more, and says what the file holds.
TEST(GameProcess, EndSignalsSaveTheDataFileAsAtTheEndOfASession) {
    const std::pair<int, int> cases[] = {{SIGTERM, 0}, {SIGHUP, 0}, {SIGTERM, SIGHUP}};
    for (const auto& [signal, second] : cases) {
        SCOPED_TRACE(signal + 100 * second);
        QTemporaryDir dir;
        // The game keeps its file beside itself, so a copy of it gets a folder of its own.
        const QString game = dir.filePath(QStringLiteral("crosssums"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(XS_GAME_PATH), game));
        const QString dataFile = dir.filePath(kDataFileName);
        auto record = std::make_unique<TDataFileRecord>();
        record->Settings.Valid = 1;
        record->Settings.FontSize = 2;
        record->Settings.WindowWidth = 800;
        record->Settings.WindowHeight = 600;
        {
            QFile out(dataFile);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(reinterpret_cast<const char*>(record.get()), sizeof *record);
        }
        const ino_t before = InodeOf(dataFile);

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("user")));
        process.setProcessEnvironment(env);
        process.start(game, {});
        ASSERT_TRUE(process.waitForStarted(10000));
        // The lock shows that the start-up is under way; the signal is seen after it.
        const QString lock = TDataFileLock::LockPathFor(dataFile);
        QDeadlineTimer deadline(30000);
        while (!QFile::exists(lock) && !deadline.hasExpired()) QThread::msleep(20);
        ASSERT_TRUE(QFile::exists(lock));
        QThread::msleep(200);

        if (second != 0) {
            ASSERT_TRUE(QFile::remove(dataFile));
            ASSERT_EQ(::mkfifo(QFile::encodeName(dataFile).constData(), 0600), 0);
        }
        ::kill(static_cast<pid_t>(process.processId()), signal);
        if (second != 0) {
            EXPECT_FALSE(process.waitForFinished(1500)) << "the message holds the close";
            ::kill(static_cast<pid_t>(process.processId()), second);
        }
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + (second != 0 ? second : signal));
        EXPECT_FALSE(QFile::exists(lock));
        if (second != 0) {
            EXPECT_TRUE(process.readAllStandardError().endsWith(
                "crosssums: a second signal ends the game without saving: " +
                QFile::encodeName(dataFile) +
                " is as it was; the puzzles of this session are not saved\n"));
            continue;
        }
        EXPECT_NE(InodeOf(dataFile), before) << "the data file was not written";
        EXPECT_EQ(QFile(dataFile).size(), static_cast<qint64>(kDataFileSize));
    }
}

}  // namespace
}  // namespace xs
