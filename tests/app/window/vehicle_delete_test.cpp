// Deleting a vehicle from the cards' context menu, through the real window: the question, the
// overlay, the file, the gap closed in the catalogue and the strip, the scroll position; and a
// deletion that meets a read-only file or folder, a file in place of the folder, or a file that is
// already gone.
#include "tests/app/scratch_mount.h"
#include "tests/app/window/copy_fixture.h"

#include <QDir>
#include <QFile>

namespace {

struct DeleteCase {
    const char* name;
    int count;
    int value; // the scroll position when the card is clicked
    int card;
    int answer;
    std::vector<int> remaining; // entries of the listing left, in order
    int max;                    // the scroll range's end afterwards
};

class DeleteTest : public CopyFixture, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, TheFileGoesAndTheGapCloses) {
    const DeleteCase& c = GetParam();
    writeDistinct(cars(), c.count, "Car");
    const QStringList order = listedOrder(cars());
    startOn(cars(), folder() + "/none");
    ASSERT_TRUE(form->VScrollFiles->setValue(static_cast<std::int16_t>(c.value)));
    const PaneState before = paneState(0);
    // The blocks of the cells and of the blank cell after the last one.
    std::vector<QImage> blocks;
    for (int e = 0; e <= c.count; ++e)
        blocks.push_back(movedBlock(*form->state.filesStrip, e * 100));
    const int chosen = c.value + c.card - 2;
    const QString name = order[chosen];
    const QString path = cars() + "/" + name;
    box.answer = c.answer;
    struct Seen {
        QString line1;
        QString line2;
    };
    std::vector<Seen> seen;
    {
        EveryYield probe([&] {
            if (form->fraMessage->isVisible())
                seen.push_back({form->lblMessage1->Caption(), form->lblMessage2->Caption()});
        });
        deleteFromMenu(0, c.card);
    }

    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].question);
    EXPECT_EQ(box.shown[0].title, "Delete Confirm");
    EXPECT_EQ(box.shown[0].text, "Are you sure you want to delete " + name + "?");
    EXPECT_EQ(form->state.selectedIndex, chosen + 1) << "the selection stays";
    if (c.answer != toolkit::vbYes) {
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(samePane(before, paneState(0)));
        EXPECT_EQ(listedOrder(cars()).size(), static_cast<std::size_t>(c.count));
        return;
    }
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().line1, "Deleting Vehicle");
    EXPECT_EQ(seen.front().line2, path);
    EXPECT_FALSE(form->fraMessage->isVisible());
    EXPECT_FALSE(QFile::exists(path));

    const PaneState after = paneState(0);
    ASSERT_EQ(after.count, static_cast<int>(c.remaining.size()));
    std::vector<QString> names;
    for (std::size_t e = 0; e < c.remaining.size(); ++e) {
        const int was = c.remaining[e];
        VehicleRecord expected = before.entries[was];
        expected.StripX = static_cast<int>(e) * 100;
        EXPECT_EQ(after.entries[e], expected);
        EXPECT_EQ(movedBlock(*form->state.filesStrip, static_cast<int>(e) * 100), blocks[was])
            << "cell " << e;
        names.push_back(expected.FileName);
    }
    // The former last cell is blank now.
    EXPECT_EQ(movedBlock(*form->state.filesStrip, (c.count - 1) * 100), blocks[c.count]);
    EXPECT_EQ(blocks[c.count].pixel(50, 50), qRgb(255, 255, 255));
    EXPECT_EQ(after.cardsLoaded, before.cardsLoaded);
    EXPECT_EQ(after.value, 1);
    EXPECT_EQ(after.max, c.max);
    names.resize(std::min<std::size_t>(names.size(), 4));
    EXPECT_EQ(after.shown, names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteTest,
    ::testing::Values(DeleteCase{"FirstOfThree", 3, 1, 1, toolkit::vbYes, {1, 2}, 1},
                      DeleteCase{"LastOfThree", 3, 1, 3, toolkit::vbYes, {0, 1}, 1},
                      DeleteCase{"OnlyOne", 1, 1, 1, toolkit::vbYes, {}, 1},
                      DeleteCase{
                          "FourthOfSixScrolled", 6, 3, 2, toolkit::vbYes, {0, 1, 2, 4, 5}, 2},
                      DeleteCase{"AnsweredNo", 3, 1, 2, toolkit::vbNo, {}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct DeleteFault {
    const char* name;
    bool mounted; // the folder is a tmpfs of its own, where root is to meet a read-only one
    // Gives the reason the user is to read; empty when the deletion goes through.
    QString (*inflict)(const QString& folder, ScratchMount& mount);
};

QString readOnlyFolder(const QString& folder, ScratchMount& mount) {
    if (runningAsRoot()) {
        QString why;
        return mount.remountReadOnly(&why) ? QString("Read-only file system") : why;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    return "Permission denied";
}

QString readOnlyFile(const QString& folder, ScratchMount&) {
    QFile::setPermissions(folder + "/Car02.srf", QFile::ReadOwner | QFile::ReadGroup);
    return "Read-only file";
}

QString fileInPlaceOfFolder(const QString& folder, ScratchMount&) {
    QDir().rename(folder, folder + ".moved");
    QFile file(folder);
    if (!file.open(QIODevice::WriteOnly) || file.write("not a folder") != 12)
        return "<write failed>";
    return "Not a directory";
}

QString fileAlreadyGone(const QString& folder, ScratchMount&) {
    QFile::remove(folder + "/Car02.srf");
    return QString();
}

const DeleteFault kDeleteFaults[] = {
    {"ReadOnlyFolder", true, readOnlyFolder},
    {"ReadOnlyFile", false, readOnlyFile},
    {"FileInPlaceOfTheFolder", false, fileInPlaceOfFolder},
    {"FileAlreadyGone", false, fileAlreadyGone},
};

class DeleteFaultTest : public CopyFixture, public ::testing::WithParamInterface<DeleteFault> {
protected:
    void TearDown() override {
        QFile::setPermissions(cars(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        CopyFixture::TearDown();
    }
    ScratchMount mount;
};

TEST_P(DeleteFaultTest, AFailedDeletionKeepsTheVehicleAndSaysWhy) {
    const DeleteFault& fault = GetParam();
    QString why;
    if (fault.mounted && runningAsRoot() && !mount.mount(cars(), "1m", &why))
        GTEST_SKIP() << why.toStdString();
    writeDistinct(cars(), 3, "Car");
    startOn(cars(), folder() + "/none");
    int card = 1;
    while (form->state.filesCatalogue[card - 1].FileName != "Car02.srf")
        ++card;
    const PaneState before = paneState(0);
    const QString reason = fault.inflict(cars(), mount);
    const FolderFiles filesBefore = folderFiles(cars());
    const FolderFiles movedBefore = folderFiles(cars() + ".moved");

    deleteFromMenu(0, card);

    EXPECT_EQ(folderFiles(cars()), filesBefore);
    EXPECT_EQ(folderFiles(cars() + ".moved"), movedBefore);
    EXPECT_FALSE(form->fraMessage->isVisible());
    ASSERT_GE(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "Delete Confirm");
    if (reason.isEmpty()) {
        // Only taken out of the pane, without a word.
        EXPECT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(form->state.filesCount, 2);
        EXPECT_EQ(shownNames(0).size(), 2u);
        for (int e = 0; e < 2; ++e)
            EXPECT_NE(form->state.filesCatalogue[e].FileName, "Car02.srf");
        return;
    }
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_FALSE(box.shown[1].question);
    EXPECT_EQ(box.shown[1].title, "Delete Failed");
    EXPECT_EQ(box.shown[1].text, cars() + "/Car02.srf could not be deleted.\r\n" + reason);
    EXPECT_TRUE(samePane(before, paneState(0)));
}

INSTANTIATE_TEST_SUITE_P(FileSystems, DeleteFaultTest, ::testing::ValuesIn(kDeleteFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
