// The companion's shared file helpers: where a library came from, and writing it back.
#include "cli/library_io.h"

#include <gtest/gtest.h>

#include <memory>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

TEST(LibraryIo, SaveWritesTheLibraryOrSaysWhyNotOnStderr) {
    QTemporaryDir dir;
    auto record = std::make_unique<TDataFileRecord>();
    TDataFilePaths paths = CliDataFilePaths(dir.filePath(kDataFileName).toStdString());
    EXPECT_TRUE(paths.OldDataFile.isEmpty()) << "a file named on the command line is not imported";
    testing::internal::CaptureStderr();
    EXPECT_TRUE(SaveLibrary(*record, paths));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(QFileInfo(paths.DataFile).size(), static_cast<qint64>(kDataFileSize));

    QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);
    paths.DataFile = dir.filePath("plain/x.dat");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveLibrary(*record, paths));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "crosssums-cli: Error occurred while writing the preferences file.\n\nPlease read "
              "the Frequently Asked Questions (FAQ) in the help file for more information.\n");
}

}  // namespace
}  // namespace xs::cli
