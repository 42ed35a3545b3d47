// The companion's shared file helpers: where a library came from, and writing it back.
#include "cli/library_io.h"

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/faulty_file_ops.h"
#include "support/ordinary_user.h"

namespace xs::cli {
namespace {

TEST(LibraryIo, TheLocationNamesTheFileThatWasRead) {
    QTemporaryDir dir;
    TDataFilePaths paths;
    paths.DataFile = dir.filePath(kDataFileName);
    paths.OldDataFile = dir.filePath(kOldDataFileName);
    const std::string data = paths.DataFile.toStdString();
    const std::string old = paths.OldDataFile.toStdString();
    EXPECT_EQ(LibraryLocation(paths), data);
    QFile(paths.OldDataFile).open(QIODevice::WriteOnly);
    EXPECT_EQ(LibraryLocation(paths), data + " (not written yet; read from " + old + ")");
    QFile(paths.DataFile).open(QIODevice::WriteOnly);
    EXPECT_EQ(LibraryLocation(paths), data);
}

TEST(LibraryIo, SaveKeepsValidAndNamesThePathAndReasonOnFailure) {
    QTemporaryDir dir;
    auto record = std::make_unique<TDataFileRecord>();
    TDataFilePaths paths = CliDataFilePaths(dir.filePath(kDataFileName).toStdString());
    EXPECT_TRUE(paths.OldDataFile.isEmpty()) << "a file named on the command line is not imported";
    // A new or imported library has no preferences yet; the game's first start must still see so.
    for (const int valid : {0, 1}) {
        record->Settings.Valid = static_cast<std::uint8_t>(valid);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(SaveLibrary("generate", *record, paths));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        QFile file(paths.DataFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(bytes.size(), static_cast<qint64>(kDataFileSize));
        EXPECT_EQ(bytes[0], static_cast<char>(valid));
    }

    QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);
    paths.DataFile = dir.filePath("plain/x.dat");
    const std::string plain = dir.filePath("plain").toStdString();
    EXPECT_EQ(WriteProblem(paths.DataFile), plain + ": Not a directory");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveLibrary("generate", *record, paths));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "crosssums-cli generate: cannot write " +
                                                          paths.DataFile.toStdString() +
                                                          ": creating the new copy failed: Not a "
                                                          "directory\n");
}

TEST(LibraryIo, AFailingDiskIsNamedWithThePathAndTheStep) {
    QTemporaryDir dir;
    auto record = std::make_unique<TDataFileRecord>();
    const TDataFilePaths paths = CliDataFilePaths(dir.filePath(kDataFileName).toStdString());
    test::TFaultyFileOps disk(test::TFaultAt::DataSync, 1, EIO);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveLibrary("generate", *record, paths, nullptr, disk));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "crosssums-cli generate: cannot write " + paths.DataFile.toStdString() +
                  ": syncing to disk failed: Input/output error\n");
    EXPECT_FALSE(QFileInfo::exists(paths.DataFile));
}

TEST(LibraryIo, WriteProblemLooksAtTheFileAndTheNearestFolder) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.dat");
    EXPECT_EQ(WriteProblem(file), "");
    EXPECT_EQ(WriteProblem(dir.filePath("new/deeper/a.dat")), "") << "folders are made on write";
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new"))) << "the check makes nothing";
    EXPECT_EQ(WriteProblem(dir.path()), "it is a folder, not a file");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteProblem(file), "");
    EXPECT_EQ(WriteProblem(file + "/below/b.dat"), file.toStdString() + ": Not a directory");
}

TEST(LibraryIo, WriteProblemSaysWhenPermissionIsDenied) {
    QTemporaryDir dir;
    XS_AS_ORDINARY_USER(dir.path());
    const QString file = dir.filePath("a.dat");
    QFile(file).open(QIODevice::WriteOnly);
    QFile::setPermissions(file, QFileDevice::ReadOwner);
    EXPECT_EQ(WriteProblem(file), "Permission denied");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(WriteProblem(dir.filePath("b.dat")),
              dir.path().toStdString() + ": Permission denied");
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace xs::cli
