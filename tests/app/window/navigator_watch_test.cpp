// The navigator plugged in and pulled out while the window runs: small tmpfs volumes mounted and
// unmounted below /mnt, in a mount namespace of the test's own (so nothing of it reaches the
// machine), and the window's real mount watcher and drive table.
#include "app/hourglass_cursor.h"
#include "app/mount_watcher.h"
#include "tests/app/scratch_mount.h"
#include "tests/app/window/copy_fixture.h"

#include <cerrno>
#include <cstring>
#include <QDir>
#include <QFile>
#include <QTest>
#include <sched.h>
#include <sys/mount.h>

namespace {

QString systemError(const char* what) {
    return QString::fromLatin1(what) + QStringLiteral(": ") +
           QString::fromLocal8Bit(std::strerror(errno));
}

// Moves this process (its main thread, which Qt and the window run on) into a mount namespace of
// its own whose mounts reach no other process, with an empty tmpfs over each folder below which
// removable media are mounted: the machine's own volumes there are not seen, and mount points made
// below them vanish with the process. Empty on success, else why not.
QString privateMediaFolders() {
    if (::unshare(CLONE_NEWNS) != 0)
        return systemError("unshare(CLONE_NEWNS)");
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemError("making the mounts private");
    for (const QString& folder : drives::removableMediaFolders()) {
        if (!QFileInfo(folder).isDir())
            continue;
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") != 0)
            return systemError("mounting over the media folder");
    }
    return QString();
}

class NavigatorWatchTest : public CopyFixture {
protected:
    void SetUp() override {
        CopyFixture::SetUp();
        const QString why = privateMediaFolders();
        if (!why.isEmpty()) {
            // Root may always do this; only elsewhere is a missing right a reason to skip.
            ASSERT_FALSE(runningAsRoot()) << why.toStdString();
            GTEST_SKIP() << why.toStdString();
        }
        ASSERT_TRUE(QFileInfo("/mnt").isDir()) << "the test mounts its volumes below /mnt";
    }

    // A navigator volume at /mnt/<name>, holding `count` vehicles <stem>01.srf ... in
    // Garmin/Vehicle: filled first on a volume outside /mnt, then moved there in one step, so
    // that the window never meets it half written.
    void plugIn(const QString& name, int count, const QString& stem,
                const QString& vehicleFolder = "Garmin/Vehicle") {
        const QString staging = folder() + "/staging-" + name;
        ASSERT_TRUE(QDir().mkpath(staging));
        const QByteArray stagingPath = QFile::encodeName(staging);
        ASSERT_EQ(::mount("tmpfs", stagingPath.constData(), "tmpfs", 0, "size=4m"), 0)
            << std::strerror(errno);
        writeVehicles(staging + "/" + vehicleFolder, count, stem);
        ASSERT_TRUE(QDir().mkpath("/mnt/" + name));
        const QByteArray target = QFile::encodeName("/mnt/" + name);
        ASSERT_EQ(::mount(stagingPath.constData(), target.constData(), nullptr, MS_MOVE, nullptr),
                  0)
            << std::strerror(errno);
    }
    void pullOut(const QString& name) {
        ASSERT_EQ(::umount2(QFile::encodeName("/mnt/" + name).constData(), 0), 0)
            << std::strerror(errno);
    }
    // Starts the window on `garmin` with the system's drive table.
    void start(const QString& garmin) {
        writeVehicles(cars(), 2, "Car");
        writeSettings(QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(garmin) + "\r\n");
        createForm();
        form->setDriveTable(std::make_unique<drives::MountedDriveTable>());
        showActive();
    }
    // Waits (events running) until the Garmin pane shows these vehicles.
    bool garminShows(const std::vector<QString>& names) {
        return QTest::qWaitFor([&] { return shownNames(1) == names; }, 5000);
    }
};

TEST_F(NavigatorWatchTest, APluggedNavigatorIsShownAndAPulledOneEmptiesThePane) {
    writeVehicles(folder() + "/old", 1, "Old");
    start(folder() + "/old");
    ASSERT_EQ(shownNames(1), std::vector<QString>{"Old01.srf"});

    plugIn("nav", 2, "Nav");
    ASSERT_TRUE(garminShows({"Nav01.srf", "Nav02.srf"}));
    EXPECT_EQ(form->state.garminDir, "/mnt/nav/Garmin/Vehicle");
    const QString label = form->lblGarminDir->Caption();
    EXPECT_EQ(label, "/mnt/nav/Garmin/Vehicle");
    EXPECT_FALSE(form->fraMessage->isVisible());
    EXPECT_TRUE(box.shown.empty()) << "found, so nothing is said";
    ASSERT_TRUE(QFile::exists(temp() + "/Nav01.srf"));
    // The Files pane is not touched.
    EXPECT_EQ(shownNames(0), (std::vector<QString>{"Car01.srf", "Car02.srf"}));

    form->LoadPreview(form->state.garminDir + "/Nav02.srf");
    ASSERT_TRUE(form->fraPreview->isVisible());
    pullOut("nav");
    ASSERT_TRUE(garminShows({}));
    EXPECT_EQ(form->state.garminCount, 0);
    EXPECT_EQ(form->VScrollGarmin->Min(), 1);
    EXPECT_EQ(form->VScrollGarmin->Max(), 1);
    EXPECT_EQ(form->VScrollGarmin->Value(), 1);
    EXPECT_EQ(form->lblGarminDir->Caption(), label);
    EXPECT_EQ(form->state.garminDir, "/mnt/nav/Garmin/Vehicle");
    EXPECT_FALSE(form->fraPreview->isVisible()) << "its vehicle was on the navigator";
    EXPECT_TRUE(QFile::exists(temp() + "/Nav01.srf"));
    EXPECT_TRUE(QFile::exists(temp() + "/Nav02.srf"));
    EXPECT_EQ(shownNames(0), (std::vector<QString>{"Car01.srf", "Car02.srf"}));

    // The same navigator back, with a vehicle more.
    plugIn("nav", 3, "Nav");
    ASSERT_TRUE(garminShows({"Nav01.srf", "Nav02.srf", "Nav03.srf"}));
    EXPECT_EQ(form->state.garminDir, "/mnt/nav/Garmin/Vehicle");
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(NavigatorWatchTest, APreviewOfALocalVehicleStaysWhenTheNavigatorGoes) {
    plugIn("nav", 1, "Nav");
    start("/mnt/nav/Garmin/Vehicle");
    ASSERT_EQ(shownNames(1), std::vector<QString>{"Nav01.srf"});
    form->LoadPreview(cars() + "/Car01.srf");
    pullOut("nav");
    ASSERT_TRUE(garminShows({}));
    EXPECT_TRUE(form->fraPreview->isVisible());
}

TEST_F(NavigatorWatchTest, OnlyANavigatorThatAppearsIsSearchedFor) {
    const struct {
        const char* name;
        const char* garmin; // the Garmin pane's folder at the start
        const char* volume; // what is plugged in: a navigator, or a stick without Garmin/Vehicle
        const char* vehicleFolder;
    } cases[] = {
        {"a stick without the navigator's folder", "old", "stick", "Pictures"},
        {"a second navigator while the pane shows one", "/mnt/first/Garmin/Vehicle", "second",
         "Garmin/Vehicle"},
    };
    plugIn("first", 1, "First");
    writeVehicles(folder() + "/old", 1, "Old");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString garmin = c.garmin[0] == '/' ? QString(c.garmin) : folder() + "/" + c.garmin;
        start(garmin);
        const std::vector<QString> before = shownNames(1);
        ASSERT_FALSE(before.empty());
        plugIn(c.volume, 1, "Other", c.vehicleFolder);
        // Twice the settling time and then some: a reaction would have run.
        QTest::qWait(3 * kMountSettleTime.count());
        EXPECT_EQ(form->state.garminDir, garmin);
        EXPECT_EQ(shownNames(1), before);
        pullOut(c.volume);
        form.reset();
    }
}

TEST_F(NavigatorWatchTest, AChangeDuringOtherWorkIsTakenWhenItEnds) {
    plugIn("nav", 2, "Nav");
    start("/mnt/nav/Garmin/Vehicle");
    ASSERT_EQ(shownNames(1), (std::vector<QString>{"Nav01.srf", "Nav02.srf"}));
    {
        // A scan, copy or question of a pane holds the busy pointer.
        const cHourglassCursor otherWork;
        pullOut("nav");
        QTest::qWait(3 * kMountSettleTime.count());
        EXPECT_EQ(shownNames(1), (std::vector<QString>{"Nav01.srf", "Nav02.srf"}));
        EXPECT_EQ(form->state.garminCount, 2);
    }
    EXPECT_TRUE(garminShows({}));
}

TEST_F(NavigatorWatchTest, ChangesCloseTogetherGiveOneReaction) {
    int reactions = 0;
    bool mayReact = true;
    MountWatcher watcher([&] { return mayReact; }, [&] { ++reactions; });
    ASSERT_TRUE(watcher.watching());
    ScratchMount first;
    ScratchMount second;
    QString why;
    ASSERT_TRUE(first.mount("/mnt/a", "64k", &why)) << why.toStdString();
    QTest::qWait(50);
    ASSERT_TRUE(second.mount("/mnt/b", "64k", &why)) << why.toStdString();
    QTest::qWait(3 * kMountSettleTime.count());
    EXPECT_EQ(reactions, 1);

    // Not taken while the owner cannot, and taken once it can.
    mayReact = false;
    ASSERT_EQ(::umount2("/mnt/b", 0), 0);
    QTest::qWait(3 * kMountSettleTime.count());
    EXPECT_EQ(reactions, 1);
    mayReact = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return reactions == 2; }, 2000));
    QTest::qWait(3 * kMountRetryTime.count());
    EXPECT_EQ(reactions, 2);
}

} // namespace
