// Deleting the selected vehicle from the cards' context menu: its file goes after a question (a
// local one into the user's trash), then the catalogue and the strip close the gap it leaves. The
// pane changes only once the file is gone, so a deletion that fails keeps the vehicle and says
// why; a file already gone from the folder is only taken out of the pane.
#include "app/hourglass_cursor.h"
#include "app/running_flag.h"
#include "app/thumbnail_cell.h"
#include "app/toolkit/message_box.h"
#include "app/vehicle_files.h"
#include "app/window/frm_main.h"
#include "app/window/strip_block.h"

#include <algorithm>
#include <QCoreApplication>

void frmMain::mnuDeleteVehicleClick() {
    // As for a copy: one at a time, and none while a scan or the preview loader runs.
    if (fileWorkRunning_ || isBusy())
        return;
    const Pane pane = paneOf(state.selectedPane);
    const std::int32_t selected = state.selectedIndex;
    // A selection beyond the catalogue names no vehicle (its entry holds stale text).
    if (selected < 1 || selected > pane.count)
        return;
    const RunningFlag running(fileWorkRunning_);
    const QString name = pane.catalogue[selected - 1].FileName;
    const QString path = pane.folder + QLatin1Char('/') + name;
    const int answer = toolkit::messageBox().askYesNo(
        window_.get(),
        QCoreApplication::translate("VehicleDelete", "Are you sure you want to delete %1?")
            .arg(name),
        QCoreApplication::translate("VehicleDelete", "Delete Confirm"));
    if (answer != toolkit::vbYes || closed())
        return;

    const cHourglassCursor busy;
    ShowMessage(pane.byte, QCoreApplication::translate("MessageOverlay", "Deleting Vehicle"), path);
    if (closed())
        return;
    QString reason;
    // A local file goes to the user's trash, from where it can be had back; the navigator's is
    // deleted, as its space is what the user wants back.
    const Removal removal = pane.byte == kFilesPane ? trashVehicleFile(path, &reason)
                                                    : removeVehicleFile(path, &reason);
    fraMessage->setVisible(false);
    if (removal == Removal::Failed) {
        tellFailure(
            QCoreApplication::translate("VehicleDelete", "Delete Failed"),
            QCoreApplication::translate("VehicleDelete", "%1 could not be deleted.").arg(path) +
                QStringLiteral("\r\n") + reason);
        return;
    }

    const std::int32_t count = pane.count;
    cAlphaSurface& strip = existingStrip(pane.strip);
    for (std::int32_t j = selected; j <= count - 1; ++j) {
        pane.catalogue[j - 1] = pane.catalogue[j];
        pane.catalogue[j - 1].StripX = (j - 1) * kStripCellSize;
        copyCellBlock(strip, j * kStripCellSize, strip, (j - 1) * kStripCellSize);
    }
    // The blank cell after the last vehicle blanks the former last cell.
    copyCellBlock(strip, count * kStripCellSize, strip, (count - 1) * kStripCellSize);
    pane.count = count - 1;

    pane.scroll->setValue(1);
    if (closed())
        return;
    LayoutCards(pane.byte);
    if (closed())
        return;
    pane.scroll->setMax(scrollMaximum(pane.count));
}
