// The game run as a child process: a termination or hang-up signal saves as the end of a session;
// a second one ends a close held by a message.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <memory>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
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

// Starts a copy of the game in `dir` on a data file of its own, and waits until its start-up is
// under way (the lock is there). Returns the data file's path.
QString StartGame(const QTemporaryDir& dir, QProcess& process) {
    // The game keeps its file beside itself, so a copy of it gets a folder of its own.
    const QString game = dir.filePath(QStringLiteral("crosssums"));
    if (!QFile::copy(QStringLiteral(XS_GAME_PATH), game)) return {};
    const QString dataFile = dir.filePath(kDataFileName);
    auto record = std::make_unique<TDataFileRecord>();
    record->Settings.Valid = 1;
    record->Settings.FontSize = 2;
    record->Settings.WindowWidth = 800;
    record->Settings.WindowHeight = 600;
    {
        QFile out(dataFile);
        if (!out.open(QIODevice::WriteOnly)) return {};
        out.write(reinterpret_cast<const char*>(record.get()), sizeof *record);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("user")));
    process.setProcessEnvironment(env);
    process.start(game, {});
    if (!process.waitForStarted(10000)) return {};
    // The lock shows that the start-up is under way; the signal is seen after it.
    const QString lock = TDataFileLock::LockPathFor(dataFile);
    QDeadlineTimer deadline(30000);
    while (!QFile::exists(lock) && !deadline.hasExpired()) QThread::msleep(20);
    QThread::msleep(200);
    return QFile::exists(lock) ? dataFile : QString();
}

TEST(GameProcess, EndSignalsSaveTheDataFileAsAtTheEndOfASession) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QTemporaryDir dir;
        QProcess process;
        const QString dataFile = StartGame(dir, process);
        ASSERT_FALSE(dataFile.isEmpty());
        const ino_t before = InodeOf(dataFile);

        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + signal);
        EXPECT_NE(InodeOf(dataFile), before) << "the data file was not written";
        EXPECT_EQ(QFile(dataFile).size(), static_cast<qint64>(kDataFileSize));
        EXPECT_FALSE(QFile::exists(TDataFileLock::LockPathFor(dataFile)));
    }
}

// A failed save's message holds the close; a second signal ends it there, saving nothing more,
// and says on stderr what the data file holds.
TEST(GameProcess, ASecondSignalEndsACloseThatWaitsOnAMessage) {
    QTemporaryDir dir;
    QProcess process;
    const QString dataFile = StartGame(dir, process);
    ASSERT_FALSE(dataFile.isEmpty());
    // A pipe in the file's place makes the save at the close fail.
    ASSERT_TRUE(QFile::remove(dataFile));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dataFile).constData(), 0600), 0);
    const auto pid = static_cast<pid_t>(process.processId());
    ::kill(pid, SIGTERM);
    EXPECT_FALSE(process.waitForFinished(1500)) << "the message holds the close";
    ::kill(pid, SIGHUP);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 129);
    const std::string said = process.readAllStandardError().toStdString();
    EXPECT_NE(said.find("\ncrosssums: a second signal ends the game without saving: " +
                        dataFile.toStdString() +
                        " is as it was; the puzzles of this session are not saved\n"),
              std::string::npos)
        << said;
    EXPECT_TRUE(QFileInfo(dataFile).exists() && !QFileInfo(dataFile).isFile()) << "still a pipe";
    EXPECT_FALSE(QFile::exists(TDataFileLock::LockPathFor(dataFile)));
}

}  // namespace
}  // namespace xs
