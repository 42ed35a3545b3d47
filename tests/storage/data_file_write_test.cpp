// What a save does around the image: unreadable files kept, leftovers removed, mode and owner kept.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/data_file.h"
#include "storage/data_file_lock.h"
#include "support/faulty_file_ops.h"
#include "support/ordinary_user.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

class DataFileWrite : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TDataFilePaths paths;
    std::unique_ptr<TDataFileRecord> record = std::make_unique<TDataFileRecord>();
    test::TScriptedMessages messages;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths.DataFile = dir.filePath(kDataFileName);
    }
    void Put(const QString& name, qint64 size, char fill = 'x') {
        QFile::remove(dir.filePath(name));  // it may have been left read-only
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, fill));
    }
    QByteArray Contents(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Names() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    }
};

TEST_F(DataFileWrite, EveryUnreadableFileIsKeptUnderItsOwnNumberAndAGoodOneIsNot) {
    const QString data = kDataFileName;
    const QString aside = data + kUnreadableSuffix;
    Put(data, 5000, 'a');
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    Put(data, 0);
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    // A dangling link holds a name too; the next copy goes past it.
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(aside + ".2")));
    Put(data, static_cast<qint64>(kDataFileSize) - 1, 'c');
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    // A good file is replaced without a copy.
    ASSERT_TRUE(WriteDataFile(*record, paths, messages));

    EXPECT_EQ(Names(), (QStringList{data, aside, aside + ".1", aside + ".2", aside + ".3"}));
    EXPECT_EQ(Contents(aside), QByteArray(5000, 'a'));
    EXPECT_EQ(Contents(aside + ".1"), QByteArray());
    EXPECT_EQ(Contents(aside + ".3").size(), static_cast<qint64>(kDataFileSize) - 1);
    EXPECT_EQ(QFileInfo(paths.DataFile).size(), static_cast<qint64>(kDataFileSize));
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(DataFileWrite, AFileThatCannotBeOpenedIsSetAsideWhole) {
    XS_AS_ORDINARY_USER(dir.path());
    Put(kDataFileName, static_cast<qint64>(kDataFileSize), 'p');
    ASSERT_TRUE(QFile::setPermissions(paths.DataFile, QFile::WriteOwner));
    EXPECT_TRUE(IsUnreadableDataFile(paths.DataFile));
    const QString aside = SetAsideUnreadable(paths.DataFile);
    EXPECT_EQ(aside, paths.DataFile + kUnreadableSuffix);
    EXPECT_EQ(QFileInfo(aside).size(), static_cast<qint64>(kDataFileSize));
    EXPECT_FALSE(QFile::exists(paths.DataFile));
}

// A save killed between its temporary file and the rename leaves the file behind; the next save
// holding the lock removes exactly those, and no other file.
TEST_F(DataFileWrite, LeftoversOfAKilledSaveGoOnlyWhileTheLockIsHeld) {
    const QString data = kDataFileName;
    const QStringList leftovers = {data + ".~saving~qWeRty12", data + ".~saving~ABCDEFGH",
                                   data + ".~saving~00000000"};
    const QStringList kept = {
        data + ".Backup",              // a player's own copies, whatever their case
        data + ".qWeRty",              //
        data + ".backup",              //
        data + ".~saving~qWeRty1",     // seven letters
        data + ".~saving~qWeRty123",   // nine letters
        data + ".~saving~qWeRty1-",    // not all letters and digits
        data + ".saving~qWeRty12",     // not the marker
        data + ".unreadable",          //
        "other.dat.~saving~qWeRty12",  // another file's
    };
    for (const QString& name : leftovers) Put(name, static_cast<qint64>(kDataFileSize) + 1);
    for (const QString& name : kept) Put(name, 10);
    Put(QStringLiteral("target"), 10);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("target")),
                            dir.filePath(data + ".~saving~LiNkEd00")));

    ASSERT_TRUE(WriteDataFile(*record, paths, messages));
    EXPECT_TRUE(QFile::exists(dir.filePath(leftovers[0]))) << "removed without the lock";
    // Neither a lock not taken nor one held on another data file lets a save tidy here.
    TDataFileLock notTaken(paths.DataFile);
    TDataFileLock otherFiles(dir.filePath(QStringLiteral("other.dat")));
    ASSERT_EQ(otherFiles.TryLock().Status, TLockStatus::Locked);
    for (const TDataFileLock* notThisOne : {&notTaken, &otherFiles}) {
        ASSERT_TRUE(WriteDataFile(*record, paths, messages, TValidMark::Set, notThisOne));
        EXPECT_TRUE(QFile::exists(dir.filePath(leftovers[0]))) << "removed under another lock";
    }

    TDataFileLock lock(paths.DataFile);
    ASSERT_EQ(lock.TryLock().Status, TLockStatus::Locked);
    ASSERT_TRUE(WriteDataFile(*record, paths, messages, TValidMark::Set, &lock));
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name.toStdString();
    for (const QString& name : kept) EXPECT_EQ(Contents(name).size(), 10) << name.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(data + ".~saving~LiNkEd00")).isSymLink());
    EXPECT_EQ(Contents(QStringLiteral("target")).size(), 10);
}

// A save through a link replaces the file the link leads to, in that file's folder, syncs that
// folder, and leaves every link a link.
TEST_F(DataFileWrite, ASaveThroughALinkReplacesTheFileItLeadsTo) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString real = dir.filePath(QStringLiteral("real/") + kDataFileName);
    const QByteArray name = QFile::encodeName(real);
    struct Case {
        const char* path;
        const char* linkTo;  // made as given: absolute or relative
    };
    const std::string abs = real.toStdString();
    const Case cases[] = {
        {"link.dat", abs.c_str()},
        {"relative.dat", "real/VelmorDuvidOzad.dat"},
        {"chain.dat", "link.dat"},
    };
    for (const Case& c : cases)
        ASSERT_EQ(symlink(c.linkTo, QFile::encodeName(dir.filePath(c.path)).constData()), 0);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath("folder")));
    char fill = 'a';
    for (const char* path :
         {"link.dat", "relative.dat", "chain.dat", "folder/VelmorDuvidOzad.dat"}) {
        SCOPED_TRACE(path);
        Put(QStringLiteral("real/") + kDataFileName, static_cast<qint64>(kDataFileSize));
        ASSERT_EQ(chmod(name.constData(), 0640), 0);
        paths.DataFile = dir.filePath(QLatin1String(path));
        record->Settings.Reserved16 = static_cast<std::uint8_t>(++fill);
        test::TFaultyFileOps ops;
        ASSERT_TRUE(SaveDataFile(*record, paths, TValidMark::Set, nullptr, ops).Saved);
        const QByteArray stored = Contents(QStringLiteral("real/") + kDataFileName);
        ASSERT_EQ(stored.size(), 999496);
        EXPECT_EQ(stored.at(16), fill);
        struct stat st {};
        ASSERT_EQ(stat(name.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        EXPECT_EQ(ops.SyncedFolders, std::vector<std::string>{dir.filePath("real").toStdString()});
        EXPECT_EQ(QDir(dir.filePath("real")).entryList(QDir::Files), QStringList{kDataFileName});
        for (const Case& c : cases)
            EXPECT_TRUE(QFileInfo(dir.filePath(c.path)).isSymLink()) << c.path;
    }
    // A failure names the link and the file it leads to.
    paths.DataFile = dir.filePath(QStringLiteral("link.dat"));
    test::TFaultyFileOps failing(test::TFaultAt::Rename, 1, EIO);
    EXPECT_EQ(SaveFailureText(SaveDataFile(*record, paths, TValidMark::Set, nullptr, failing)),
              "Error occurred while writing the preferences file.\n\r\n\r" +
                  paths.DataFile.toStdString() + ", a link to " + abs +
                  "\n\rreplacing the old file failed: Input/output error");
}

TEST_F(DataFileWrite, TheNewFileKeepsTheOldModeAndAsRootItsOwner) {
    const bool root = geteuid() == 0;
    for (const mode_t mode : {0640, 0444, 0600, 0664}) {
        SCOPED_TRACE(mode);
        Put(kDataFileName, static_cast<qint64>(kDataFileSize));
        const QByteArray name = QFile::encodeName(paths.DataFile);
        ASSERT_EQ(chmod(name.constData(), mode), 0);
        if (root) {
            ASSERT_EQ(chown(name.constData(), 4321, 8765), 0);
        }
        if (!root && (mode & S_IWUSR) == 0) continue;  // refused to a user: the file is read-only

        ASSERT_TRUE(WriteDataFile(*record, paths, messages));
        struct stat st {};
        ASSERT_EQ(stat(name.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        if (root) {
            EXPECT_EQ(st.st_uid, 4321u);
            EXPECT_EQ(st.st_gid, 8765u);
        }
    }
    EXPECT_TRUE(messages.Shown.empty());
}

}  // namespace
}  // namespace xs
