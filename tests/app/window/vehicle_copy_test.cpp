// Copying a vehicle by dragging its card onto the other pane, through the real window: which
// vehicle goes, where its file, record and thumbnail land, the question before a replacement, the
// limit of a hundred, the cards and the scroll range afterwards, and the overlay meanwhile.
#include "app/mod_main.h"
#include "tests/app/file_bytes.h"
#include "tests/app/window/copy_fixture.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace {

using CopyTest = CopyFixture;

timespec modificationTime(const QString& path) {
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status.st_mtim;
}

TEST_F(CopyTest, Card2AtValue5CopiesVehicle6IntoAPaneEmptySinceStartUp) {
    writeDistinct(cars(), 10, "Car");
    const QStringList order = listedOrder(cars());
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    ASSERT_EQ(form->state.garminStrip, nullptr) << "an empty pane has no strip yet";
    ASSERT_TRUE(form->VScrollFiles->setValue(5));
    const VehicleRecord dragged = form->state.filesCatalogue[5];
    ASSERT_EQ(dragged.FileName, order[5]);

    dragToOtherPane(0, 2);

    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(folderFiles(device()), (FolderFiles{{order[5], bytesOf(cars() + "/" + order[5])}}));
    EXPECT_EQ(form->state.garminCount, 1);
    VehicleRecord expected = dragged;
    expected.StripX = 0;
    EXPECT_EQ(form->state.garminCatalogue[0], expected);
    ASSERT_NE(form->state.garminStrip, nullptr);
    EXPECT_EQ(movedBlock(*form->state.garminStrip, 0),
              movedBlock(*form->state.filesStrip, dragged.StripX));
    EXPECT_EQ(form->state.garminCardsLoaded, 1);
    const toolkit::CardElement* card = form->TesselGarmin->item(1);
    EXPECT_EQ(card->Left(), form->shpGarmin->Left() + 45);
    EXPECT_EQ(card->Top(), form->shpGarmin->Top());
    EXPECT_EQ(shownNames(1), std::vector<QString>{order[5]});
    EXPECT_TRUE(showsBlock(card, stripBlock(*form->state.garminStrip, 0)));
    EXPECT_EQ(form->VScrollGarmin->Min(), 1);
    EXPECT_EQ(form->VScrollGarmin->Max(), 1);
    EXPECT_EQ(form->VScrollGarmin->Value(), 1);
    // The source pane is as it was.
    EXPECT_EQ(form->state.filesCount, 10);
    EXPECT_EQ(form->VScrollFiles->Value(), 5);
}

TEST_F(CopyTest, IntoAPaneOfFourNoCardIsCreatedAndTheRangeBecomes1To2) {
    writeDistinct(cars(), 1, "Car");
    writeDistinct(device(), 4, "Nav");
    startOn(cars(), device());
    ASSERT_EQ(form->state.garminCardsLoaded, 4);

    dragToOtherPane(0, 1);

    EXPECT_EQ(form->state.garminCount, 5);
    EXPECT_EQ(form->state.garminCatalogue[4].FileName, "Car01.srf");
    EXPECT_EQ(form->state.garminCatalogue[4].StripX, 400);
    EXPECT_EQ(form->state.garminCardsLoaded, 4);
    EXPECT_FALSE(form->TesselGarmin->exists(5));
    EXPECT_EQ(form->VScrollGarmin->Min(), 1);
    EXPECT_EQ(form->VScrollGarmin->Max(), 2);
    EXPECT_EQ(form->VScrollGarmin->Value(), 1);
    EXPECT_EQ(shownNames(1).size(), 4u);
    ASSERT_TRUE(form->VScrollGarmin->setValue(2));
    EXPECT_EQ(shownNames(1).back(), "Car01.srf");
    EXPECT_EQ(bytesOf(device() + "/Car01.srf"), bytesOf(cars() + "/Car01.srf"));
}

TEST_F(CopyTest, APaneOfAHundredRefusesANewVehicleButTakesAReplacement) {
    writeVehicles(device(), 100, "Nav");
    writeDistinct(cars(), 1, "Nav");
    writeVehicle(cars() + "/New01.srf", {.frameSize = 50, .colour = 0x001F});
    startOn(cars(), device());
    ASSERT_EQ(form->state.garminCount, 100);
    const FolderFiles before = folderFiles(device());
    const int newCard = form->state.filesCatalogue[0].FileName == "New01.srf" ? 1 : 2;

    const PaneState paneBefore = paneState(1);
    dragToOtherPane(0, newCard);
    ASSERT_EQ(box.shown.size(), 1u) << "refused in one box";
    EXPECT_FALSE(box.shown[0].question);
    EXPECT_EQ(box.shown[0].title, "Copy Refused");
    EXPECT_EQ(box.shown[0].text, "The Garmin Files pane already holds 100 vehicles, as many as a "
                                 "pane takes by copying.\r\nNew01.srf was not copied.");
    EXPECT_EQ(form->state.garminCount, 100);
    EXPECT_EQ(folderFiles(device()), before);
    EXPECT_TRUE(samePane(paneBefore, paneState(1)));
    EXPECT_FALSE(form->fileWorkRunning());

    box.shown.clear();
    dragToOtherPane(0, 3 - newCard);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_EQ(form->state.garminCount, 100);
    EXPECT_EQ(bytesOf(device() + "/Nav01.srf"), bytesOf(cars() + "/Nav01.srf"));
    EXPECT_NE(bytesOf(device() + "/Nav01.srf"), before.at("Nav01.srf"));
}

TEST_F(CopyTest, CarOntoCarIsANewVehicleWithoutAQuestion) {
    writeDistinct(cars(), 1, "Car");
    ASSERT_TRUE(QFile::rename(cars() + "/Car01.srf", cars() + "/Car.srf"));
    ASSERT_TRUE(QDir().mkpath(device()));
    writeVehicle(device() + "/car.srf");
    const QByteArray lower = bytesOf(device() + "/car.srf");
    startOn(cars(), device());

    dragToOtherPane(0, 1);

    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(form->state.garminCount, 2);
    EXPECT_EQ(form->state.garminCatalogue[0].FileName, "car.srf");
    EXPECT_EQ(form->state.garminCatalogue[1].FileName, "Car.srf");
    EXPECT_EQ(form->state.garminCatalogue[1].StripX, 100);
    EXPECT_EQ(folderFiles(device()),
              (FolderFiles{{"Car.srf", bytesOf(cars() + "/Car.srf")}, {"car.srf", lower}}));
}

struct ReplaceCase {
    const char* name;
    int answer;
};

class ReplaceTest : public CopyFixture, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceTest, TheQuestionDecidesAndAReplacementKeepsItsPlaceAndCell) {
    writeDistinct(cars(), 3, "Car");
    writeDistinct(device(), 6, "Nav");
    // The navigator's Car02 is an older vehicle of the same name.
    writeVehicle(device() + "/Car02.srf", {.frameSize = 20, .colour = 0xF800});
    startOn(cars(), device());
    const QStringList order = listedOrder(device());
    const int place = static_cast<int>(order.indexOf("Car02.srf"));
    ASSERT_TRUE(form->VScrollGarmin->setValue(2));
    const PaneState before = paneState(1);
    const FolderFiles filesBefore = folderFiles(device());
    int card = 1;
    while (form->state.filesCatalogue[card - 1].FileName != "Car02.srf")
        ++card;
    const VehicleRecord source = form->state.filesCatalogue[card - 1];
    box.answer = GetParam().answer;

    dragToOtherPane(0, card);

    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].question);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_EQ(box.shown[0].text, "A Vehicle by that name already exists!\r\nReplace it?");
    if (GetParam().answer == toolkit::vbNo) {
        EXPECT_TRUE(samePane(before, paneState(1)));
        EXPECT_EQ(folderFiles(device()), filesBefore);
        return;
    }
    FolderFiles filesAfter = filesBefore;
    filesAfter["Car02.srf"] = bytesOf(cars() + "/Car02.srf");
    EXPECT_EQ(folderFiles(device()), filesAfter);
    PaneState after = paneState(1);
    EXPECT_EQ(after.count, 7);
    EXPECT_EQ(after.value, 2) << "the scroll position stays";
    VehicleRecord expected = source;
    expected.StripX = place * 100;
    EXPECT_EQ(after.entries[place], expected);
    EXPECT_EQ(movedBlock(*form->state.garminStrip, place * 100),
              movedBlock(*form->state.filesStrip, source.StripX));
    for (int e = 0; e <= 7; ++e) {
        if (e != place) {
            EXPECT_EQ(after.entries[e], before.entries[e]) << e;
        }
    }
    EXPECT_EQ(after.shown, before.shown);
}

INSTANTIATE_TEST_SUITE_P(Answers, ReplaceTest,
                         ::testing::Values(ReplaceCase{"No", toolkit::vbNo},
                                           ReplaceCase{"Yes", toolkit::vbYes}),
                         [](const auto& info) { return std::string(info.param.name); });

struct OverlayCase {
    const char* name;
    std::uint8_t from;
    bool replace;
    const char* line1;
};

class CopyOverlayTest : public CopyFixture, public ::testing::WithParamInterface<OverlayCase> {};

TEST_P(CopyOverlayTest, TheOverlayOverTheGarminPaneNamesTheVehicle) {
    const OverlayCase& c = GetParam();
    const QString source = c.from == 0 ? cars() : device();
    const QString target = c.from == 0 ? device() : cars();
    ASSERT_TRUE(QDir().mkpath(source));
    writeVehicle(source + "/Putter.srf", {.frameSize = 40, .colour = 0x07E0});
    writeVehicles(target, 2, "Other");
    if (c.replace)
        writeVehicle(target + "/Putter.srf");
    startOn(cars(), device());
    struct Seen {
        QString line1;
        QString line2;
        int left;
        int top;
    };
    std::vector<Seen> seen;
    {
        EveryYield probe([&] {
            if (form->fraMessage->isVisible())
                seen.push_back({form->lblMessage1->Caption(), form->lblMessage2->Caption(),
                                form->fraMessage->Left(), form->fraMessage->Top()});
        });
        dragToOtherPane(c.from, 1);
    }
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().line1, c.line1);
    EXPECT_EQ(seen.front().line2, "Putter");
    // Centred on the Garmin pane's card column in both directions.
    EXPECT_EQ(seen.front().left, 7005);
    EXPECT_EQ(seen.front().top, 4148);
    EXPECT_FALSE(form->fraMessage->isVisible());
    EXPECT_EQ(bytesOf(target + "/Putter.srf"), bytesOf(source + "/Putter.srf"));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, CopyOverlayTest,
    ::testing::Values(OverlayCase{"NewToGarmin", 0, false, "Copying Vehicle to Garmin"},
                      OverlayCase{"ReplaceToGarmin", 0, true, "Copying Vehicle to Garmin"},
                      OverlayCase{"NewFromGarmin", 1, false, "Copying Vehicle from Garmin"},
                      OverlayCase{"ReplaceFromGarmin", 1, true, "Copying Vehicle From Garmin"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DropCase {
    const char* name;
    std::uint8_t targetPane; // whose column the card is let go over
    int targetCard;          // 0 for the column itself
    bool copies;
};

class DropTargetTest : public CopyFixture, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTargetTest, OnlyTheOtherPaneTakesACard) {
    const DropCase& c = GetParam();
    writeVehicles(cars(), 5, "Car");
    writeVehicles(device(), 4, "Nav");
    startOn(cars(), device());
    if (c.targetCard == 0) {
        toolkit::ImageControl* area =
            c.targetPane == 0 ? form->imgFilesCardsArea : form->imgGarminCardsArea;
        dragCard(0, 1, area, QPoint(30, area->height() - 10));
    } else {
        dragCard(0, 1, cards(c.targetPane).item(c.targetCard)->widget(), QPoint(150, 40));
    }
    EXPECT_EQ(form->state.garminCount, c.copies ? 5 : 4);
    EXPECT_EQ(form->state.filesCount, 5);
    EXPECT_EQ(QFile::exists(device() + "/" + form->state.filesCatalogue[0].FileName), c.copies);
}

INSTANTIATE_TEST_SUITE_P(Targets, DropTargetTest,
                         ::testing::Values(DropCase{"OtherColumn", 1, 0, true},
                                           DropCase{"OtherCard4", 1, 4, true},
                                           DropCase{"OwnColumn", 0, 0, false},
                                           DropCase{"OwnCard3", 0, 3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyTest, VehiclesCopiedIntoAPaneNeverScannedScrollLikeScannedOnes) {
    writeDistinct(cars(), 5, "Car");
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    for (int e = 0; e < 5; ++e) {
        // Vehicle e + 1 of the Files pane, the last one with the pane scrolled down by one.
        const int value = e < 4 ? 1 : 2;
        ASSERT_TRUE(form->VScrollFiles->setValue(static_cast<std::int16_t>(value)));
        dragToOtherPane(0, e + 2 - value);
    }
    ASSERT_EQ(form->state.garminCount, 5);
    EXPECT_EQ(form->VScrollGarmin->Max(), 2);
    ASSERT_TRUE(form->VScrollGarmin->setValue(2));
    std::vector<QString> expected;
    for (int e = 1; e < 5; ++e)
        expected.push_back(form->state.filesCatalogue[e].FileName);
    EXPECT_EQ(shownNames(1), expected);
}

struct DateCase {
    const char* name;
    std::uint8_t from;
    bool replace;
};

class CopyDateTest : public CopyFixture, public ::testing::WithParamInterface<DateCase> {};

TEST_P(CopyDateTest, TheCopyKeepsTheVehiclesDateAndTheNextScanShowsTheSame) {
    const DateCase& c = GetParam();
    const QString source = c.from == 0 ? cars() : device();
    const QString target = c.from == 0 ? device() : cars();
    ASSERT_TRUE(QDir().mkpath(source));
    writeVehicle(source + "/Putter.srf", {.frameSize = 40, .colour = 0x07E0});
    // An old date with nanoseconds, which a new file never has by chance.
    const timespec old[2] = {{0, UTIME_OMIT}, {1243002607, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(source + "/Putter.srf").constData(), old, 0),
              0)
        << std::strerror(errno);
    writeVehicles(target, 2, "Other");
    if (c.replace)
        writeVehicle(target + "/Putter.srf");
    startOn(cars(), device());
    const std::uint8_t to = 1 - c.from;
    const Pane pane = form->paneOf(to);
    const std::int32_t count = pane.count;
    const QString sourceDate = form->paneOf(c.from).catalogue[0].FileDate;

    dragToOtherPane(c.from, 1);

    ASSERT_EQ(pane.count, c.replace ? count : count + 1);
    const timespec copied = modificationTime(target + "/Putter.srf");
    EXPECT_EQ(copied.tv_sec, old[1].tv_sec);
    EXPECT_EQ(copied.tv_nsec, old[1].tv_nsec);
    int entry = 0;
    while (pane.catalogue[entry].FileName != "Putter.srf")
        ++entry;
    const QString shownDate = pane.catalogue[entry].FileDate;
    EXPECT_EQ(shownDate, sourceDate);
    form->RefreshPane(to);
    entry = 0;
    while (pane.catalogue[entry].FileName != "Putter.srf")
        ++entry;
    EXPECT_EQ(pane.catalogue[entry].FileDate, shownDate);
}

INSTANTIATE_TEST_SUITE_P(Directions, CopyDateTest,
                         ::testing::Values(DateCase{"NewToGarmin", 0, false},
                                           DateCase{"ReplaceToGarmin", 0, true},
                                           DateCase{"NewFromGarmin", 1, false},
                                           DateCase{"ReplaceFromGarmin", 1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnreadableCase {
    const char* name;
    std::uint8_t from;
    int answer;
    bool asks;
    bool copies;
};

class UnreadableCopyTest : public CopyFixture,
                           public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableCopyTest, OnlyAfterAYesGoesAFileTheScanCouldNotReadOntoTheNavigator) {
    const UnreadableCase& c = GetParam();
    const QString source = c.from == 0 ? cars() : device();
    const QString target = c.from == 0 ? device() : cars();
    ASSERT_TRUE(QDir().mkpath(source));
    writeBytes(source + "/Broken.srf", "no vehicle at all");
    writeVehicles(target, 2, "Other");
    startOn(cars(), device());
    ASSERT_EQ(cardLine(cards(c.from).item(1), 3), "0x0,0x0");
    const std::uint8_t to = 1 - c.from;
    const PaneState before = paneState(to);
    const FolderFiles filesBefore = folderFiles(target);
    box.answer = c.answer;

    dragToOtherPane(c.from, 1);

    if (c.asks) {
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_TRUE(box.shown[0].question);
        EXPECT_TRUE(box.shown[0].defaultNo) << "No is the default";
        EXPECT_EQ(box.shown[0].title, "Not a Vehicle");
        EXPECT_EQ(box.shown[0].text, "Broken.srf could not be read as a vehicle, and the "
                                     "navigator cannot show it.\r\nCopy it anyway?");
    } else {
        EXPECT_TRUE(box.shown.empty());
    }
    if (!c.copies) {
        EXPECT_TRUE(samePane(before, paneState(to)));
        EXPECT_EQ(folderFiles(target), filesBefore);
        return;
    }
    EXPECT_EQ(bytesOf(target + "/Broken.srf"), "no vehicle at all");
    const Pane pane = form->paneOf(to);
    ASSERT_EQ(pane.count, 3);
    EXPECT_EQ(pane.catalogue[2].FileName, "Broken.srf");
    EXPECT_EQ(pane.catalogue[2].Size3D, "0x0");
    EXPECT_FALSE(pane.catalogue[2].Loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnreadableCopyTest,
    ::testing::Values(UnreadableCase{"ToGarminAnsweredNo", 0, toolkit::vbNo, true, false},
                      UnreadableCase{"ToGarminAnsweredYes", 0, toolkit::vbYes, true, true},
                      // The local folder is the user's own and takes any file.
                      UnreadableCase{"FromGarmin", 1, toolkit::vbNo, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyTest, AVehicleTheScanReadGoesOntoTheNavigatorWithoutAQuestion) {
    writeDistinct(cars(), 1, "Car");
    ASSERT_TRUE(QDir().mkpath(device()));
    startOn(cars(), device());
    ASSERT_TRUE(form->state.filesCatalogue[0].Loaded);
    dragToOtherPane(0, 1);
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(form->state.garminCount, 1);
    EXPECT_TRUE(form->state.garminCatalogue[0].Loaded);
}

} // namespace
