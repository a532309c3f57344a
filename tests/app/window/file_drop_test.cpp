// Files dropped onto a pane's card column from another program, through the real window: what is
// copied, in which order, through the questions and failures of a card's copy; what is passed over
// and named; where and when the window takes a drop at all; and what a card dragged out offers.
#include "tests/app/file_bytes.h"
#include "tests/app/odd_entries.h"
#include "tests/app/window/copy_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <sys/stat.h>

namespace {

struct DragAnswer {
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

class FileDropTest : public CopyFixture {
protected:
    QString downloads() const { return folder() + "/downloads"; }

    static std::unique_ptr<QMimeData> filesData(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        auto data = std::make_unique<QMimeData>();
        data->setUrls(urls);
        return data;
    }

    // A drag entering the window and moving to `at` of `part`, as the platform sends it: to the
    // window, which takes drags for every part of it. What the window answered to the move.
    DragAnswer dragOver(QWidget* part, QPoint at, const QMimeData& data,
                        Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
        QWidget* window = form->window();
        const QPoint position = part->mapTo(window, at);
        QDragEnterEvent enter(position, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        if (!enter.isAccepted())
            return {};
        QDragMoveEvent move(position, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
        return {move.isAccepted(), move.dropAction()};
    }

    // Drops onto a part of the window and waits until the window has copied what it took.
    DragAnswer dropOn(QWidget* part, QPoint at, const QMimeData& data,
                      Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
        QWidget* window = form->window();
        const QPoint position = part->mapTo(window, at);
        QDragEnterEvent enter(position, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QDropEvent drop(position, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
        for (int pass = 0; pass < 100 && form->dropRefused(); ++pass)
            QCoreApplication::processEvents();
        return {drop.isAccepted(), drop.dropAction()};
    }

    DragAnswer dropFiles(std::uint8_t pane, const QStringList& paths) {
        toolkit::ImageControl* column =
            pane == 0 ? form->imgFilesCardsArea : form->imgGarminCardsArea;
        return dropOn(column, QPoint(30, column->height() - 10), *filesData(paths));
    }
};

timespec modificationTime(const QString& path) {
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status.st_mtim;
}

// Pane 0 (Files) or 1 (Garmin) as the drop's target.
class DropIntoPaneTest : public FileDropTest, public ::testing::WithParamInterface<std::uint8_t> {};

// The pane's state without the entry and the cell beyond its vehicles, which a scan sets and a
// copy leaves, and without the card counter, which a scan sets to the count and a copy to the
// cards it made.
PaneState vehiclesOf(PaneState state) {
    state.entries.pop_back();
    state.cells.pop_back();
    state.cardsLoaded = 0;
    return state;
}

TEST_P(DropIntoPaneTest, DroppedVehiclesArriveInTheirOrderAsAListingOfTheFolderShowsThem) {
    const std::uint8_t pane = GetParam();
    const QStringList names = writeDistinct(downloads(), 6, "Car");
    ASSERT_TRUE(QDir().mkpath(cars()));
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    const QString target = pane == 0 ? cars() : device();
    QStringList paths;
    for (const QString& name : names)
        paths.append(downloads() + "/" + name);

    const DragAnswer answer = dropFiles(pane, paths);

    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.action, Qt::CopyAction) << "offered copy and move, it copies";
    EXPECT_TRUE(box.shown.empty());
    for (const QString& name : names) {
        EXPECT_EQ(bytesOf(target + "/" + name), bytesOf(downloads() + "/" + name));
        EXPECT_EQ(modificationTime(target + "/" + name).tv_sec,
                  modificationTime(downloads() + "/" + name).tv_sec);
    }
    EXPECT_EQ(folderFiles(downloads()).size(), 6u) << "the dropped files stay";
    EXPECT_EQ(form->paneOf(pane).count, 6);
    EXPECT_EQ(form->paneOf(pane).scroll->Max(), 3);
    EXPECT_EQ(form->paneOf(1 - pane).count, 0);
    EXPECT_EQ(form->paneOf(pane).cardsLoaded, 4);
    // In the order dropped, which is the order a listing of the folder gives them: the pane is
    // what listing and scanning it would make, thumbnails and cards included.
    const PaneState dropped = paneState(pane);
    form->RefreshPane(pane);
    EXPECT_TRUE(samePane(vehiclesOf(paneState(pane)), vehiclesOf(dropped)));
    EXPECT_FALSE(form->fileWorkRunning());
}

INSTANTIATE_TEST_SUITE_P(Panes, DropIntoPaneTest, ::testing::Values(0, 1), [](const auto& info) {
    return std::string(info.param == 0 ? "Files" : "Garmin");
});

TEST_F(FileDropTest, SeveralFilesAreCopiedInTheOrderDropped) {
    const QStringList names = writeDistinct(downloads(), 3, "Car");
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(downloads(), device());

    dropFiles(1, {downloads() + "/" + names[2], downloads() + "/" + names[0],
                  downloads() + "/" + names[1]});

    ASSERT_EQ(form->state.garminCount, 3);
    EXPECT_EQ(form->state.garminCatalogue[0].FileName, names[2]);
    EXPECT_EQ(form->state.garminCatalogue[1].FileName, names[0]);
    EXPECT_EQ(form->state.garminCatalogue[2].FileName, names[1]);
    EXPECT_EQ(shownNames(1), (std::vector<QString>{names[2], names[0], names[1]}));
    EXPECT_TRUE(showsBlock(form->TesselGarmin->item(1), stripBlock(*form->state.garminStrip, 0)));
    EXPECT_EQ(movedBlock(*form->state.garminStrip, 0),
              movedBlock(*form->state.filesStrip, form->state.filesCatalogue[2].StripX));
}

TEST_F(FileDropTest, WhatIsNoVehicleFileIsPassedOverAndNamedInOneBoxAtTheEnd) {
    QStringList odd = makeOddEntries(downloads());
    writeVehicle(downloads() + "/First.srf", {.frameSize = 20});
    writeVehicle(downloads() + "/LOUD.SRF", {.frameSize = 24});
    writeVehicle(downloads() + "/Vehicle.srf.txt");
    writeVehicle(downloads() + "/noextension");
    makeLink(downloads() + "/First.srf", downloads() + "/LinkToVehicle.srf");
    ASSERT_TRUE(QDir().mkpath(downloads() + "/Folder"));
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(downloads(), device());

    QList<QUrl> urls{QUrl::fromLocalFile(downloads() + "/First.srf")};
    for (const QString& name : odd)
        urls.append(QUrl::fromLocalFile(downloads() + "/" + name));
    urls.append(QUrl::fromLocalFile(downloads() + "/Vehicle.srf.txt"));
    urls.append(QUrl::fromLocalFile(downloads() + "/noextension"));
    urls.append(QUrl::fromLocalFile(downloads() + "/Folder"));
    urls.append(QUrl::fromLocalFile(downloads() + "/Gone.srf"));
    urls.append(QUrl(QStringLiteral("https://example.com/vehicles/Remote.srf")));
    urls.append(QUrl(QStringLiteral("sftp://host/home/user/Other.srf")));
    urls.append(QUrl::fromLocalFile(downloads() + "/LOUD.SRF"));
    urls.append(QUrl::fromLocalFile(downloads() + "/LinkToVehicle.srf"));
    QMimeData data;
    data.setUrls(urls);

    dropOn(form->imgGarminCardsArea, QPoint(20, 20), data);

    // The vehicles, any letter case, a link followed to one: nothing else reaches the navigator.
    EXPECT_EQ(folderFiles(device()),
              (FolderFiles{{"First.srf", bytesOf(downloads() + "/First.srf")},
                           {"LOUD.SRF", bytesOf(downloads() + "/LOUD.SRF")},
                           {"LinkToVehicle.srf", bytesOf(downloads() + "/First.srf")}}));
    ASSERT_EQ(form->state.garminCount, 3);
    EXPECT_EQ(form->state.garminCatalogue[1].FileName, "LOUD.SRF");
    ASSERT_EQ(box.shown.size(), 1u) << "one box for everything passed over";
    EXPECT_FALSE(box.shown[0].question);
    EXPECT_EQ(box.shown[0].title, "Not Copied");
    QStringList passedOver;
    for (const QString& name : odd)
        passedOver.append(downloads() + "/" + name);
    passedOver << downloads() + "/Vehicle.srf.txt" << downloads() + "/noextension"
               << downloads() + "/Folder" << downloads() + "/Gone.srf"
               << "https://example.com/vehicles/Remote.srf"
               << "sftp://host/home/user/Other.srf";
    EXPECT_EQ(box.shown[0].text, "Only vehicle files (files ending in .srf) can be copied. These "
                                 "were passed over:\r\n" +
                                     passedOver.join("\r\n"));
}

TEST_F(FileDropTest, ANoForOneFileLeavesTheOthersToGo) {
    writeDistinct(downloads(), 3, "Car");
    ASSERT_TRUE(QDir().mkpath(device()));
    writeVehicle(device() + "/Car02.srf", {.frameSize = 50});
    startOn(downloads(), device());
    const QByteArray kept = bytesOf(device() + "/Car02.srf");
    box.answer = toolkit::vbNo;

    dropFiles(1,
              {downloads() + "/Car01.srf", downloads() + "/Car02.srf", downloads() + "/Car03.srf"});

    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_EQ(bytesOf(device() + "/Car02.srf"), kept);
    EXPECT_EQ(bytesOf(device() + "/Car01.srf"), bytesOf(downloads() + "/Car01.srf"));
    EXPECT_EQ(bytesOf(device() + "/Car03.srf"), bytesOf(downloads() + "/Car03.srf"));
    EXPECT_EQ(form->state.garminCount, 3);
    EXPECT_EQ(shownNames(1), (std::vector<QString>{"Car02.srf", "Car01.srf", "Car03.srf"}));
}

TEST_F(FileDropTest, AYesReplacesInPlaceAndAFailureIsToldWithoutStoppingTheOthers) {
    writeDistinct(downloads(), 3, "Car");
    ASSERT_TRUE(QDir().mkpath(cars()));
    writeVehicle(cars() + "/Car01.srf", {.frameSize = 50});
    writeVehicle(cars() + "/Car02.srf", {.frameSize = 50});
    ASSERT_TRUE(QFile::setPermissions(cars() + "/Car02.srf",
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    const QByteArray readOnly = bytesOf(cars() + "/Car02.srf");

    dropFiles(0,
              {downloads() + "/Car02.srf", downloads() + "/Car01.srf", downloads() + "/Car03.srf"});

    ASSERT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_EQ(box.shown[1].title, "Copy Failed");
    EXPECT_EQ(box.shown[1].text,
              downloads() + "/Car02.srf could not be copied to " + cars() + ".\r\nRead-only file");
    EXPECT_EQ(box.shown[2].title, "Vehicle Exists");
    EXPECT_EQ(bytesOf(cars() + "/Car02.srf"), readOnly);
    EXPECT_EQ(bytesOf(cars() + "/Car01.srf"), bytesOf(downloads() + "/Car01.srf"));
    EXPECT_EQ(bytesOf(cars() + "/Car03.srf"), bytesOf(downloads() + "/Car03.srf"));
    EXPECT_EQ(shownNames(0), (std::vector<QString>{"Car01.srf", "Car02.srf", "Car03.srf"}));
    EXPECT_EQ(form->state.filesCatalogue[0].Size3D, "34x34") << "replaced in its place";
}

TEST_F(FileDropTest, AFullPaneRefusesANewFileAndTakesTheNext) {
    writeVehicles(device(), 100, "Nav");
    ASSERT_TRUE(QDir().mkpath(downloads()));
    writeVehicle(downloads() + "/New.srf", {.frameSize = 50});
    writeVehicle(downloads() + "/Nav01.srf", {.frameSize = 50});
    startOn(downloads(), device());
    ASSERT_EQ(form->state.garminCount, 100);

    dropFiles(1, {downloads() + "/New.srf", downloads() + "/Nav01.srf"});

    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].title, "Copy Refused");
    EXPECT_EQ(box.shown[1].title, "Vehicle Exists");
    EXPECT_FALSE(QFile::exists(device() + "/New.srf"));
    EXPECT_EQ(bytesOf(device() + "/Nav01.srf"), bytesOf(downloads() + "/Nav01.srf"));
    EXPECT_EQ(form->state.garminCount, 100);
}

TEST_F(FileDropTest, OnlyACardColumnTakesADropAndOnlyForACopy) {
    writeDistinct(cars(), 2, "Car");
    writeDistinct(device(), 1, "Nav");
    startOn(cars(), device());
    const std::unique_ptr<QMimeData> files = filesData({cars() + "/Car01.srf"});
    QMimeData text;
    text.setText("Car01.srf");
    const struct {
        const char* what;
        QWidget* part;
        QPoint at;
        const QMimeData* data;
        Qt::DropActions actions;
        bool taken;
    } cases[] = {
        {"Files column", form->imgFilesCardsArea, {20, 450}, files.get(), Qt::CopyAction, true},
        {"Files card", cards(0).item(2)->widget(), {150, 50}, files.get(), Qt::CopyAction, true},
        {"Garmin card", cards(1).item(1)->widget(), {10, 10}, files.get(), Qt::CopyAction, true},
        {"Garmin column offered copy or move",
         form->imgGarminCardsArea,
         {300, 400},
         files.get(),
         Qt::CopyAction | Qt::MoveAction | Qt::LinkAction,
         true},
        {"offered a move only",
         form->imgGarminCardsArea,
         {300, 400},
         files.get(),
         Qt::MoveAction,
         false},
        {"offered a link only",
         form->imgGarminCardsArea,
         {300, 400},
         files.get(),
         Qt::LinkAction,
         false},
        {"text, no files", form->imgGarminCardsArea, {300, 400}, &text, Qt::CopyAction, false},
        {"scroll bar", form->VScrollFiles, {5, 200}, files.get(), Qt::CopyAction, false},
        {"folder label", form->lblGarminDir, {5, 5}, files.get(), Qt::CopyAction, false},
        {"pane title", form->lblLocalFiles, {5, 5}, files.get(), Qt::CopyAction, false},
        {"close button", form->imgX, {5, 5}, files.get(), Qt::CopyAction, false},
        {"skin between the panes",
         form->window(),
         {form->imgFilesCardsArea->geometry().right() + 30, 300},
         files.get(),
         Qt::CopyAction,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DragAnswer answer = dragOver(c.part, c.at, *c.data, c.actions);
        EXPECT_EQ(answer.accepted, c.taken);
        if (c.taken) {
            EXPECT_EQ(answer.action, Qt::CopyAction);
        }
    }
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(folderFiles(device()).size(), 1u) << "a drag over the window copies nothing";

    // A drop where the pointer shows "forbidden" copies nothing either.
    EXPECT_FALSE(dropOn(form->VScrollGarmin, {5, 200}, *files).accepted);
    EXPECT_EQ(folderFiles(device()).size(), 1u);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(FileDropTest, NothingIsTakenWhileAQuestionIsOpenOrAScanRuns) {
    writeDistinct(downloads(), 3, "Car");
    ASSERT_TRUE(QDir().mkpath(device()));
    writeVehicle(device() + "/Car01.srf", {.frameSize = 50});
    startOn(downloads(), device());
    const std::unique_ptr<QMimeData> second = filesData({downloads() + "/Car03.srf"});
    DragAnswer duringQuestion{true, Qt::CopyAction};
    DragAnswer dropDuringQuestion{true, Qt::CopyAction};
    box.whileAsking = [&] {
        duringQuestion = dragOver(form->imgFilesCardsArea, {20, 450}, *second);
        dropDuringQuestion = dropOn(form->imgFilesCardsArea, {20, 450}, *second);
    };

    dropFiles(1, {downloads() + "/Car01.srf", downloads() + "/Car02.srf"});

    EXPECT_FALSE(duringQuestion.accepted);
    EXPECT_FALSE(dropDuringQuestion.accepted);
    EXPECT_EQ(bytesOf(device() + "/Car02.srf"), bytesOf(downloads() + "/Car02.srf"));
    EXPECT_FALSE(QFile::exists(device() + "/Car03.srf"));
    EXPECT_EQ(form->state.garminCount, 2);

    // A scan yields while it reads; a drop meanwhile is refused.
    bool sawScan = false;
    DragAnswer duringScan{true, Qt::CopyAction};
    {
        const EveryYield probe([&] {
            if (sawScan || !form->fraMessage->isVisible())
                return;
            sawScan = true;
            duringScan = dragOver(form->imgGarminCardsArea, {20, 450}, *second);
        });
        form->RefreshPane(0);
    }
    EXPECT_TRUE(sawScan);
    EXPECT_FALSE(duringScan.accepted);
    // Afterwards the window takes drops again.
    EXPECT_TRUE(dragOver(form->imgGarminCardsArea, {20, 450}, *second).accepted);
}

TEST_F(FileDropTest, ACardDraggedOutOffersTheFileInThePanesOwnFolderForTheNavigatorItsOwn) {
    writeDistinct(cars(), 6, "Car");
    writeDistinct(device(), 6, "Nav");
    startOn(cars(), device());
    ASSERT_TRUE(QFile::exists(temp() + "/Nav04.srf")) << "the Garmin pane reads copies in temp";
    ASSERT_TRUE(form->VScrollGarmin->setValue(3));

    const std::unique_ptr<QMimeData> garmin = form->fileDragData({"TesselGarmin", 2});
    ASSERT_NE(garmin, nullptr);
    EXPECT_EQ(garmin->urls(), QList<QUrl>{QUrl::fromLocalFile(device() + "/Nav04.srf")});
    const std::unique_ptr<QMimeData> files = form->fileDragData({"TesselFiles", 1});
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->urls(), QList<QUrl>{QUrl::fromLocalFile(cars() + "/Car01.srf")});

    // A card that shows no vehicle offers nothing.
    EXPECT_EQ(form->fileDragData({"TesselGarmin", 5}), nullptr);
    EXPECT_EQ(form->fileDragData({"TesselFiles", 0}), nullptr);
}

} // namespace
