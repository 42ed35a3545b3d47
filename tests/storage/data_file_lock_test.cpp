// The data file's lock between two processes, within one process, and when its holder dies.
#include "storage/data_file_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace xs {
namespace {

// A forked process that takes the lock and keeps it until it is killed.
class TLockHolder {
public:
    explicit TLockHolder(const QString& dataFile) {
        int ready[2];
        if (pipe(ready) != 0) return;
        Pid = fork();
        if (Pid == 0) {
            close(ready[0]);
            TDataFileLock lock(dataFile);
            const char status = lock.TryLock().Status == TLockStatus::Locked ? 'L' : 'F';
            if (write(ready[1], &status, 1) != 1) _exit(2);
            for (;;) pause();
        }
        close(ready[1]);
        char status = 0;
        if (read(ready[0], &status, 1) == 1) Locked = status == 'L';
        close(ready[0]);
    }
    ~TLockHolder() { Kill(); }
    void Kill() {
        if (Pid <= 0) return;
        kill(Pid, SIGKILL);
        waitpid(Pid, nullptr, 0);
        Pid = -1;
    }
    pid_t Pid = -1;
    bool Locked = false;
};

TEST(DataFileLock, AnotherLiveProcessKeepsItUntilItDiesThenItIsTakenOver) {
    QTemporaryDir dir;
    const QString dataFile = dir.filePath(QStringLiteral("lib.dat"));
    TLockHolder holder(dataFile);
    ASSERT_TRUE(holder.Locked);

    TDataFileLock lock(dataFile);
    const TLockResult refused = lock.TryLock();
    EXPECT_EQ(refused.Status, TLockStatus::HeldByOther);
    EXPECT_EQ(refused.Pid, holder.Pid);
    EXPECT_TRUE(refused.Reason.contains(lock.LockPath())) << refused.Reason.toStdString();
    EXPECT_TRUE(refused.Reason.contains(QString::number(holder.Pid)));
    EXPECT_FALSE(lock.IsLocked());

    holder.Kill();  // the lock file stays behind, naming a process that is gone
    ASSERT_TRUE(QFile::exists(lock.LockPath()));
    EXPECT_EQ(lock.TryLock().Status, TLockStatus::Locked);
    EXPECT_TRUE(lock.IsLocked());
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
}

TEST(DataFileLock, ALockFileNamingNoProcessIsTakenOverOnlyOnceItIsOld) {
    QTemporaryDir dir;
    TDataFileLock lock(dir.filePath(QStringLiteral("lib.dat")));
    for (const QByteArray& content : {QByteArray(), QByteArray("garbage")}) {
        SCOPED_TRACE(content.toStdString());
        QFile file(lock.LockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        EXPECT_EQ(lock.TryLock().Status, TLockStatus::HeldByOther) << "it may be just made";
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-6),
                         QFileDevice::FileModificationTime);
        file.close();
        EXPECT_EQ(lock.TryLock().Status, TLockStatus::Locked);
        lock.Unlock();
    }
}

TEST(DataFileLock, UnwritableFolderIsReportedNotMistakenForAHolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    TDataFileLock lock(dir.filePath(QStringLiteral("lib.dat")));
    const TLockResult result = lock.TryLock();
    EXPECT_EQ(result.Status, TLockStatus::NotPossible);
    EXPECT_TRUE(result.Reason.contains(lock.LockPath()));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace xs
