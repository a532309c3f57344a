// Finding the navigator: the drives D to Z are probed for its vehicle folder "Garmin/Vehicle".
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/settings_file.h"
#include "app/toolkit/screen.h"
#include "app/window/frm_main.h"

#include <algorithm>

void frmMain::setDriveTable(std::unique_ptr<drives::DriveTable> table) {
    driveTable_ = std::move(table);
}

void frmMain::FindGarmin() {
    ShowMessage(kGarminPane, QString(), QStringLiteral("Checking D: for 760..."));
    if (closed())
        return;
    if (!driveTable_)
        driveTable_ = std::make_unique<drives::MountedDriveTable>();
    // Read now, not kept: a navigator plugged in since the last search is found.
    const std::vector<drives::Drive> table = driveTable_->drives();
    // The probing does not yield; the overlay's first line is repainted at once for each letter.
    for (char letter = drives::kFirstLetter; letter <= drives::kLastLetter; ++letter) {
        lblMessage1->setCaption(QStringLiteral(" Checking ") + QLatin1Char(letter) +
                                QStringLiteral(": for 760..."));
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
            return;
        ListVehicleFiles(kGarminPane);
        toolkit::DoEvents();
        if (closed())
            return;
        ScanCatalogue(kGarminPane);
        if (closed())
            return;
        LayoutCards(kGarminPane);
        break;
    }
    fraMessage->setVisible(false);
}
