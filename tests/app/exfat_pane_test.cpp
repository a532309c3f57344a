// The Garmin pane on a real exFAT volume, as a navigator's card is formatted, through exfat-fuse:
// the order it lists in, names that differ only in letter case, and a file the card cannot read.
#include "copy_fixture.h"
#include "exfat_volume.h"
#include "file_bytes.h"

#include <QDir>
#include <QFile>

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

} // namespace
