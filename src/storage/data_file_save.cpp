// Saving the data file: a complete new copy beside the old one takes its place, or nothing changes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "storage/data_file.h"
#include "storage/data_file_lock.h"
#include "storage/data_path.h"

namespace xs {

namespace {

constexpr int kRandomLetters = 8;
// Written in pieces, so that a fault part-way is possible and is tested.
constexpr std::size_t kChunk = 64 * 1024;

QByteArray Local(const QString& path) {
    return QFile::encodeName(path);
}

QString TempNameFor(const QString& dataFileName) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = dataFileName + QLatin1String(kSaveTempMarker);
    for (int k = 0; k < kRandomLetters; ++k)
        name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

// Removes what a save killed before its rename left behind: only our own names, only regular
// files, never through a link.
void RemoveSaveLeftovers(const QString& target) {
    const QFileInfo data(target);
    const QDir folder = data.absoluteDir();
    // No wildcard filter: the data file's own name may hold characters that wildcards give
    // a meaning to.
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!IsSaveLeftoverName(data.fileName(), name)) continue;
        const QByteArray path = Local(folder.filePath(name));
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.constData());
    }
}

// The mode and owner that the replacement takes over from the file it replaces.
struct TKeptAttributes {
    bool Known = false;
    mode_t Mode = 0;
    uid_t Owner = 0;
    gid_t Group = 0;
};

TKeptAttributes AttributesOf(const QString& path) {
    TKeptAttributes kept;
    struct stat st {};
    if (::stat(Local(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return kept;
    kept = {true, static_cast<mode_t>(st.st_mode & 07777), st.st_uid, st.st_gid};
    return kept;
}

void ApplyAttributes(int fd, const TKeptAttributes& kept) {
    if (!kept.Known) return;
    // Only root can give a file away; for anyone else the file is theirs already. Owner first:
    // changing it clears set-id bits that the mode then puts back. A failure here costs the
    // old mode, not data, so the save goes on.
    if (geteuid() == 0) (void)!fchown(fd, kept.Owner, kept.Group);
    (void)!fchmod(fd, kept.Mode);
}

// One save's steps on disk. Every failure undoes what the steps before it did.
class TSave {
public:
    TSave(const QString& target, TFileOps& ops)
        : Target_(target), Folder_(QFileInfo(target).absolutePath()), Ops_(ops) {}
    ~TSave() {
        if (Fd_ >= 0) Ops_.Close(Fd_);
        if (!Temp_.isEmpty()) Ops_.Unlink(Local(Temp_).constData());
        if (!Kept_.isEmpty()) Ops_.Unlink(Local(Kept_).constData());
    }
    TSave(const TSave&) = delete;
    TSave& operator=(const TSave&) = delete;

    QString Problem;  // set by the step that failed

    bool Create(const TKeptAttributes& kept) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString temp =
                Folder_ + QLatin1Char('/') + TempNameFor(QFileInfo(Target_).fileName());
            Fd_ = Ops_.Open(Local(temp).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (Fd_ >= 0) {
                Temp_ = temp;
                ApplyAttributes(Fd_, kept);
                return true;
            }
            if (errno != EEXIST) break;
        }
        return Fail(QStringLiteral("creating the new copy failed"));
    }

    bool Write(const char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t n = Ops_.Write(Fd_, data, std::min(size, kChunk));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n == 0) errno = ENOSPC;
                return Fail(QStringLiteral("writing failed"));
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        if (Ops_.DataSync(Fd_) != 0) return Fail(QStringLiteral("syncing to disk failed"));
        const int fd = std::exchange(Fd_, -1);
        if (Ops_.Close(fd) != 0) return Fail(QStringLiteral("closing the new copy failed"));
        return true;
    }

    // Puts the new copy in the target's place. The old file stays reachable under a second name
    // until the folder is synced, so that a failed sync can bring it back.
    bool Replace(bool hadFile) {
        if (hadFile) {
            const QString kept =
                Folder_ + QLatin1Char('/') + TempNameFor(QFileInfo(Target_).fileName());
            // Where the file system has no hard links, a failed folder sync cannot be undone.
            if (Ops_.Link(Local(Target_).constData(), Local(kept).constData()) == 0) Kept_ = kept;
        }
        if (Ops_.Rename(Local(Temp_).constData(), Local(Target_).constData()) != 0)
            return Fail(QStringLiteral("replacing the old file failed"));
        Temp_.clear();
        if (Ops_.SyncFolder(Local(Folder_).constData()) != 0) {
            const int error = errno;
            // Without a second name there is nothing to put back.
            int undone = Kept_.isEmpty() && hadFile ? -1 : 0;
            if (!Kept_.isEmpty()) {
                undone = Ops_.Rename(Local(Kept_).constData(), Local(Target_).constData());
                if (undone == 0) Kept_.clear();
            } else if (!hadFile) {
                undone = Ops_.Unlink(Local(Target_).constData());
            }
            const int undoError = errno;
            Ops_.SyncFolder(Local(Folder_).constData());
            errno = error;
            Fail(QStringLiteral("syncing the folder %1 failed").arg(Folder_));
            if (undone != 0) {
                // The new copy stayed in place: the player is told what the file holds.
                NewInPlace = true;
                const QString why = QString::fromLocal8Bit(std::strerror(undoError));
                QString undo =
                    QStringLiteral(" (there was no second name to put the old one back)");
                if (!Kept_.isEmpty())
                    undo = QStringLiteral(" (putting the old one back failed: ") + why + ')';
                if (!hadFile) undo = QStringLiteral(" (removing it failed: ") + why + ')';
                Problem += QStringLiteral("; the file holds the new library all the same") + undo +
                           QStringLiteral(", but a power cut may still lose it");
            }
            return false;
        }
        return true;
    }

    // Removes the old file's second name once the new copy is in place for good, trying twice;
    // returns what stayed, or an empty text.
    QString DropKept() {
        if (Kept_.isEmpty()) return {};
        const QByteArray kept = Local(std::exchange(Kept_, QString()));
        if (Ops_.Unlink(kept.constData()) == 0 || Ops_.Unlink(kept.constData()) == 0) return {};
        return QStringLiteral("the old copy %1 could not be removed: %2")
            .arg(QFile::decodeName(kept), QString::fromLocal8Bit(std::strerror(errno)));
    }

    bool NewInPlace = false;  // a failed save left the new copy in the file's place

private:
    bool Fail(const QString& step) {
        Problem = step + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }

    QString Target_;
    QString Folder_;
    TFileOps& Ops_;
    int Fd_ = -1;
    QString Temp_;  // the new copy while it is not in place
    QString Kept_;  // a second name of the old file while the replacement is not durable
};

}  // namespace

bool IsSaveLeftoverName(const QString& dataFileName, const QString& candidate) {
    const QString prefix = dataFileName + QLatin1String(kSaveTempMarker);
    if (candidate.size() != prefix.size() + kRandomLetters || !candidate.startsWith(prefix))
        return false;
    return std::all_of(candidate.begin() + prefix.size(), candidate.end(), [](QChar c) {
        const char16_t ch = c.unicode();
        return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
               (ch >= u'0' && ch <= u'9');
    });
}

TSaveResult SaveDataFile(TDataFileRecord& record, const TDataFilePaths& paths, TValidMark valid,
                         const TDataFileLock* lock, TFileOps& ops) {
    TSaveResult result;
    result.Path = paths.DataFile;
    result.OpenFailed = true;
    if (paths.DataFile.isEmpty()) {
        result.Problem = QStringLiteral("no data file is named");
        return result;
    }
    if (const QString problem = DataPathProblem(paths.DataFile); !problem.isEmpty()) {
        result.Problem = problem;
        return result;
    }
    const TDataPath found = InspectDataPath(paths.DataFile);
    const QString target = found.Resolved;
    if (found.ThroughLink) result.Target = target;
    // The user's data folder may not exist yet; if it cannot be made, creating fails below.
    QDir().mkpath(QFileInfo(target).absolutePath());
    // Another program may be in the middle of its own save: only the lock's holder tidies.
    if (lock != nullptr && lock->IsLocked() &&
        lock->LockPath() == TDataFileLock::LockPathFor(paths.DataFile))
        RemoveSaveLeftovers(target);
    // A file that could not be read may still be worth something to its owner; it is never
    // replaced without being kept.
    if (IsUnreadableDataFile(target) && SetAsideUnreadable(target).isEmpty()) {
        result.Problem = QStringLiteral("the unreadable file there could not be set aside: ") +
                         QString::fromLocal8Bit(std::strerror(errno));
        return result;
    }
    const TKeptAttributes kept = AttributesOf(target);

    TSave save(target, ops);
    if (!save.Create(kept)) {
        result.Problem = save.Problem;
        return result;
    }
    result.OpenFailed = false;
    if (valid == TValidMark::Set) record.Settings.Valid = 1;
    if (!save.Write(reinterpret_cast<const char*>(&record), kDataFileSize) ||
        !save.Replace(kept.Known)) {
        result.Problem = save.Problem;
        result.NewInPlace = save.NewInPlace;
        return result;
    }
    result.Saved = true;
    result.Untidy = save.DropKept();
    return result;
}

std::string SaveFailureText(const TSaveResult& result) {
    std::string where = result.Path.toStdString();
    if (!result.Target.isEmpty()) where += ", a link to " + result.Target.toStdString();
    return std::string(result.OpenFailed ? kDataFileOpenError : kDataFileWriteError) + "\n\r\n\r" +
           where + "\n\r" + result.Problem.toStdString();
}

bool WriteDataFile(TDataFileRecord& record, const TDataFilePaths& paths, TMessages& messages,
                   TValidMark valid, const TDataFileLock* lock, TFileOps& ops) {
    const TSaveResult result = SaveDataFile(record, paths, valid, lock, ops);
    if (!result.Saved) messages.ShowMsg(SaveFailureText(result), TButtons::OkOnly);
    return result.Saved;
}

}  // namespace xs
