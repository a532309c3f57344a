// The main window: a borderless, skinned form with two panes of cards, Files (the local folder,
// pane 0) on the left and Garmin (the navigator's folder, pane 1) on the right. The controls are
// public members under their established names, as the window's parts address them. The members
// stand under the name of the file of this folder that defines them.
#pragma once

#include "app/start_target.h"
#include "app/state_folders.h"
#include "app/toolkit/card_array.h"
#include "app/toolkit/drag_source.h"
#include "app/toolkit/form_window.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/image_control.h"
#include "app/toolkit/label.h"
#include "app/toolkit/picture_box.h"
#include "app/toolkit/popup_menu.h"
#include "app/toolkit/shape.h"
#include "app/toolkit/timer.h"
#include "app/toolkit/vscroll_bar.h"
#include "app/window/form_state.h"
#include "app/window/pane.h"
#include "platform/drives/drive_table.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <vector>

class MountWatcher;

class QMimeData;
class QPoint;
class QUrl;
class QWidget;

namespace toolkit {
class AutomaticDrag;
} // namespace toolkit
class PaneInput;

class frmMain {
public:
    // frm_main.cpp: creation, the pane mapping and the form's own events.

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
    // Where "init.ini" and the working folder are, decided when the window was made.
    const StateFolders& stateFolders() const { return stateFolders_; }
    // The controls and fields of pane 0 (Files) or any other value (Garmin).
    Pane paneOf(std::uint8_t pane);
    // The window's working folder "temp", where the state folders put it: in the program folder
    // or in the user's cache folder.
    QString workingFolder() const;
    // Whether the window was closed; long work that yields stops when it was.
    bool closed() const;
    // The window's events, public so that the event wiring and tests raise the same code.
    void formLoad();
    void formActivate();
    void formKeyDown(int keyCode, int shift);
    void formQueryUnload();

    // message_overlay.cpp

    // Shows the message overlay centred on a pane's card column (0 Files, 1 Garmin, any other
    // value where it was), yields once and repaints it. The caller hides it when done.
    void ShowMessage(std::uint8_t pane, const QString& line1, const QString& line2);

    // catalogue_listing.cpp

    // Lists the pane's "*.srf" vehicle files into its catalogue, passing over what is no vehicle
    // file: sorted by upper-cased names, but in the directory's own order on a FAT or exFAT
    // volume (a navigator's card). It first deletes the temporary files of interrupted writes
    // older than ten minutes from the pane's folder and the working folder. For the Garmin pane
    // each is also copied into the working folder, unless a copy of the same size and last change
    // is there already; a copy yields as it goes and stops when the window closes. A navigator file
    // that cannot be read is passed over and named by the scan that follows; any other failure
    // leaves the pane's count at 0.
    void ListVehicleFiles(std::uint8_t pane);

    // catalogue_scan.cpp

    // Reads every listed vehicle once: its record, its thumbnail in the pane's strip, the cards it
    // needs, the scroll range. A key pressed during the scan cancels it. When it ends, one box
    // ("Vehicle Unreadable") names the files the listing could not read.
    void ScanCatalogue(std::uint8_t pane);
    // ListVehicleFiles, ScanCatalogue and LayoutCards of one pane; stops when the window closes
    // while it yields.
    void RefreshPane(std::uint8_t pane);

    // card_panes.cpp

    // Shows the vehicles from the scroll position on, on cards 1 to 4, and hides the rest.
    void LayoutCards(std::uint8_t pane);
    // Creates card n of the pane (one that exists already is kept) and places it in the pane's
    // column: 3 pixels right of the column's left edge, n - 1 card heights below its top.
    void PlaceCard(std::uint8_t pane, int n);
    // Events of both panes' cards and scroll bars, with the pane they belong to.
    void TesselMouseDown(std::uint8_t pane, int index, int button, int shift, float x, float y);
    void TesselClick(std::uint8_t pane, int index);
    void VScrollChange(std::uint8_t pane);
    void VScrollScroll(std::uint8_t pane);

    // vehicle_copy.cpp

    // Where a card dragged from the other pane arrives: the vehicle it shows is copied into this
    // pane's folder with its modification time, after a question when something of that name is
    // there already (on a card that ignores letter case, under any spelling; the entry that names
    // it takes the vehicle's place). A file the scan could not read goes onto the navigator only
    // after a question whose default is No. A pane of a hundred vehicles refuses a new one, and a
    // copy that fails (a read-only target among them) leaves this pane as it was; each says why.
    void CopyVehicleToGarmin(const toolkit::DragSource& source);
    void CopyVehicleFromGarmin(const toolkit::DragSource& source);
    // Whether a copy or a deletion runs; another one is refused until it ends.
    bool fileWorkRunning() const { return fileWorkRunning_; }

    // vehicle_delete.cpp

    // "Delete Vehicle": removes the selected vehicle's file after a question, then its record and
    // its thumbnail. A deletion that fails keeps the vehicle and says why.
    void mnuDeleteVehicleClick();

    // device_search.cpp

    // Probes the drives D to Z for the navigator's vehicle folder. The first that holds it becomes
    // the Garmin pane's folder, which is then listed, scanned and laid out; without one nothing
    // changes. True when a navigator was found.
    bool FindGarmin();
    // The drives the search probes: the system's mounted volumes unless a test gives its own.
    void setDriveTable(std::unique_ptr<drives::DriveTable> table);

    // navigator_watch.cpp: the navigator plugged in and pulled out, noticed by the mount table.

    // Starts watching the mount table (once), from the volumes mounted now.
    void WatchNavigatorVolumes();
    // The reaction to a settled change of the mount table. A navigator that appeared is looked
    // for as the G button does, unless the Garmin pane shows a folder on a mounted navigator; when
    // the volume holding the Garmin pane's folder went away, the pane is emptied (its label and
    // the copies in "temp" stay) and a preview of one of its vehicles closes; when that folder
    // comes back, it is listed and scanned again.
    void NavigatorVolumesChanged();
    // Whether the window may take a change of the mount table now: no scan, copy, deletion,
    // question, dialog, menu, drag or preview load runs. A closed window takes it (and ignores it).
    bool mayTakeMountChange() const;

    // start_target_view.cpp

    // What the window shows when it starts ("Open with"), before Show: the Files pane shows the
    // target's folder instead of the one of the settings (and keeps it in them, as a chosen
    // folder is kept), with the target's vehicle selected, scrolled into view and previewed.
    void setStartTarget(const StartTarget& target);

    // file_drop.cpp: drag and drop with other programs.

    // The pane whose card column (a card or the column around the cards) lies at a point of the
    // window; -1 for any other place.
    int cardColumnAt(const QPoint& windowPosition);
    // Whether a drop is refused whatever it carries: while a scan, a copy or deletion, a question
    // or a box runs, or a drop taken is yet to be copied.
    bool dropRefused() const;
    // Takes a drop onto a pane: after the drop event has returned, the card a drag of this window
    // carries is copied as the window's own drag copies it, otherwise the files are dropped.
    void takeDrop(std::uint8_t pane, std::optional<toolkit::DragSource> card, QList<QUrl> urls);
    // Copies the local vehicle files (a regular file ending in ".srf", in any letter case) one
    // after another into the pane's folder, each as a card dragged there is copied; a No or a
    // failure for one leaves the others to go. Anything else is passed over, and one box at the
    // end names it.
    void DropFiles(std::uint8_t pane, const QList<QUrl>& urls);
    // What a card dragged out of the window offers: the file of the vehicle it shows, in the
    // pane's own folder (the navigator's for the Garmin pane), and the card itself for this
    // window. Null for a card that shows no vehicle.
    std::unique_ptr<QMimeData> fileDragData(const toolkit::DragSource& card);
    // Runs the system's drag of that file, offered for a copy only; nothing while file work, a
    // scan or the preview loader runs.
    void StartFileDrag(const toolkit::DragSource& card, QWidget* control, const QPoint& grabOffset);

    // folder_choice.cpp

    // Runs the folder dialog for a pane, opened at the pane's folder (or the program folder). True
    // when a folder was chosen and set; choosing the folder already set counts.
    bool ChooseDirectory(std::uint8_t pane);

    // keyboard_cards.cpp: the cards by keys alone and the mouse wheel over them.

    // A key pressed on card `index` of a pane: Up, Down, Page Up, Page Down, Home and End move the
    // focus and the selection through the pane's vehicles, scrolling it as needed; Space selects,
    // Return previews, Delete deletes, the Menu key and Shift+F10 open the context menu, F5
    // refreshes the pane, and Ctrl+Right (Files) or Ctrl+Left (Garmin) copies the vehicle to the
    // other pane as a drag onto it does. True when the key is one of these.
    bool TesselKeyDown(std::uint8_t pane, int index, int keyCode, int shift);
    // Selects vehicle `number` (1-based) of the pane, scrolls it onto the cards and focuses its
    // card.
    void FocusVehicle(std::uint8_t pane, int number);
    // Opens the context menu of the selected vehicle, its copy item naming the other pane.
    void PopupCardMenu(const QPoint& globalPosition);
    // "Copy to Garmin" / "Copy to Files": the selected vehicle goes to the other pane as if its
    // card were dragged there.
    void mnuCopyVehicleClick();

    // accessibility_names.cpp

    // Shows a pane's folder in its label, shortened to 30 characters, with the full path as the
    // label's description and tooltip.
    void ShowFolderLabel(std::uint8_t pane, const QString& folder);
    // Names a card for screen readers after the vehicle it shows, the file's path as its tooltip.
    void DescribeCard(toolkit::CardElement& card, const VehicleRecord& vehicle,
                      const QString& folder);
    // Names the preview picture after the vehicle file it shows.
    void NamePreview(const QString& path);

    // window_shell.cpp: the form's own mouse event and its skinned buttons.
    void formMouseDown(int button, int shift, float x, float y);
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

    // vehicle_preview.cpp: the vehicle of a file on the navigator's screen, turning on request.

    // Opens the preview, or shows another vehicle in the open one, from the SRF file at path.
    void LoadPreview(const QString& path);
    // Restores the backdrop under the vehicle, paints frame previewFrame over it and shows the
    // canvas in Plotter.
    void PaintPreviewFrame();
    // Shows the block of the surface from (x + 1, y + 1) at (0, 0) of the box, as much as the box
    // can show, as its persistent picture.
    void ShowSurface(toolkit::PictureBox* box, const cAlphaSurface& surface, std::int32_t x,
                     std::int32_t y, std::int32_t width, std::int32_t height);
    void mnuPreviewClick();
    void Timer1Timer();
    void imgRotateMouseDown(int button, int shift, float x, float y);
    void imgXPreviewMouseDown(int button, int shift, float x, float y);
    // Hides the preview, stops its turning and releases its surfaces.
    void ClosePreview();

    FormState state;

    // Controls, front to back as they stack at the top level (frm_main_layout.cpp makes them).
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
    // frm_main.cpp
    explicit frmMain(QString programFolder);
    void wireEvents();
    void wirePaneEvents(std::uint8_t pane);
    // file_drop.cpp: drops taken by the window, cards dragged out of it handed on.
    void wireFileDragAndDrop();

    // frm_main_layout.cpp: the controls with their settings, as the window is created.
    bool createControls(QString* error);
    void createTopLevelControls();
    void createPreviewFrame();
    void createMessageFrame();
    bool createCardArrays(QString* error);
    void arrangeStacking();
    void arrangeTabOrder();
    // accessibility_names.cpp: the names screen readers and tooltips give the window and its
    // buttons, which also makes the button pictures buttons for the keyboard.
    void nameControls();
    QString imagePath(const QString& fileName) const;
    // The picture `fileName` of the Images folder as the window shows it: in the language of the
    // translations installed and at the device pixel ratio of the window's screen
    // (readChosenPicture). Null when it is missing or unreadable.
    QImage windowPicture(const QString& fileName) const;

    // catalogue_scan.cpp: ScanCatalogue without naming the files the listing passed over.
    void scanListedVehicles(std::uint8_t pane);
    // catalogue_scan.cpp: called by the listing before it writes the catalogue, keeps the records
    // of the pane's last complete scan for the scan that follows.
    void rememberScan(std::uint8_t pane);

    // vehicle_copy.cpp: the copy of either direction, with the roles of the panes.
    struct CopyRoles;
    // What a copy onto each pane names and shows, whatever it copies.
    static CopyRoles copyToGarminRoles();
    static CopyRoles copyFromGarminRoles();
    // What a copy takes from: the file, its record and the strip that holds its cell at StripX.
    struct VehicleSource {
        QString path;
        VehicleRecord record;
        const cAlphaSurface* strip;
    };
    void CopyVehicle(const toolkit::DragSource& source, const CopyRoles& roles);
    // The copy itself, once the source is known and file work is marked as running: the
    // questions, then a new or a replacing entry.
    void CopyVehicleInto(const CopyRoles& roles, const VehicleSource& source);
    // A vehicle file dropped from another program onto a pane, copied as a dragged card is.
    void CopyDroppedVehicle(std::uint8_t pane, const VehicleSource& source);
    // Asks "Replace it?"; true on Yes while the window is open.
    bool replaceAgreed();
    void AddVehicle(const CopyRoles& roles, const VehicleSource& source);
    void ReplaceVehicle(const CopyRoles& roles, const VehicleSource& source, int entry);
    enum class EntryCopy { Copied, Failed, Closed };
    // The steps a new and a replacing copy share: the vehicle's record into the target entry with
    // its cell at `stripX`, its thumbnail into that cell, the overlay with `line1`, then the
    // file. A copy that fails puts the entry and the cell back and gives what to tell in `failure`;
    // Closed when the window was closed during the overlay's yield (nothing is written then).
    EntryCopy copyIntoEntry(const CopyRoles& roles, const VehicleSource& source, int entry,
                            std::int32_t stripX, const QString& line1, QString* failure);
    // Says in a box with an OK button what failed, unless the window has closed; the deletion
    // says its failures with it too.
    void tellFailure(const QString& title, const QString& text);

    // device_search.cpp: the G button's word when FindGarmin found no navigator, one box
    // ("Navigator Not Found") that names the places searched.
    void tellNavigatorNotFound();

    // window_shell.cpp: shows the picture of a skinned button, read anew from the program
    // folder's Images folder. A missing or unreadable file leaves the picture as it was.
    void SetButtonPicture(toolkit::ImageControl* button, const QString& fileName);

    // vehicle_preview.cpp
    void wirePreviewEvents();

    // start_target_view.cpp: selects the start target's vehicle in the Files pane, scrolls it
    // into view and previews it; nothing when the pane does not list it.
    void showStartVehicle();

    // navigator_watch.cpp: the Garmin pane without the volume that holds its folder.
    void emptyPulledGarminPane();

    // keyboard_cards.cpp: the filter that hands the cards' keys and the wheel to the window, and
    // the card or column of a widget it watches.
    void wireKeyboard();
    bool locateCard(QWidget* widget, std::uint8_t* pane, int* index);

    QString programFolder_;
    StateFolders stateFolders_;
    std::unique_ptr<toolkit::FormWindow> window_;
    // Counts the layouts of each pane; a layout that finds a newer one started during its yield
    // leaves the cards to it.
    std::array<unsigned, 2> layoutGeneration_{};
    // Made on the first search when no table was given.
    std::unique_ptr<drives::DriveTable> driveTable_;
    // Set while a copy or a deletion runs, yields included.
    bool fileWorkRunning_ = false;
    // What the window was started on, if anything.
    std::optional<StartTarget> startTarget_;
    // The mount table's watcher, from the first activation on; the drives' roots at its last
    // reaction; the Garmin pane's folder when it was emptied because its volume went away.
    std::unique_ptr<MountWatcher> mountWatcher_;
    QStringList knownVolumes_;
    QString pulledGarminDir_;
    // The file the preview was last opened on.
    QString previewPath_;

    // Set from a drop taken until its copying begins.
    bool dropPending_ = false;
    // The files of each pane's folder that its last listing could not read ("name: reason"),
    // named by the scan that follows.
    std::array<QStringList, 2> unreadable_;
    std::unique_ptr<PaneInput> paneInput_;
    // Each pane's records as its last complete scan left them (with later copies and deletions),
    // kept by the listing for the scan after it, which reuses those whose file is unchanged
    // together with their cells in the strip it replaces. A listing that no scan followed leaves
    // names over records of other files, so the next listing keeps nothing.
    std::array<std::vector<VehicleRecord>, 2> scannedRecords_;
    std::array<bool, 2> listedSinceScan_{};
};
