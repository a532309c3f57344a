// The window shell: dragging the borderless window by its background, the minimise and close
// buttons, and the skinned buttons' up and down pictures with the busy test.
#include "app/hourglass_cursor.h"
#include "app/toolkit/mouse_codes.h"
#include "app/window/button_pictures.h"
#include "app/window/frm_main.h"

void frmMain::SetButtonPicture(toolkit::ImageControl* button, const QString& fileName) {
    // Read anew at every change, so a skin replaced on disk shows at the next press.
    button->LoadPictureFile(imagePath(fileName));
}

void frmMain::formMouseDown(int button, int, float, float) {
    if (button != toolkit::vbLeftButton)
        return;
    window_->StartSystemMove();
}

void frmMain::imgMinMouseDown(int, int, float, float) {
    SetButtonPicture(imgMin, ButtonPictures::MinDown);
    window_->Minimize();
    SetButtonPicture(imgMin, ButtonPictures::MinUp);
}

void frmMain::imgXMouseDown(int, int, float, float) {
    SetButtonPicture(imgX, ButtonPictures::XDown);
}

void frmMain::imgXMouseUp(int, int, float x, float y) {
    SetButtonPicture(imgX, ButtonPictures::XUp);
    // Released on the button, edges included: the window closes.
    if (x >= 0 && x <= imgX->Width() && y >= 0 && y <= imgX->Height())
        Unload();
}

void frmMain::imgFindGarminMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgFindGarmin, ButtonPictures::GpsDown);
    FindGarmin();
    SetButtonPicture(imgFindGarmin, ButtonPictures::GpsUp);
}

void frmMain::imgChangeDirMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgChangeDir, ButtonPictures::DirDown);
    const bool changed = ChooseDirectory(FilesPane);
    // Up again whether or not a folder was chosen.
    SetButtonPicture(imgChangeDir, ButtonPictures::DirUp);
    if (changed)
        RefreshPane(FilesPane);
}

void frmMain::imgChangeGarminMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgChangeGarmin, ButtonPictures::DirDown);
    const bool changed = ChooseDirectory(GarminPane);
    // Up again whether or not a folder was chosen.
    SetButtonPicture(imgChangeGarmin, ButtonPictures::DirUp);
    if (changed)
        RefreshPane(GarminPane);
}

void frmMain::imgRefreshFilesMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgRefreshFiles, ButtonPictures::RefreshDown);
    RefreshPane(FilesPane);
}

void frmMain::imgRefreshFilesMouseUp(int, int, float, float) {
    SetButtonPicture(imgRefreshFiles, ButtonPictures::RefreshUp);
}

void frmMain::imgRefreshGarminMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgRefreshGarmin, ButtonPictures::RefreshDown);
    RefreshPane(GarminPane);
}

void frmMain::imgRefreshGarminMouseUp(int, int, float, float) {
    SetButtonPicture(imgRefreshGarmin, ButtonPictures::RefreshUp);
}
