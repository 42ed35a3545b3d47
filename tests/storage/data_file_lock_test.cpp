// The data file's lock between two processes, within one process, and when its holder dies.
#include "storage/data_file_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/lock_holder.h"
#include "support/ordinary_user.h"

namespace xs {
namespace {

using test::TLockHolder;

// The holder is named only when the lock file names the process that holds the lock: one that
// could not write its name (another user's read-only lock file) leaves a gone or unrelated one.
TEST(DataFileLock, ALiveHolderIsNamedAndItsLockTakenOverOnceItDies) {
    QTemporaryDir dir;
    const QString dataFile = dir.filePath(QStringLiteral("lib.dat"));
    struct Case {
        const char* program;
        QByteArray written;  // put in the lock file after the holder named itself; empty: none
        std::string says;    // "%" stands for the holder's process id
    };
    const QByteArray self = QByteArray::number(static_cast<qint64>(getpid()));
    const Case cases[] = {
        {"VelmorDuvidOzad", {}, " is open in the game (process %)"},
        {"crosssums-cli", {}, " is in use by crosssums-cli (process %)"},
        {"holder", {}, " is in use by another program (process %)"},
        {"holder", self + "\nVelmorDuvidOzad\n", " is in use by another program"},
        {"holder", "999999999\ncrosssums-cli\n", " is in use by another program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.isEmpty() ? c.program : c.written.constData());
        TLockHolder holder(dataFile, c.program);
        ASSERT_TRUE(holder.Locked);
        TDataFileLock lock(dataFile);
        if (!c.written.isEmpty()) {
            QFile file(lock.LockPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.written);
        }
        const TLockResult refused = lock.TryLock();
        EXPECT_EQ(refused.Status, TLockStatus::HeldByOther);
        std::string says = c.says;
        if (const auto at = says.find('%'); at != std::string::npos)
            says.replace(at, 1, std::to_string(holder.Pid));
        EXPECT_EQ(refused.Reason.toStdString(), dataFile.toStdString() + says);
        EXPECT_FALSE(lock.IsLocked());

        holder.Kill();  // the lock file stays behind, naming a process that is gone
        ASSERT_TRUE(QFile::exists(lock.LockPath()));
        EXPECT_EQ(lock.TryLock().Status, TLockStatus::Locked);
        lock.Unlock();
    }
}

TEST(DataFileLock, TwoHoldersInOneProcessExcludeEachOtherUntilUnlock) {
    QTemporaryDir dir;
    const QString dataFile = dir.filePath(QStringLiteral("sub/lib.dat"));  // folder made on lock
    TDataFileLock first(dataFile);
    TDataFileLock second(dataFile);
    ASSERT_EQ(first.TryLock().Status, TLockStatus::Locked);
    EXPECT_EQ(first.TryLock().Status, TLockStatus::Locked);
    EXPECT_EQ(second.TryLock().Status, TLockStatus::HeldByOther);
    first.Unlock();
    EXPECT_FALSE(QFile::exists(first.LockPath()));
    EXPECT_EQ(second.TryLock().Status, TLockStatus::Locked);

    // A lock file removed by hand and locked anew is the new holder's: the old one leaves it.
    ASSERT_TRUE(QFile::remove(second.LockPath()));
    TDataFileLock third(dataFile);
    ASSERT_EQ(third.TryLock().Status, TLockStatus::Locked);
    second.Unlock();
    EXPECT_TRUE(QFile::exists(third.LockPath()));
    EXPECT_EQ(first.TryLock().Status, TLockStatus::HeldByOther);
}

// A holder killed before it named itself leaves an empty file; one cut short leaves part of a
// name; one whose process id came back to another program names a live process. None holds the
// system's lock, so each is taken over at once.
TEST(DataFileLock, ALockFileLeftWithoutAHolderIsTakenOverAtOnce) {
    QTemporaryDir dir;
    TDataFileLock lock(dir.filePath(QStringLiteral("lib.dat")));
    for (const QByteArray& content :
         {QByteArray(), QByteArray("garbage"), QByteArray("1\nVelmorDuvidOzad\n")}) {
        SCOPED_TRACE(content.toStdString());
        QFile file(lock.LockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        EXPECT_EQ(lock.TryLock().Status, TLockStatus::Locked);
        lock.Unlock();
        EXPECT_FALSE(QFile::exists(lock.LockPath()));
    }
}

// Something in the lock file's place that is no lock file is reported as what it is.
TEST(DataFileLock, AFolderLinkOrPipeInTheLockFilesPlaceIsNamed) {
    QTemporaryDir dir;
    TDataFileLock lock(dir.filePath(QStringLiteral("lib.dat")));
    const QByteArray path = QFile::encodeName(lock.LockPath());
    const std::string where = lock.LockPath().toStdString();
    struct Case {
        std::function<void()> make;
        std::string reason;
    };
    const Case cases[] = {
        {[&] { QDir().mkdir(lock.LockPath()); }, where + " is a folder, not a lock file"},
        {[&] { QFile::link(dir.filePath(QStringLiteral("elsewhere")), lock.LockPath()); },
         where + " is a link, not a lock file"},
        {[&] { mkfifo(path.constData(), 0600); }, where + " is not a lock file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        c.make();
        const TLockResult result = lock.TryLock();
        EXPECT_EQ(result.Status, TLockStatus::NotPossible);
        EXPECT_EQ(result.Reason.toStdString(), c.reason);
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("elsewhere"))));
        ASSERT_TRUE(QDir().rmdir(lock.LockPath()) || QFile::remove(lock.LockPath()));
    }
}

// Every path to one file takes one lock: the file itself, a link to it, a link to that link, a
// relative link, a path through a linked folder.
TEST(DataFileLock, EveryPathToOneFileTakesOneLock) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString file = dir.filePath(QStringLiteral("real/lib.dat"));
    QFile(file).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(file, dir.filePath(QStringLiteral("link.dat"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("link.dat")),
                            dir.filePath(QStringLiteral("chain.dat"))));
    ASSERT_EQ(symlink("real/lib.dat", QFile::encodeName(dir.filePath("relative.dat")).constData()),
              0);
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath(QStringLiteral("folder"))));
    TDataFileLock held(file);
    ASSERT_EQ(held.TryLock().Status, TLockStatus::Locked);
    EXPECT_EQ(held.LockPath(), file + QStringLiteral(".lock"));
    for (const char* name : {"link.dat", "chain.dat", "relative.dat", "folder/lib.dat"}) {
        SCOPED_TRACE(name);
        TDataFileLock other(dir.filePath(QLatin1String(name)));
        EXPECT_EQ(other.LockPath(), held.LockPath());
        EXPECT_EQ(other.TryLock().Status, TLockStatus::HeldByOther);
    }
}

TEST(DataFileLock, UnwritableFolderIsReportedNotMistakenForAHolder) {
    QTemporaryDir dir;
    XS_AS_ORDINARY_USER(dir.path());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    TDataFileLock lock(dir.filePath(QStringLiteral("lib.dat")));
    const TLockResult result = lock.TryLock();
    EXPECT_EQ(result.Status, TLockStatus::NotPossible);
    EXPECT_TRUE(result.Reason.contains(lock.LockPath()));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace xs
