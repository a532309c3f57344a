#include "app/window/frm_main.h"

#include "app/mod_main.h"
#include "app/mount_watcher.h"
#include "app/settings_file.h"
#include "app/toolkit/mouse_codes.h"
#include "app/window/pane_input.h"

#include <functional>
#include <utility>

frmMain::frmMain(QString programFolder)
    : programFolder_(std::move(programFolder))
    , stateFolders_(stateFoldersFor(programFolder_)) {}

frmMain::~frmMain() {
    mountWatcher_.reset();
    // The cards go before the window that holds their widgets.
    TesselFiles.reset();
    TesselGarmin.reset();
    window_.reset();
}

std::unique_ptr<frmMain> frmMain::create(const QString& programFolder, QString* error) {
    std::unique_ptr<frmMain> form(new frmMain(programFolder));
    if (!form->createControls(error))
        return nullptr;
    form->wireEvents();
    return form;
}

void frmMain::Show() {
    window_->show();
}

void frmMain::Unload() {
    window_->close();
}

Pane frmMain::paneOf(std::uint8_t pane) {
    // In the order of Pane's fields.
    if (pane == kFilesPane)
        return {kFilesPane,        state.fileDir,    state.filesCatalogue,   state.filesCount,
                state.filesStrip,  state.filesReady, state.filesCardsLoaded, VScrollFiles,
                TesselFiles.get(), shpFiles,         imgFilesCardsArea};
    return {kGarminPane,        state.garminDir,   state.garminCatalogue,   state.garminCount,
            state.garminStrip,  state.garminReady, state.garminCardsLoaded, VScrollGarmin,
            TesselGarmin.get(), shpGarmin,         imgGarminCardsArea};
}

QString frmMain::workingFolder() const {
    return stateFolders_.workingFolder;
}

bool frmMain::closed() const {
    return window_->unloaded();
}

void frmMain::wireEvents() {
    window_->Load = std::bind_front(&frmMain::formLoad, this);
    window_->Activate = std::bind_front(&frmMain::formActivate, this);
    window_->KeyDown = std::bind_front(&frmMain::formKeyDown, this);
    window_->MouseDown = std::bind_front(&frmMain::formMouseDown, this);
    window_->QueryUnload = std::bind_front(&frmMain::formQueryUnload, this);
    imgMin->MouseDown = std::bind_front(&frmMain::imgMinMouseDown, this);
    imgX->MouseDown = std::bind_front(&frmMain::imgXMouseDown, this);
    imgX->MouseUp = std::bind_front(&frmMain::imgXMouseUp, this);
    imgFindGarmin->MouseDown = std::bind_front(&frmMain::imgFindGarminMouseDown, this);
    imgChangeDir->MouseDown = std::bind_front(&frmMain::imgChangeDirMouseDown, this);
    imgChangeGarmin->MouseDown = std::bind_front(&frmMain::imgChangeGarminMouseDown, this);
    imgRefreshFiles->MouseDown = std::bind_front(&frmMain::imgRefreshFilesMouseDown, this);
    imgRefreshFiles->MouseUp = std::bind_front(&frmMain::imgRefreshFilesMouseUp, this);
    imgRefreshGarmin->MouseDown = std::bind_front(&frmMain::imgRefreshGarminMouseDown, this);
    imgRefreshGarmin->MouseUp = std::bind_front(&frmMain::imgRefreshGarminMouseUp, this);
    wirePaneEvents(kFilesPane);
    wirePaneEvents(kGarminPane);
    mnuRtMenu.item(QStringLiteral("mnuDeleteVehicle"))->Click =
        std::bind_front(&frmMain::mnuDeleteVehicleClick, this);
    wirePreviewEvents();
    wireKeyboard();
    wireFileDragAndDrop();
}

void frmMain::wirePaneEvents(std::uint8_t paneByte) {
    const Pane pane = paneOf(paneByte);
    pane.scroll->Change = std::bind_front(&frmMain::VScrollChange, this, paneByte);
    pane.scroll->Scroll = std::bind_front(&frmMain::VScrollScroll, this, paneByte);
    pane.cards->MouseDown = std::bind_front(&frmMain::TesselMouseDown, this, paneByte);
    pane.cards->Click = std::bind_front(&frmMain::TesselClick, this, paneByte);
    // A card, or the column around the cards, takes a card dragged from the other pane. Which
    // card it was dropped on and where do not matter.
    const auto copyHere = [this, paneByte](const toolkit::DragSource& source) {
        if (paneByte == kGarminPane)
            CopyVehicleToGarmin(source);
        else
            CopyVehicleFromGarmin(source);
    };
    pane.cards->DragDrop = [copyHere](int, const toolkit::DragSource& source, float, float) {
        copyHere(source);
    };
    pane.cardsArea->DragDrop = [copyHere](const toolkit::DragSource& source, float, float) {
        copyHere(source);
    };
}

void frmMain::formLoad() {
    // The window has no caption bar; its text is what the taskbar shows.
    window_->setCaption(QStringLiteral("QRB"));
    state.keyPressed = 0;
    state.activated = 0;
    state.filesReady = 0;
    state.garminReady = 0;
}

void frmMain::formActivate() {
    if (state.activated)
        return;
    state.activated = 1;
    // From the volumes mounted now: a navigator plugged in while the panes load is taken when
    // they are loaded.
    WatchNavigatorVolumes();

    bool failed = false;
    const bool firstStart =
        findSettingsFile(stateFolders_.settingsFolder) == SettingsPresence::Missing;
    if (!firstStart) {
        if (auto folders = readSettingsFile(stateFolders_.settingsFolder)) {
            // An empty line names no folder; like the close request, take the program folder.
            state.fileDir = folders->fileDir.isEmpty() ? programFolder_ : folders->fileDir;
            state.garminDir = folders->garminDir.isEmpty() ? programFolder_ : folders->garminDir;
        } else {
            failed = true;
        }
    } else {
        state.fileDir = programFolder_;
        state.garminDir = programFolder_;
    }
    if (failed) {
        // Nothing is scanned at start-up; the folder labels keep their initial text. Only a
        // folder the program was started on is shown all the same.
        state.garminDir = programFolder_;
        state.fileDir = programFolder_;
        if (!startTarget_)
            return;
    }
    if (startTarget_)
        state.fileDir = startTarget_->folder;

    ShowFolderLabel(kFilesPane, state.fileDir);
    RefreshPane(kFilesPane);
    // Closed while the Files pane was being read: the Garmin pane is not read any more.
    if (closed())
        return;
    if (!failed) {
        // Started for the first time: a navigator plugged in already is shown instead of the
        // program folder. The search shows its overlay; nothing is said when none is found.
        const bool navigatorShown = firstStart && FindGarmin();
        if (closed())
            return;
        if (!navigatorShown) {
            ShowFolderLabel(kGarminPane, state.garminDir);
            RefreshPane(kGarminPane);
            if (closed())
                return;
        }
    }
    showStartVehicle();
}

void frmMain::formKeyDown(int keyCode, int shift) {
    // A running scan reads it and stops.
    state.keyPressed = keyCode;
    if (keyCode == toolkit::vbKeyEscape && shift == 0 && fraPreview->isVisible())
        imgXPreviewMouseDown(toolkit::vbLeftButton, 0, 0, 0);
}

void frmMain::formQueryUnload() {
    const StoredFolders folders{state.fileDir.isEmpty() ? programFolder_ : state.fileDir,
                                state.garminDir.isEmpty() ? programFolder_ : state.garminDir};
    // Nothing is reported when the settings cannot be written: the window closes all the same.
    writeSettingsFile(stateFolders_.settingsFolder, folders);
    // Released also when writing failed: the surfaces go with the window either way.
    for (auto* surface : {&state.filesStrip, &state.garminStrip, &state.previewBackdrop,
                          &state.previewCanvas, &state.previewPatch, &state.previewVehicle}) {
        if (*surface)
            (*surface)->Destroy();
    }
}
