// The vehicle preview: the vehicle standing on the navigator's map screen in fraPreview, and
// turning through the 36 frames of its strip while the rotation is on. The picture is composed on
// a canvas surface; a step of the rotation restores only the vehicle's rectangle from the patch of
// backdrop saved under it and paints the next frame there, so the backdrop is drawn once per
// vehicle.
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/program_language.h"
#include "app/toolkit/accessibility.h"
#include "app/toolkit/screen.h"
#include "app/window/button_pictures.h"
#include "app/window/frm_main.h"
#include "platform/picture/picture.h"
#include "platform/picture/picture_choice.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <QFile>
#include <QFileInfo>
#include <QPoint>

namespace {

constexpr std::int32_t kCanvasWidth = 14400;
constexpr std::int32_t kCanvasHeight = 750;
constexpr std::int32_t kFramesPerTurn = 36;
const QString kBackdropFile = QStringLiteral("Garmin760.bmp");

// The vehicle stands centred in the 80 x 80 square at (291, 207) of the backdrop; halves round to
// the even neighbour (77 pixels: 292.5 gives 292).
QPoint vehicleCorner(std::int32_t width, std::int32_t height) {
    const auto place = [](std::int32_t size, double square) {
        return static_cast<int>(std::nearbyint((80.0 - size) / 2.0 + square));
    };
    return {place(width, 291.0), place(height, 207.0)};
}

cAlphaSurface& surface(std::unique_ptr<cAlphaSurface>& slot) {
    if (!slot)
        slot = std::make_unique<cAlphaSurface>();
    return *slot;
}

// The path names a file of its own, taken literally: not a folder, not a hidden file.
bool namesPlainFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

// Empty, also while persistent drawing is off: clearing the screen image alone would bring the
// last persistent picture back.
void clearPicture(toolkit::PictureBox* box) {
    const bool persistent = box->AutoRedraw();
    box->setAutoRedraw(true);
    box->Cls();
    box->setAutoRedraw(persistent);
}

} // namespace

void frmMain::wirePreviewEvents() {
    if (toolkit::PopupMenu::Item* item = mnuRtMenu.item(QStringLiteral("mnuPreview")))
        item->Click = std::bind_front(&frmMain::mnuPreviewClick, this);
    Timer1->Tick = std::bind_front(&frmMain::Timer1Timer, this);
    imgRotate->MouseDown = std::bind_front(&frmMain::imgRotateMouseDown, this);
    imgXPreview->MouseDown = std::bind_front(&frmMain::imgXPreviewMouseDown, this);
}

void frmMain::mnuPreviewClick() {
    const Pane pane = paneOf(state.selectedPane);
    const std::int32_t entry = state.selectedIndex - 1;
    if (entry < 0 || entry >= kCatalogueCapacity)
        return;
    // The navigator's vehicle is read where it lies, not from the working copy.
    LoadPreview(pane.folder + QLatin1Char('/') + pane.catalogue[entry].FileName);
}

void frmMain::LoadPreview(const QString& path) {
    const cHourglassCursor busy;
    previewPath_ = path;
    NamePreview(path);
    clearPicture(Plotter);
    if (!namesPlainFile(path)) {
        // Without a canvas the ticks of a turning preview leave the box empty, as a still one
        // stays, instead of painting the vehicle before again. A canvas that cannot be had below
        // leaves none either.
        surface(state.previewCanvas).Destroy();
        return;
    }
    cAlphaSurface& canvas = surface(state.previewCanvas);
    if (!canvas.Create(kCanvasWidth, kCanvasHeight))
        return;
    FillRectangle(canvas.hDC(), 0, 0, kCanvasWidth, kCanvasHeight, kWhite);

    // A missing or damaged bitmap leaves the backdrop empty: the vehicle stands on white. The
    // canvas is composed in single-scale pixels, the vehicle's own, so the backdrop is the
    // single-scale picture in the user's language.
    const std::unique_ptr<Picture> picture = LoadPicture(
        QFile::encodeName(choosePictureFile(programFolder_ + QStringLiteral("/Images"),
                                            kBackdropFile, ProgramLanguage::installed(), 1.0))
            .toStdString());
    cAlphaSurface& backdrop = surface(state.previewBackdrop);
    backdrop.CreateFromPicture(picture.get());

    cAlphaSurface& vehicle = surface(state.previewVehicle);
    const bool loaded = vehicle.CreateFromGarminSRF(QFile::encodeName(path).toStdString()) == 1 &&
                        vehicle.Width() >= vehicle.Width3D();
    // A file that is no vehicle, or whose strip does not hold one whole frame, shows the backdrop
    // alone: a failed read would leave the previous vehicle, or sizes no pixels back.
    if (!loaded)
        state.previewVehicle = std::make_unique<cAlphaSurface>();
    state.previewWidth = state.previewVehicle->Width3D();
    state.previewHeight = state.previewVehicle->Height3D();
    state.previewWidth2D = state.previewVehicle->Width2D();
    state.previewHeight2D = state.previewVehicle->Height2D();

    // The patch holds what the finished canvas has under the vehicle: the backdrop, and white
    // where the backdrop does not reach.
    cAlphaSurface& patch = surface(state.previewPatch);
    patch.Create(state.previewWidth, state.previewHeight);
    FillRectangle(patch.hDC(), 0, 0, state.previewWidth, state.previewHeight, kWhite);
    const QPoint corner = vehicleCorner(state.previewWidth, state.previewHeight);
    patch.LoadPictureBlt(backdrop.hDC(), corner.x(), corner.y(), state.previewWidth,
                         state.previewHeight, gdi::SRCCOPY);

    fraPreview->setVisible(true);
    toolkit::DoEvents();
    // Closed meanwhile, the window or the preview: its surfaces are released.
    if (closed() || fraPreview->isHidden())
        return;
    state.previewCanvas->LoadPictureBlt(state.previewBackdrop->hDC(), 0, 0, -1, -1, gdi::SRCCOPY);
    PaintPreviewFrame();
}

void frmMain::PaintPreviewFrame() {
    cAlphaSurface& canvas = surface(state.previewCanvas);
    const QPoint corner = vehicleCorner(state.previewWidth, state.previewHeight);
    surface(state.previewPatch)
        .PaintPicture(canvas.hDC(), corner.x(), corner.y(), state.previewWidth, state.previewHeight,
                      0, 0, gdi::SRCCOPY);
    surface(state.previewVehicle)
        .AlphaPaintPicture(canvas.hDC(), corner.x(), corner.y(), state.previewWidth,
                           state.previewHeight, state.previewFrame * state.previewWidth, 0, 255);
    ShowSurface(Plotter, canvas, 0, 0, canvas.Width(), canvas.Height());
}

void frmMain::ShowSurface(toolkit::PictureBox* box, const cAlphaSurface& source, std::int32_t x,
                          std::int32_t y, std::int32_t width, std::int32_t height) {
    // Only what the box can show is copied, never the rest of a large canvas. A block that
    // covers the whole box leaves nothing of the old picture to clear.
    const std::int32_t shownWidth = std::min(width, box->width());
    const std::int32_t shownHeight = std::min(height, box->height());
    const bool coversBox = shownWidth == box->width() && shownHeight == box->height() &&
                           x + 1 + shownWidth <= source.Width() &&
                           y + 1 + shownHeight <= source.Height() && source.hDC() != 0;
    if (!coversBox)
        clearPicture(box);
    box->setAutoRedraw(true);
    gdi::BitBlt(box->hDC(), 0, 0, shownWidth, shownHeight, source.hDC(), x + 1, y + 1,
                gdi::SRCCOPY);
    box->setAutoRedraw(false);
    box->Refresh();
}

void frmMain::Timer1Timer() {
    // The close request has released the surfaces.
    if (closed())
        return;
    state.previewFrame = state.previewFrame + 1;
    if (state.previewFrame > kFramesPerTurn - 1)
        state.previewFrame = 0;
    PaintPreviewFrame();
}

void frmMain::imgRotateMouseDown(int, int, float, float) {
    // The frame shown stays when the rotation stops and the next tick goes on from it.
    if (Timer1->Enabled()) {
        Timer1->setEnabled(false);
        SetButtonPicture(imgRotate, ButtonPictures::kRotateUp);
    } else {
        Timer1->setEnabled(true);
        SetButtonPicture(imgRotate, ButtonPictures::kRotateDown);
    }
    toolkit::announceStateChange(imgRotate);
}

void frmMain::imgXPreviewMouseDown(int, int, float, float) {
    SetButtonPicture(imgXPreview, ButtonPictures::kXDown);
    ClosePreview();
}

void frmMain::ClosePreview() {
    fraPreview->setVisible(false);
    SetButtonPicture(imgXPreview, ButtonPictures::kXUp);
    Timer1->setEnabled(false);
    SetButtonPicture(imgRotate, ButtonPictures::kRotateUp);
    for (auto* slot :
         {&state.previewBackdrop, &state.previewCanvas, &state.previewPatch, &state.previewVehicle})
        surface(*slot).Destroy();
    state.previewFrame = 0;
}
