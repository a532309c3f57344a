#include "app/window/frm_main.h"

#include "app/mod_main.h"
#include "app/settings_file.h"

#include <utility>

frmMain::frmMain(QString programFolder)
    : programFolder_(std::move(programFolder))
    , stateFolders_(stateFoldersFor(programFolder_)) {}

frmMain::~frmMain() {
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

void frmMain::wireEvents() {
    window_->Load = [this] { formLoad(); };
    window_->Activate = [this] { formActivate(); };
    window_->KeyDown = [this](int keyCode, int shift) { formKeyDown(keyCode, shift); };
    window_->MouseDown = [this](int b, int s, float x, float y) { formMouseDown(b, s, x, y); };
    window_->QueryUnload = [this] { formQueryUnload(); };
    imgMin->MouseDown = [this](int b, int s, float x, float y) { imgMinMouseDown(b, s, x, y); };
    imgX->MouseDown = [this](int b, int s, float x, float y) { imgXMouseDown(b, s, x, y); };
    imgX->MouseUp = [this](int b, int s, float x, float y) { imgXMouseUp(b, s, x, y); };
    imgFindGarmin->MouseDown = [this](int b, int s, float x, float y) {
        imgFindGarminMouseDown(b, s, x, y);
    };
    imgChangeDir->MouseDown = [this](int b, int s, float x, float y) {
        imgChangeDirMouseDown(b, s, x, y);
    };
    imgChangeGarmin->MouseDown = [this](int b, int s, float x, float y) {
        imgChangeGarminMouseDown(b, s, x, y);
    };
    imgRefreshFiles->MouseDown = [this](int b, int s, float x, float y) {
        imgRefreshFilesMouseDown(b, s, x, y);
    };
    imgRefreshFiles->MouseUp = [this](int b, int s, float x, float y) {
        imgRefreshFilesMouseUp(b, s, x, y);
    };
    imgRefreshGarmin->MouseDown = [this](int b, int s, float x, float y) {
        imgRefreshGarminMouseDown(b, s, x, y);
    };
    imgRefreshGarmin->MouseUp = [this](int b, int s, float x, float y) {
        imgRefreshGarminMouseUp(b, s, x, y);
    };
    wirePaneEvents(FilesPane);
    wirePaneEvents(GarminPane);
    mnuRtMenu.item(QStringLiteral("mnuDeleteVehicle"))->Click = [this] { mnuDeleteVehicleClick(); };
    wirePreviewEvents();
}

void frmMain::wirePaneEvents(std::uint8_t paneByte) {
    const Pane pane = paneOf(paneByte);
    pane.scroll->Change = [this, paneByte] { VScrollChange(paneByte); };
    pane.scroll->Scroll = [this, paneByte] { VScrollScroll(paneByte); };
    pane.cards->MouseDown = [this, paneByte](int index, int b, int s, float x, float y) {
        TesselMouseDown(paneByte, index, b, s, x, y);
    };
    pane.cards->Click = [this, paneByte](int index) { TesselClick(paneByte, index); };
    // A card, or the column around the cards, takes a card dragged from the other pane. Which
    // card it was dropped on and where do not matter.
    const auto copyHere = [this, paneByte](const toolkit::DragSource& source) {
        if (paneByte == GarminPane)
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

    bool failed = false;
    if (findSettingsFile(stateFolders_.settingsFolder) == SettingsPresence::Present) {
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
        // Nothing is scanned at start-up; the folder labels keep their initial text.
        state.garminDir = programFolder_;
        state.fileDir = programFolder_;
        return;
    }

    lblFileDir->setCaption(ShortenPath(state.fileDir, 30));
    RefreshPane(FilesPane);
    // Closed while the Files pane was being read: the Garmin pane is not read any more.
    if (closed())
        return;
    lblGarminDir->setCaption(ShortenPath(state.garminDir, 30));
    RefreshPane(GarminPane);
}

void frmMain::formKeyDown(int keyCode, int) {
    // A running scan reads it and stops.
    state.keyPressed = keyCode;
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
