// The per-pane mapping from a pane byte to the pane's controls and fields.
#include "app/vehicle_files.h"
#include "app/window/frm_main.h"

Pane frmMain::paneOf(std::uint8_t pane) {
    if (pane == FilesPane) {
        return Pane{.byte = FilesPane,
                    .folder = state.fileDir,
                    .catalogue = state.filesCatalogue,
                    .count = state.filesCount,
                    .strip = state.filesStrip,
                    .ready = state.filesReady,
                    .cardsLoaded = state.filesCardsLoaded,
                    .scroll = VScrollFiles,
                    .cards = TesselFiles.get(),
                    .anchor = shpFiles,
                    .cardsArea = imgFilesCardsArea};
    }
    return Pane{.byte = GarminPane,
                .folder = state.garminDir,
                .catalogue = state.garminCatalogue,
                .count = state.garminCount,
                .strip = state.garminStrip,
                .ready = state.garminReady,
                .cardsLoaded = state.garminCardsLoaded,
                .scroll = VScrollGarmin,
                .cards = TesselGarmin.get(),
                .anchor = shpGarmin,
                .cardsArea = imgGarminCardsArea};
}

QString frmMain::workingFolder() const {
    return stateFolders_.workingFolder;
}

bool frmMain::closed() const {
    return window_->unloaded();
}
