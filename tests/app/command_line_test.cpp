// The game's command line: answers without a display, and --data moves the whole library.
#include <gtest/gtest.h>

#include <csignal>

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

QProcessEnvironment Environment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    return env;
}

// No display and no platform named: only the command line answers.
TEST(GameCommandLine, AnswersWithoutADisplay) {
    struct TCase {
        QStringList Args;
        int Code;
        const char* Stdout;
        const char* Stderr;
    };
    const TCase cases[] = {
        {{"--help"}, 0, "--data <FILE>", ""},
        {{"-platform", "xcb", "-h"}, 0, "Shows this help", ""},
        {{"--version"}, 0, "crosssums 1.", ""},
        {{"--data"}, 2, "", "crosssums: Missing value after '--data'. (try --help)\n"},
        {{"--data="}, 2, "", "crosssums: --data needs a file name (try --help)\n"},
        {{"--data", "a", "--data", "b"}, 2, "", "crosssums: --data is given twice (try --help)\n"},
        {{"puzzles.dat"}, 2, "", "crosssums: unexpected argument puzzles.dat (try --help)\n"},
        {{"--colour"}, 2, "", "crosssums: Unknown option 'colour'. (try --help)\n"},
    };
    QTemporaryDir dir;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Args.join(' ').toStdString());
        QProcess process;
        QProcessEnvironment env = Environment(dir.path());
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(XS_GAME_PATH), c.Args);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), c.Code);
        EXPECT_TRUE(process.readAllStandardOutput().contains(c.Stdout));
        EXPECT_EQ(process.readAllStandardError().toStdString(), c.Stderr);
    }
}

// A relative --data through a link to a file not made yet: the lock is taken beside the file the
// link leads to, the file is made there at the end and the link stays a link.
TEST(GameCommandLine, DataNamesTheFileThatIsLockedAndWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kept")));
    const QString target = dir.filePath(QStringLiteral("kept/puzzles.dat"));
    ASSERT_TRUE(QFile::link(target, dir.filePath(QStringLiteral("link.dat"))));
    QProcess process;
    QProcessEnvironment env = Environment(dir.filePath(QStringLiteral("user")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(XS_GAME_PATH), {QStringLiteral("--data"), "link.dat"});
    ASSERT_TRUE(process.waitForStarted(10000));
    const QString lock = TDataFileLock::LockPathFor(target);
    QDeadlineTimer deadline(30000);
    while (!QFile::exists(lock) && !deadline.hasExpired()) QThread::msleep(20);
    ASSERT_TRUE(QFile::exists(lock));
    QThread::msleep(200);
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 128 + SIGTERM);
    EXPECT_EQ(QFileInfo(target).size(), static_cast<qint64>(kDataFileSize));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("link.dat"))).isSymLink());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("user/VelmorDuvidOzad"))));
}

}  // namespace
}  // namespace xs
