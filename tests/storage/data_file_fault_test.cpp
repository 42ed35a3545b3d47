// A save on a disk that fails at each of its steps: the previous file stays byte for byte, no
// temporary file is left, and the failure names the file and the step; where a second fault
// keeps the new file in place, or leaves the old copy behind, that is said.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/data_file.h"
#include "support/faulty_file_ops.h"

namespace xs {
namespace {

using test::TFaultAt;
using test::TFaultyFileOps;

struct TFault {
    const char* what;
    TFaultAt at;
    int nth;
    int error;
    const char* problem;  // after the path; %F stands for the folder
    bool openFailed;
    TFaultAt alsoAt = TFaultAt::None;  // a second call that fails
    int alsoNth = 0;
    const char* firstProblem = nullptr;  // for a first save, when it differs
};

// A double fault can leave the new library in place; the problem then says so.
constexpr const char* kNewStays = "the file holds the new library all the same";

// The image goes out in 16 writes of at most 64 KiB.
constexpr TFault kFaults[] = {
    {"creating", TFaultAt::Open, 1, EACCES, "creating the new copy failed: Permission denied",
     true},
    {"first write", TFaultAt::Write, 1, EIO, "writing failed: Input/output error", false},
    {"a middle write", TFaultAt::Write, 8, EIO, "writing failed: Input/output error", false},
    {"the last write", TFaultAt::Write, 16, EIO, "writing failed: Input/output error", false},
    {"a full disk", TFaultAt::Write, 5, ENOSPC, "writing failed: No space left on device", false},
    {"a short write, then a full disk", TFaultAt::ShortWrite, 3, ENOSPC,
     "writing failed: No space left on device", false},
    {"fdatasync", TFaultAt::DataSync, 1, EIO, "syncing to disk failed: Input/output error", false},
    {"close", TFaultAt::Close, 1, EIO, "closing the new copy failed: Input/output error", false},
    {"rename", TFaultAt::Rename, 1, EIO, "replacing the old file failed: Input/output error",
     false},
    {"folder sync", TFaultAt::SyncFolder, 1, EIO,
     "syncing the folder %F failed: Input/output error", false},
    {"folder sync, then putting the old file back", TFaultAt::SyncFolder, 1, EIO,
     "syncing the folder %F failed: Input/output error; the file holds the new library all the "
     "same (putting the old one back failed: Input/output error), but a power cut may still "
     "lose it",
     false, TFaultAt::Rename, 2, "syncing the folder %F failed: Input/output error"},
    {"folder sync, then taking the new file away", TFaultAt::SyncFolder, 1, EIO,
     "syncing the folder %F failed: Input/output error", false, TFaultAt::Unlink, 1,
     "syncing the folder %F failed: Input/output error; the file holds the new library all the "
     "same (removing it failed: Input/output error), but a power cut may still lose it"},
    // Not a failure: the save is done, and what it left behind is named.
    {"removing the old copy, twice", TFaultAt::Unlink, 1, EIO,
     "the old copy %F/VelmorDuvidOzad.dat.~saving~ could not be removed: Input/output error", false,
     TFaultAt::Unlink, 2, ""},
};

// The leftover's random letters, taken out so that a text can be compared.
QString WithoutLetters(QString text) {
    const qsizetype at = text.indexOf(QStringLiteral("~saving~"));
    return at < 0 ? text : text.remove(at + 8, 8);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

TEST(DataFileFault, AFailureAtAnyStepLeavesThePreviousFileAndSaysWhatFailed) {
    auto record = std::make_unique<TDataFileRecord>();
    for (const TFault& f : kFaults) {
        // With a previous file, and with none (the first save).
        for (const bool previous : {true, false}) {
            SCOPED_TRACE(std::string(f.what) + (previous ? ", over a file" : ", first save"));
            QTemporaryDir dir;
            TDataFilePaths paths;
            paths.DataFile = dir.filePath(kDataFileName);
            const QByteArray before(static_cast<qsizetype>(kDataFileSize) + 3, 'p');
            if (previous) {
                QFile file(paths.DataFile);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(before);
            }
            TFaultyFileOps ops(f.at, f.nth, f.error);
            ops.Also(f.alsoAt, f.alsoNth);
            const TSaveResult result = SaveDataFile(*record, paths, TValidMark::Set, nullptr, ops);

            const QString problem =
                QString::fromLatin1(!previous && f.firstProblem ? f.firstProblem : f.problem)
                    .replace("%F", dir.path());
            const bool saved = f.firstProblem != nullptr && *f.firstProblem == '\0';
            const bool newStays = problem.contains(QLatin1String(kNewStays));
            const QStringList names =
                QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
            EXPECT_EQ(result.Saved, saved);
            EXPECT_EQ(result.NewInPlace, newStays);
            EXPECT_EQ(result.OpenFailed, f.openFailed);
            EXPECT_EQ(result.Path, paths.DataFile);
            EXPECT_EQ(WithoutLetters(saved ? result.Untidy : result.Problem), problem);
            if (saved || newStays) {
                EXPECT_EQ(Contents(paths.DataFile).size(), 999496);
                EXPECT_EQ(names.size(), 1 + (saved && previous ? 1 : 0))
                    << names.join(' ').toStdString();
                continue;
            }
            EXPECT_EQ(Contents(paths.DataFile), previous ? before : QByteArray("(none)"));
            EXPECT_EQ(names, previous ? QStringList{kDataFileName} : QStringList{});
        }
    }
}

// Short writes are not failures: the rest follows, and the folder the file is in is synced.
TEST(DataFileFault, ShortWritesStillGiveTheWholeImage) {
    QTemporaryDir dir;
    TDataFilePaths paths;
    paths.DataFile = dir.filePath(kDataFileName);
    auto record = std::make_unique<TDataFileRecord>();
    record->Library.Counts.Total = 7;
    TFaultyFileOps ops;
    ops.MaxWrite = 999;
    ASSERT_TRUE(SaveDataFile(*record, paths, TValidMark::Set, nullptr, ops).Saved);
    const QByteArray stored = Contents(paths.DataFile);
    ASSERT_EQ(stored.size(), 999496);
    EXPECT_EQ(stored.at(0), 1);
    EXPECT_EQ(stored.at(272), 7);
    EXPECT_EQ(ops.SyncedFolders, std::vector<std::string>{dir.path().toStdString()});
}

}  // namespace
}  // namespace xs
