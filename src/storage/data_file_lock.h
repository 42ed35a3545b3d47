// The lock that lets one program at a time own the data file, from reading it to the last write.
#pragma once

#include <QString>

namespace xs {

enum class TLockStatus {
    Locked,       // this object now holds the lock
    HeldByOther,  // a live process holds it; Holder and Pid say which when known
    NotPossible,  // the lock file cannot be made or used (folder missing and not creatable,
                  // read-only, permission denied, a folder or link in its place); Reason says why
};

// The programs that take the lock, as their lock files name them.
constexpr const char* kGameLockName = "VelmorDuvidOzad";
constexpr const char* kCompanionLockName = "crosssums-cli";

enum class TLockHolder { Unknown, Game, Companion };

struct TLockResult {
    TLockStatus Status = TLockStatus::NotPossible;
    TLockHolder Holder = TLockHolder::Unknown;
    qint64 Pid = 0;    // the holder's process id; 0 when unknown
    QString Host{};    // the holder's host name when it is not this one
    QString Reason{};  // one line for the user, naming the data file; empty when Locked
};

// A lock file beside the file the data file's path leads to (after its links), with ".lock"
// added, shared by the game and the command-line companion, so that every path to one file
// takes one lock. Contract:
// - The lock is the system's lock on the open lock file: it ends with its holder, however that
//   ends, so a lock file left by a killed or crashed holder (empty, cut short, naming a process
//   that is gone) is taken over at once, and the age of a lock means nothing.
// - TryLock never waits: it either takes the lock at once or says who holds it, or why no lock
//   can be had there.
// - Whoever reads the file with the intent to write it takes the lock first and keeps it until
//   the last write has finished; the lock is released by Unlock or the destructor.
// - Locking twice from one object is harmless; two objects of one process exclude each other.
// The lock file names its holder: process id, program name (the application's name), host.
class TDataFileLock {
public:
    explicit TDataFileLock(const QString& dataFile);
    ~TDataFileLock();
    TDataFileLock(const TDataFileLock&) = delete;
    TDataFileLock& operator=(const TDataFileLock&) = delete;

    // Takes the lock if it is free; creates the lock file's folder when missing.
    TLockResult TryLock();
    bool IsLocked() const { return Fd_ >= 0; }
    void Unlock();
    // The lock file's path.
    const QString& LockPath() const { return LockPath_; }

    static QString LockPathFor(const QString& dataFile);

private:
    TLockResult Refused(int fd);

    QString DataFile_;
    QString LockPath_;
    int Fd_ = -1;
};

}  // namespace xs
