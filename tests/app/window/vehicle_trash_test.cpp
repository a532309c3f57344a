// Where a deleted vehicle goes: a local one into the user's trash (its volume's own, or the home
// trash on the home volume), whence the user can bring it back; one on a volume without a trash,
// and every navigator's, is deleted.
#include "tests/app/file_bytes.h"
#include "tests/app/scratch_mount.h"
#include "tests/app/window/copy_fixture.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace {

// Sets an environment variable for the life of the object, then puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name)
        , had_(qEnvironmentVariableIsSet(name))
        , old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

enum class Ends { VolumeTrash, HomeTrash, Deleted };

struct TrashCase {
    const char* name;
    std::uint8_t pane;
    bool ownVolume;   // the pane's folder lies on a tmpfs of its own, not on the home volume
    bool trashBarred; // a file stands where the volume's trash folder would be made
    Ends ends;
    bool noDataFolder = false; // a new account, whose ~/.local/share is not made yet
};

const TrashCase kTrashCases[] = {
    {"LocalFileOnItsOwnVolume", 0, true, false, Ends::VolumeTrash},
    {"LocalFileOnTheHomeVolume", 0, false, false, Ends::HomeTrash},
    {"LocalFileOnAVolumeWithoutATrash", 0, true, true, Ends::Deleted},
    {"NavigatorFile", 1, true, false, Ends::Deleted},
    {"LocalFileOfANewAccount", 0, false, false, Ends::HomeTrash, true},
};

class TrashTest : public CopyFixture, public ::testing::WithParamInterface<TrashCase> {
protected:
    ScratchMount mount;
};

TEST_P(TrashTest, ADeletedVehicleGoesWhereTheUserCanHaveItBack) {
    const TrashCase& c = GetParam();
    const QString volume = folder() + "/volume";
    if (c.ownVolume) {
        QString why;
        if (!mount.mount(volume, "1m", &why)) {
            // Root may always mount; only elsewhere is a missing right a reason to skip.
            ASSERT_FALSE(runningAsRoot()) << why.toStdString();
            GTEST_SKIP() << why.toStdString();
        }
    }
    const QString trashName = ".Trash-" + QString::number(::getuid());
    if (c.trashBarred)
        writeBytes(volume + "/" + trashName, "no trash here");
    // The home trash of the test's own, on the volume of the test's folder; its data folder is
    // there, as a user's ~/.local/share is.
    if (!c.noDataFolder) {
        ASSERT_TRUE(QDir().mkpath(folder() + "/data"));
    }
    const ScopedVariable home("HOME", QFile::encodeName(folder()));
    const ScopedVariable data("XDG_DATA_HOME", QFile::encodeName(folder() + "/data"));

    const QString vehicles = volume + "/vehicles";
    writeDistinct(vehicles, 3, "Car");
    const QByteArray bytes = readBytes(vehicles + "/Car02.srf");
    if (c.pane == 0)
        startOn(vehicles, folder() + "/none");
    else
        startOn(folder() + "/none", vehicles);
    const Pane pane = form->paneOf(c.pane);
    int card = 1;
    while (pane.catalogue[card - 1].FileName != "Car02.srf")
        ++card;
    deleteFromMenu(c.pane, card);

    // The question and what follows it are those of every deletion.
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "Delete Confirm");
    EXPECT_FALSE(QFile::exists(vehicles + "/Car02.srf"));
    EXPECT_EQ(pane.count, 2);
    EXPECT_EQ(shownNames(c.pane), (std::vector<QString>{"Car01.srf", "Car03.srf"}));

    const QString volumeTrash = volume + "/" + trashName;
    const QString homeTrash = folder() + "/data/Trash";
    const QString trash = c.ends == Ends::VolumeTrash ? volumeTrash : homeTrash;
    if (c.ends == Ends::Deleted) {
        EXPECT_FALSE(QFile::exists(volumeTrash + "/files/Car02.srf"));
        EXPECT_FALSE(QFile::exists(homeTrash + "/files/Car02.srf"));
        if (!c.trashBarred) {
            EXPECT_FALSE(QFile::exists(volumeTrash)) << "no trash is made on the navigator";
        }
        return;
    }
    EXPECT_EQ(readBytes(trash + "/files/Car02.srf"), bytes);
    // Never into a "files" folder beside wherever the program was started.
    EXPECT_FALSE(QFile::exists(QDir::currentPath() + "/files/Car02.srf"));
    // What the file manager reads to put it back.
    const QByteArray info = readBytes(trash + "/info/Car02.srf.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\n")) << info.toStdString();
    EXPECT_TRUE(info.contains("\nPath=" + QFile::encodeName(vehicles + "/Car02.srf") + "\n") ||
                info.contains("\nPath=vehicles/Car02.srf\n"))
        << info.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Volumes, TrashTest, ::testing::ValuesIn(kTrashCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
