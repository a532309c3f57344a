// What a copy under a name would replace in a folder, on a file system that keeps letter case and
// on an exFAT volume, which ignores it.
#include "app/target_occupant.h"
#include "tests/app/exfat_volume.h"
#include "tests/app/file_bytes.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

void PrintTo(const TargetOccupant& o, std::ostream* os) {
    *os << (o.present ? "present, entry " : "absent, entry ") << o.entry;
}

namespace {

std::vector<VehicleRecord> listed(const QStringList& names) {
    std::vector<VehicleRecord> entries;
    for (const QString& name : names) {
        VehicleRecord entry;
        entry.FileName = name;
        entries.push_back(entry);
    }
    return entries;
}

class OccupantTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(OccupantTest, AFolderThatKeepsLetterCaseHasOnlyWhatIsThereUnderTheName) {
    writeBytes(dir.filePath("CAR.SRF"), "listed");
    writeBytes(dir.filePath("Unlisted.srf"), "not listed");
    ASSERT_TRUE(QFile::link(dir.filePath("missing"), dir.filePath("Dangling.srf")));
    const std::vector<VehicleRecord> entries = listed({"Nav.srf", "CAR.SRF"});
    const struct {
        const char* name;
        TargetOccupant occupant;
    } cases[] = {
        {"car.srf", {false, -1}},
        {"Unlisted.srf", {true, -1}},
        // The link itself is there, though it leads nowhere.
        {"Dangling.srf", {true, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(occupantOf(dir.path(), c.name, entries), c.occupant) << c.name;
}

TEST_F(OccupantTest, OnAnExfatVolumeTheEntryOfTheOtherCaseNamesTheFile) {
    ExfatVolume volume;
    EXFAT_VOLUME_OR_END(volume, dir.filePath("card.img"), dir.filePath("card"));
    writeBytes(volume.folder() + "/Nav.srf", "first");
    writeBytes(volume.folder() + "/CAR.SRF", "listed");
    writeBytes(volume.folder() + "/VAN.SRF", "not listed");
    const std::vector<VehicleRecord> entries = listed({"Nav.srf", "CAR.SRF"});
    const struct {
        const char* name;
        TargetOccupant occupant;
    } cases[] = {
        {"car.srf", {true, 1}},
        {"Car.Srf", {true, 1}},
        {"van.srf", {true, -1}},
        {"bus.srf", {false, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(occupantOf(volume.folder(), c.name, entries), c.occupant) << c.name;
}

} // namespace
