// The order a pane lists its folder in: sorted by upper-cased names on a local file system, the
// directory's own order on a FAT or exFAT volume, told apart also behind a FUSE driver.
#include "app/fat_volume.h"
#include "app/listing_order.h"
#include "tests/app/exfat_volume.h"
#include "tests/app/file_bytes.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(ListingOrder, NamesSortByTheirUpperCasedCharacters) {
    const struct {
        const char* a;
        const char* b;
    } before[] = {
        {"Alpha.srf", "bravo.srf"},
        {"alpha.srf", "BRAVO.srf"},
        // '1' comes before 'L', and a name before its longer form.
        {"a1.srf", "Alpha.srf"},
        {"Car.srf", "Car2.srf"},
        {"Car.srf", "Car.srf2"},
        // Upper-cased, '_' follows the letters, though it precedes the lower-case ones.
        {"zed.srf", "_under.srf"},
        {"Z.srf", "[.srf"},
        // Equal but for case: one fixed order all the same.
        {"CAR.SRF", "car.srf"},
    };
    for (const auto& c : before) {
        EXPECT_TRUE(listsBefore(c.a, c.b)) << c.a << " before " << c.b;
        EXPECT_FALSE(listsBefore(c.b, c.a)) << c.b << " not before " << c.a;
    }
    EXPECT_FALSE(listsBefore("Car.srf", "Car.srf"));
}

class VolumeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
    // Created out of every order a listing could fall into by chance.
    const QStringList created = {"Mid.srf",   "zed.srf",  "Alpha.srf", "_under.srf",
                                 "BRAVO.srf", "kilo.srf", "a1.srf"};
    const QStringList sorted = {"a1.srf",  "Alpha.srf", "BRAVO.srf", "kilo.srf",
                                "Mid.srf", "zed.srf",   "_under.srf"};
};

TEST_F(VolumeTest, ALocalFolderIsSorted) {
    ScratchMount tmpfs;
    QString why;
    const bool mounted = tmpfs.mount(dir.filePath("tmpfs"), "1m", &why);
    if (!mounted && runningAsRoot())
        FAIL() << why.toStdString();
    for (const QString& folder : {dir.path(), dir.filePath("tmpfs")}) {
        SCOPED_TRACE(folder.toStdString());
        if (folder != dir.path() && !mounted)
            continue;
        EXPECT_FALSE(onFatVolume(folder));
        QStringList names = created;
        putInListingOrder(folder, names);
        EXPECT_EQ(names, sorted);
    }
    EXPECT_FALSE(onFatVolume(dir.filePath("missing")));
    EXPECT_FALSE(onFatVolume(QString()));
}

TEST_F(VolumeTest, AnExfatVolumeBehindItsFuseDriverKeepsItsDirectoryOrder) {
    ExfatVolume volume;
    EXFAT_VOLUME_OR_END(volume, dir.filePath("card.img"), dir.filePath("card"));
    ASSERT_TRUE(QDir().mkpath(volume.folder() + "/Garmin/Vehicle"));
    for (const QString& folder : {volume.folder(), volume.folder() + "/Garmin/Vehicle"}) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_TRUE(onFatVolume(folder));
        QStringList names = created;
        putInListingOrder(folder, names);
        EXPECT_EQ(names, created);
    }
}

} // namespace
