// The window started on a vehicle file or a folder ("Open with"): the Files pane shows its
// folder, keeps it in the settings, and selects, scrolls to and previews the vehicle.
#include "tests/app/window/pane_fixture.h"

#include <QFile>

namespace {

using StartTargetTest = PaneFixture;

TEST_F(StartTargetTest, TheFilesPaneShowsTheFolderWithTheVehicleSelectedAndPreviewed) {
    const struct {
        const char* name;
        bool settings; // an init.ini from an earlier run names other folders
        const char* vehicle;
        int selected; // the vehicle's number in the pane; 0 for none
        int value;    // the scroll position afterwards
        bool preview;
    } cases[] = {
        {"the last of nine: scrolled as far as the pane goes", true, "Car09.srf", 9, 6, true},
        {"the fifth: scrolled to the first card", true, "Car05.srf", 5, 5, true},
        {"the fourth: on a card already", true, "Car04.srf", 4, 1, true},
        {"the name in other letters, as a case-blind volume takes it", true, "car07.SRF", 7, 6,
         true},
        {"a folder alone", true, "", 0, 1, false},
        {"a vehicle gone before the pane was listed", true, "Gone.srf", 0, 1, false},
        {"the first start", false, "Car08.srf", 8, 6, true},
    };
    writeVehicles(cars(), 9, "Car");
    writeVehicles(folder() + "/other", 1, "Other");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder() + "/init.ini");
        if (c.settings)
            writeSettings(QFile::encodeName(folder() + "/other") + "\r\n" +
                          QFile::encodeName(device()) + "\r\n");
        createForm();
        form->setStartTarget({cars(), c.vehicle});
        showActive();
        EXPECT_EQ(form->state.fileDir, cars());
        EXPECT_EQ(form->state.filesCount, 9);
        EXPECT_EQ(form->state.garminDir, c.settings ? device() : folder());
        EXPECT_EQ(form->state.selectedIndex, c.selected);
        EXPECT_EQ(form->VScrollFiles->Value(), c.value);
        const std::vector<QString> shown = shownNames(0);
        if (c.selected) {
            EXPECT_EQ(form->state.selectedPane, 0);
            const QString name = form->state.filesCatalogue[c.selected - 1].FileName;
            EXPECT_NE(std::find(shown.begin(), shown.end(), name), shown.end());
        }
        EXPECT_EQ(form->fraPreview->isVisible(), c.preview);
        // Kept as a folder chosen in the dialog is.
        form->Unload();
        EXPECT_EQ(readSettings(), QFile::encodeName(cars()) + "\r\n" +
                                      QFile::encodeName(c.settings ? device() : folder()) + "\r\n");
        form.reset();
    }
}

} // namespace
