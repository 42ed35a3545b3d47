// Things that are not a file, put at a data file's path, with what a program should call them.
#pragma once

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include <QFile>
#include <QFileInfo>

namespace xs::test {

enum class TNonFile { Folder, Fifo, Socket, Device, LinkToNoFolder, LinkToFifo, LinkLoop };

struct TNonFileCase {
    TNonFile Kind;
    const char* Name;
};

constexpr TNonFileCase kNonFiles[] = {
    {TNonFile::Folder, "folder"},
    {TNonFile::Fifo, "named pipe"},
    {TNonFile::Socket, "socket"},
    {TNonFile::Device, "device"},
    {TNonFile::LinkToNoFolder, "link into a missing folder"},
    {TNonFile::LinkToFifo, "link to a named pipe"},
    {TNonFile::LinkLoop, "link loop"},
};

// Makes the thing at `path` (beside it, "elsewhere" for what a link leads to) and returns the
// cause a program gives for it; empty when it cannot be made here (a device needs root).
inline std::string PutNonFile(TNonFile kind, const QString& path) {
    const QByteArray at = QFile::encodeName(path);
    const QString elsewhere = QFileInfo(path).path() + QStringLiteral("/elsewhere");
    const QByteArray other = QFile::encodeName(elsewhere);
    switch (kind) {
        case TNonFile::Folder:
            return ::mkdir(at.constData(), 0700) == 0 ? "it is a folder, not a file" : "";
        case TNonFile::Fifo:
            return ::mkfifo(at.constData(), 0600) == 0 ? "it is a named pipe, not a file" : "";
        case TNonFile::Socket: {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, at.constData(), sizeof address.sun_path - 1);
            const bool bound =
                ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            ::close(fd);
            return bound ? "it is a socket, not a file" : "";
        }
        case TNonFile::Device:
            return ::mknod(at.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0
                       ? "it is a device, not a file"
                       : "";
        case TNonFile::LinkToNoFolder:
            return ::symlink((other + "/x.dat").constData(), at.constData()) == 0
                       ? "it is a link to " + elsewhere.toStdString() +
                             "/x.dat, whose folder does not exist"
                       : "";
        case TNonFile::LinkToFifo:
            return ::mkfifo(other.constData(), 0600) == 0 &&
                           ::symlink(other.constData(), at.constData()) == 0
                       ? "it is a link to " + elsewhere.toStdString() +
                             ", which is a named pipe, not a file"
                       : "";
        case TNonFile::LinkLoop:
            return ::symlink(at.constData(), at.constData()) == 0
                       ? "it is a link that leads round in a circle"
                       : "";
    }
    return "";
}

// Puts a file holding `bytes` where PutNonFile's thing stood, at the end of its links (a link into
// a missing folder gets its folder), as a drive mounted later or another program would; returns
// the file's path.
inline QString PutFileInItsPlace(TNonFile kind, const QString& path, const QByteArray& bytes) {
    const QString elsewhere = QFileInfo(path).path() + QStringLiteral("/elsewhere");
    QString end = path;
    if (kind == TNonFile::LinkToNoFolder) {
        ::mkdir(QFile::encodeName(elsewhere).constData(), 0700);
        end = elsewhere + QStringLiteral("/x.dat");
    } else if (kind == TNonFile::LinkToFifo) {
        end = elsewhere;
    }
    const QByteArray at = QFile::encodeName(end);
    if (::rmdir(at.constData()) != 0) ::unlink(at.constData());
    QFile file(end);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return end;
}

// What is at a path, to see that nothing there was replaced: the node and its kind, and for a
// link what it holds and what it leads to.
inline std::string NodeAt(const QString& path, int depth = 0) {
    const QByteArray at = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(at.constData(), &st) != 0) return "nothing";
    std::string node = std::to_string(st.st_ino) + "/" + std::to_string(st.st_mode);
    char target[4096] = {};
    if (S_ISLNK(st.st_mode) && depth < 3 &&
        ::readlink(at.constData(), target, sizeof target - 1) > 0)
        node += std::string(" -> ") + target + " " + NodeAt(QFile::decodeName(target), depth + 1);
    return node;
}

}  // namespace xs::test
