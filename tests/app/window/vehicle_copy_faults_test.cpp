// A copy that meets a failing file system, through the real window and on real file systems: the
// navigator's folder read-only, gone, a file in its place, full, or a file size limit; the source
// gone or a FIFO in its place. Each time the target keeps its files byte for byte and no partial
// file, the target pane is as it was, and the user is told once why.
#include "tests/app/scratch_mount.h"
#include "tests/app/window/copy_fixture.h"

#include <csignal>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// The folders of one test and what was done to them.
struct Scene {
    QString cars;
    QString device;
    ScratchMount mount;
    bool fileSizeLimited = false;
    rlimit fileSize{};
    bool readOnlyByPermission = false;
};

struct CopyFault {
    const char* name;
    // Before the window starts: an empty text to go on, else why the fault cannot be made here.
    QString (*prepare)(Scene&);
    // After both panes are scanned; gives the system's reason the user is to read, or nothing
    // where the words depend on the step of the copy that failed.
    QString (*inflict)(Scene&);
};

QString nothingToPrepare(Scene&) {
    return QString();
}

QString mountOnlyAsRoot(Scene& scene) {
    QString why;
    if (runningAsRoot() && !scene.mount.mount(scene.device, "1m", &why))
        return why;
    return QString();
}

QString mountSmall(Scene& scene) {
    QString why;
    return scene.mount.mount(scene.device, "64k", &why) ? QString() : why;
}

QString removeSource(Scene& scene) {
    QFile::remove(scene.cars + "/Putter.srf");
    return "No such file or directory";
}

QString fifoForSource(Scene& scene) {
    QFile::remove(scene.cars + "/Putter.srf");
    if (::mkfifo(QFile::encodeName(scene.cars + "/Putter.srf").constData(), 0644) != 0)
        return "<mkfifo failed>";
    return "Not a regular file";
}

QString makeReadOnly(Scene& scene) {
    if (runningAsRoot()) {
        QString why;
        if (!scene.mount.remountReadOnly(&why))
            return "<" + why + ">";
    } else {
        scene.readOnlyByPermission = true;
        QFile::setPermissions(scene.device, QFile::ReadOwner | QFile::ExeOwner);
    }
    // The folder or the old file in it may be the first to refuse.
    return QString();
}

QString moveFolderAway(Scene& scene) {
    if (!QDir().rename(scene.device, scene.device + ".moved"))
        return "<rename failed>";
    return "No such file or directory";
}

QString fileInPlaceOfFolder(Scene& scene) {
    moveFolderAway(scene);
    QFile file(scene.device);
    if (!file.open(QIODevice::WriteOnly) || file.write("not a folder") != 12)
        return "<write failed>";
    return "Not a directory";
}

QString fillUp(Scene& scene) {
    // Leaves less room than the new vehicle needs, though more than a small one would.
    QFile filler(scene.device + "/filler");
    if (!filler.open(QIODevice::WriteOnly) || filler.write(QByteArray(36 * 1024, 'x')) != 36 * 1024)
        return "<filler failed>";
    return QString();
}

QString limitFileSize(Scene& scene) {
    if (::getrlimit(RLIMIT_FSIZE, &scene.fileSize) != 0)
        return "<getrlimit failed>";
    // Past the limit a write fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = scene.fileSize;
    small.rlim_cur = 16 * 1024;
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
        return "<setrlimit failed>";
    scene.fileSizeLimited = true;
    return QString();
}

void recover(Scene& scene) {
    if (scene.fileSizeLimited) {
        ::setrlimit(RLIMIT_FSIZE, &scene.fileSize);
        scene.fileSizeLimited = false;
    }
    if (scene.readOnlyByPermission)
        QFile::setPermissions(scene.device, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

const CopyFault kFaults[] = {
    {"SourceGone", nothingToPrepare, removeSource},
    {"FifoInPlaceOfTheSource", nothingToPrepare, fifoForSource},
    {"TargetFolderReadOnly", mountOnlyAsRoot, makeReadOnly},
    {"TargetFolderMissing", nothingToPrepare, moveFolderAway},
    {"FileInPlaceOfTheTargetFolder", nothingToPrepare, fileInPlaceOfFolder},
    {"TargetFileSystemFull", mountSmall, fillUp},
    {"FileSizeLimit", nothingToPrepare, limitFileSize},
};

class CopyFaultTest : public CopyFixture,
                      public ::testing::WithParamInterface<std::tuple<CopyFault, bool>> {
protected:
    void TearDown() override {
        recover(scene);
        CopyFixture::TearDown();
    }
    Scene scene;
};

TEST_P(CopyFaultTest, NothingIsLostTheTargetPaneIsAsItWasAndTheUserIsTold) {
    const auto& [fault, replace] = GetParam();
    scene.cars = cars();
    scene.device = device();
    ASSERT_TRUE(QDir().mkpath(cars()));
    const QString skip = fault.prepare(scene);
    if (!skip.isEmpty())
        GTEST_SKIP() << skip.toStdString();
    // A new vehicle larger than the room a full navigator has left.
    writeVehicle(cars() + "/Putter.srf", {.frameSize = 40, .frames = 20, .colour = 0x07E0});
    writeVehicles(device(), 2, "Nav");
    if (replace)
        writeVehicle(device() + "/Putter.srf");
    startOn(cars(), device());
    ASSERT_EQ(form->state.garminCount, replace ? 3 : 2);
    const PaneState paneBefore = paneState(1);
    const PaneState filesBefore = paneState(0);
    const QString expectedReason = fault.inflict(scene);
    const FolderFiles deviceBefore = folderFiles(device());
    const FolderFiles movedBefore = folderFiles(device() + ".moved");
    if (replace) {
        ASSERT_EQ(deviceBefore.count("Putter.srf") + movedBefore.count("Putter.srf"), 1u);
    }

    dragToOtherPane(0, 1);
    recover(scene);

    EXPECT_EQ(folderFiles(device()), deviceBefore);
    EXPECT_EQ(folderFiles(device() + ".moved"), movedBefore);
    EXPECT_TRUE(samePane(paneBefore, paneState(1)));
    EXPECT_TRUE(samePane(filesBefore, paneState(0)));
    EXPECT_FALSE(form->fraMessage->isVisible());
    std::vector<AnsweringBox::Shown> told;
    for (const auto& shown : box.shown) {
        if (!shown.question)
            told.push_back(shown);
    }
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].title, "Copy Failed");
    const QString said = cars() + "/Putter.srf could not be copied to " + device() + ".\r\n";
    if (expectedReason.isEmpty()) {
        EXPECT_TRUE(told[0].text.startsWith(said)) << told[0].text.toStdString();
        EXPECT_GT(told[0].text.size(), said.size()) << "and why";
    } else {
        EXPECT_EQ(told[0].text, said + expectedReason);
    }
    EXPECT_FALSE(form->fileWorkRunning());

    // The pane still takes a copy once the file system is mended.
    if (QString(fault.name).startsWith("Target") || QString(fault.name).startsWith("File"))
        return;
    QFile::remove(cars() + "/Putter.srf");
    writeVehicle(cars() + "/Putter.srf", {.frameSize = 40, .colour = 0x07E0});
    dragToOtherPane(0, 1);
    EXPECT_EQ(bytesOf(device() + "/Putter.srf"), bytesOf(cars() + "/Putter.srf"));
}

INSTANTIATE_TEST_SUITE_P(FileSystems, CopyFaultTest,
                         ::testing::Combine(::testing::ValuesIn(kFaults), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Replacing" : "Adding");
                         });

class ReadOnlyTargetTest : public CopyFixture,
                           public ::testing::WithParamInterface<std::uint8_t> {};

TEST_P(ReadOnlyTargetTest, AReplaceOntoAReadOnlyVehicleIsRefusedAsItsDeletionIs) {
    const std::uint8_t from = GetParam();
    const QString source = from == 0 ? cars() : device();
    const QString target = from == 0 ? device() : cars();
    ASSERT_TRUE(QDir().mkpath(source));
    writeVehicle(source + "/Putter.srf", {.frameSize = 40, .colour = 0x07E0});
    writeVehicles(target, 2, "Other");
    writeVehicle(target + "/Putter.srf");
    ASSERT_TRUE(QFile::setPermissions(target + "/Putter.srf",
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    startOn(cars(), device());
    const std::uint8_t to = 1 - from;
    const PaneState paneBefore = paneState(to);
    const FolderFiles filesBefore = folderFiles(target);

    dragToOtherPane(from, 1);

    EXPECT_EQ(folderFiles(target), filesBefore);
    EXPECT_TRUE(samePane(paneBefore, paneState(to)));
    EXPECT_EQ(QFileInfo(target + "/Putter.srf").permissions() &
                  (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther),
              0)
        << "still read-only";
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_FALSE(box.shown[1].question);
    EXPECT_EQ(box.shown[1].title, "Copy Failed");
    EXPECT_EQ(box.shown[1].text,
              source + "/Putter.srf could not be copied to " + target + ".\r\nRead-only file");
    EXPECT_FALSE(form->fileWorkRunning());

    // Its deletion is refused for the same reason.
    int card = 1;
    while (form->paneOf(to).catalogue[card - 1].FileName != "Putter.srf")
        ++card;
    deleteFromMenu(to, card);
    ASSERT_EQ(box.shown.size(), 4u);
    EXPECT_EQ(box.shown[3].title, "Delete Failed");
    EXPECT_TRUE(box.shown[3].text.endsWith("\r\nRead-only file"))
        << box.shown[3].text.toStdString();
    EXPECT_EQ(folderFiles(target), filesBefore);
}

INSTANTIATE_TEST_SUITE_P(Directions, ReadOnlyTargetTest, ::testing::Values(0, 1),
                         [](const auto& info) {
                             return std::string(info.param == 0 ? "ToGarmin" : "FromGarmin");
                         });

} // namespace
