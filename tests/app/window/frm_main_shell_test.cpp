#include "app/hourglass_cursor.h"
#include "app/toolkit/folder_dialog.h"
#include "app/toolkit/message_box.h"
#include "tests/app/window/form_fixture.h"

#include <QTest>

namespace {

using ShellTest = FormFixture;

TEST_F(ShellTest, DraggingTheWindowNeedsALeftPressOnTheBackground) {
    createForm();
    int moves = 0;
    form->window()->setSystemMove([&moves] { ++moves; });
    showActive();
    QWidget* window = form->window();
    const struct {
        QWidget* target;
        Qt::MouseButton button;
        int moves;
    } presses[] = {
        {window, Qt::RightButton, 0},
        {window, Qt::MiddleButton, 0},
        {window, Qt::LeftButton, 1},
        // A label is a control of its own, not the background.
        {form->lblFileDir, Qt::LeftButton, 1},
        {form->imgFilesCardsArea, Qt::LeftButton, 1},
    };
    for (const auto& p : presses) {
        QTest::mouseClick(p.target, p.button, Qt::NoModifier, QPoint(3, 3));
        EXPECT_EQ(moves, p.moves);
    }
}

TEST_F(ShellTest, TheCloseButtonClosesOnReleaseInsideOrOnItsEdge) {
    const struct {
        const char* name;
        QPoint release;
        bool closes;
    } releases[] = {
        {"inside", {12, 12}, true},        {"right and bottom edge", {25, 25}, true},
        {"top-left corner", {0, 0}, true}, {"right of it", {26, 12}, false},
        {"below it", {12, 26}, false},     {"left of it", {-1, 12}, false},
    };
    for (const auto& r : releases) {
        SCOPED_TRACE(r.name);
        createForm();
        showActive();
        QTest::mousePress(form->imgX, Qt::LeftButton, Qt::NoModifier, QPoint(12, 12));
        EXPECT_EQ(shown(form->imgX), downColour("XButton"));
        QTest::mouseRelease(form->imgX, Qt::LeftButton, Qt::NoModifier, r.release);
        EXPECT_EQ(shown(form->imgX), upColour("XButton"));
        EXPECT_EQ(form->window()->isVisible(), !r.closes);
        EXPECT_EQ(readSettings() != "<missing>", r.closes);
        form.reset();
        QFile::remove(folder() + "/init.ini");
    }
}

TEST_F(ShellTest, TheMinimiseButtonMinimisesAndShowsItsUpPicture) {
    createForm();
    showActive();
    QTest::mouseClick(form->imgMin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(form->window()->isMinimized());
    EXPECT_EQ(shown(form->imgMin), upColour("MinButton"));
}

TEST_F(ShellTest, RefreshButtonsAreDownWhilePressedAndUpOnRelease) {
    createForm();
    showActive();
    for (auto* button : {form->imgRefreshFiles, form->imgRefreshGarmin}) {
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(shown(button), downColour("RefreshButton"));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(shown(button), upColour("RefreshButton"));
    }
}

TEST_F(ShellTest, WhileBusyTheGuardedButtonsDoNothing) {
    createForm();
    showActive();
    // The folder dialog is answered with a cancel.
    struct Cancel final : toolkit::FolderDialog {
        QString browse(const toolkit::BrowseInfo&) override { return QString(); }
    } cancel;
    toolkit::setFolderDialog(&cancel);
    // The search finds no navigator (the window sees no drives) and says so.
    struct Told final : toolkit::MessageBox {
        int askYesNo(QWidget*, const QString&, const QString&) override { return toolkit::vbNo; }
        int askYesNoDefaultNo(QWidget*, const QString&, const QString&) override {
            return toolkit::vbNo;
        }
        void tell(QWidget*, const QString&, const QString& title) override {
            titles.push_back(title);
        }
        QStringList titles;
    } told;
    toolkit::setMessageBox(&told);
    // Each press reads the down picture anew: make the file differ from what shows now.
    writePicture("RefreshButtonDown.bmp", {75, 25}, Qt::red);
    writePicture("GPSButtonUp.bmp", {25, 25}, Qt::green);
    writePicture("DirButtonUp.bmp", {25, 25}, Qt::green);
    {
        cHourglassCursor busy;
        for (auto* button : {form->imgRefreshFiles, form->imgRefreshGarmin, form->imgFindGarmin,
                             form->imgChangeDir, form->imgChangeGarmin}) {
            const QColor before = shown(button);
            QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            EXPECT_EQ(shown(button), before);
        }
    }
    // Not busy any more: the same presses change the pictures, read from the files as they are
    // now.
    QTest::mousePress(form->imgRefreshFiles, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgRefreshFiles), QColor(Qt::red));
    QTest::mousePress(form->imgFindGarmin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgFindGarmin), QColor(Qt::green));
    EXPECT_EQ(told.titles, QStringList{"Navigator Not Found"});
    toolkit::setMessageBox(nullptr);
    QTest::mousePress(form->imgChangeDir, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgChangeDir), QColor(Qt::green));
    toolkit::setFolderDialog(nullptr);
}

TEST_F(ShellTest, TheCloseAndMinimiseButtonsWorkWhileBusy) {
    createForm();
    showActive();
    cHourglassCursor busy;
    QTest::mouseClick(form->imgMin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(form->window()->isMinimized());
    QTest::mouseClick(form->imgX, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(form->window()->isVisible());
}

TEST_F(ShellTest, AMissingBitmapLeavesThePictureAsItWas) {
    createForm();
    showActive();
    ASSERT_TRUE(QFile::remove(imagePath("XButtonDown.bmp")));
    ASSERT_TRUE(QFile::remove(imagePath("RefreshButtonUp.bmp")));
    QTest::mousePress(form->imgX, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgX), upColour("XButton"));
    QTest::mouseClick(form->imgRefreshFiles, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgRefreshFiles), downColour("RefreshButton"));
    EXPECT_EQ(form->imgRefreshFiles->size(), QSize(75, 25));
    // The program goes on: the close button still closes.
    QTest::mouseRelease(form->imgX, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(form->window()->isVisible());
}

TEST_F(ShellTest, ABitmapCutShortLeavesThePictureAsItWas) {
    createForm();
    showActive();
    for (const char* name : {"XButtonDown.bmp", "RefreshButtonUp.bmp"}) {
        QFile file(imagePath(name));
        ASSERT_TRUE(file.resize(file.size() / 2));
    }
    QTest::mousePress(form->imgX, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgX), upColour("XButton"));
    QTest::mouseClick(form->imgRefreshFiles, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shown(form->imgRefreshFiles), downColour("RefreshButton"));
    QTest::mouseRelease(form->imgX, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(form->window()->isVisible());
}

TEST_F(ShellTest, ShowMessageCentresTheOverlayOnThePane) {
    createForm();
    showActive();
    const struct {
        std::uint8_t pane;
        int left;
        int top;
    } cases[] = {
        // 375 + 4740 / 2 - 3270 / 2 = 1110; 1215 + 6930 / 2 - 1065 / 2 = 4147.5, kept as 4148.
        {0, 1110, 4148},
        {1, 7005, 4148},
        // Any other pane keeps the overlay where it was.
        {2, 7005, 4148},
        {255, 7005, 4148},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pane);
        form->fraMessage->setVisible(false);
        form->ShowMessage(c.pane, "Loading 1 of 3", "Putter.srf");
        EXPECT_EQ(form->fraMessage->Left(), c.left);
        EXPECT_EQ(form->fraMessage->Top(), c.top);
        EXPECT_EQ(form->fraMessage->pos(), QPoint((c.left + 7) / 15, (c.top + 7) / 15));
        EXPECT_TRUE(form->fraMessage->isVisible());
        EXPECT_EQ(form->lblMessage1->Caption(), "Loading 1 of 3");
        EXPECT_EQ(form->lblMessage2->Caption(), "Putter.srf");
    }
}

TEST_F(ShellTest, ShowMessageWithAnotherPaneBeforeAnyKeepsTheLayoutPlace) {
    createForm();
    form->ShowMessage(2, "", "Checking D: for 760...");
    EXPECT_EQ(form->fraMessage->Left(), 3885);
    EXPECT_EQ(form->fraMessage->Top(), 3630);
    EXPECT_TRUE(form->fraMessage->Visible());
}

TEST(CardClass, NotRegisteredTheWindowIsNotCreatedAndTheMessageSaysHowToRegister) {
    // A registry of its own that does not know the card class.
    QTemporaryDir configuration;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    QTemporaryDir programFolder;
    QString error;
    std::unique_ptr<frmMain> form = frmMain::create(programFolder.path(), &error);
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(form, nullptr);
    EXPECT_TRUE(error.contains("Project1.Tessel"));
    EXPECT_TRUE(error.contains("not registered"));
    EXPECT_TRUE(
        error.contains(programFolder.path() + "/regsvr " + programFolder.path() + "/libtessel.so"))
        << error.toStdString();
}

} // namespace
