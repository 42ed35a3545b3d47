// The lock that lets one program at a time own the data file, from reading it to the last write.
#pragma once

#include <memory>

#include <QString>

class QLockFile;

namespace xs {

enum class TLockStatus {
    Locked,       // this object now holds the lock
    HeldByOther,  // a live process holds it; Pid, Host and App say which when known
    NotPossible,  // the lock file cannot be made (folder missing and not creatable, read-only,
                  // permission denied, ...); Reason says why
};

struct TLockResult {
    TLockStatus Status = TLockStatus::NotPossible;
    qint64 Pid = 0;    // the holder's process id; 0 when unknown
    QString Host{};    // the holder's host name; empty when unknown
    QString App{};     // the holder's program name; empty when unknown
    QString Reason{};  // one line for the user, naming the lock file; empty when Locked
};

// A lock file beside the data file (its path plus ".lock"), shared by the game and the command-
// line companion. Contract:
// - TryLock never waits: it either takes the lock at once or says who holds it.
// - A lock left behind by a process that no longer runs (killed, crashed) on this host is stale
//   and taken over. The age of a lock is no sign of staleness: the game holds it for hours.
// - Whoever reads the file with the intent to write it takes the lock first and keeps it until
//   the last write has finished; the lock is released by Unlock or the destructor.
// - Locking twice from one object is harmless; two objects of one process exclude each other.
class TDataFileLock {
public:
    explicit TDataFileLock(const QString& dataFile);
    ~TDataFileLock();
    TDataFileLock(const TDataFileLock&) = delete;
    TDataFileLock& operator=(const TDataFileLock&) = delete;

    // Takes the lock if it is free or stale; creates the data file's folder when missing.
    TLockResult TryLock();
    bool IsLocked() const;
    void Unlock();
    // The lock file's path.
    const QString& LockPath() const { return LockPath_; }

    static QString LockPathFor(const QString& dataFile);

private:
    QString LockPath_;
    std::unique_ptr<QLockFile> Lock_;
};

}  // namespace xs
