// Finding the navigator through the real window, over drive tables of the test's own whose
// volumes are folders of the test.
#include "app/hourglass_cursor.h"
#include "tests/app/window/copy_fixture.h"

#include <QDir>
#include <QTest>

namespace {

struct Volume {
    const char* mountPoint;    // below the case's folder
    const char* vehicleFolder; // made below the mount point; "" for none
    const char* vehicle;       // stem of the one vehicle in it
    bool ready = true;
};

// The test's volumes under the media folders of the case's own folder. It records each drive the
// search probes, and what the overlay says while drive E is probed.
class TestDriveTable final : public drives::DriveTable {
public:
    TestDriveTable(frmMain& form, QString base, const std::vector<Volume>& volumes)
        : form_(form)
        , base_(std::move(base)) {
        for (const Volume& volume : volumes)
            volumes_.push_back({base_ + "/" + volume.mountPoint, volume.ready});
    }
    std::vector<drives::Drive> drives() override {
        ++reads;
        return drives::assignDriveLetters(volumes_, mediaFolders());
    }
    QStringList mediaFolders() const override {
        return {base_ + "/media", base_ + "/run/media", base_ + "/mnt"};
    }
    QString findFolder(const drives::Drive& drive, const QStringList& names) override {
        probed += drive.letter;
        if (drive.letter == 'E') {
            lineOneWhileE = form_.lblMessage1->Caption();
            lineTwoWhileE = form_.lblMessage2->Caption();
            overlayShownWhileE = form_.fraMessage->isVisible();
        }
        return DriveTable::findFolder(drive, names);
    }

    int reads = 0;
    std::string probed;
    QString lineOneWhileE;
    QString lineTwoWhileE;
    bool overlayShownWhileE = false;

private:
    frmMain& form_;
    QString base_;
    std::vector<drives::MountedVolume> volumes_;
};

class DeviceSearchTest : public CopyFixture {
protected:
    // Makes the volumes' folders and starts the window on a Garmin folder holding "Old01.srf".
    TestDriveTable* startWith(const QString& base, const std::vector<Volume>& volumes) {
        for (const Volume& volume : volumes) {
            const QString root = base + "/" + volume.mountPoint;
            EXPECT_TRUE(QDir().mkpath(root));
            if (*volume.vehicleFolder)
                writeVehicles(root + "/" + volume.vehicleFolder, 1, volume.vehicle);
        }
        writeVehicles(base + "/old", 1, "Old");
        startOn(base + "/none", base + "/old");
        auto table = std::make_unique<TestDriveTable>(*form, base, volumes);
        TestDriveTable* seen = table.get();
        form->setDriveTable(std::move(table));
        return seen;
    }
    void pressFindGarmin() {
        QTest::mouseClick(form->imgFindGarmin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
};

TEST_F(DeviceSearchTest, TheFirstDriveHoldingTheVehicleFolderBecomesTheGarminPane) {
    const struct {
        const char* name;
        std::vector<Volume> volumes;
        const char* found; // the Garmin folder afterwards, below the case's folder
        std::vector<QString> shown;
        const char* probed;
    } cases[] = {
        {"a navigator on F with empty D and E",
         {{"media/a", "", ""}, {"media/b", "", ""}, {"media/c", "Garmin/Vehicle", "Fnav"}},
         "media/c/Garmin/Vehicle",
         {"Fnav01.srf"},
         "DEF"},
        {"two navigators: the earlier letter wins, the later is not probed",
         {{"mnt/y", "Garmin/Vehicle", "Enav"}, {"media/x", "Garmin/Vehicle", "Dnav"}},
         "media/x/Garmin/Vehicle",
         {"Dnav01.srf"},
         "D"},
        {"no navigator: nothing changes",
         {{"media/a", "", ""}, {"run/media/ann/b", "Garmin/Maps", ""}},
         "old",
         {"Old01.srf"},
         "DE"},
        {"the folder names in capitals",
         {{"run/media/ann/NAVI", "GARMIN/VEHICLE", "Caps"}},
         "run/media/ann/NAVI/GARMIN/VEHICLE",
         {"Caps01.srf"},
         "D"},
        {"a volume outside the media folders is never probed",
         {{"data", "Garmin/Vehicle", "Data"}, {"media/a", "", ""}},
         "old",
         {"Old01.srf"},
         "D"},
        {"a navigator folder whose path holds a line break is passed over: the settings file "
         "could not keep it",
         {{"media/a\nb", "Garmin/Vehicle", "Break"}, {"media/c", "Garmin/Vehicle", "Enav"}},
         "media/c/Garmin/Vehicle",
         {"Enav01.srf"},
         "DE"},
        {"a volume that is not ready is passed over",
         {{"media/a", "Garmin/Vehicle", "Card", false}, {"media/b", "Garmin/Vehicle", "Enav"}},
         "media/b/Garmin/Vehicle",
         {"Enav01.srf"},
         "DE"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString base = folder() + "/case" + QString::number(++n);
        TestDriveTable* table = startWith(base, c.volumes);
        const QString labelBefore = form->lblGarminDir->Caption();
        box.shown.clear();
        pressFindGarmin();
        const QString found = base + "/" + c.found;
        EXPECT_EQ(form->state.garminDir, found);
        // Each path here is longer than 30 characters and has no dot: its first 26, "...", and
        // its last character.
        EXPECT_EQ(form->lblGarminDir->Caption(), std::string(c.found) == "old"
                                                     ? labelBefore
                                                     : found.left(26) + "..." + found.right(1));
        EXPECT_EQ(shownNames(1), c.shown);
        EXPECT_EQ(table->probed, c.probed);
        EXPECT_EQ(table->reads, 1);
        EXPECT_FALSE(form->fraMessage->isVisible());
        EXPECT_EQ(shown(form->imgFindGarmin), upColour("GPSButton"));
        // The local pane is not touched.
        EXPECT_EQ(form->state.fileDir, base + "/none");
        // Without a navigator the button says so, naming where it looked.
        if (std::string(c.found) == "old") {
            ASSERT_EQ(box.shown.size(), 1u);
            EXPECT_FALSE(box.shown[0].question);
            EXPECT_EQ(box.shown[0].title, "Navigator Not Found");
            EXPECT_EQ(box.shown[0].text,
                      "No navigator was found. These places were searched for a volume that holds "
                      "the folder Garmin/Vehicle:\r\n" +
                          base + "/media\r\n" + base + "/run/media\r\n" + base + "/mnt");
        } else {
            EXPECT_TRUE(box.shown.empty());
        }
        form.reset();
    }
}

TEST_F(DeviceSearchTest, WhileDriveEIsProbedTheOverlayNamesEAndStillSaysD) {
    TestDriveTable* table = startWith(
        folder(), {{"media/a", "", ""}, {"media/b", "", ""}, {"media/c", "Garmin/Vehicle", "F"}});
    form->FindGarmin();
    EXPECT_TRUE(table->overlayShownWhileE);
    EXPECT_EQ(table->lineOneWhileE, " Checking E: for 760...");
    EXPECT_EQ(table->lineTwoWhileE, "Checking D: for 760...");
}

TEST_F(DeviceSearchTest, WithoutANavigatorTheOverlayHasCheckedUpToZ) {
    startWith(folder(), {{"media/a", "", ""}});
    form->FindGarmin();
    EXPECT_EQ(form->lblMessage1->Caption(), " Checking Z: for 760...");
    EXPECT_EQ(form->lblMessage2->Caption(), "Checking D: for 760...");
    EXPECT_FALSE(form->fraMessage->isVisible());
}

TEST_F(DeviceSearchTest, ANavigatorFolderGoneBeforeTheScanGivesAnEmptyPane) {
    startWith(folder(), {{"media/a", "Garmin/Vehicle", "Gone"}});
    const QString found = folder() + "/media/a/Garmin/Vehicle";
    // Unplugged in the yield after the folder was found, before it is listed.
    EveryYield unplug([&] {
        if (form && form->state.garminDir == found)
            QDir(folder() + "/media/a").removeRecursively();
    });
    form->FindGarmin();
    EXPECT_EQ(form->state.garminDir, found);
    EXPECT_EQ(form->state.garminCount, 0);
    EXPECT_EQ(shownNames(1), std::vector<QString>{});
    EXPECT_FALSE(form->fraMessage->isVisible());
}

TEST_F(DeviceSearchTest, WhileBusyTheButtonsStartNothing) {
    TestDriveTable* table = startWith(folder(), {{"media/a", "Garmin/Vehicle", "Nav"}});
    cHourglassCursor busy;
    pressFindGarmin();
    EXPECT_EQ(table->reads, 0);
    EXPECT_EQ(form->state.garminDir, folder() + "/old");
    EXPECT_EQ(shown(form->imgFindGarmin), upColour("GPSButton"));
}

TEST_F(DeviceSearchTest, TheFirstStartShowsANavigatorPluggedInAlready) {
    const struct {
        const char* name;
        bool settings;      // an init.ini from an earlier run is there
        bool navigator;     // a navigator is plugged in
        const char* garmin; // the Garmin folder afterwards, below the case's folder; "" for the
                            // program folder
    } cases[] = {
        {"first start with a navigator", false, true, "media/a/Garmin/Vehicle"},
        {"first start without one: the program folder, without a word", false, false, ""},
        {"a later start keeps the folder of its settings", true, true, "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString base = folder() + "/" + c.name;
        writeVehicles(base + "/old", 1, "Old");
        if (c.navigator)
            writeVehicles(base + "/media/a/Garmin/Vehicle", 1, "Nav");
        QFile::remove(folder() + "/init.ini");
        if (c.settings)
            writeSettings(QFile::encodeName(base + "/old") + "\r\n" +
                          QFile::encodeName(base + "/old") + "\r\n");
        createForm();
        auto table =
            std::make_unique<TestDriveTable>(*form, base, std::vector<Volume>{{"media/a", "", ""}});
        TestDriveTable* seen = table.get();
        form->setDriveTable(std::move(table));
        box.shown.clear();
        showActive();
        const QString garmin = *c.garmin ? base + "/" + c.garmin : folder();
        EXPECT_EQ(form->state.garminDir, garmin);
        // One read is the mount watcher's, which starts from the drives there are.
        EXPECT_EQ(seen->reads, c.settings ? 1 : 2);
        EXPECT_TRUE(box.shown.empty());
        EXPECT_FALSE(form->fraMessage->isVisible());
        if (c.navigator && !c.settings) {
            EXPECT_EQ(shownNames(1), std::vector<QString>{"Nav01.srf"});
        }
        form.reset();
    }
}

} // namespace
