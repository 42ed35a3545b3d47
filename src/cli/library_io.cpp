// Loading and saving the data file for the command-line companion, with errors on stderr.
#include "cli/library_io.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "cli/args.h"

namespace xs::cli {

namespace {

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Why a file that ReadDataFile refused cannot be used.
std::string ReadProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return "no such file";
    if (info.isDir()) return "it is a folder";
    if (!info.isFile()) return "it is not a regular file";
    if (info.size() < static_cast<qint64>(kDataFileSize))
        return "it is too short for a data file (" + std::to_string(info.size()) + " bytes, " +
               std::to_string(kDataFileSize) + " needed)";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
    return "it cannot be read";
}

std::string SystemReason(int error) {
    return std::strerror(error);
}

// Takes the failure of a write without showing the game's texts, which speak of its help file.
class TQuietMessages : public TMessages {
public:
    int ShowMsg(const std::string&, TButtons) override { return kResultOk; }
    int ShowOptions(const std::string&, int, const TOptionTexts&, bool, bool) override {
        return OptionResult(0);
    }
    bool PrintCurrentState() const override { return false; }
};

}  // namespace

TDataFilePaths CliDataFilePaths(const std::string& dataOption) {
    if (dataOption.empty()) return DefaultDataFilePaths();
    TDataFilePaths paths;
    paths.DataFile = QFile::decodeName(dataOption.c_str());
    return paths;
}

bool LoadLibrary(const std::string& command, const TDataFilePaths& paths, TDataFileRecord& record) {
    if (ReadDataFile(record, paths)) return true;
    const QString source = DataFileToRead(paths);
    if (source.isEmpty()) {
        Failure(command, "no data file at " + Local(paths.DataFile));
    } else {
        Failure(command, "cannot read " + Local(source) + ": " + ReadProblem(source));
    }
    return false;
}

std::string WriteProblem(const QString& dataFile) {
    const QByteArray path = QFile::encodeName(dataFile);
    if (QFileInfo::exists(dataFile)) {
        // O_NONBLOCK: a named pipe must not hold the check up; nothing is truncated or created.
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return SystemReason(errno);
        ::close(fd);
    }
    // The write makes missing folders, so the nearest folder that exists must take new entries.
    QFileInfo folder(QFileInfo(dataFile).absolutePath());
    while (!folder.exists() && !folder.isRoot()) folder.setFile(folder.absolutePath());
    const std::string where = Local(folder.absoluteFilePath());
    if (!folder.isDir()) return where + ": " + SystemReason(ENOTDIR);
    if (::access(where.c_str(), W_OK | X_OK) != 0) return where + ": " + SystemReason(errno);
    return {};
}

bool SaveLibrary(const std::string& command, TDataFileRecord& record, const TDataFilePaths& paths,
                 const TDataFileLock* lock) {
    TQuietMessages messages;
    if (WriteDataFile(record, paths, messages, TValidMark::Keep, lock)) return true;
    // The write does not say why it failed; what can be found out afterwards is said instead.
    std::string reason = WriteProblem(paths.DataFile);
    if (reason.empty()) {
        const QStorageInfo disk(QFileInfo(paths.DataFile).absolutePath());
        reason = disk.isValid() && disk.bytesAvailable() < static_cast<qint64>(kDataFileSize)
                     ? SystemReason(ENOSPC)
                     : "the system refused the write";
    }
    Failure(command, "cannot write " + Local(paths.DataFile) + ": " + reason);
    return false;
}

std::string LibraryLocation(const TDataFilePaths& paths) {
    const QString source = DataFileToRead(paths);
    if (!source.isEmpty() && source != paths.DataFile)
        return Local(paths.DataFile) + " (not written yet; read from " + Local(source) + ")";
    return Local(paths.DataFile);
}

}  // namespace xs::cli
