// What runs while a copy or a deletion yields, through the real window: a second drop, a menu
// click, a refresh or a close request; a copy started while a scan yields; and a vehicle dropped
// onto the folder it comes from, which must never be rewritten.
#include "app/hourglass_cursor.h"
#include "tests/app/window/copy_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

namespace {

using ReentryTest = CopyFixture;

// Runs `step` once, at the first yield during which the overlay shows.
class AtOverlay {
public:
    AtOverlay(frmMain& form, std::function<void()> step)
        : probe_([this, &form, step = std::move(step)] {
            if (!done && form.fraMessage->isVisible()) {
                done = true;
                step();
            }
        }) {}
    bool done = false;

private:
    EveryYield probe_;
};

TEST_F(ReentryTest, ASecondDropWhileACopyYieldsIsRefused) {
    writeVehicles(cars(), 3, "Car");
    const QStringList order = listedOrder(cars());
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    {
        AtOverlay second(*form, [&] { dragToOtherPane(0, 2); });
        dragToOtherPane(0, 1);
        ASSERT_TRUE(second.done);
    }
    EXPECT_EQ(folderFiles(device()), (FolderFiles{{order[0], bytesOf(cars() + "/" + order[0])}}));
    EXPECT_EQ(form->state.garminCount, 1);
    EXPECT_EQ(form->state.garminCatalogue[0].FileName, order[0]);
    EXPECT_EQ(shownNames(1), std::vector<QString>{order[0]});
    EXPECT_TRUE(box.shown.empty());
    // Once it has ended, the next drop copies.
    dragToOtherPane(0, 2);
    EXPECT_EQ(form->state.garminCount, 2);
    EXPECT_TRUE(QFile::exists(device() + "/" + order[1]));
}

TEST_F(ReentryTest, ADropOrADeletionWhileAQuestionIsOpenIsRefused) {
    writeVehicles(cars(), 3, "Car");
    writeVehicles(device(), 1, "Car");
    startOn(cars(), device());
    // Car01 is on the navigator: its copy asks, and meanwhile another card is dropped.
    int asking = 1;
    while (form->state.filesCatalogue[asking - 1].FileName != "Car01.srf")
        ++asking;
    const FolderFiles before = folderFiles(device());
    box.answer = toolkit::vbNo;
    box.whileAsking = [&] { dragToOtherPane(0, asking % 3 + 1); };
    dragToOtherPane(0, asking);
    // A deletion asks too, and meanwhile a card is dropped.
    box.whileAsking = [&] { dragToOtherPane(0, (asking + 1) % 3 + 1); };
    deleteFromMenu(1, 1);
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_EQ(box.shown[1].title, "Delete Confirm");
    EXPECT_EQ(folderFiles(device()), before);
    EXPECT_EQ(form->state.garminCount, 1);
}

TEST_F(ReentryTest, ADeletionOrARefreshWhileACopyYieldsIsRefused) {
    writeVehicles(cars(), 3, "Car");
    const QStringList order = listedOrder(cars());
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    {
        AtOverlay meanwhile(*form, [&] {
            EXPECT_TRUE(isBusy());
            deleteFromMenu(0, 3);
            form->imgRefreshGarminMouseDown(1, 0, 10, 10);
            form->imgRefreshGarminMouseUp(1, 0, 10, 10);
        });
        dragToOtherPane(0, 1);
        ASSERT_TRUE(meanwhile.done);
    }
    EXPECT_TRUE(box.shown.empty()) << "no question for the refused deletion";
    EXPECT_EQ(listedOrder(cars()).size(), 3u);
    EXPECT_EQ(form->state.filesCount, 3);
    EXPECT_EQ(form->state.garminCount, 1);
    EXPECT_EQ(shownNames(1), std::vector<QString>{order[0]});
    EXPECT_FALSE(isBusy());
}

TEST_F(ReentryTest, ACopyWhileAScanYieldsIsRefused) {
    writeVehicles(cars(), 2, "Car");
    writeVehicles(device(), 3, "Nav");
    startOn(cars(), device());
    bool tried = false;
    {
        EveryYield probe([&] {
            if (!tried && form->fraMessage->isVisible()) {
                tried = true;
                form->CopyVehicleToGarmin({"TesselFiles", 1});
            }
        });
        form->RefreshPane(1);
    }
    ASSERT_TRUE(tried);
    EXPECT_EQ(listedOrder(device()).size(), 3u);
    EXPECT_EQ(form->state.garminCount, 3);
}

TEST_F(ReentryTest, APreviewOpenedWhileAScanYieldsLeavesTheRestOfTheScanBusy) {
    writeVehicles(cars(), 2, "Car");
    writeVehicles(device(), 3, "Nav");
    startOn(cars(), device());
    const FolderFiles before = folderFiles(device());
    enum class Step { Preview, Previewing, Drop, Done } step = Step::Preview;
    bool busyAtDrop = false;
    QColor refreshPicture;
    {
        EveryYield probe([&] {
            if (step == Step::Preview && form->fraMessage->isVisible()) {
                step = Step::Previewing;
                form->state.selectedPane = 0;
                form->state.selectedIndex = 1;
                form->mnuPreviewClick();
                step = Step::Drop;
            } else if (step == Step::Drop) {
                // The preview's load has ended; the scan still runs. The preview lies over the
                // panes: it is closed, then a card is dropped.
                step = Step::Done;
                QTest::mouseClick(form->imgXPreview, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
                busyAtDrop = isBusy();
                dragToOtherPane(0, 1);
                // A refresh is refused too: its button does not even go down.
                QTest::mousePress(form->imgRefreshFiles, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(5, 5));
                refreshPicture = shown(form->imgRefreshFiles);
            }
        });
        form->RefreshPane(1);
    }
    ASSERT_EQ(step, Step::Done);
    EXPECT_FALSE(form->fraPreview->isVisible());
    EXPECT_TRUE(busyAtDrop);
    EXPECT_EQ(refreshPicture, upColour("RefreshButton"));
    EXPECT_FALSE(isBusy());
    // The drop was refused: the navigator's folder and its pane are as the scan found them.
    EXPECT_EQ(folderFiles(device()), before);
    EXPECT_EQ(form->state.garminCount, 3);
    const QStringList onDisk = listedOrder(device());
    EXPECT_EQ(shownNames(1), std::vector<QString>(onDisk.begin(), onDisk.end()));
    EXPECT_TRUE(box.shown.empty());
}

// One volume, below a media folder of the test's own.
class OneVolume final : public drives::DriveTable {
public:
    explicit OneVolume(QString media)
        : media_(std::move(media)) {}
    std::vector<drives::Drive> drives() override {
        return drives::assignDriveLetters({{media_ + "/a"}}, {media_});
    }

private:
    QString media_;
};

TEST_F(ReentryTest, ADropWhileTheSearchYieldsBetweenListingAndScanIsRefused) {
    writeVehicles(cars(), 1, "Car");
    const QString found = folder() + "/media/a/Garmin/Vehicle";
    writeVehicles(found, 1, "Nav");
    writeVehicles(device(), 1, "Old");
    startOn(cars(), device());
    form->setDriveTable(std::make_unique<OneVolume>(folder() + "/media"));
    bool dropped = false;
    {
        EveryYield drop([&] {
            // Listed, not yet scanned: the catalogue names the navigator's vehicle while the pane
            // still counts as ready from the scan of the folder before.
            if (!dropped && form->state.garminDir == found && form->state.garminReady != 0 &&
                form->state.garminCatalogue[0].FileName == "Nav01.srf") {
                dropped = true;
                form->CopyVehicleToGarmin({"TesselFiles", 1});
            }
        });
        form->FindGarmin();
    }
    ASSERT_TRUE(dropped);
    EXPECT_EQ(listedOrder(found), QStringList{"Nav01.srf"});
    EXPECT_EQ(form->state.garminCount, 1);
    for (int entry = 0; entry < form->state.garminCount; ++entry) {
        EXPECT_EQ(form->state.garminCatalogue[entry].SRFType, "GARMIN BITMAP 01") << entry;
        EXPECT_EQ(form->state.garminCatalogue[entry].Size3D, "8x8") << entry;
    }
    EXPECT_EQ(shownNames(1), std::vector<QString>{"Nav01.srf"});
    EXPECT_FALSE(isBusy());
    // Once the search has ended, the drop copies.
    form->CopyVehicleToGarmin({"TesselFiles", 1});
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(form->state.garminCount, 2);
    EXPECT_EQ(form->state.garminCatalogue[1].SRFType, "GARMIN BITMAP 01");
    EXPECT_TRUE(QFile::exists(found + "/Car01.srf"));
}

TEST_F(ReentryTest, AWindowClosedWhileACopyOrDeletionYieldsWritesAndDeletesNothing) {
    for (const bool deleting : {false, true}) {
        SCOPED_TRACE(deleting ? "deleting" : "copying");
        const QString files = folder() + (deleting ? "/d-cars" : "/c-cars");
        const QString nav = folder() + (deleting ? "/d-device" : "/c-device");
        writeVehicles(files, 2, "Car");
        writeVehicles(nav, 1, "Nav");
        startOn(files, nav);
        const FolderFiles filesBefore = folderFiles(files);
        const FolderFiles navBefore = folderFiles(nav);
        {
            AtOverlay close(*form, [&] { form->Unload(); });
            if (deleting)
                deleteFromMenu(0, 1);
            else
                dragToOtherPane(0, 1);
            ASSERT_TRUE(close.done);
        }
        EXPECT_TRUE(form->closed());
        EXPECT_EQ(folderFiles(files), filesBefore);
        EXPECT_EQ(folderFiles(nav), navBefore);
        EXPECT_FALSE(form->fileWorkRunning());
        form.reset();
    }
}

struct SameFileCase {
    const char* name;
    // Makes the navigator's folder show the Files pane's vehicle; true when it lists it.
    bool (*arrange)(const QString& cars, const QString& device);
    // Run after both panes are scanned.
    void (*afterScan)(const QString& cars, const QString& device);
    bool asks;
};

bool sameFolder(const QString&, const QString&) {
    return true;
}

bool linkToTheVehicle(const QString& cars, const QString& device) {
    QDir().mkpath(device);
    return QFile::link(cars + "/Car01.srf", device + "/Car01.srf");
}

bool emptyFolderThroughALink(const QString&, const QString& device) {
    QDir().mkpath(device + ".empty");
    return QFile::link(device + ".empty", device);
}

void nothingMore(const QString&, const QString&) {}

void pointTheLinkAtTheCars(const QString& cars, const QString& device) {
    QFile::remove(device);
    QFile::link(cars, device);
}

class SameFileTest : public CopyFixture, public ::testing::WithParamInterface<SameFileCase> {};

TEST_P(SameFileTest, AVehicleDroppedOntoItsOwnFileStaysUntouched) {
    const SameFileCase& c = GetParam();
    writeVehicles(cars(), 1, "Car");
    const bool same = QString(c.name) == "SameFolder";
    const QString garmin = same ? cars() : device();
    ASSERT_TRUE(c.arrange(cars(), garmin));
    startOn(cars(), garmin);
    c.afterScan(cars(), garmin);
    const QString file = cars() + "/Car01.srf";
    const QByteArray bytes = bytesOf(file);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &before), 0);
    const FolderFiles navBefore = folderFiles(device());
    ASSERT_EQ(cards(0).item(1)->Visible(), true);

    dragToOtherPane(0, 1);

    EXPECT_EQ(box.shown.size(), c.asks ? 1u : 0u);
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced";
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << "not rewritten";
    EXPECT_EQ(bytesOf(file), bytes);
    EXPECT_EQ(folderFiles(device()), navBefore);
    EXPECT_EQ(folderFiles(cars()), (FolderFiles{{"Car01.srf", bytes}}));
    // The navigator's pane shows the vehicle once, as the Files pane does.
    EXPECT_EQ(form->state.garminCount, 1);
    VehicleRecord expected = form->state.filesCatalogue[0];
    EXPECT_EQ(form->state.garminCatalogue[0], expected);
    EXPECT_EQ(shownNames(1), std::vector<QString>{"Car01.srf"});
    EXPECT_TRUE(std::none_of(box.shown.begin(), box.shown.end(),
                             [](const auto& shown) { return !shown.question; }));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SameFileTest,
    ::testing::Values(SameFileCase{"SameFolder", sameFolder, nothingMore, true},
                      SameFileCase{"LinkToTheVehicle", linkToTheVehicle, nothingMore, true},
                      SameFileCase{"FolderReachedThroughALink", emptyFolderThroughALink,
                                   pointTheLinkAtTheCars, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
