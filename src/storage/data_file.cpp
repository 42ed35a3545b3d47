// Reading and writing the data file: one fixed-size image, replaced only by a complete new one.
#include "storage/data_file.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "storage/data_path.h"

namespace xs {

namespace {

QString InFolder(const QString& folder, const char* name) {
    return folder + QLatin1Char('/') + QLatin1String(name);
}

// Reads the image of one file into the record; a file that cannot be opened or read, or that
// is shorter than the record, leaves the record untouched.
bool ReadImage(const QString& path, TDataFileRecord& record) {
    // Only regular files: a pipe or a device could block the start-up or never end.
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(static_cast<qint64>(kDataFileSize));
    if (file.error() != QFileDevice::NoError) return false;
    return ParseDataFileImage(bytes.constData(), static_cast<std::size_t>(bytes.size()), record);
}

bool Exists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool IsFreeName(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

// Renames without replacing anything that appeared at `to` meanwhile, where the file system
// allows it.
bool RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray f = QFile::encodeName(from);
    const QByteArray t = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    return IsFreeName(to) && std::rename(f.constData(), t.constData()) == 0;
}

}  // namespace

QString ProgramFolder() {
    if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
    // Tools that run without an application object still find their own folder.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return exe.isEmpty() ? QDir::currentPath() : QFileInfo(exe).absolutePath();
}

TDataFilePaths ChooseDataFilePaths(const QString& programFolder, bool programFolderWritable,
                                   const QString& userFolder) {
    TDataFilePaths paths;
    paths.DataFile = InFolder(programFolder, kDataFileName);
    paths.OldDataFile = InFolder(programFolder, kOldDataFileName);
    if (userFolder.isEmpty()) return paths;
    const QString userFile = InFolder(userFolder, kDataFileName);
    // Once the file has moved to the user's folder it stays there, even if the program folder
    // becomes writable again: that copy is the one the last run wrote.
    if (QFileInfo::exists(userFile)) {
        paths.DataFile = userFile;
        return paths;
    }
    if (programFolderWritable) return paths;
    // The program folder's own file may still hold the library; read it until the first write.
    paths.SeedDataFile = paths.DataFile;
    paths.DataFile = userFile;
    return paths;
}

QString InstalledShareFolder(const QString& programFolder) {
    const QString share = QDir::cleanPath(InFolder(programFolder, XS_SHARE_FROM_BIN));
    return QFileInfo(share).isDir() ? share : QString();
}

TDataFilePaths DefaultDataFilePaths() {
    const QString program = ProgramFolder();
    // Named explicitly rather than through the application's name, so that the game and the
    // command-line companion agree on the folder.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString user = base.isEmpty() ? QString() : InFolder(base, kUserDataFolderName);
    // An installed program's folder is shared by every user (and writable for root), so its
    // players keep their files in their own folders.
    const bool keepBeside =
        QFileInfo(program).isWritable() && InstalledShareFolder(program).isEmpty();
    return ChooseDataFilePaths(program, keepBeside, user);
}

bool ParseDataFileImage(const char* data, std::size_t size, TDataFileRecord& record) {
    if (data == nullptr || size < kDataFileSize) return false;
    std::memcpy(&record, data, kDataFileSize);
    return true;
}

void ApplyImportResets(TSettings& s) {
    s.LastPuzzleId = 15;
    s.Valid = 0;
    s.Reserved8 = 0;
    s.Reserved12 = 0;
    s.Reserved16 = 0;
    s.Reserved67 = 0;
    s.WindowHeight = 0;
    s.WindowWidth = 0;
    s.WindowTop = 0;
    s.WindowLeft = 0;
    s.FontSize = 0;
    s.CurrentPuzzleId = 0;
    s.CreateSize = static_cast<std::int32_t>(TPuzzleSize::Mini);
    s.PrintPuzzles = 0;
    s.PrintAnswers = 0;
}

QString DataFileToRead(const TDataFilePaths& paths) {
    for (const QString* path : {&paths.DataFile, &paths.SeedDataFile, &paths.OldDataFile})
        if (Exists(*path)) return *path;
    return {};
}

bool ReadDataFile(TDataFileRecord& record, const TDataFilePaths& paths) {
    const QString source = DataFileToRead(paths);
    const bool read = !source.isEmpty() && ReadImage(source, record);
    if (read && source == paths.OldDataFile) ApplyImportResets(record.Settings);
    if (!read) record.Settings.Valid = 0;
    return read;
}

bool IsUnreadableDataFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    auto probe = std::make_unique<TDataFileRecord>();
    return !ReadImage(path, *probe);
}

QString SetAsideUnreadable(const QString& path) {
    // Through a link, the file it leads to is moved, in its own folder; the link stays.
    const QString file = InspectDataPath(path).Resolved;
    if (!IsUnreadableDataFile(file)) return {};
    const QString first = file + QLatin1String(kUnreadableSuffix);
    for (int n = 0; n < 1000; ++n) {
        const QString aside = n == 0 ? first : first + QLatin1Char('.') + QString::number(n);
        if (!IsFreeName(aside)) continue;
        if (RenameNoReplace(file, aside)) return aside;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace xs
