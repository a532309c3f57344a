#include "app/vehicle_files.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

class VehicleFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(VehicleFilesTest, ListsNormalSrfFilesOfAnyLetterCase) {
    for (const char* name :
         {"Saloon.srf", "CAR.SRF", "Van.Srf", "notes.txt", "srf", "Bus.srf.bak", ".Hidden.srf"})
        writeBytes(path(name), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.srf"));
    ASSERT_TRUE(QFile::link(path("missing-target"), path("Dangling.srf")));
    ASSERT_TRUE(QFile::link(path("Saloon.srf"), path("Linked.srf")));
    const std::optional<QStringList> names = listVehicleFileNames(dir.path());
    ASSERT_TRUE(names);
    QStringList sorted = *names;
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"CAR.SRF", "Linked.srf", "Saloon.srf", "Van.Srf"}));
}

TEST_F(VehicleFilesTest, KeepsTheOrderTheFileSystemListsIn) {
    // Created out of alphabetical order, so a sorted listing would differ from most file
    // systems' own order.
    for (const char* name : {"Mid.srf", "Zed.srf", "Alpha.srf", "Kilo.srf", "Bravo.srf",
                             "Yankee.srf", "Echo.srf", "Quebec.srf"})
        writeBytes(path(name), "x");
    QStringList expected;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
        expected.append(QString::fromStdString(entry.path().filename().string()));
    QStringList sorted = expected;
    sorted.sort();
    if (sorted == expected)
        GTEST_SKIP() << "this file system lists in alphabetical order";
    EXPECT_EQ(listVehicleFileNames(dir.path()), expected);
}

TEST_F(VehicleFilesTest, AFolderThatCannotBeListedGivesNothing) {
    EXPECT_EQ(listVehicleFileNames(path("missing")), std::nullopt);
    writeBytes(path("file"), "x");
    EXPECT_EQ(listVehicleFileNames(path("file")), std::nullopt);
    // An empty name would list the current folder.
    EXPECT_EQ(listVehicleFileNames(QString()), std::nullopt);
    EXPECT_EQ(listVehicleFileNames(dir.path()), QStringList());
}

TEST_F(VehicleFilesTest, TheWorkingFolderIsMadeWhenMissing) {
    const QString temp = workingFolder(dir.path());
    EXPECT_EQ(temp, dir.path() + "/temp");
    EXPECT_TRUE(ensureFolder(temp));
    EXPECT_TRUE(QFileInfo(temp).isDir());
    EXPECT_TRUE(ensureFolder(temp));
    writeBytes(path("occupied"), "x");
    EXPECT_FALSE(ensureFolder(path("occupied")));
}

TEST_F(VehicleFilesTest, ACopyReplacesTheTargetWhole) {
    writeBytes(path("source.srf"), "new");
    writeBytes(path("target.srf"), "the old and longer content");
    EXPECT_TRUE(replaceFileCopy(path("source.srf"), path("target.srf")));
    EXPECT_EQ(readBytes(path("target.srf")), "new");
    EXPECT_TRUE(replaceFileCopy(path("source.srf"), path("fresh.srf")));
    EXPECT_EQ(readBytes(path("fresh.srf")), "new");
    // Larger than one chunk of the copy.
    const QByteArray large(200000, 'v');
    writeBytes(path("large.srf"), large);
    EXPECT_TRUE(replaceFileCopy(path("large.srf"), path("target.srf")));
    EXPECT_EQ(readBytes(path("target.srf")), large);
}

TEST_F(VehicleFilesTest, AFailedCopyLeavesTheTargetAsItWas) {
    writeBytes(path("target.srf"), "kept");
    EXPECT_FALSE(replaceFileCopy(path("missing.srf"), path("target.srf")));
    EXPECT_EQ(readBytes(path("target.srf")), "kept");
    // A folder in the target's place cannot be replaced.
    writeBytes(path("source.srf"), "new");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.srf"));
    EXPECT_FALSE(replaceFileCopy(path("source.srf"), path("Folder.srf")));
    EXPECT_TRUE(QFileInfo(path("Folder.srf")).isDir());
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(VehicleFilesTest, AFileCopiedOntoItselfStaysWhole) {
    writeBytes(path("same.srf"), "content");
    EXPECT_TRUE(replaceFileCopy(path("same.srf"), path("same.srf")));
    EXPECT_TRUE(replaceFileCopy(path("same.srf"), dir.path() + "/./same.srf"));
    EXPECT_EQ(readBytes(path("same.srf")), "content");
}

} // namespace
