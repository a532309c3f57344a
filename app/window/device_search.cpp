// Finding the navigator: the drives D to Z are probed for its vehicle folder "Garmin/Vehicle".
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/settings_file.h"
#include "app/toolkit/screen.h"
#include "app/window/frm_main.h"

#include <algorithm>
#include <QCoreApplication>

void frmMain::setDriveTable(std::unique_ptr<drives::DriveTable> table) {
    driveTable_ = std::move(table);
}

bool frmMain::FindGarmin() {
    ShowMessage(kGarminPane, QString(),
                QCoreApplication::translate("MessageOverlay", "Checking D: for 760..."));
    if (closed())
        return false;
    if (!driveTable_)
        driveTable_ = std::make_unique<drives::MountedDriveTable>();
    // Read now, not kept: a navigator plugged in since the last search is found.
    const std::vector<drives::Drive> table = driveTable_->drives();
    // The probing does not yield; the overlay's first line is repainted at once for each letter.
    for (char letter = drives::kFirstLetter; letter <= drives::kLastLetter; ++letter) {
        //: The drive letter, D to Z, is %1; the leading space stays as the overlay shows it.
        lblMessage1->setCaption(
            QCoreApplication::translate("MessageOverlay", " Checking %1: for 760...")
                .arg(QLatin1Char(letter)));
        lblMessage1->Refresh();
        const auto drive = std::find_if(table.begin(), table.end(),
                                        [letter](const auto& d) { return d.letter == letter; });
        if (drive == table.end())
            continue;
        // The names in any letter case, as on the navigator's own file system; the folder kept is
        // the path as it is spelled on disk.
        const QString found =
            driveTable_->findFolder(*drive, {QStringLiteral("Garmin"), QStringLiteral("Vehicle")});
        // The settings keep a folder on one line: one whose path holds a line break would come
        // back as two folders at the next start.
        if (found.isEmpty() || !fitsSettingsLine(found))
            continue;
        // From the new folder to its cards the pane is busy, yields included: a drop between the
        // listing and the scan would add a vehicle the scan never reads.
        const cHourglassCursor busy;
        state.garminDir = found;
        ShowFolderLabel(kGarminPane, found);
        toolkit::DoEvents();
        if (closed())
            return true;
        ListVehicleFiles(kGarminPane);
        toolkit::DoEvents();
        if (closed())
            return true;
        ScanCatalogue(kGarminPane);
        if (closed())
            return true;
        LayoutCards(kGarminPane);
        fraMessage->setVisible(false);
        return true;
    }
    fraMessage->setVisible(false);
    return false;
}

void frmMain::tellNavigatorNotFound() {
    if (!driveTable_)
        return;
    const QString text =
        QCoreApplication::translate("NavigatorSearch",
                                    "No navigator was found. These places were searched for a "
                                    "volume that holds the folder Garmin/Vehicle:") +
        QStringLiteral("\r\n") + driveTable_->mediaFolders().join(QStringLiteral("\r\n"));
    tellFailure(QCoreApplication::translate("NavigatorSearch", "Navigator Not Found"), text);
}
