// The Garmin pane on a real exFAT volume, as a navigator's card is formatted, through exfat-fuse:
// the order it lists in, names that differ only in letter case, and a file the card cannot read.
#include "tests/app/exfat_volume.h"
#include "tests/app/file_bytes.h"
#include "tests/app/window/copy_fixture.h"

#include <cerrno>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

class ExfatPaneTest : public CopyFixture {
protected:
    void SetUp() override {
        CopyFixture::SetUp();
        EXFAT_VOLUME_OR_END(volume, folder() + "/card.img", card());
    }
    void TearDown() override {
        // The window lets go of the card before it is unmounted.
        form.reset();
        CopyFixture::TearDown();
    }
    QString card() const { return folder() + "/card"; }
    // Unmounts and mounts the card again: its driver then lists the directory as it lies on
    // the volume.
    void reinsert() {
        QString why;
        ASSERT_TRUE(volume.unmount(&why)) << why.toStdString();
        ASSERT_TRUE(volume.mount(&why)) << why.toStdString();
    }
    std::vector<QString> catalogueNames(std::uint8_t pane) const {
        const Pane shown = form->paneOf(pane);
        std::vector<QString> names;
        for (int k = 0; k < shown.count; ++k)
            names.push_back(shown.catalogue[k].FileName);
        return names;
    }

    ExfatVolume volume;
};

TEST_F(ExfatPaneTest, TheCardListsInItsDirectoryOrderAndALocalFolderSorted) {
    // Created out of every order a listing could fall into by chance.
    const std::vector<QString> created = {"Mid.srf",   "zed.srf",  "Alpha.srf", "_under.srf",
                                          "BRAVO.srf", "kilo.srf", "a1.srf"};
    const std::vector<QString> sorted = {"a1.srf",  "Alpha.srf", "BRAVO.srf", "kilo.srf",
                                         "Mid.srf", "zed.srf",   "_under.srf"};
    ASSERT_TRUE(QDir().mkpath(cars()));
    for (int k = 0; k < static_cast<int>(created.size()); ++k) {
        writeVehicle(card() + "/" + created[k], {.frameSize = 10 + 2 * k});
        writeVehicle(cars() + "/" + created[k], {.frameSize = 10 + 2 * k});
    }
    reinsert();
    startOn(cars(), card());

    EXPECT_EQ(catalogueNames(1), created);
    EXPECT_EQ(catalogueNames(0), sorted);
    EXPECT_EQ(shownNames(0), std::vector<QString>(sorted.begin(), sorted.begin() + 4));

    // A copy and the scans after it keep each order.
    ASSERT_TRUE(QDir().mkpath(device()));
    writeVehicle(device() + "/Extra.srf");
    form->state.garminDir = device();
    form->RefreshPane(1);
    dragToOtherPane(1, 1);
    form->RefreshPane(0);
    std::vector<QString> withExtra = sorted;
    withExtra.insert(withExtra.begin() + 3, "Extra.srf");
    EXPECT_EQ(catalogueNames(0), withExtra);
    form->state.garminDir = card();
    form->RefreshPane(1);
    EXPECT_EQ(catalogueNames(1), created);
}

struct CaseClash {
    const char* name;
    bool listed; // the card's CAR.SRF was there when the pane was listed
    int answer;
};

class CaseClashTest : public ExfatPaneTest, public ::testing::WithParamInterface<CaseClash> {};

TEST_P(CaseClashTest, ADroppedNameTheCardTakesForAnotherIsAReplacementAfterTheQuestion) {
    const CaseClash& c = GetParam();
    writeVehicle(card() + "/Nav01.srf", {.frameSize = 12});
    if (c.listed)
        writeVehicle(card() + "/CAR.SRF", {.frameSize = 20, .colour = 0xF800});
    writeVehicle(card() + "/Nav02.srf", {.frameSize = 16});
    ASSERT_TRUE(QDir().mkpath(cars()));
    writeVehicle(cars() + "/car.srf", {.frameSize = 40, .colour = 0x07E0});
    reinsert();
    startOn(cars(), card());
    if (!c.listed)
        writeVehicle(card() + "/CAR.SRF", {.frameSize = 20, .colour = 0xF800});
    ASSERT_EQ(form->state.garminCount, c.listed ? 3 : 2);
    const PaneState before = paneState(1);
    const FolderFiles filesBefore = folderFiles(card());
    const VehicleRecord dropped = form->state.filesCatalogue[0];
    box.answer = c.answer;

    dragToOtherPane(0, 1);

    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].question);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_EQ(box.shown[0].text, "A Vehicle by that name already exists!\r\nReplace it?");
    if (c.answer == toolkit::vbNo) {
        EXPECT_TRUE(samePane(before, paneState(1)));
        EXPECT_EQ(folderFiles(card()), filesBefore);
        return;
    }
    // One file of that name, the dropped vehicle, under the dropped name.
    FolderFiles filesAfter = filesBefore;
    filesAfter.erase("CAR.SRF");
    filesAfter["car.srf"] = bytesOf(cars() + "/car.srf");
    EXPECT_EQ(folderFiles(card()), filesAfter);
    const int place = c.listed ? 1 : 2;
    PaneState after = paneState(1);
    EXPECT_EQ(after.count, 3);
    VehicleRecord expected = dropped;
    expected.StripX = place * 100;
    EXPECT_EQ(after.entries[place], expected);
    EXPECT_EQ(movedBlock(*form->state.garminStrip, place * 100),
              movedBlock(*form->state.filesStrip, dropped.StripX));
    for (int e = 0; e < 2; ++e) {
        const int other = e < place ? e : e + 1;
        EXPECT_EQ(after.entries[other].FileName, before.entries[other].FileName) << other;
    }
    EXPECT_EQ(shownNames(1).size(), 3u);

    // Deleting its card deletes that vehicle, and no other.
    box.shown.clear();
    box.answer = toolkit::vbYes;
    deleteFromMenu(1, place + 1);
    filesAfter.erase("car.srf");
    EXPECT_EQ(folderFiles(card()), filesAfter);
    EXPECT_EQ(form->state.garminCount, 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseClashTest,
                         ::testing::Values(CaseClash{"ListedAnsweredNo", true, toolkit::vbNo},
                                           CaseClash{"ListedAnsweredYes", true, toolkit::vbYes},
                                           CaseClash{"NotListedAnsweredNo", false, toolkit::vbNo},
                                           CaseClash{"NotListedAnsweredYes", false,
                                                     toolkit::vbYes}),
                         [](const auto& info) { return std::string(info.param.name); });

// The error that ends reading the whole file; 0 when it reads to its end.
int readError(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    char piece[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, piece, sizeof piece)) > 0) {
    }
    const int error = got < 0 ? errno : 0;
    ::close(fd);
    return error;
}

// Three clusters whose first begins with a text no vehicle holds, so the volume can be broken
// right after it.
QByteArray unreadableBytes() {
    QByteArray bytes = QByteArrayLiteral("UNREADABLE VEHICLE");
    bytes.resize(3 * ExfatVolume::kClusterBytes, 'u');
    return bytes;
}

TEST_F(ExfatPaneTest, AFileTheCardCannotGiveIsPassedOverAndNamedWhenTheScanEnds) {
    writeVehicle(card() + "/Nav01.srf", {.frameSize = 12});
    QString why;
    ASSERT_TRUE(volume.writeScattered("Nav02.srf", unreadableBytes(), &why)) << why.toStdString();
    writeVehicle(card() + "/Nav03.srf", {.frameSize = 16});
    ASSERT_TRUE(volume.unmount(&why)) << why.toStdString();
    ASSERT_TRUE(volume.breakAfterFirstCluster("UNREADABLE VEHICLE", &why)) << why.toStdString();
    ASSERT_TRUE(volume.mount(&why)) << why.toStdString();
    // Listed, but reading it fails past its first cluster: a real I/O error, which root meets too.
    ASSERT_TRUE(QFileInfo(card() + "/Nav02.srf").isFile());
    ASSERT_EQ(readError(card() + "/Nav02.srf"), EIO);
    writeVehicles(cars(), 2, "Car");

    startOn(cars(), card());

    EXPECT_EQ(catalogueNames(1), std::vector<QString>({"Nav01.srf", "Nav03.srf"}));
    EXPECT_EQ(shownNames(1), std::vector<QString>({"Nav01.srf", "Nav03.srf"}));
    EXPECT_EQ(form->state.garminCatalogue[1].Size3D, "16x16");
    EXPECT_EQ(form->state.filesCount, 2);
    const QString told = "These files in " + card() +
                         " could not be read and are not shown:\r\nNav02.srf: Input/output error";
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_FALSE(box.shown[0].question);
    EXPECT_EQ(box.shown[0].title, "Vehicle Unreadable");
    EXPECT_EQ(box.shown[0].text, told);
    // Copies of the others only, and no part of the one that failed.
    EXPECT_EQ(QDir(temp()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              QStringList({"Nav01.srf", "Nav03.srf"}));

    // Each scan says it again, once; the Files pane's scans say nothing of it.
    form->RefreshPane(0);
    EXPECT_EQ(box.shown.size(), 1u);
    form->RefreshPane(1);
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[1].text, told);
    EXPECT_EQ(catalogueNames(1), std::vector<QString>({"Nav01.srf", "Nav03.srf"}));
}

} // namespace
