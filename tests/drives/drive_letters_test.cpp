// The letters the drive table gives the mounted volumes, and the navigator's folder found in any
// letter case.
#include "platform/drives/drive_table.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace {

using drives::Drive;
using drives::MountedVolume;

std::string describe(const std::vector<Drive>& table) {
    std::string text;
    for (const Drive& drive : table)
        text += std::string(1, drive.letter) + "=" + drive.root.toStdString() +
                (drive.ready ? "" : "(not ready)") + " ";
    return text;
}

TEST(DriveLetters, VolumesBelowTheMediaFoldersTakeTheLettersInMountPointOrder) {
    const QStringList media = drives::removableMediaFolders();
    const struct {
        const char* name;
        std::vector<MountedVolume> volumes;
        std::string expected;
    } cases[] = {
        {"only what lies below /media, /run/media and /mnt",
         {{"/"},
          {"/home"},
          {"/media"},
          {"/mnt"},
          {"/mediafiles/x"},
          {"/run/media/ann/NAVI"},
          {"/mnt/card"},
          {"/boot/efi"},
          {"/media/usb0"}},
         "D=/media/usb0 E=/mnt/card F=/run/media/ann/NAVI "},
        {"sorted by the whole path",
         {{"/media/b"}, {"/media/a/x"}, {"/media/a"}},
         "D=/media/a E=/media/a/x F=/media/b "},
        {"a volume that is not ready keeps its letter",
         {{"/media/card", false}, {"/media/navi"}},
         "D=/media/card(not ready) E=/media/navi "},
        {"a mount point mounted over counts once, as the volume on top",
         {{"/mnt/x", true}, {"/media/y"}, {"/mnt/x", false}},
         "D=/media/y E=/mnt/x(not ready) "},
        {"none", {{"/"}, {"/srv/data"}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(describe(drives::assignDriveLetters(c.volumes, media)), c.expected);
    }
}

TEST(DriveLetters, VolumesAfterZGetNoLetter) {
    std::vector<MountedVolume> volumes;
    for (char c = 'a'; c <= 'x'; ++c)
        volumes.push_back({QStringLiteral("/media/") + QLatin1Char(c)});
    const std::vector<Drive> table =
        drives::assignDriveLetters(volumes, drives::removableMediaFolders());
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().letter, 'D');
    EXPECT_EQ(table.front().root, "/media/a");
    EXPECT_EQ(table.back().letter, 'Z');
    EXPECT_EQ(table.back().root, "/media/w");
    for (const Drive& drive : table)
        EXPECT_NE(drive.root, "/media/x");
}

class FolderInAnyCase : public ::testing::Test {
protected:
    void makeFolder(const QString& relative) const {
        ASSERT_TRUE(QDir().mkpath(root_.path() + "/" + relative));
    }
    void makeFile(const QString& relative) const {
        QFile file(root_.path() + "/" + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString path(const QString& relative) const { return root_.path() + "/" + relative; }
    QTemporaryDir root_;
};

TEST_F(FolderInAnyCase, FindsTheFolderAsItIsSpelledOnDisk) {
    const QStringList names = {"Garmin", "Vehicle"};
    const struct {
        const char* volume;
        std::vector<const char*> folders;
        std::vector<const char*> files;
        const char* expected; // relative to the volume; "" when none is found
    } cases[] = {
        {"exact", {"Garmin/Vehicle"}, {}, "Garmin/Vehicle"},
        {"upper", {"GARMIN/VEHICLE"}, {}, "GARMIN/VEHICLE"},
        {"mixed", {"gARMIN/vehicle"}, {}, "gARMIN/vehicle"},
        {"exact spelling wins", {"GARMIN/Vehicle", "Garmin/Vehicle"}, {}, "Garmin/Vehicle"},
        {"else the first in name order",
         {"garmin/vehicle", "GARMIN/VEHICLE"},
         {},
         "GARMIN/VEHICLE"},
        {"a file is no folder", {"Garmin"}, {"Garmin/Vehicle"}, ""},
        {"only half", {"Garmin/Maps"}, {}, ""},
        {"empty volume", {}, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volume);
        const QString volume = QString::fromLatin1(c.volume);
        makeFolder(volume);
        for (const char* folder : c.folders)
            makeFolder(volume + "/" + folder);
        for (const char* file : c.files)
            makeFile(volume + "/" + file);
        const QString expected = *c.expected ? path(volume + "/" + c.expected) : QString();
        EXPECT_EQ(drives::findFolderIgnoringCase(path(volume), names).toStdString(),
                  expected.toStdString());
    }
}

TEST_F(FolderInAnyCase, AVolumeThatIsNotReadyOrIsGoneIsNotSearched) {
    makeFolder("card/Garmin/Vehicle");
    struct Table final : drives::DriveTable {
        std::vector<Drive> drives() override { return {}; }
    } table;
    const QStringList names = {"Garmin", "Vehicle"};
    EXPECT_EQ(table.findFolder(Drive{'D', path("card"), false}, names), QString());
    EXPECT_EQ(table.findFolder(Drive{'D', path("card"), true}, names), path("card/Garmin/Vehicle"));
    EXPECT_EQ(table.findFolder(Drive{'D', path("gone"), true}, names), QString());
}

} // namespace
