// The catalogue scan through the real window: what each pane holds and shows after it, what the
// overlay says while it runs, and what a key, a vanished file or a close request do meanwhile.
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/termination_signals.h"
#include "app/thumbnail_cell.h"
#include "app/vehicle_text.h"
#include "tests/app/odd_entries.h"
#include "tests/app/window/pane_fixture.h"

#include <array>
#include <csignal>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using ScanTest = PaneFixture;

QString none(const QString& base) {
    return base + "/none";
}

// Counts the Show events of a widget.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* widget) { widget->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

void pressKey() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key_A);
}

TEST_F(ScanTest, AFolderWithoutVehiclesHidesEveryCardAndShowsNoOverlay) {
    writeVehicles(cars(), 3);
    const QString empty = folder() + "/empty";
    ASSERT_TRUE(QDir().mkpath(empty));
    QFile notes(empty + "/notes.txt");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    startOn(cars(), none(folder()));
    ASSERT_EQ(shownNames(0).size(), 3u);
    ShowCounter overlay(form->fraMessage);
    form->RefreshPane(0);
    EXPECT_EQ(overlay.shows, 1) << "a folder with vehicles shows the overlay";

    form->state.fileDir = empty;
    form->RefreshPane(0);
    EXPECT_EQ(overlay.shows, 1);
    EXPECT_EQ(form->state.filesCount, 0);
    EXPECT_TRUE(shownNames(0).empty());
    EXPECT_FALSE(form->fraMessage->isVisible());
}

class SmallFolderTest : public PaneFixture, public ::testing::WithParamInterface<int> {};

TEST_P(SmallFolderTest, ShowsEachVehicleOnItsOwnCard) {
    const int n = GetParam();
    writeVehicles(cars(), n, "Car", {.frameSize = 8, .frames = 2, .size2d = 4});
    const QStringList order = listedOrder(cars());
    ASSERT_EQ(order.size(), n);
    // One second apart: the card's date line shows the seconds.
    const QDateTime first(QDate(2009, 5, 22), QTime(14, 30, 7));
    for (int k = 0; k < n; ++k)
        setLastChange(cars() + "/" + order[k], first.addSecs(k));
    startOn(cars(), none(folder()));

    EXPECT_EQ(form->state.filesCount, n);
    EXPECT_EQ(form->state.filesReady, 1);
    EXPECT_EQ(form->state.filesCardsLoaded, n);
    EXPECT_EQ(form->VScrollFiles->Min(), 1);
    EXPECT_EQ(form->VScrollFiles->Max(), 1);
    EXPECT_EQ(form->VScrollFiles->Value(), 1);
    for (int k = 0; k < n; ++k) {
        SCOPED_TRACE(k);
        const VehicleRecord& r = form->state.filesCatalogue[k];
        EXPECT_EQ(r.FileName, order[k]);
        EXPECT_EQ(r.SRFType, "GARMIN BITMAP 01");
        EXPECT_EQ(r.Size3D, "8x8");
        EXPECT_EQ(r.Size2D, "4x4");
        EXPECT_EQ(r.FileDate, QString("22 May 2009 14:30:%1").arg(7 + k, 2, 10, QChar('0')));
        EXPECT_EQ(r.StripX, 100 * k);
        const toolkit::CardElement* card = form->TesselFiles->item(k + 1);
        ASSERT_NE(card, nullptr);
        EXPECT_TRUE(card->Visible());
        EXPECT_EQ(cardLine(card, 1), order[k]);
        EXPECT_EQ(cardLine(card, 2), "GARMIN BITMAP 01");
        EXPECT_EQ(cardLine(card, 3), "8x8,4x4");
        EXPECT_EQ(cardLine(card, 4), r.FileDate);
        if (k > 0) {
            // Three pixels into the column, one card height below the previous card's place.
            EXPECT_EQ(card->Left(), 375 + 45);
            EXPECT_EQ(card->Top(), 1215 + k * 1710);
        }
    }
    // Only the cards the vehicles need are made.
    for (int k = n + 1; k <= 4; ++k)
        EXPECT_FALSE(form->TesselFiles->exists(k)) << k;
    EXPECT_FALSE(form->fraMessage->isVisible());
    EXPECT_FALSE(isBusy());
}

INSTANTIATE_TEST_SUITE_P(OneToThree, SmallFolderTest, ::testing::Values(1, 2, 3));

TEST_F(ScanTest, TenVehiclesScrollFromOneToSevenWithoutReadingAFileAgain) {
    writeVehicles(cars(), 10);
    const QStringList order = listedOrder(cars());
    startOn(cars(), none(folder()));
    EXPECT_EQ(form->VScrollFiles->Min(), 1);
    EXPECT_EQ(form->VScrollFiles->Max(), 7);
    EXPECT_EQ(form->state.filesCardsLoaded, 10);
    EXPECT_EQ(shownNames(0), std::vector<QString>(order.begin(), order.begin() + 4));

    // Scrolling shows what the scan read: the files are not needed any more.
    for (const QString& name : order)
        ASSERT_TRUE(QFile::remove(cars() + "/" + name));
    ASSERT_TRUE(form->VScrollFiles->setValue(7));
    EXPECT_EQ(shownNames(0), std::vector<QString>(order.begin() + 6, order.end()));
    for (int k = 1; k <= 4; ++k) {
        const VehicleRecord& r = form->state.filesCatalogue[5 + k];
        EXPECT_EQ(cardLine(form->TesselFiles->item(k), 3), "8x8,4x4");
        EXPECT_TRUE(
            showsBlock(form->TesselFiles->item(k), stripBlock(*form->state.filesStrip, r.StripX)))
            << k;
    }
}

TEST_F(ScanTest, RecordsAndCellsOfOddVehicles) {
    ASSERT_TRUE(QDir().mkpath(cars()));
    writeVehicle(cars() + "/Odd61.srf", {.frameSize = 61, .frames = 1});
    writeVehicle(cars() + "/Odd63.srf", {.frameSize = 63, .frames = 1});
    writeVehicle(cars() + "/Nuls.srf", {.type = std::string("CAR\0\0\xE9Z", 7)});
    QFile broken(cars() + "/Broken.srf");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a vehicle");
    broken.close();
    startOn(cars(), none(folder()));
    ASSERT_EQ(form->state.filesCount, 4);

    const cAlphaSurface& strip = *form->state.filesStrip;
    EXPECT_EQ(strip.Width(), 20100);
    EXPECT_EQ(strip.Height(), 100);
    // Row 0 and column 0 keep the new strip's zero bytes; the rest of the strip is white.
    gdi::DibView view;
    ASSERT_TRUE(gdi::GetDibView(strip.hDC(), &view));
    const auto pixel = [&view](int x, int y) {
        const std::uint8_t* p = view.line(y) + 4 * x;
        return std::uint32_t{p[0]} | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24;
    };
    for (int x = 0; x < 20100; x += 97)
        ASSERT_EQ(pixel(x, 0), 0u) << x;
    for (int y = 0; y < 100; ++y)
        ASSERT_EQ(pixel(0, y), 0u) << y;
    EXPECT_EQ(pixel(1, 1), 0x00FFFFFFu);
    EXPECT_EQ(pixel(20099, 99), 0x00FFFFFFu);
    EXPECT_EQ(pixel(450, 50), 0x00FFFFFFu) << "the cell after the last vehicle";

    std::map<QString, const VehicleRecord*> byName;
    for (int k = 0; k < 4; ++k)
        byName[form->state.filesCatalogue[k].FileName] = &form->state.filesCatalogue[k];
    const auto cellBounds = [&](const QString& name) {
        return paintedBounds(strip, byName.at(name)->StripX);
    };
    // 19.5 becomes 20, 18.5 becomes 18.
    EXPECT_EQ(cellBounds("Odd61.srf"), QRect(20, 20, 61, 61));
    EXPECT_EQ(cellBounds("Odd63.srf"), QRect(18, 18, 63, 63));
    EXPECT_EQ(cellBounds("Nuls.srf"), QRect(46, 46, 8, 8));
    // A file the reader cannot read: no type, no sizes, a white cell.
    EXPECT_EQ(byName.at("Broken.srf")->SRFType, "");
    EXPECT_EQ(byName.at("Broken.srf")->Size3D, "0x0");
    EXPECT_EQ(byName.at("Broken.srf")->Size2D, "0x0");
    EXPECT_TRUE(cellBounds("Broken.srf").isEmpty());
    // The type's 16 bytes, NULs and all, one character each.
    const QString type = byName.at("Nuls.srf")->SRFType;
    EXPECT_EQ(type, QString::fromLatin1(QByteArray("CAR\0\0\xE9Z\0\0\0\0\0\0\0\0\0", 16)));
    for (int k = 1; k <= 4; ++k) {
        const toolkit::CardElement* card = form->TesselFiles->item(k);
        if (cardLine(card, 1) == "Nuls.srf") {
            EXPECT_EQ(cardLine(card, 2), type);
        }
    }
}

TEST_F(ScanTest, TheOverlayCountsTheVehiclesAsTheyAreRead) {
    writeVehicles(cars(), 11);
    writeVehicle(cars() + "/Putter.srf");
    const QStringList order = listedOrder(cars());
    startOn(none(folder()), none(folder()));
    struct Seen {
        QString line1;
        QString line2;
        bool visible;
        bool busy;
    };
    std::vector<Seen> seen;
    form->state.fileDir = cars();
    {
        EveryYield probe([&] {
            seen.push_back({form->lblMessage1->Caption(), form->lblMessage2->Caption(),
                            form->fraMessage->isVisible(), isBusy()});
        });
        form->RefreshPane(0);
    }
    ASSERT_FALSE(seen.empty());
    // The yield before the overlay, then the empty overlay.
    EXPECT_FALSE(seen.front().visible);
    EXPECT_TRUE(seen.front().busy);
    const auto at = [&seen](const QString& line1) {
        return std::find_if(seen.begin(), seen.end(),
                            [&](const Seen& s) { return s.line1 == line1 && s.visible; });
    };
    const auto empty = at("");
    ASSERT_NE(empty, seen.end());
    EXPECT_EQ(empty->line2, "");
    const auto third = at("Loading 3 of 12");
    ASSERT_NE(third, seen.end());
    EXPECT_EQ(third->line2, GetBaseName(order[2]));
    EXPECT_TRUE(third->busy);
    const int putter = static_cast<int>(order.indexOf("Putter.srf")) + 1;
    const auto putterShown = at(QStringLiteral("Loading %1 of 12").arg(putter));
    // The last vehicle's texts show only after its yield, which the probe does not see.
    if (putter < 12) {
        ASSERT_NE(putterShown, seen.end());
        EXPECT_EQ(putterShown->line2, "Putter");
    }
    EXPECT_EQ(form->lblMessage1->Caption(), "Loading 12 of 12");
    EXPECT_FALSE(form->fraMessage->isVisible());
    EXPECT_FALSE(isBusy());
}

// Records the first overlay line each time the overlay's line is painted.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(toolkit::Label* line)
        : line_(line) {
        line->installEventFilter(this);
    }
    QStringList painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted.append(line_->Caption());
        return false;
    }

private:
    toolkit::Label* line_;
};

TEST_F(ScanTest, TheOverlayIsPaintedAtMostEveryFortyMillisecondsAndForTheLastVehicle) {
    // Small vehicles, read far quicker than one every 40 ms.
    const int n = 60;
    writeVehicles(cars(), n, "Car", {.frameSize = 8, .frames = 2, .size2d = 4});
    startOn(none(folder()), none(folder()));
    form->state.fileDir = cars();
    PaintRecorder recorder(form->lblMessage1);
    QElapsedTimer scan;
    scan.start();
    form->RefreshPane(0);
    const qint64 elapsed = scan.elapsed();
    ASSERT_EQ(form->state.filesCount, n);
    const QStringList loading = recorder.painted.filter(QStringLiteral("Loading "));
    ASSERT_FALSE(loading.isEmpty());
    EXPECT_EQ(loading.front(), QStringLiteral("Loading 1 of %1").arg(n));
    EXPECT_EQ(loading.back(), QStringLiteral("Loading %1 of %1").arg(n));
    // The first vehicle, one paint per 40 ms begun, the last one.
    EXPECT_LE(loading.size(), elapsed / 40 + 2) << loading.join(", ").toStdString();
}

TEST_F(ScanTest, AKeyPressedDuringTheFifthVehicleCancelsTheScan) {
    writeVehicles(cars(), 10);
    const QStringList order = listedOrder(cars());
    startOn(cars(), none(folder()));
    ASSERT_EQ(shownNames(0).size(), 4u);
    {
        // The yield of vehicle 5 still shows the texts of vehicle 4.
        bool pressed = false;
        EveryYield probe([&] {
            if (!pressed && form->lblMessage1->Caption() == "Loading 4 of 10") {
                pressed = true;
                pressKey();
            }
        });
        form->RefreshPane(0);
        ASSERT_TRUE(pressed);
    }
    // Vehicle 5 was read; vehicle 6 was not.
    EXPECT_EQ(form->lblMessage1->Caption(), "Loading 5 of 10");
    EXPECT_EQ(form->state.filesCount, 0);
    EXPECT_EQ(form->state.filesReady, 0);
    EXPECT_EQ(form->state.keyPressed, 0);
    EXPECT_FALSE(form->fraMessage->isVisible());
    EXPECT_TRUE(shownNames(0).empty());
    // The scroll bar keeps its range, and its events do nothing until the next full scan.
    EXPECT_EQ(form->VScrollFiles->Max(), 7);
    ASSERT_TRUE(form->VScrollFiles->setValue(3));
    form->VScrollFiles->Scroll();
    EXPECT_TRUE(shownNames(0).empty());

    form->RefreshPane(0);
    EXPECT_EQ(form->state.filesCount, 10);
    EXPECT_EQ(shownNames(0), std::vector<QString>(order.begin(), order.begin() + 4));
}

TEST_F(ScanTest, AKeyPressedBeforeAScanDoesNotCancelIt) {
    writeVehicles(cars(), 3);
    startOn(cars(), none(folder()));
    writeVehicle(cars() + "/Late.srf");
    pressKey();
    ASSERT_NE(form->state.keyPressed, 0);
    QTest::mousePress(form->imgRefreshFiles, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(form->imgRefreshFiles, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(form->state.filesCount, 4);
    EXPECT_EQ(shownNames(0).size(), 4u);
    EXPECT_EQ(form->state.keyPressed, 0);
}

TEST_F(ScanTest, TheRefreshButtonsReadTheirPaneAgain) {
    writeVehicles(cars(), 2);
    writeVehicles(device(), 1, "Nav");
    startOn(cars(), device());
    writeVehicle(cars() + "/Late.srf");
    writeVehicle(device() + "/Late.srf");
    const struct {
        toolkit::ImageControl* button;
        std::uint8_t pane;
        std::int32_t* count;
        int expected;
    } presses[] = {{form->imgRefreshFiles, 0, &form->state.filesCount, 3},
                   {form->imgRefreshGarmin, 1, &form->state.garminCount, 2}};
    for (const auto& p : presses) {
        QTest::mouseClick(p.button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(*p.count, p.expected);
        EXPECT_EQ(shownNames(p.pane).size(), static_cast<std::size_t>(p.expected));
    }
}

TEST_F(ScanTest, ScrollEventsWhileAScanRunsLeaveTheCardsAlone) {
    writeVehicles(cars(), 10);
    const QStringList order = listedOrder(cars());
    const std::vector<QString> top(order.begin(), order.begin() + 4);
    startOn(cars(), none(folder()));
    ASSERT_EQ(shownNames(0), top);
    bool scrolled = false;
    {
        EveryYield probe([&] {
            if (scrolled || form->lblMessage1->Caption() != "Loading 2 of 10")
                return;
            scrolled = true;
            EXPECT_EQ(form->state.filesReady, 0);
            ASSERT_TRUE(form->VScrollFiles->setValue(5));
            form->VScrollFiles->Scroll();
            EXPECT_EQ(form->VScrollFiles->Value(), 5);
            EXPECT_EQ(shownNames(0), top);
        });
        form->RefreshPane(0);
    }
    ASSERT_TRUE(scrolled);
    // The end of the scan puts the pane back at its top.
    EXPECT_EQ(form->VScrollFiles->Value(), 1);
    EXPECT_EQ(shownNames(0), top);
}

struct GoneCase {
    const char* name;
    // Puts something that is no vehicle file in the place of the file at `path`, or nothing.
    std::function<void(const QString& path)> replace;
};

void PrintTo(const GoneCase& c, std::ostream* os) {
    *os << c.name;
}

class VehicleGoneTest : public PaneFixture, public ::testing::WithParamInterface<GoneCase> {};

TEST_P(VehicleGoneTest, AVehicleGoneBeforeItsTurnIsLeftOut) {
    writeVehicles(cars(), 5);
    const QStringList order = listedOrder(cars());
    startOn(none(folder()), none(folder()));
    form->state.fileDir = cars();
    {
        // The yield of vehicle 3.
        bool gone = false;
        EveryYield probe([&] {
            if (!gone && form->lblMessage1->Caption() == "Loading 2 of 5") {
                gone = true;
                ASSERT_TRUE(QFile::remove(cars() + "/" + order[2]));
                GetParam().replace(cars() + "/" + order[2]);
            }
        });
        form->RefreshPane(0);
    }
    EXPECT_EQ(form->lblMessage1->Caption(), "Loading 5 of 5");
    ASSERT_EQ(form->state.filesCount, 4);
    const QStringList kept = {order[0], order[1], order[3], order[4]};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(form->state.filesCatalogue[k].FileName, kept[k]);
        EXPECT_EQ(form->state.filesCatalogue[k].StripX, 100 * k);
        EXPECT_EQ(form->state.filesCatalogue[k].Size3D, "8x8");
        EXPECT_EQ(paintedBounds(*form->state.filesStrip, 100 * k), QRect(46, 46, 8, 8));
    }
    EXPECT_TRUE(paintedBounds(*form->state.filesStrip, 400).isEmpty());
    EXPECT_EQ(form->state.filesCardsLoaded, 4);
    EXPECT_EQ(form->state.filesReady, 1);
    EXPECT_EQ(shownNames(0), std::vector<QString>(kept.begin(), kept.end()));
    EXPECT_FALSE(form->fraMessage->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, VehicleGoneTest,
    ::testing::Values(GoneCase{"Removed", [](const QString&) {}},
                      GoneCase{"ReplacedByAPipe", [](const QString& path) { makePipe(path); }},
                      GoneCase{"ReplacedByAFolder",
                               [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }},
                      GoneCase{"ReplacedByALinkToAPipe",
                               [](const QString& path) {
                                   makePipe(path + ".pipe");
                                   makeLink(path + ".pipe", path);
                               }},
                      GoneCase{
                          "ReplacedByATooLargeFile",
                          [](const QString& path) { makeSparseFile(path, 64 * 1024 * 1024 + 1); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    // Whether the window closes at this pass of the event loop.
    std::function<bool(frmMain&)> now;
    // What the Files pane got to before the close.
    const char* lastProgress;
    std::uint8_t ready;
    std::size_t cardsShown;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class CloseDuringWorkTest : public PaneFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseDuringWorkTest, StopsTheWorkAndClosesCleanly) {
    writeVehicles(cars(), 5);
    writeVehicles(device(), 2, "Nav");
    writeSettings(QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(device()) + "\r\n");
    createForm();
    bool closed = false;
    {
        EveryYield probe([&] {
            if (!closed && GetParam().now(*form)) {
                closed = true;
                form->Unload();
            }
        });
        form->Show();
        // The first activation, as the window's activation event runs it; the event itself
        // finds it done.
        form->formActivate();
    }
    ASSERT_TRUE(closed);
    // Nothing more was done after the close.
    EXPECT_EQ(form->lblMessage1->Caption(), GetParam().lastProgress);
    EXPECT_EQ(form->state.filesReady, GetParam().ready);
    EXPECT_EQ(shownNames(0).size(), GetParam().cardsShown);
    EXPECT_FALSE(form->window()->isVisible());
    EXPECT_EQ(readSettings(),
              QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(device()) + "\r\n");
    ASSERT_TRUE(form->state.filesStrip);
    EXPECT_EQ(form->state.filesStrip->hDC(), 0) << "released by the close request";
    // The Garmin pane is not listed any more.
    EXPECT_EQ(form->state.garminCount, 0);
    EXPECT_FALSE(QFile::exists(temp() + "/Nav01.srf"));
    EXPECT_FALSE(isBusy());
}

INSTANTIATE_TEST_SUITE_P(Closes, CloseDuringWorkTest,
                         ::testing::Values(CloseCase{"WhileAVehicleIsRead",
                                                     [](frmMain& f) {
                                                         return f.lblMessage1->Caption() ==
                                                                "Loading 2 of 5";
                                                     },
                                                     "Loading 2 of 5", 0, 0},
                                           CloseCase{"WhileTheCardsAreLaidOut",
                                                     [](frmMain& f) {
                                                         return f.state.filesReady &&
                                                                f.TesselFiles->item(1)->Visible();
                                                     },
                                                     "Loading 5 of 5", 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScanTest, TheGarminPaneReadsTheCopiesInTempAndDatesTheOriginals) {
    writeVehicles(device(), 1, "Nav", {.frameSize = 8});
    const QDateTime onDevice(QDate(2009, 5, 22), QTime(14, 30));
    setLastChange(device() + "/Nav01.srf", onDevice);
    startOn(none(folder()), none(folder()));
    ASSERT_FALSE(QFileInfo::exists(temp() + "/Nav01.srf"));
    form->state.garminDir = device();

    form->ListVehicleFiles(1);
    ASSERT_EQ(form->state.garminCount, 1);
    ASSERT_TRUE(QFileInfo(temp()).isDir());
    ASSERT_TRUE(QFileInfo::exists(temp() + "/Nav01.srf"));
    // What the scan reads is the copy: make it tell itself apart.
    writeVehicle(temp() + "/Nav01.srf", {.frameSize = 40, .frames = 1, .size2d = 20});
    setLastChange(temp() + "/Nav01.srf", onDevice.addYears(10));
    form->ScanCatalogue(1);
    form->LayoutCards(1);
    const VehicleRecord& r = form->state.garminCatalogue[0];
    EXPECT_EQ(r.Size3D, "40x40");
    EXPECT_EQ(r.Size2D, "20x20");
    EXPECT_EQ(r.FileDate, "22 May 2009 14:30:00");
    EXPECT_EQ(cardLine(form->TesselGarmin->item(1), 4), "22 May 2009 14:30:00");

    // A new listing replaces the copy with the navigator's file.
    form->RefreshPane(1);
    EXPECT_EQ(form->state.garminCatalogue[0].Size3D, "8x8");
    // Copies of vehicles gone from the navigator stay.
    ASSERT_TRUE(QFile::remove(device() + "/Nav01.srf"));
    form->RefreshPane(1);
    EXPECT_EQ(form->state.garminCount, 0);
    EXPECT_TRUE(QFileInfo::exists(temp() + "/Nav01.srf"));
}

TEST_F(ScanTest, AListingOfMoreThan200FilesGivesAnEmptyPane) {
    startOn(none(folder()), none(folder()));
    for (int n : {200, 201}) {
        SCOPED_TRACE(n);
        const QString many = folder() + QStringLiteral("/many%1").arg(n);
        ASSERT_TRUE(QDir().mkpath(many));
        for (int i = 0; i < n; ++i) {
            QFile file(many + QStringLiteral("/V%1.srf").arg(i));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        form->state.fileDir = many;
        form->ListVehicleFiles(0);
        EXPECT_EQ(form->state.filesCount, n == 200 ? 200 : 0);
        if (n == 200) {
            EXPECT_EQ(form->state.filesCatalogue[199].FileName, listedOrder(many)[199]);
        }
    }
}

TEST_F(ScanTest, AFailedListingEmptiesThePane) {
    writeVehicles(cars(), 2);
    writeVehicles(device(), 2, "Nav");
    startOn(cars(), device());
    ASSERT_EQ(form->state.filesCount, 2);
    ASSERT_EQ(form->state.garminCount, 2);

    // A copy into temp that fails: a folder stands where the copy goes.
    ASSERT_TRUE(QFile::remove(temp() + "/Nav02.srf"));
    ASSERT_TRUE(QDir().mkpath(temp() + "/Nav02.srf"));
    form->ListVehicleFiles(1);
    EXPECT_EQ(form->state.garminCount, 0);
    ASSERT_TRUE(QDir(temp() + "/Nav02.srf").removeRecursively());

    form->state.fileDir = none(folder());
    form->ListVehicleFiles(0);
    EXPECT_EQ(form->state.filesCount, 0);

    // A plain file where the working folder goes: only the navigator's listing needs the folder.
    form->state.fileDir = cars();
    ASSERT_TRUE(QDir(temp()).removeRecursively());
    QFile blocker(temp());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    form->ListVehicleFiles(0);
    EXPECT_EQ(form->state.filesCount, 2);
    form->ListVehicleFiles(1);
    EXPECT_EQ(form->state.garminCount, 0);
}

TEST_F(ScanTest, APlainFileNamedTempEmptiesOnlyTheGarminPane) {
    writeVehicles(cars(), 2);
    writeVehicles(device(), 2, "Nav");
    QFile blocker(temp());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startOn(cars(), device());
    EXPECT_EQ(form->state.filesCount, 2);
    EXPECT_EQ(shownNames(0),
              std::vector<QString>({listedOrder(cars())[0], listedOrder(cars())[1]}));
    EXPECT_EQ(form->state.garminCount, 0);
    EXPECT_TRUE(shownNames(1).empty());
    EXPECT_TRUE(QFileInfo(temp()).isFile());
}

class OddEntriesTest : public PaneFixture, public ::testing::WithParamInterface<std::uint8_t> {};

TEST_P(OddEntriesTest, EntriesThatAreNoVehicleFilesArePassedOver) {
    const std::uint8_t pane = GetParam();
    const QString where = pane == 0 ? cars() : device();
    writeVehicles(where, 2);
    makeOddEntries(where);
    makeLink(where + "/Car01.srf", where + "/Linked.srf");
    startOn(pane == 0 ? where : none(folder()), pane == 1 ? where : none(folder()));

    const Pane shown = form->paneOf(pane);
    ASSERT_EQ(shown.count, 3);
    QStringList names;
    for (int k = 0; k < 3; ++k) {
        names.append(shown.catalogue[k].FileName);
        EXPECT_EQ(shown.catalogue[k].Size3D, "8x8") << k;
    }
    names.sort();
    EXPECT_EQ(names, QStringList({"Car01.srf", "Car02.srf", "Linked.srf"}));
    EXPECT_EQ(shownNames(pane).size(), 3u);
    if (pane == 1) {
        // Copies of the vehicles only, and no temporary file left over.
        EXPECT_EQ(QDir(temp()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                             QDir::NoDotAndDotDot,
                                         QDir::Name),
                  QStringList({"Car01.srf", "Car02.srf", "Linked.srf"}));
        EXPECT_TRUE(QFileInfo(temp() + "/Linked.srf").isFile());
        EXPECT_FALSE(QFileInfo(temp() + "/Linked.srf").isSymLink());
    }
}

INSTANTIATE_TEST_SUITE_P(BothPanes, OddEntriesTest, ::testing::Values(0, 1), [](const auto& info) {
    return std::string(info.param == 0 ? "Files" : "Garmin");
});

TEST_F(ScanTest, VehiclesWithNamesAsLongAsTheFileSystemAllowsAreCopiedAgain) {
    ASSERT_TRUE(QDir().mkpath(device()));
    const QStringList names = {QString(245, 'L') + ".srf", QString(251, 'M') + ".srf"};
    for (const QString& name : names)
        writeVehicle(device() + "/" + name);
    startOn(none(folder()), device());
    ASSERT_EQ(form->state.garminCount, 2);
    for (const QString& name : names) {
        writeVehicle(device() + "/" + name, {.frameSize = 16, .frames = 1});
        setLastChange(device() + "/" + name, QDateTime(QDate(2009, 5, 22), QTime(14, 30)));
    }
    form->RefreshPane(1);
    ASSERT_EQ(form->state.garminCount, 2);
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(form->state.garminCatalogue[k].Size3D, "16x16") << k;
    EXPECT_EQ(QDir(temp()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
}

// Counts the openings of files in a folder while it lives (or the other events asked for).
class OpenCounter {
public:
    explicit OpenCounter(const QString& folder, std::uint32_t events = IN_OPEN) {
        fd_ = inotify_init1(IN_NONBLOCK);
        if (fd_ >= 0 && inotify_add_watch(fd_, QFile::encodeName(folder).constData(), events) < 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~OpenCounter() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool works() const { return fd_ >= 0; }
    // The names of the files that saw any of the events.
    QStringList touched() {
        QStringList names;
        for (const auto& [name, count] : opened())
            names.append(name);
        return names;
    }
    std::map<QString, int> opened() {
        alignas(inotify_event) char buffer[8192];
        for (;;) {
            const ssize_t length = ::read(fd_, buffer, sizeof buffer);
            if (length <= 0)
                break;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0)
                    ++counts_[QFile::decodeName(event->name)];
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return counts_;
    }

private:
    int fd_ = -1;
    std::map<QString, int> counts_;
};

TEST_F(ScanTest, AScanOpensEachVehicleFileOnceAndScrollingNone) {
    const QStringList names = writeVehicles(cars(), 6);
    writeVehicles(device(), 2, "Nav");
    startOn(none(folder()), none(folder()));
    form->state.fileDir = cars();
    form->state.garminDir = device();
    OpenCounter local(cars());
    OpenCounter navigator(device());
    OpenCounter copies(temp());
    if (!local.works() || !navigator.works() || !copies.works())
        GTEST_SKIP() << "no inotify here";
    form->RefreshPane(0);
    form->RefreshPane(1);
    ASSERT_EQ(form->state.filesCount, 6);
    std::map<QString, int> once;
    for (const QString& name : names)
        once[name] = 1;
    EXPECT_EQ(local.opened(), once);
    // The navigator's file once for its copy, the copy once for the scan.
    const std::map<QString, int> navOnce = {{"Nav01.srf", 1}, {"Nav02.srf", 1}};
    EXPECT_EQ(navigator.opened(), navOnce);
    std::map<QString, int> copyOpens;
    for (const auto& [name, count] : copies.opened()) {
        if (name.endsWith(".srf"))
            copyOpens[name] = count;
    }
    EXPECT_EQ(copyOpens, navOnce);

    ASSERT_TRUE(form->VScrollFiles->setValue(3));
    form->LayoutCards(0);
    EXPECT_EQ(local.opened(), once);
}

// The whole strip's bytes.
QByteArray stripBytes(const cAlphaSurface& strip) {
    return QByteArray(reinterpret_cast<const char*>(strip.DIBSectionBitsPtr()),
                      qsizetype{kStripWidth} * kStripHeight * 4);
}

// What a pane shows and keeps of its vehicles, but the cards' dates.
struct PaneLook {
    std::vector<std::array<QString, 5>> records;
    std::vector<QString> shown;
    QByteArray strip;
    bool operator==(const PaneLook&) const = default;
};

TEST_F(ScanTest, ARefreshOfAnUnchangedPaneReadsNoVehicleAndShowsTheSame) {
    writeVehicles(cars(), 5, "Car", {.frameSize = 16, .frames = 2, .size2d = 8, .varied = true});
    // Wider than its cell: its thumbnail covers the cell's first column.
    writeVehicle(cars() + "/Wide.srf", {.frameSize = 112, .frames = 1, .varied = true});
    writeVehicles(device(), 3, "Nav", {.frameSize = 12, .frames = 2, .size2d = 6, .varied = true});
    startOn(cars(), device());
    ASSERT_EQ(form->state.filesCount, 6);
    ASSERT_EQ(form->state.garminCount, 3);
    const auto look = [this](std::uint8_t pane) {
        const Catalogue& catalogue =
            pane == 0 ? form->state.filesCatalogue : form->state.garminCatalogue;
        const int count = pane == 0 ? form->state.filesCount : form->state.garminCount;
        PaneLook seen;
        for (int k = 0; k < count; ++k) {
            const VehicleRecord& r = catalogue[k];
            seen.records.push_back({r.FileName, r.SRFType, r.Size3D, r.Size2D,
                                    QString::number(r.StripX) + (r.Loaded ? "+" : "-")});
        }
        seen.shown = shownNames(pane);
        seen.strip = stripBytes(pane == 0 ? *form->state.filesStrip : *form->state.garminStrip);
        return seen;
    };
    const PaneLook files = look(0);
    const PaneLook garmin = look(1);
    {
        OpenCounter local(cars(), IN_OPEN | IN_ACCESS);
        OpenCounter copies(temp(), IN_OPEN | IN_ACCESS);
        OpenCounter navigator(device(), IN_OPEN | IN_ACCESS);
        ASSERT_TRUE(local.works() && copies.works() && navigator.works()) << "no inotify here";
        form->RefreshPane(0);
        form->RefreshPane(1);
        EXPECT_EQ(local.touched(), QStringList());
        EXPECT_EQ(copies.touched().filter(".srf"), QStringList());
        EXPECT_EQ(navigator.touched(), QStringList());
    }
    EXPECT_EQ(look(0), files);
    EXPECT_EQ(look(1), garmin);

    // A changed vehicle, of the same size or another, is read again; the others are not.
    const QStringList order = listedOrder(cars());
    writeVehicle(cars() + "/" + order[1], {.frameSize = 20, .frames = 1, .varied = true});
    setLastChange(cars() + "/" + order[3], QDateTime(QDate(2009, 5, 22), QTime(14, 30)));
    {
        OpenCounter local(cars(), IN_OPEN | IN_ACCESS);
        form->RefreshPane(0);
        QStringList touched = local.touched();
        touched.sort();
        EXPECT_EQ(touched, QStringList({order[1], order[3]}));
    }
    EXPECT_EQ(form->state.filesCatalogue[1].Size3D, "20x20");
    const PaneLook reused = look(0);
    // Every vehicle read anew shows as the reused ones did.
    for (const QString& name : order)
        setLastChange(cars() + "/" + name, QDateTime(QDate(2010, 1, 2), QTime(3, 4)));
    {
        OpenCounter local(cars(), IN_OPEN);
        form->RefreshPane(0);
        EXPECT_EQ(local.touched().size(), order.size());
    }
    EXPECT_EQ(look(0), reused);
}

TEST_F(ScanTest, AnUnchangedNavigatorIsNotReadAgain) {
    const QStringList names = writeVehicles(device(), 199, "Nav");
    startOn(none(folder()), none(folder()));
    form->state.garminDir = device();
    form->RefreshPane(1);
    ASSERT_EQ(form->state.garminCount, 199);
    for (const QString& name : {QStringLiteral("Nav01.srf"), QStringLiteral("Nav150.srf")})
        EXPECT_EQ(QFileInfo(temp() + "/" + name).lastModified(),
                  QFileInfo(device() + "/" + name).lastModified())
            << name.toStdString();
    {
        OpenCounter navigator(device(), IN_OPEN | IN_ACCESS);
        ASSERT_TRUE(navigator.works()) << "no inotify here";
        form->RefreshPane(1);
        EXPECT_EQ(navigator.touched(), QStringList());
    }
    ASSERT_EQ(form->state.garminCount, 199);
    EXPECT_EQ(shownNames(1), std::vector<QString>({form->state.garminCatalogue[0].FileName,
                                                   form->state.garminCatalogue[1].FileName,
                                                   form->state.garminCatalogue[2].FileName,
                                                   form->state.garminCatalogue[3].FileName}));

    // Another size, another last change of the same size, and a new vehicle are read.
    writeVehicle(device() + "/Nav05.srf", {.frameSize = 16, .frames = 1});
    setLastChange(device() + "/Nav10.srf", QDateTime(QDate(2009, 5, 22), QTime(14, 30)));
    writeVehicle(device() + "/New.srf", {.frameSize = 12, .frames = 1});
    OpenCounter navigator(device(), IN_OPEN | IN_ACCESS);
    form->RefreshPane(1);
    EXPECT_EQ(navigator.touched(), QStringList({"Nav05.srf", "Nav10.srf", "New.srf"}));
    ASSERT_EQ(form->state.garminCount, 200);
    std::map<QString, QString> sizes;
    for (int k = 0; k < 200; ++k)
        sizes[form->state.garminCatalogue[k].FileName] = form->state.garminCatalogue[k].Size3D;
    EXPECT_EQ(sizes["Nav04.srf"], "8x8");
    EXPECT_EQ(sizes["Nav05.srf"], "16x16");
    EXPECT_EQ(sizes["New.srf"], "12x12");
    EXPECT_EQ(QFileInfo(temp() + "/Nav10.srf").lastModified(),
              QDateTime(QDate(2009, 5, 22), QTime(14, 30)));
}

// Bytes the process has read so far, from files, pipes and sockets alike.
qint64 bytesRead() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

TEST_F(ScanTest, ATerminationSignalStopsTheCopyOfTheLargestVehicleAtOnce) {
    ASSERT_TRUE(QDir().mkpath(device()));
    makeSparseFile(device() + "/Largest.srf", 64 * 1024 * 1024);
    startOn(none(folder()), none(folder()));
    form->state.garminDir = device();
    const TerminationSignals termination([this] { form->Unload(); });
    ASSERT_TRUE(termination.installed());
    const qint64 before = bytesRead();
    ASSERT_GE(before, 0) << "no /proc/self/io here";
    bool signalled = false;
    {
        EveryYield probe([&] {
            if (!signalled) {
                signalled = true;
                ::raise(SIGTERM);
            }
        });
        form->RefreshPane(1);
    }
    const qint64 read = bytesRead() - before;
    ASSERT_TRUE(signalled);
    EXPECT_TRUE(form->closed());
    // A piece of the copy or two, not the whole file.
    EXPECT_LT(read, 8 * 1024 * 1024);
    EXPECT_EQ(form->state.garminCount, 0);
    EXPECT_FALSE(QFileInfo::exists(temp() + "/Largest.srf"));
    EXPECT_EQ(QDir(temp()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList())
        << "no part of a copy is left";
}

TEST_F(ScanTest, AListingDeletesTheTemporaryFilesOfWritesLeftOverInItsFolders) {
    writeVehicles(cars(), 2);
    writeVehicles(device(), 2, "Nav");
    ASSERT_TRUE(QDir().mkpath(temp()));
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString& where : {cars(), device(), temp()}) {
        for (const char* name : {".mh-Old123", ".mh-New123"}) {
            QFile file(where + "/" + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("part of a vehicle");
        }
        setLastChange(where + "/.mh-Old123", now.addSecs(-11 * 60));
        setLastChange(where + "/.mh-New123", now.addSecs(-9 * 60));
    }
    const auto hidden = [](const QString& folder) {
        return QDir(folder).entryList({".mh-*"}, QDir::Files | QDir::Hidden, QDir::Name);
    };

    startOn(cars(), device());

    for (const QString& where : {cars(), device(), temp()})
        EXPECT_EQ(hidden(where), QStringList({".mh-New123"})) << where.toStdString();
    EXPECT_EQ(form->state.filesCount, 2);
    EXPECT_EQ(form->state.garminCount, 2);

    // One that has grown old since goes with the next listing of its folder.
    setLastChange(cars() + "/.mh-New123", now.addSecs(-11 * 60));
    form->RefreshPane(0);
    EXPECT_EQ(hidden(cars()), QStringList());
    EXPECT_EQ(hidden(device()), QStringList({".mh-New123"}));
}

} // namespace
