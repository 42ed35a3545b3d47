// One writer at a time: a QLockFile beside the data file, taken over when its holder has died.
#include "storage/data_file_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace xs {

namespace {

// A lock file that names no process (emptied or cut short by a crash or a full disk) would
// otherwise never count as stale. It is only judged after a grace period, because its maker
// writes the name just after creating it; removal still fails while a live holder keeps its
// system lock on the file.
bool HoldsNoOwner(const QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.getLockInfo(&pid, &host, &app)) return false;
    const QDateTime changed = QFileInfo(path).lastModified();
    return changed.isValid() && changed.secsTo(QDateTime::currentDateTime()) >= 5;
}

}  // namespace

TDataFileLock::TDataFileLock(const QString& dataFile)
    : LockPath_(LockPathFor(dataFile)), Lock_(std::make_unique<QLockFile>(LockPath_)) {
    // Held for the whole run of the game, so only a dead holder makes a lock stale, never its age.
    Lock_->setStaleLockTime(0);
}

TDataFileLock::~TDataFileLock() = default;

QString TDataFileLock::LockPathFor(const QString& dataFile) {
    return dataFile + QLatin1String(".lock");
}

TLockResult TDataFileLock::TryLock() {
    TLockResult result;
    if (Lock_->isLocked()) {
        result.Status = TLockStatus::Locked;
        return result;
    }
    const QString folder = QFileInfo(LockPath_).absolutePath();
    QDir().mkpath(folder);
    // tryLock(0) removes a stale lock (its process gone) and retries once by itself.
    bool locked = Lock_->tryLock(0);
    if (!locked && Lock_->error() == QLockFile::LockFailedError && HoldsNoOwner(*Lock_, LockPath_))
        locked = Lock_->removeStaleLockFile() && Lock_->tryLock(0);
    if (locked) {
        result.Status = TLockStatus::Locked;
        return result;
    }
    switch (Lock_->error()) {
        case QLockFile::LockFailedError: {
            result.Status = TLockStatus::HeldByOther;
            Lock_->getLockInfo(&result.Pid, &result.Host, &result.App);
            QString who = result.Pid > 0 ? QStringLiteral("process %1").arg(result.Pid)
                                         : QStringLiteral("another process");
            if (!result.App.isEmpty()) who = result.App + QLatin1Char(' ') + who;
            if (!result.Host.isEmpty()) who += QStringLiteral(" on ") + result.Host;
            result.Reason = QStringLiteral("%1 is locked by %2").arg(LockPath_, who);
            break;
        }
        case QLockFile::PermissionError:
            result.Status = TLockStatus::NotPossible;
            result.Reason = QStringLiteral("cannot create %1: permission denied").arg(LockPath_);
            break;
        default:
            result.Status = TLockStatus::NotPossible;
            result.Reason =
                QFileInfo(folder).isDir()
                    ? QStringLiteral("cannot create %1").arg(LockPath_)
                    : QStringLiteral("cannot create %1: no folder %2").arg(LockPath_, folder);
            break;
    }
    return result;
}

bool TDataFileLock::IsLocked() const {
    return Lock_->isLocked();
}

void TDataFileLock::Unlock() {
    if (Lock_->isLocked()) Lock_->unlock();
}

}  // namespace xs
