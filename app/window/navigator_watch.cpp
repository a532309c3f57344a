// The navigator plugged in and pulled out: the mount table's changes, taken when no other work
// runs.
#include "app/hourglass_cursor.h"
#include "app/mount_watcher.h"
#include "app/toolkit/automatic_drag.h"
#include "app/window/frm_main.h"

#include <algorithm>
#include <QApplication>
#include <QFileInfo>
#include <utility>

namespace {

// Whether the folder lies on the volume mounted at `root`.
bool liesOn(const QString& folder, const QString& root) {
    return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

} // namespace

void frmMain::WatchNavigatorVolumes() {
    if (mountWatcher_)
        return;
    if (!driveTable_)
        driveTable_ = std::make_unique<drives::MountedDriveTable>();
    knownVolumes_.clear();
    for (const drives::Drive& drive : driveTable_->drives())
        knownVolumes_.append(drive.root);
    mountWatcher_ = std::make_unique<MountWatcher>([this] { return mayTakeMountChange(); },
                                                   [this] { NavigatorVolumesChanged(); });
}

bool frmMain::mayTakeMountChange() const {
    if (closed())
        return true;
    // A question or a dialog waits for the user; a menu's choice and a drop name a vehicle as the
    // pane showed it.
    return !isBusy() && !fileWorkRunning_ && !dropPending_ && !QApplication::activeModalWidget() &&
           !QApplication::activePopupWidget() && !(drag && drag->dragging());
}

void frmMain::NavigatorVolumesChanged() {
    if (closed())
        return;
    // The buttons and drops wait until the panes show the volumes as they now are.
    const cHourglassCursor busy;
    const std::vector<drives::Drive> table = driveTable_->drives();
    QStringList roots;
    for (const drives::Drive& drive : table)
        roots.append(drive.root);
    const QStringList before = std::exchange(knownVolumes_, roots);
    const QString garmin = state.garminDir;
    const auto holder = std::find_if(table.begin(), table.end(), [&garmin](const auto& drive) {
        return liesOn(garmin, drive.root);
    });
    const bool wasOnVolume = std::any_of(
        before.begin(), before.end(), [&garmin](const auto& root) { return liesOn(garmin, root); });
    if (holder == table.end() && wasOnVolume && pulledGarminDir_ != garmin) {
        pulledGarminDir_ = garmin;
        emptyPulledGarminPane();
    }
    const bool pulled = !pulledGarminDir_.isEmpty() && pulledGarminDir_ == garmin;
    if (pulled && holder != table.end() && QFileInfo(garmin).isDir()) {
        // The same navigator is back.
        pulledGarminDir_.clear();
        RefreshPane(kGarminPane);
        return;
    }
    const auto isNavigator = [this](const drives::Drive& drive) {
        return !driveTable_
                    ->findFolder(drive, {QStringLiteral("Garmin"), QStringLiteral("Vehicle")})
                    .isEmpty();
    };
    const bool navigatorAppeared =
        std::any_of(table.begin(), table.end(), [&](const drives::Drive& drive) {
            return !before.contains(drive.root) && isNavigator(drive);
        });
    const bool showsNavigator = !pulled && holder != table.end() && isNavigator(*holder);
    if (!navigatorAppeared || showsNavigator)
        return;
    if (FindGarmin())
        pulledGarminDir_.clear();
}

void frmMain::emptyPulledGarminPane() {
    const Pane pane = paneOf(kGarminPane);
    // The copies in "temp" stay: the same navigator back, its unchanged vehicles are not read
    // again.
    pane.count = 0;
    unreadable_[kGarminPane].clear();
    pane.scroll->setValue(1);
    pane.scroll->setMax(scrollMaximum(0));
    LayoutCards(kGarminPane);
    if (closed())
        return;
    // The navigator's vehicle is read where it lies: one shown from the gone volume closes.
    if (fraPreview->isVisible() && liesOn(previewPath_, pane.folder))
        ClosePreview();
}
