// Where the data file is kept when the program folder can or cannot be written.
#include <gtest/gtest.h>

#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "storage/data_file.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

void Touch(const QString& path, qint64 size = static_cast<qint64>(kDataFileSize)) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
}

TEST(DataFilePaths, TheRuleForTheProgramAndTheUserFolder) {
    struct Case {
        const char* what;
        bool programWritable;
        bool programFile;
        bool userFile;
        bool expectUser;
        bool expectSeed;
    };
    const Case cases[] = {
        {"writable program folder", true, false, false, false, false},
        {"writable, with its file", true, true, false, false, false},
        {"read-only program folder", false, false, false, true, true},
        {"read-only, program file not yet copied", false, true, false, true, true},
        {"the user's file stays in use", false, true, true, true, false},
        {"...even once the program folder is writable", true, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir program;
        QTemporaryDir user;
        if (c.programFile) Touch(program.filePath(kDataFileName));
        if (c.userFile) Touch(user.filePath(kDataFileName));
        const TDataFilePaths p =
            ChooseDataFilePaths(program.path(), c.programWritable, user.path());
        EXPECT_EQ(p.DataFile, (c.expectUser ? user : program).filePath(kDataFileName));
        EXPECT_EQ(p.OldDataFile, program.filePath(kOldDataFileName));
        EXPECT_EQ(p.SeedDataFile, c.expectSeed ? program.filePath(kDataFileName) : QString());
    }
}

TEST(DataFilePaths, WithoutAUserFolderTheProgramFolderIsUsed) {
    const TDataFilePaths p = ChooseDataFilePaths("/opt/xs", false, QString());
    EXPECT_EQ(p.DataFile, "/opt/xs/VelmorDuvidOzad.dat");
    EXPECT_TRUE(p.SeedDataFile.isEmpty());
}

// The program folder's library is read until the first write puts it in the user's folder;
// from then on the user's copy is read and the program folder's file is never touched.
TEST(DataFilePaths, AReadOnlyProgramFolderHandsItsLibraryToTheUserFolder) {
    QTemporaryDir program;
    QTemporaryDir userBase;
    const QString user = userBase.filePath("VelmorDuvidOzad");
    auto record = std::make_unique<TDataFileRecord>();
    record->Settings.LastPuzzleId = 33;
    record->Library.Counts.Total = 0;
    {
        QFile file(program.filePath(kDataFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(record.get()), static_cast<qint64>(kDataFileSize));
    }
    TDataFilePaths p = ChooseDataFilePaths(program.path(), false, user);
    auto read = std::make_unique<TDataFileRecord>();
    ASSERT_TRUE(ReadDataFile(*read, p));
    EXPECT_EQ(read->Settings.LastPuzzleId, 33);
    EXPECT_EQ(DataFileToRead(p), program.filePath(kDataFileName));

    read->Settings.LastPuzzleId = 34;
    test::TScriptedMessages messages;
    ASSERT_TRUE(WriteDataFile(*read, p, messages));
    p = ChooseDataFilePaths(program.path(), false, user);
    EXPECT_EQ(p.DataFile, QDir(user).filePath(kDataFileName));
    EXPECT_EQ(DataFileToRead(p), p.DataFile);
    ASSERT_TRUE(ReadDataFile(*read, p));
    EXPECT_EQ(read->Settings.LastPuzzleId, 34);

    auto programCopy = std::make_unique<TDataFileRecord>();
    TDataFilePaths programOnly;
    programOnly.DataFile = program.filePath(kDataFileName);
    ASSERT_TRUE(ReadDataFile(*programCopy, programOnly));
    EXPECT_EQ(programCopy->Settings.LastPuzzleId, 33);
}

TEST(DataFilePaths, AnInstalledProgramFindsItsSharedFolderBesideItsOwn) {
    struct Case {
        const char* what;
        const char* made;  // below the prefix; a name ending in '/' is a folder
        bool installed;
    };
    const Case cases[] = {
        {"built, nothing beside", "bin/", false},
        {"installed", "share/crosssums/", true},
        {"another program's share", "share/other/", false},
        {"a file of that name", "share/crosssums", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir prefix;
        ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
        const QString made = QString::fromLatin1(c.made);
        if (made.endsWith('/')) {
            ASSERT_TRUE(QDir(prefix.path()).mkpath(made));
        } else {
            ASSERT_TRUE(QDir(prefix.path()).mkpath("share"));
            Touch(prefix.filePath(made), 0);
        }
        const QString found = InstalledShareFolder(prefix.filePath("bin"));
        EXPECT_EQ(found, c.installed ? prefix.path() + "/share/crosssums" : QString());
    }
}

TEST(DataFilePaths, TheDefaultIsBesideThisProgram) {
    const TDataFilePaths p = DefaultDataFilePaths();
    EXPECT_TRUE(QFileInfo::exists(QDir(ProgramFolder()).filePath("storage_tests")));
    EXPECT_TRUE(p.DataFile.endsWith("/VelmorDuvidOzad.dat"));
    EXPECT_EQ(p.OldDataFile, QDir(ProgramFolder()).filePath(kOldDataFileName));
}

}  // namespace
}  // namespace xs
