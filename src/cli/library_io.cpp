// Loading and saving the data file for the command-line companion, with errors on stderr.
#include "cli/library_io.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "cli/args.h"
#include "model/translate.h"
#include "storage/data_path.h"

namespace xs::cli {

namespace {

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Why a file that ReadDataFile refused cannot be used.
std::string ReadProblem(const QString& path) {
    if (const QString problem = DataPathProblem(path); !problem.isEmpty())
        return problem.toStdString();
    const QFileInfo info(path);
    if (!info.exists()) return Tr("Texts", "no such file");
    if (info.size() < static_cast<qint64>(kDataFileSize))
        return Fill(Tr("Texts", "it is too short for a data file (%1 bytes, %2 needed)"),
                    {std::to_string(info.size()), std::to_string(kDataFileSize)});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
    return Tr("Texts", "it cannot be read");
}

std::string SystemReason(int error) {
    return std::strerror(error);
}

}  // namespace

TDataFilePaths CliDataFilePaths(const std::string& dataOption) {
    if (dataOption.empty()) return DefaultDataFilePaths();
    TDataFilePaths paths;
    paths.DataFile = QFile::decodeName(dataOption.c_str());
    return paths;
}

bool LoadLibrary(const std::string& command, const TDataFilePaths& paths, TDataFileRecord& record,
                 TPuzzleCounts* fileCounts) {
    if (ReadDataFile(record, paths)) {
        if (fileCounts != nullptr) *fileCounts = record.Library.Counts;
        record.Library.Counts = CountSlots(record.Library);
        return true;
    }
    const QString source = DataFileToRead(paths);
    if (const QString problem = DataPathProblem(paths.DataFile); !problem.isEmpty()) {
        Failure(command, Fill(Tr("Texts", "cannot read %1: %2"),
                              {Local(paths.DataFile), problem.toStdString()}));
    } else if (source.isEmpty()) {
        Failure(command, Fill(Tr("Texts", "no data file at %1"), {Local(paths.DataFile)}));
    } else {
        Failure(command,
                Fill(Tr("Texts", "cannot read %1: %2"), {Local(source), ReadProblem(source)}));
    }
    return false;
}

std::string WriteProblem(const QString& dataFile) {
    if (const QString problem = DataPathProblem(dataFile); !problem.isEmpty())
        return problem.toStdString();
    // Links are followed: the file they lead to is the one replaced, in its own folder.
    const QString target = InspectDataPath(dataFile).Resolved;
    const QByteArray path = QFile::encodeName(target);
    if (QFileInfo::exists(target)) {
        // O_NONBLOCK: a named pipe must not hold the check up; nothing is truncated or created.
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return SystemReason(errno);
        ::close(fd);
    }
    // The write makes missing folders, so the nearest folder that exists must take new entries.
    QFileInfo folder(QFileInfo(target).absolutePath());
    while (!folder.exists() && !folder.isRoot()) folder.setFile(folder.absolutePath());
    const std::string where = Local(folder.absoluteFilePath());
    if (!folder.isDir()) return where + ": " + SystemReason(ENOTDIR);
    if (::access(where.c_str(), W_OK | X_OK) != 0) return where + ": " + SystemReason(errno);
    return {};
}

bool SaveLibrary(const std::string& command, TDataFileRecord& record, const TDataFilePaths& paths,
                 const TDataFileLock* lock, TFileOps& ops) {
    const TSaveResult saved = SaveDataFile(record, paths, TValidMark::Keep, lock, ops);
    if (saved.Saved) {
        if (!saved.Untidy.isEmpty())
            std::cerr << kProgramName << " " << command << ": "
                      << Fill(Tr("Texts", "saved %1, but %2\n"),
                              {Local(paths.DataFile),
                               Tr("Texts", saved.Untidy.toStdString().c_str())});
        return true;
    }
    Failure(command, Fill(Tr("Texts", "cannot write %1: %2"),
                          {Local(paths.DataFile), saved.Problem.toStdString()}));
    return false;
}

std::string LibraryLocation(const TDataFilePaths& paths) {
    const QString source = DataFileToRead(paths);
    if (!source.isEmpty() && source != paths.DataFile)
        return Fill(Tr("Texts", "%1 (not written yet; read from %2)"),
                    {Local(paths.DataFile), Local(source)});
    return Local(paths.DataFile);
}

}  // namespace xs::cli
