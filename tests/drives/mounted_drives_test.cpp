// The system's drive table read from the mounted volumes: a volume mounted below /media between
// two reads is in the second. The mounts are made in a mount namespace of this test's own, so
// nothing outside it sees them.
#include "platform/drives/drive_table.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <QDir>
#include <sched.h>
#include <sys/mount.h>

namespace {

const drives::Drive* driveAt(const std::vector<drives::Drive>& table, const QString& root) {
    for (const drives::Drive& drive : table) {
        if (drive.root == root)
            return &drive;
    }
    return nullptr;
}

TEST(MountedDrives, AVolumeMountedBelowMediaIsInTheNextRead) {
    if (::unshare(CLONE_NEWNS) != 0)
        GTEST_SKIP() << "cannot make a mount namespace here: " << std::strerror(errno);
    ASSERT_EQ(::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0)
        << std::strerror(errno);
    // A private /media to make the volume's mount point in.
    ASSERT_TRUE(QDir().mkpath("/media"));
    ASSERT_EQ(::mount("tmpfs", "/media", "tmpfs", 0, "size=1m"), 0) << std::strerror(errno);
    ASSERT_TRUE(QDir().mkpath("/media/NAVI"));

    drives::MountedDriveTable table;
    EXPECT_EQ(driveAt(table.drives(), "/media/NAVI"), nullptr);

    ASSERT_EQ(::mount("tmpfs", "/media/NAVI", "tmpfs", 0, "size=1m"), 0) << std::strerror(errno);
    ASSERT_TRUE(QDir().mkpath("/media/NAVI/GARMIN/Vehicle"));
    const std::vector<drives::Drive> now = table.drives();
    const drives::Drive* navi = driveAt(now, "/media/NAVI");
    ASSERT_NE(navi, nullptr);
    EXPECT_TRUE(navi->ready);
    EXPECT_EQ(table.findFolder(*navi, {"Garmin", "Vehicle"}), "/media/NAVI/GARMIN/Vehicle");
    // The media folder itself is no drive.
    EXPECT_EQ(driveAt(now, "/media"), nullptr);

    ::umount("/media/NAVI");
    ::umount("/media");
}

} // namespace
