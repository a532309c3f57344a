// Copying a vehicle dragged from one pane onto the other: its file goes into the other folder and,
// without reading the file again, its record and its thumbnail go into the other pane. A vehicle
// of the same name there, or the file the folder holds under that name in another letter case,
// is replaced after a question; any other is appended.
//
// The target pane changes before the file is written, so that the overlay shows over the finished
// pane; a copy that fails puts every change back and says why. A copy or deletion started while
// one yields is refused, and the busy cursor it holds keeps the scans out.
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/running_flag.h"
#include "app/target_occupant.h"
#include "app/thumbnail_cell.h"
#include "app/toolkit/drag_source.h"
#include "app/toolkit/message_box.h"
#include "app/toolkit/screen.h"
#include "app/vehicle_files.h"
#include "app/window/frm_main.h"
#include "app/window/strip_block.h"

#include <QCoreApplication>
#include <span>

namespace {

// A copy that would make a pane hold more vehicles than this is refused; a scan may list more.
constexpr std::int32_t kCopyLimit = 100;

QString failedCopyText(const QString& file, const QString& folder, const QString& reason) {
    return QCoreApplication::translate("VehicleCopy", "%1 could not be copied to %2.")
               .arg(file, folder) +
           QStringLiteral("\r\n") + reason;
}

QString notAVehicleText(const QString& file) {
    return QCoreApplication::translate(
               "VehicleCopy",
               "%1 could not be read as a vehicle, and the navigator cannot show it.")
               .arg(file) +
           QStringLiteral("\r\n") + QCoreApplication::translate("VehicleCopy", "Copy it anyway?");
}

QString refusedCopyText(const QString& file, const QString& paneTitle) {
    //: %1 is the pane's title ("Garmin Files"), %2 the number of vehicles.
    return QCoreApplication::translate(
               "VehicleCopy",
               "The %1 pane already holds %2 vehicles, as many as a pane takes by copying.")
               .arg(paneTitle, QString::number(kCopyLimit)) +
           QStringLiteral("\r\n") +
           QCoreApplication::translate("VehicleCopy", "%1 was not copied.").arg(file);
}

} // namespace

struct frmMain::CopyRoles {
    QLatin1String acceptedSource; // the array name of the cards this pane takes
    std::uint8_t from;
    std::uint8_t to;
    QString targetTitle; // the target pane's title above its cards
    QString newLine1;
    QString replaceLine1;
};

// A copy onto the Garmin pane, from the Files pane's cards or from another program.
frmMain::CopyRoles frmMain::copyToGarminRoles() {
    return {QLatin1String("TesselFiles"),
            kFilesPane,
            kGarminPane,
            QCoreApplication::translate("Panes", "Garmin Files"),
            QCoreApplication::translate("MessageOverlay", "Copying Vehicle to Garmin"),
            QCoreApplication::translate("MessageOverlay", "Copying Vehicle to Garmin")};
}

// A copy onto the Files pane, from the Garmin pane's cards or from another program.
frmMain::CopyRoles frmMain::copyFromGarminRoles() {
    return {QLatin1String("TesselGarmin"),
            kGarminPane,
            kFilesPane,
            QCoreApplication::translate("Panes", "Local Files"),
            QCoreApplication::translate("MessageOverlay", "Copying Vehicle from Garmin"),
            QCoreApplication::translate("MessageOverlay", "Copying Vehicle From Garmin")};
}

void frmMain::CopyVehicleToGarmin(const toolkit::DragSource& source) {
    CopyVehicle(source, copyToGarminRoles());
}

void frmMain::CopyVehicleFromGarmin(const toolkit::DragSource& source) {
    CopyVehicle(source, copyFromGarminRoles());
}

void frmMain::CopyDroppedVehicle(std::uint8_t pane, const VehicleSource& source) {
    if (pane == kGarminPane) {
        CopyVehicleInto(copyToGarminRoles(), source);
        return;
    }
    // A file from another program has not come from the navigator.
    CopyRoles roles = copyFromGarminRoles();
    roles.newLine1 = roles.replaceLine1 =
        QCoreApplication::translate("frmMain::FileDrop", "Copying Vehicle");
    CopyVehicleInto(roles, source);
}

void frmMain::CopyVehicle(const toolkit::DragSource& dragged, const CopyRoles& roles) {
    if (dragged.arrayName != roles.acceptedSource)
        return;
    // Only one copy or deletion at a time, and none while a scan or the preview loader holds the
    // busy cursor: each of them yields, and the catalogues must stay as the running one needs.
    if (fileWorkRunning_ || isBusy())
        return;
    const Pane source = paneOf(roles.from);
    // The vehicle the dragged card shows.
    const int number = dragged.index + source.scroll->Value() - 1;
    if (number < 1 || number > source.count)
        return;
    const RunningFlag running(fileWorkRunning_);
    const VehicleRecord vehicle = source.catalogue[number - 1];
    CopyVehicleInto(roles, {source.folder + QLatin1Char('/') + vehicle.FileName, vehicle,
                            &existingStrip(source.strip)});
}

void frmMain::CopyVehicleInto(const CopyRoles& roles, const VehicleSource& source) {
    const Pane target = paneOf(roles.to);
    const VehicleRecord& vehicle = source.record;
    // The navigator shows only what it can read; the scan found this file no vehicle.
    if (roles.to == kGarminPane && !vehicle.Loaded) {
        const int answer = toolkit::messageBox().askYesNoDefaultNo(
            window_.get(), notAVehicleText(vehicle.FileName),
            QCoreApplication::translate("VehicleCopy", "Not a Vehicle"));
        if (answer != toolkit::vbYes || closed())
            return;
    }
    for (std::int32_t entry = 0; entry < target.count; ++entry) {
        // Exactly, letter case included: Car.srf does not replace car.srf.
        if (target.catalogue[entry].FileName != vehicle.FileName)
            continue;
        if (replaceAgreed())
            ReplaceVehicle(roles, source, entry);
        return;
    }
    // A file system that ignores letter case (a navigator's) takes car.srf for CAR.SRF, and what
    // is there under the name may not be listed at all: the copy would replace it unasked. The
    // vehicle's own file, the target folder reached another way, is no such file: a copy leaves
    // it untouched.
    const QString& from = source.path;
    const QString to = target.folder + QLatin1Char('/') + vehicle.FileName;
    const TargetOccupant occupant =
        from == to || sameFile(from, to)
            ? TargetOccupant{}
            : occupantOf(target.folder, vehicle.FileName,
                         std::span<const VehicleRecord>(target.catalogue.data(),
                                                        static_cast<std::size_t>(target.count)));
    // A new vehicle that a full pane refuses replaces nothing; AddVehicle says so.
    const bool added = occupant.entry < 0;
    if (occupant.present && !(added && target.count >= kCopyLimit) && !replaceAgreed())
        return;
    // The entry that names the file keeps its place and cell and takes the dropped name.
    if (added)
        AddVehicle(roles, source);
    else
        ReplaceVehicle(roles, source, occupant.entry);
}

bool frmMain::replaceAgreed() {
    const int answer = toolkit::messageBox().askYesNo(
        window_.get(),
        QCoreApplication::translate("VehicleCopy", "A Vehicle by that name already exists!") +
            QStringLiteral("\r\n") + QCoreApplication::translate("VehicleCopy", "Replace it?"),
        QCoreApplication::translate("VehicleCopy", "Vehicle Exists"));
    return answer == toolkit::vbYes && !closed();
}

frmMain::EntryCopy frmMain::copyIntoEntry(const CopyRoles& roles, const VehicleSource& source,
                                          int entryIndex, std::int32_t stripX, const QString& line1,
                                          QString* failure) {
    const Pane target = paneOf(roles.to);
    const VehicleRecord& vehicle = source.record;
    const QString& from = source.path;
    VehicleRecord& entry = target.catalogue[entryIndex];
    const VehicleRecord entryBefore = entry;
    entry = vehicle;
    entry.StripX = stripX;
    cAlphaSurface& targetStrip = existingStrip(target.strip);
    const KeptCellBlock cellBefore(targetStrip, stripX);
    copyCellBlock(*source.strip, vehicle.StripX, targetStrip, stripX);

    ShowMessage(kGarminPane, line1, GetBaseName(vehicle.FileName));
    // Closed meanwhile: the strips are released, and no file is begun.
    if (closed())
        return EntryCopy::Closed;
    QString reason;
    // An existing file stays whole until the new one is complete. The copy carries the vehicle's
    // date, as the card shows it and as a copy on the other platform keeps it, so the next scan
    // dates it the same; a read-only file stays, as its deletion would.
    const bool copied =
        copyVehicleFile(
            from, target.folder + QLatin1Char('/') + vehicle.FileName,
            {.keepModificationTime = true, .refuseReadOnlyTarget = true, .continues = {}},
            &reason) == CopyResult::Copied;
    fraMessage->setVisible(false);
    if (copied)
        return EntryCopy::Copied;
    entry = entryBefore;
    cellBefore.restore(targetStrip);
    *failure = failedCopyText(from, target.folder, reason);
    return EntryCopy::Failed;
}

void frmMain::AddVehicle(const CopyRoles& roles, const VehicleSource& source) {
    const Pane target = paneOf(roles.to);
    const VehicleRecord& vehicle = source.record;
    if (target.count >= kCopyLimit) {
        tellFailure(QCoreApplication::translate("VehicleCopy", "Copy Refused"),
                    refusedCopyText(vehicle.FileName, roles.targetTitle));
        return;
    }
    const cHourglassCursor busy;
    const std::int32_t cardsBefore = target.cardsLoaded;
    const std::int32_t n = ++target.count;
    if (target.cardsLoaded < kCardsPerPane) {
        ++target.cardsLoaded;
        PlaceCard(target.byte, target.cardsLoaded);
    }
    QString failure;
    switch (
        copyIntoEntry(roles, source, n - 1, (n - 1) * kStripCellSize, roles.newLine1, &failure)) {
    case EntryCopy::Closed:
        return;
    case EntryCopy::Failed:
        target.count = n - 1;
        target.cardsLoaded = cardsBefore;
        // A scroll during the overlay's yield may have shown the vehicle.
        LayoutCards(target.byte);
        tellFailure(QCoreApplication::translate("VehicleCopy", "Copy Failed"), failure);
        return;
    case EntryCopy::Copied:
        break;
    }
    // The catalogue is whole, also in a pane that was never scanned: its scroll bar lays it out.
    target.ready = 1;
    target.scroll->setMax(scrollMaximum(n));
    target.scroll->setMin(1);
    target.scroll->setValue(1);
    target.scroll->repaint();
    toolkit::DoEvents();
    if (closed())
        return;
    LayoutCards(target.byte);
}

void frmMain::ReplaceVehicle(const CopyRoles& roles, const VehicleSource& source, int entryIndex) {
    const Pane target = paneOf(roles.to);
    const cHourglassCursor busy;
    // The vehicle keeps its place and its cell in the target pane.
    QString failure;
    const EntryCopy copy =
        copyIntoEntry(roles, source, entryIndex, target.catalogue[entryIndex].StripX,
                      roles.replaceLine1, &failure);
    if (copy == EntryCopy::Closed)
        return;
    LayoutCards(target.byte);
    if (copy == EntryCopy::Failed)
        tellFailure(QCoreApplication::translate("VehicleCopy", "Copy Failed"), failure);
}

void frmMain::tellFailure(const QString& title, const QString& text) {
    if (!closed())
        toolkit::messageBox().tell(window_.get(), text, title);
}
