// Loading and saving the data file for the command-line companion, with errors on stderr.
#include "cli/library_io.h"

#include <iostream>

#include <QFile>
#include <QFileInfo>

#include "cli/args.h"

namespace xs::cli {

namespace {

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string WithLineBreaks(std::string text) {
    for (std::size_t at = text.find("\n\r"); at != std::string::npos; at = text.find("\n\r", at))
        text.replace(at, 2, "\n");
    return text;
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

}  // namespace

int TStderrMessages::ShowMsg(const std::string& text, TButtons) {
    std::cerr << kProgramName << ": " << WithLineBreaks(text) << '\n';
    return kResultOk;
}

int TStderrMessages::ShowOptions(const std::string& text, int, const TOptionTexts&, bool, bool) {
    std::cerr << kProgramName << ": " << WithLineBreaks(text) << '\n';
    return OptionResult(0);
}

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

bool SaveLibrary(TDataFileRecord& record, const TDataFilePaths& paths) {
    TStderrMessages messages;
    return WriteDataFile(record, paths, messages);
}

std::string LibraryLocation(const TDataFilePaths& paths) {
    const QString source = DataFileToRead(paths);
    if (!source.isEmpty() && source != paths.DataFile)
        return Local(paths.DataFile) + " (not written yet; read from " + Local(source) + ")";
    return Local(paths.DataFile);
}

}  // namespace xs::cli
