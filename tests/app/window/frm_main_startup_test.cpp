#include "tests/app/window/form_fixture.h"

#include <QScrollBar>
#include <QTest>

namespace {

using StartupTest = FormFixture;

TEST_F(StartupTest, LoadSetsTheWindowTextAndClearsTheFlags) {
    createForm();
    form->state.keyPressed = 65;
    form->state.filesReady = 1;
    form->state.garminReady = 1;
    form->Show();
    EXPECT_EQ(form->window()->windowTitle(), "QRB");
    EXPECT_EQ(form->state.keyPressed, 0);
    EXPECT_EQ(form->state.filesReady, 0);
    EXPECT_EQ(form->state.garminReady, 0);
}

struct SettingsCase {
    const char* name;
    std::optional<QByteArray> content; // no file when empty
    // Expected folders; "<pf>" stands for the program folder.
    const char* fileDir;
    const char* garminDir;
    // The label texts; null where a label keeps "No Directory Selected".
    const char* fileLabel;
    const char* garminLabel;
};

class ActivationTest : public FormFixture, public ::testing::WithParamInterface<SettingsCase> {
protected:
    QString expand(const char* text) const {
        return QString::fromUtf8(text).replace(QStringLiteral("<pf>"), folder());
    }
};

TEST_P(ActivationTest, ReadsTheSettingsAndShowsTheFolders) {
    const SettingsCase& c = GetParam();
    if (c.content)
        writeSettings(*c.content);
    createForm();
    showActive();
    EXPECT_EQ(form->state.activated, 1);
    EXPECT_EQ(form->state.fileDir, expand(c.fileDir));
    EXPECT_EQ(form->state.garminDir, expand(c.garminDir));
    // A label shows a folder of up to 30 characters whole, so "<pf>" reads as the folder itself.
    ASSERT_LE(folder().size(), 30) << "the test's program folder is too long to show whole";
    const QString none = QStringLiteral("No Directory Selected");
    EXPECT_EQ(form->lblFileDir->Caption(), c.fileLabel ? expand(c.fileLabel) : none);
    EXPECT_EQ(form->lblGarminDir->Caption(), c.garminLabel ? expand(c.garminLabel) : none);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ActivationTest,
    ::testing::Values(
        SettingsCase{"NoFile", std::nullopt, "<pf>", "<pf>", "<pf>", "<pf>"},
        SettingsCase{"TwoLines", QByteArray("/srv/cars\r\n/media/nav/Garmin/Vehicle\r\n"),
                     "/srv/cars", "/media/nav/Garmin/Vehicle", "/srv/cars",
                     "/media/nav/Garmin/Vehicle"},
        SettingsCase{"LongFolderShortened",
                     QByteArray("/home/owner/Documents/My Vehicles/Collection\r\n/g\r\n"),
                     "/home/owner/Documents/My Vehicles/Collection", "/g",
                     "/home/owner/Documents/My V...n", "/g"},
        SettingsCase{"OneLine", QByteArray("/srv/cars\r\n"), "<pf>", "<pf>", nullptr, nullptr},
        SettingsCase{"EmptyFile", QByteArray(""), "<pf>", "<pf>", nullptr, nullptr},
        // An empty line names no folder: the program folder stands in, as on close.
        SettingsCase{"EmptyFolders", QByteArray("\r\n\r\n"), "<pf>", "<pf>", "<pf>", "<pf>"},
        SettingsCase{"EmptySecondFolder", QByteArray("/srv/cars\r\n\r\n"), "/srv/cars", "<pf>",
                     "/srv/cars", "<pf>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, OnlyTheFirstActivationReadsTheSettings) {
    writeSettings("/first/files\r\n/first/garmin\r\n");
    createForm();
    showActive();
    ASSERT_EQ(form->state.fileDir, "/first/files");
    writeSettings("/second/files\r\n/second/garmin\r\n");
    // Another window takes the activation, then the form gets it back; also minimising.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->window()));
    form->window()->showMinimized();
    form->window()->showNormal();
    form->formActivate();
    EXPECT_EQ(form->state.fileDir, "/first/files");
    EXPECT_EQ(form->state.garminDir, "/first/garmin");
    EXPECT_EQ(form->lblFileDir->Caption(), "/first/files");
}

TEST_F(StartupTest, CloseWritesBothFoldersWithCrLf) {
    createForm();
    form->state.fileDir = "/srv/cars";
    form->state.garminDir = "/media/nav/Garmin/Vehicle";
    form->Unload();
    EXPECT_EQ(readSettings(), QByteArray("/srv/cars\r\n/media/nav/Garmin/Vehicle\r\n"));
}

TEST_F(StartupTest, CloseWritesAnEmptyFolderAsTheProgramFolder) {
    createForm();
    form->state.fileDir.clear();
    form->state.garminDir = "/g";
    form->Unload();
    EXPECT_EQ(readSettings(), QFile::encodeName(folder()) + "\r\n/g\r\n");
}

TEST_F(StartupTest, SettingsSurviveARunUnchanged) {
    writeSettings("/home/j\xc3\xb6rg/cars\r\n/media/nav\r\n");
    createForm();
    showActive();
    form->Unload();
    EXPECT_EQ(readSettings(), QByteArray("/home/j\xc3\xb6rg/cars\r\n/media/nav\r\n"));
}

TEST_F(StartupTest, CloseReleasesTheSurfaces) {
    createForm();
    form->state.filesStrip = std::make_unique<cAlphaSurface>();
    ASSERT_TRUE(form->state.filesStrip->Create(200, 100));
    form->state.previewPatch = std::make_unique<cAlphaSurface>();
    ASSERT_TRUE(form->state.previewPatch->Create(80, 80));
    form->Unload();
    EXPECT_EQ(form->state.filesStrip->hDC(), 0);
    EXPECT_EQ(form->state.previewPatch->hDC(), 0);
    EXPECT_FALSE(form->state.garminStrip);
}

TEST_F(StartupTest, CloseIsNeverRefusedAlsoWhenTheSettingsCannotBeWritten) {
    createForm();
    form->Show();
    // A folder where the file should be: the settings cannot be written.
    ASSERT_TRUE(QDir(folder()).mkdir("init.ini"));
    form->state.filesStrip = std::make_unique<cAlphaSurface>();
    ASSERT_TRUE(form->state.filesStrip->Create(10, 10));
    EXPECT_TRUE(form->window()->close());
    EXPECT_FALSE(form->window()->isVisible());
    EXPECT_EQ(form->state.filesStrip->hDC(), 0);
}

TEST_F(StartupTest, KeysPressedOnAScrollBarOrACardReachTheForm) {
    createForm();
    showActive();
    toolkit::CardElement* card = form->TesselGarmin->item(1);
    card->setVisible(true);
    QWidget* const targets[] = {form->VScrollFiles, form->VScrollGarmin, card->widget()};
    int key = Qt::Key_A;
    for (QWidget* target : targets) {
        target->setFocus();
        ASSERT_TRUE(target->hasFocus());
        QTest::keyClick(target, static_cast<Qt::Key>(key));
        EXPECT_EQ(form->state.keyPressed, key);
        ++key;
    }
}

} // namespace
