// The listing of a pane's folder into its catalogue.
#include "app/hourglass_cursor.h"
#include "app/leftover_temporaries.h"
#include "app/listing_order.h"
#include "app/toolkit/screen.h"
#include "app/vehicle_files.h"
#include "app/window/frm_main.h"

void frmMain::ListVehicleFiles(std::uint8_t paneByte) {
    // A copy from the navigator yields while it runs; the buttons that start long work wait.
    const cHourglassCursor busy;
    rememberScan(paneByte);
    const Pane pane = paneOf(paneByte);
    const QString temp = workingFolder();
    // Made for both panes, but only the navigator's listing needs it: its vehicles are read from
    // the copies there.
    const bool haveTemp = ensureFolder(temp);
    // What a killed program or a pulled navigator left of a write; fresh ones may be another
    // running instance's.
    if (haveTemp)
        removeLeftoverTemporaries(temp);
    removeLeftoverTemporaries(pane.folder);
    pane.count = 0;
    unreadable_[pane.byte].clear();
    if (pane.byte == kGarminPane && !haveTemp)
        return;
    std::optional<QStringList> names = listVehicleFileNames(pane.folder);
    if (!names)
        return;
    putInListingOrder(pane.folder, *names);
    const QString folder = pane.folder;
    // A close request, a termination signal among them, stops a long copy within a piece. The
    // copies are a cache of the navigator, made again from it when lost: no flush to the device.
    const CopyOptions copyOptions{
        .keepModificationTime = true, .flush = files::Flush::none, .continues = [this] {
            toolkit::DoEvents();
            return !closed();
        }};
    std::int32_t count = 0;
    for (const QString& name : *names) {
        // The navigator's vehicles are read from local copies; the scan only dates the originals.
        // A copy of the same size and last change as the original is kept, so an unchanged
        // navigator is not read again.
        const QString original = folder + QLatin1Char('/') + name;
        const QString copy = temp + QLatin1Char('/') + name;
        std::optional<FileStamp> stamp;
        if (pane.byte == kGarminPane) {
            stamp = vehicleFileStamp(original);
            // Gone, or no vehicle file any more, since the folder was listed: passed over.
            if (!stamp)
                continue;
        }
        if (count >= kCatalogueCapacity) {
            pane.count = 0;
            return;
        }
        if (stamp && !copyIsCurrent(*stamp, copy)) {
            QString reason;
            const CopyResult copied = copyVehicleFile(original, copy, copyOptions, &reason);
            if (copied == CopyResult::NotAVehicleFile)
                continue;
            // One file the card cannot give (worn, damaged) hides no other: it is passed over,
            // and the scan names it when it ends.
            if (copied == CopyResult::Unreadable) {
                unreadable_[pane.byte].append(name + QStringLiteral(": ") + reason);
                continue;
            }
            if (copied != CopyResult::Copied) {
                pane.count = 0;
                return;
            }
        }
        pane.catalogue[count++].FileName = name;
    }
    pane.count = count;
}
