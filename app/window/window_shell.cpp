// The window shell: dragging the borderless window by its background, the minimise and close
// buttons, and the skinned buttons' up and down pictures with the busy test.
#include "app/hourglass_cursor.h"
#include "app/toolkit/mouse_codes.h"
#include "app/window/button_pictures.h"
#include "app/window/frm_main.h"

void frmMain::SetButtonPicture(toolkit::ImageControl* button, const QString& fileName) {
    // Read anew at every change, so a skin replaced on disk shows at the next press.
    button->showPicture(windowPicture(fileName));
}

void frmMain::formMouseDown(int button, int, float, float) {
    if (button != toolkit::vbLeftButton)
        return;
    window_->StartSystemMove();
}

void frmMain::imgMinMouseDown(int, int, float, float) {
    SetButtonPicture(imgMin, ButtonPictures::kMinDown);
    window_->Minimize();
    SetButtonPicture(imgMin, ButtonPictures::kMinUp);
}

void frmMain::imgXMouseDown(int, int, float, float) {
    SetButtonPicture(imgX, ButtonPictures::kXDown);
}

void frmMain::imgXMouseUp(int, int, float x, float y) {
    SetButtonPicture(imgX, ButtonPictures::kXUp);
    // Released on the button, edges included: the window closes.
    if (x >= 0 && x <= imgX->Width() && y >= 0 && y <= imgX->Height())
        Unload();
}

void frmMain::imgFindGarminMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgFindGarmin, ButtonPictures::kGpsDown);
    const bool found = FindGarmin();
    SetButtonPicture(imgFindGarmin, ButtonPictures::kGpsUp);
    // Up again before the box, which waits for the user.
    if (!found)
        tellNavigatorNotFound();
}

void frmMain::imgChangeDirMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgChangeDir, ButtonPictures::kDirDown);
    const bool changed = ChooseDirectory(kFilesPane);
    // Up again whether or not a folder was chosen.
    SetButtonPicture(imgChangeDir, ButtonPictures::kDirUp);
    if (changed)
        RefreshPane(kFilesPane);
}

void frmMain::imgChangeGarminMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgChangeGarmin, ButtonPictures::kDirDown);
    const bool changed = ChooseDirectory(kGarminPane);
    // Up again whether or not a folder was chosen.
    SetButtonPicture(imgChangeGarmin, ButtonPictures::kDirUp);
    if (changed)
        RefreshPane(kGarminPane);
}

void frmMain::imgRefreshFilesMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgRefreshFiles, ButtonPictures::kRefreshDown);
    RefreshPane(kFilesPane);
}

void frmMain::imgRefreshFilesMouseUp(int, int, float, float) {
    SetButtonPicture(imgRefreshFiles, ButtonPictures::kRefreshUp);
}

void frmMain::imgRefreshGarminMouseDown(int, int, float, float) {
    if (isBusy())
        return;
    SetButtonPicture(imgRefreshGarmin, ButtonPictures::kRefreshDown);
    RefreshPane(kGarminPane);
}

void frmMain::imgRefreshGarminMouseUp(int, int, float, float) {
    SetButtonPicture(imgRefreshGarmin, ButtonPictures::kRefreshUp);
}
