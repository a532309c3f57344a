#include "app/vehicle_file_changes.h"
#include "tests/app/file_bytes.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

class FileChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        writeBytes(path("Car.srf"), "car bytes");
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(FileChangesTest, ACopyOntoItselfTouchesNothingByAnyName) {
    ASSERT_TRUE(QFile::link(path("Car.srf"), path("Link.srf")));
    ASSERT_TRUE(QDir().mkpath(path("sub")));
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path("Car.srf")).constData(), &before), 0);
    for (const QString& target : {path("Car.srf"), path("Link.srf"), path("sub/../Car.srf")}) {
        QString reason = "untouched";
        EXPECT_TRUE(copyVehicleFile(path("Car.srf"), target, &reason)) << target.toStdString();
        EXPECT_EQ(reason, "untouched");
    }
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path("Car.srf")).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(readBytes(path("Car.srf")), "car bytes");
    EXPECT_TRUE(QFileInfo(path("Link.srf")).isSymLink());
}

TEST_F(FileChangesTest, ASourceThatIsNoRegularFileOrIsGoneIsRefusedBeforeItIsOpened) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("Fifo.srf")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(path("Fifo.srf"), path("ToFifo.srf")));
    ASSERT_TRUE(QFile::link("/dev/zero", path("Zero.srf")));
    ASSERT_TRUE(QDir().mkpath(path("Folder.srf")));
    const struct {
        const char* source;
        const char* reason;
    } cases[] = {{"Fifo.srf", "Not a regular file"},
                 {"ToFifo.srf", "Not a regular file"},
                 {"Zero.srf", "Not a regular file"},
                 {"Folder.srf", "Not a regular file"},
                 {"Gone.srf", "No such file or directory"}};
    writeBytes(path("Target.srf"), "old");
    for (const auto& c : cases) {
        QString reason;
        EXPECT_FALSE(copyVehicleFile(path(c.source), path("Target.srf"), &reason)) << c.source;
        EXPECT_EQ(reason, c.reason) << c.source;
        EXPECT_EQ(readBytes(path("Target.srf")), "old");
    }
}

TEST_F(FileChangesTest, ACopyReplacesTheTargetWhole) {
    writeBytes(path("Target.srf"), "an older and longer vehicle");
    QString reason;
    EXPECT_TRUE(copyVehicleFile(path("Car.srf"), path("Target.srf"), &reason));
    EXPECT_EQ(readBytes(path("Target.srf")), "car bytes");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Car.srf", "Target.srf"}));
}

TEST_F(FileChangesTest, RemovalSaysWhatHappened) {
    writeBytes(path("ReadOnly.srf"), "kept");
    ASSERT_TRUE(QFile::setPermissions(path("ReadOnly.srf"), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::link(path("ReadOnly.srf"), path("Link.srf")));
    ASSERT_TRUE(QDir().mkpath(path("Folder.srf")));
    writeBytes(path("NotAFolder"), "x");
    const struct {
        const char* name;
        Removal result;
        const char* reason;
        bool remains;
    } cases[] = {
        {"Car.srf", Removal::Removed, "", false},
        {"Gone.srf", Removal::AlreadyGone, "", false},
        {"ReadOnly.srf", Removal::Failed, "Read-only file", true},
        // A link goes; the read-only file it points to stays.
        {"Link.srf", Removal::Removed, "", false},
        {"Folder.srf", Removal::Failed, "Is a directory", true},
        {"NotAFolder/Car.srf", Removal::Failed, "Not a directory", false},
    };
    for (const auto& c : cases) {
        QString reason;
        EXPECT_EQ(removeVehicleFile(path(c.name), &reason), c.result) << c.name;
        EXPECT_EQ(reason, c.reason) << c.name;
        EXPECT_EQ(QFileInfo(path(c.name)).exists(), c.remains) << c.name;
    }
    EXPECT_EQ(readBytes(path("ReadOnly.srf")), "kept");
}

} // namespace
