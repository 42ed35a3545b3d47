// Following the data file's links and naming what is at the end of them.
#include "storage/data_path.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace xs {

namespace {

// The system's own limit on links followed in one path.
constexpr int kMaxLinks = 40;

QString ReadLink(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    QByteArray target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(name.constData(), target.data(), target.size());
    if (n < 0) return {};
    target.truncate(n);
    return QFile::decodeName(target);
}

// The folder written without links, so that every path to one file names the same lock.
QString WithRealFolder(const QString& path) {
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.path());
    char real[PATH_MAX];
    if (::realpath(folder.constData(), real) == nullptr) return QDir::cleanPath(path);
    QString resolved = QFile::decodeName(real);
    if (!resolved.endsWith(QLatin1Char('/'))) resolved += QLatin1Char('/');
    return resolved + info.fileName();
}

TPathKind KindOf(mode_t mode) {
    if (S_ISREG(mode)) return TPathKind::RegularFile;
    if (S_ISDIR(mode)) return TPathKind::Folder;
    if (S_ISFIFO(mode)) return TPathKind::Fifo;
    if (S_ISSOCK(mode)) return TPathKind::Socket;
    return TPathKind::Device;
}

}  // namespace

TDataPath InspectDataPath(const QString& path) {
    TDataPath result;
    QString at = QFileInfo(path).absoluteFilePath();
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(QFile::encodeName(at).constData(), &st) != 0) {
            result.Kind = hops == 0 ? TPathKind::Missing : TPathKind::DanglingLink;
            break;
        }
        if (!S_ISLNK(st.st_mode)) {
            result.Kind = KindOf(st.st_mode);
            break;
        }
        if (hops == kMaxLinks) {
            result.Kind = TPathKind::LinkLoop;
            break;
        }
        result.ThroughLink = true;
        const QString target = ReadLink(at);
        at = QDir::isAbsolutePath(target) ? target
                                          : QFileInfo(at).path() + QLatin1Char('/') + target;
    }
    result.Resolved = WithRealFolder(at);
    return result;
}

namespace {
// A reason in the player's language (the program's one translation context).
QString Said(const char* text) {
    return QCoreApplication::translate("Texts", text);
}
}  // namespace

QString DataPathProblem(const QString& path) {
    const TDataPath found = InspectDataPath(path);
    const char* what = nullptr;
    switch (found.Kind) {
        case TPathKind::Missing:
        case TPathKind::RegularFile:
            return {};
        case TPathKind::DanglingLink:
            if (QFileInfo(QFileInfo(found.Resolved).path()).isDir()) return {};
            return Said("it is a link to %1, whose folder does not exist").arg(found.Resolved);
        case TPathKind::LinkLoop:
            return Said("it is a link that leads round in a circle");
        case TPathKind::Folder:
            what = QT_TRANSLATE_NOOP("Texts", "a folder");
            break;
        case TPathKind::Fifo:
            what = QT_TRANSLATE_NOOP("Texts", "a named pipe");
            break;
        case TPathKind::Socket:
            what = QT_TRANSLATE_NOOP("Texts", "a socket");
            break;
        case TPathKind::Device:
            what = QT_TRANSLATE_NOOP("Texts", "a device");
            break;
    }
    if (found.ThroughLink)
        return Said("it is a link to %1, which is %2, not a file").arg(found.Resolved, Said(what));
    return Said("it is %1, not a file").arg(Said(what));
}

}  // namespace xs
