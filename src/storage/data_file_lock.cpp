// One writer at a time: the system's lock on a lock file beside the data file.
#include "storage/data_file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include "storage/data_path.h"

namespace xs {

namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray HolderLines() {
    const QString app = QCoreApplication::instance() != nullptr
                            ? QCoreApplication::applicationName()
                            : QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QByteArray::number(static_cast<qint64>(::getpid())) + '\n' + app.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

// What a lock file says of its holder; a file being written just now may say nothing yet.
void ReadHolder(int fd, TLockResult& result) {
    char text[512] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0) return;
    const QList<QByteArray> lines = QByteArray(text, n).split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (ok && pid > 0) result.Pid = pid;
    const QByteArray app = lines.value(1);
    if (app == kGameLockName) result.Holder = TLockHolder::Game;
    if (app == kCompanionLockName) result.Holder = TLockHolder::Companion;
    const QString host = QString::fromUtf8(lines.value(2));
    if (host != QSysInfo::machineHostName()) result.Host = host;
}

// Whether process `pid` holds the system's lock on the open file, as the system's list of locks
// says. Where that list cannot be read, whether the process is alive at all.
bool HoldsLock(qint64 pid, int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return false;
    // Read with the C library: the system reports the list's size as 0.
    std::FILE* locks = std::fopen("/proc/locks", "re");
    if (locks == nullptr) return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    bool held = false;
    char line[256];
    // "1: FLOCK  ADVISORY  WRITE 4242 08:01:131090 0 EOF"; waiters' lines carry "->".
    while (!held && std::fgets(line, sizeof line, locks) != nullptr) {
        char kind[16] = {};
        long long holder = 0;
        unsigned devMajor = 0;
        unsigned devMinor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(line, "%*s %15s %*s %*s %lld %x:%x:%llu", kind, &holder, &devMajor,
                        &devMinor, &inode) != 5)
            continue;
        held = std::strcmp(kind, "FLOCK") == 0 && holder == pid && devMajor == major(st.st_dev) &&
               devMinor == minor(st.st_dev) && inode == st.st_ino;
    }
    std::fclose(locks);
    return held;
}

// Whether the open lock file is still the one at the path: its last holder removes it on the
// way out, possibly between our open and our lock.
bool StillAtPath(int fd, const QByteArray& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

TDataFileLock::TDataFileLock(const QString& dataFile)
    : DataFile_(dataFile), LockPath_(LockPathFor(dataFile)) {}

TDataFileLock::~TDataFileLock() {
    Unlock();
}

QString TDataFileLock::LockPathFor(const QString& dataFile) {
    return InspectDataPath(dataFile).Resolved + QLatin1String(".lock");
}

TLockResult TDataFileLock::Refused(int fd) {
    TLockResult result;
    result.Status = TLockStatus::HeldByOther;
    ReadHolder(fd, result);
    // A holder that could not write its name (another user's lock file, open for reading only)
    // leaves the last one's: the file is believed only when the process it names holds the lock.
    // Another host's process cannot be looked at here.
    if (result.Host.isEmpty() && (result.Pid == 0 || !HoldsLock(result.Pid, fd))) {
        result.Holder = TLockHolder::Unknown;
        result.Pid = 0;
    }
    ::close(fd);
    QString who;
    switch (result.Holder) {
        case TLockHolder::Game:
            who = QStringLiteral("is open in the game");
            break;
        case TLockHolder::Companion:
            who = QStringLiteral("is in use by %1").arg(QLatin1String(kCompanionLockName));
            break;
        case TLockHolder::Unknown:
            who = QStringLiteral("is in use by another program");
            break;
    }
    if (result.Pid > 0) who += QStringLiteral(" (process %1)").arg(result.Pid);
    if (!result.Host.isEmpty()) who += QStringLiteral(" on ") + result.Host;
    result.Reason = DataFile_ + QLatin1Char(' ') + who;
    return result;
}

TLockResult TDataFileLock::TryLock() {
    TLockResult result;
    if (IsLocked()) {
        result.Status = TLockStatus::Locked;
        return result;
    }
    const QString folder = QFileInfo(LockPath_).absolutePath();
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(LockPath_);
    // A holder that is just leaving removes the file under us; the next round finds the new one.
    for (int round = 0; round < 100; ++round) {
        constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | kFlags, 0644);
        // Another user's lock file may not be writable for us; the system's lock works on a file
        // open for reading too.
        if (fd < 0 && errno == EACCES) {
            fd = ::open(path.constData(), O_RDONLY | kFlags);
            if (fd < 0) errno = EACCES;
        }
        if (fd < 0) {
            const int error = errno;
            if (error == ELOOP)
                result.Reason = QStringLiteral("%1 is a link, not a lock file").arg(LockPath_);
            else if (error == EISDIR)
                result.Reason = QStringLiteral("%1 is a folder, not a lock file").arg(LockPath_);
            else if (!QFileInfo(folder).isDir())
                result.Reason =
                    QStringLiteral("cannot create %1: no folder %2").arg(LockPath_, folder);
            else
                result.Reason =
                    QStringLiteral("cannot open %1: %2").arg(LockPath_, SystemReason(error));
            return result;
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            result.Reason = QStringLiteral("%1 is not a lock file").arg(LockPath_);
            return result;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) return Refused(fd);
            ::close(fd);
            result.Reason =
                QStringLiteral("cannot lock %1: %2").arg(LockPath_, SystemReason(error));
            return result;
        }
        if (!StillAtPath(fd, path)) {
            ::close(fd);
            continue;
        }
        // Whatever an earlier holder left in it is replaced by who holds it now. The lock holds
        // even if this fails (a full disk); the holder is then unknown to others.
        const QByteArray lines = HolderLines();
        if (::ftruncate(fd, 0) == 0)
            (void)!::pwrite(fd, lines.constData(), static_cast<std::size_t>(lines.size()), 0);
        Fd_ = fd;
        result.Status = TLockStatus::Locked;
        return result;
    }
    result.Reason = QStringLiteral("cannot lock %1: it keeps changing").arg(LockPath_);
    return result;
}

void TDataFileLock::Unlock() {
    if (Fd_ < 0) return;
    // Removed while still held, so that nobody locks a file that is on its way out (StillAtPath);
    // a file put there by someone else since is theirs.
    const QByteArray path = QFile::encodeName(LockPath_);
    if (StillAtPath(Fd_, path)) ::unlink(path.constData());
    ::close(Fd_);
    Fd_ = -1;
}

}  // namespace xs
