// The main window: a borderless, skinned form with two panes of cards, Files (the local folder,
// pane 0) on the left and Garmin (the navigator's folder, pane 1) on the right. The controls are
// public members under their established names, as the window's parts address them.
#pragma once

#include "app/form_state.h"
#include "app/toolkit/card_array.h"
#include "app/toolkit/form_window.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/image_control.h"
#include "app/toolkit/label.h"
#include "app/toolkit/picture_box.h"
#include "app/toolkit/popup_menu.h"
#include "app/toolkit/shape.h"
#include "app/toolkit/timer.h"
#include "app/toolkit/vscroll_bar.h"

#include <cstdint>
#include <memory>
#include <QString>

namespace toolkit {
class AutomaticDrag;
}

class frmMain {
public:
    // Creates the window with every control and element 1 of both card arrays. Null, with a
    // message that says what failed and how to mend it, when the card class cannot be created.
    static std::unique_ptr<frmMain> create(const QString& programFolder, QString* error);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Loads the window (once) and shows it.
    void Show();
    // Raises the close request; the window closes whatever happens in it.
    void Unload();
    toolkit::FormWindow* window() const { return window_.get(); }
    const QString& programFolder() const { return programFolder_; }

    // Shows the message overlay centred on a pane's card column (0 Files, 1 Garmin, any other
    // value where it was), yields once and repaints it. The caller hides it when done.
    void ShowMessage(std::uint8_t pane, const QString& line1, const QString& line2);

    // The window's events, public so that the event wiring and tests raise the same code.
    void formLoad();
    void formActivate();
    void formKeyDown(int keyCode, int shift);
    void formMouseDown(int button, int shift, float x, float y);
    void formQueryUnload();
    void imgMinMouseDown(int button, int shift, float x, float y);
    void imgXMouseDown(int button, int shift, float x, float y);
    void imgXMouseUp(int button, int shift, float x, float y);
    void imgFindGarminMouseDown(int button, int shift, float x, float y);
    void imgChangeDirMouseDown(int button, int shift, float x, float y);
    void imgChangeGarminMouseDown(int button, int shift, float x, float y);
    void imgRefreshFilesMouseDown(int button, int shift, float x, float y);
    void imgRefreshFilesMouseUp(int button, int shift, float x, float y);
    void imgRefreshGarminMouseDown(int button, int shift, float x, float y);
    void imgRefreshGarminMouseUp(int button, int shift, float x, float y);

    FormState state;

    // Controls, front to back as they stack at the top level.
    toolkit::Frame* fraPreview = nullptr;
    toolkit::PictureBox* Plotter = nullptr;
    toolkit::ImageControl* imgRotate = nullptr;
    toolkit::ImageControl* imgXPreview = nullptr;
    toolkit::Shape* Shape2 = nullptr;
    std::unique_ptr<toolkit::CardArray> TesselGarmin;
    std::unique_ptr<toolkit::CardArray> TesselFiles;
    toolkit::VScrollBar* VScrollGarmin = nullptr;
    toolkit::Frame* fraMessage = nullptr;
    toolkit::Label* lblMessage1 = nullptr;
    toolkit::Label* lblMessage2 = nullptr;
    toolkit::Shape* Shape1 = nullptr;
    toolkit::VScrollBar* VScrollFiles = nullptr;
    toolkit::Label* lblVersion = nullptr;
    toolkit::ImageControl* imgMin = nullptr;
    toolkit::ImageControl* imgX = nullptr;
    toolkit::Label* Label1 = nullptr;
    toolkit::Label* lblLocalFiles = nullptr;
    toolkit::ImageControl* imgGarminCardsArea = nullptr;
    toolkit::ImageControl* imgFilesCardsArea = nullptr;
    toolkit::ImageControl* imgRefreshGarmin = nullptr;
    toolkit::ImageControl* imgRefreshFiles = nullptr;
    toolkit::ImageControl* imgFindGarmin = nullptr;
    toolkit::ImageControl* imgChangeGarmin = nullptr;
    toolkit::ImageControl* imgChangeDir = nullptr;
    toolkit::Label* lblFileDir = nullptr;
    toolkit::ImageControl* imgGarminFiles = nullptr;
    toolkit::ImageControl* imgLocalFiles = nullptr;
    toolkit::Shape* shpGarmin = nullptr;
    toolkit::Shape* shpFiles = nullptr;
    toolkit::Label* lblGarminDir = nullptr;
    toolkit::Timer* Timer1 = nullptr;
    toolkit::PopupMenu mnuRtMenu{QStringLiteral("mnuRtMenu"), QStringLiteral("RtMenu")};
    toolkit::AutomaticDrag* drag = nullptr;

private:
    explicit frmMain(QString programFolder);
    // The controls with their settings, as the window is created.
    bool createControls(QString* error);
    void createTopLevelControls();
    void createPreviewFrame();
    void createMessageFrame();
    bool createCardArrays(QString* error);
    void arrangeStacking();
    void arrangeTabOrder();
    void wireEvents();
    // Shows the picture of a skinned button, read anew from the program folder's Images folder.
    // A missing or unreadable file leaves the picture as it was.
    void SetButtonPicture(toolkit::ImageControl* button, const QString& fileName);
    QString imagePath(const QString& fileName) const;

    QString programFolder_;
    std::unique_ptr<toolkit::FormWindow> window_;
};
