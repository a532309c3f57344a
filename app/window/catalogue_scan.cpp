// The catalogue scan: every listed vehicle read once into its record and its thumbnail cell.
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/thumbnail_cell.h"
#include "app/toolkit/screen.h"
#include "app/vehicle_files.h"
#include "app/vehicle_text.h"
#include "app/window/frm_main.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QPointer>

namespace {

// The scan's overlay takes every vehicle's texts, but a paint is a round trip to the display
// server that costs as much as reading a vehicle: it paints the first vehicle, then at most once
// every this many milliseconds, and the last one. Between its paints the overlay takes no update
// requests, so the scan's yields do not paint it either.
constexpr qint64 kOverlayPaintMilliseconds = 40;

class ThrottledOverlay {
public:
    explicit ThrottledOverlay(QWidget* overlay)
        : overlay_(overlay) {
        overlay_->setUpdatesEnabled(false);
    }
    ~ThrottledOverlay() {
        if (overlay_)
            overlay_->setUpdatesEnabled(true);
    }
    ThrottledOverlay(const ThrottledOverlay&) = delete;
    ThrottledOverlay& operator=(const ThrottledOverlay&) = delete;

    void paint(bool last) {
        if (!overlay_ ||
            (!last && sincePaint_.isValid() && sincePaint_.elapsed() < kOverlayPaintMilliseconds))
            return;
        overlay_->setUpdatesEnabled(true);
        overlay_->repaint();
        overlay_->setUpdatesEnabled(false);
        sincePaint_.start();
    }

private:
    QPointer<QWidget> overlay_;
    QElapsedTimer sincePaint_;
};

// The file's last change; invalid when the file is gone, cannot be dated or is no vehicle file
// any more (a pipe or a device put in its place is never opened).
QDateTime lastChange(const std::optional<FileStamp>& stamp) {
    if (!stamp)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(stamp->seconds * 1000 + stamp->nanoseconds / 1000000);
}

// Copies a cell but its first column between strips. That column lies under the card's frame, and
// copies between the panes may leave other pixels there than the scan paints (the strip's column 0
// keeps zero bytes, every other cell's is white): it is left as the new strip has it, or, where
// the thumbnail covers it, written from the record.
void copyCellButFirstColumn(const cAlphaSurface& from, std::int32_t fromStripX,
                            const cAlphaSurface& to, std::int32_t toStripX) {
    gdi::BitBlt(to.hDC(), toStripX + 1, 0, kStripCellSize - 1, kStripHeight, from.hDC(),
                fromStripX + 1, 0, gdi::SRCCOPY);
}

using CellColumn = std::array<std::uint32_t, kStripHeight>;

std::shared_ptr<const CellColumn> readColumn(const cAlphaSurface& strip, std::int32_t x) {
    gdi::DibView view;
    if (!gdi::GetDibView(strip.hDC(), &view) || view.bitsPerPixel != 32)
        return nullptr;
    auto column = std::make_shared<CellColumn>();
    for (int y = 0; y < kStripHeight; ++y)
        std::memcpy(&(*column)[static_cast<std::size_t>(y)], view.line(y) + 4 * x, 4);
    return column;
}

bool writeColumn(const cAlphaSurface& strip, std::int32_t x, const CellColumn& column) {
    gdi::DibView view;
    if (!gdi::GetDibView(strip.hDC(), &view) || view.bitsPerPixel != 32)
        return false;
    for (int y = 0; y < kStripHeight; ++y)
        std::memcpy(view.line(y) + 4 * x, &column[static_cast<std::size_t>(y)], 4);
    return true;
}

} // namespace

void frmMain::rememberScan(std::uint8_t paneByte) {
    const Pane pane = paneOf(paneByte);
    std::vector<VehicleRecord>& records = scannedRecords_[pane.byte];
    records.clear();
    if (pane.ready && pane.strip && !listedSinceScan_[pane.byte])
        records.assign(pane.catalogue.begin(),
                       pane.catalogue.begin() + std::clamp(pane.count, 0, kCatalogueCapacity));
    listedSinceScan_[pane.byte] = true;
}

void frmMain::RefreshPane(std::uint8_t pane) {
    ListVehicleFiles(pane);
    ScanCatalogue(pane);
    if (closed())
        return;
    LayoutCards(pane);
}

void frmMain::ScanCatalogue(std::uint8_t paneByte) {
    scanListedVehicles(paneByte);
    // Said once the scan is over and its busy cursor gone, whichever way it ended.
    const Pane pane = paneOf(paneByte);
    QStringList& passedOver = unreadable_[pane.byte];
    if (passedOver.isEmpty())
        return;
    const QString text =
        QCoreApplication::translate("CatalogueScan",
                                    "These files in %1 could not be read and are not shown:")
            .arg(pane.folder) +
        QStringLiteral("\r\n") + passedOver.join(QStringLiteral("\r\n"));
    passedOver.clear();
    tellFailure(QCoreApplication::translate("CatalogueScan", "Vehicle Unreadable"), text);
}

void frmMain::scanListedVehicles(std::uint8_t paneByte) {
    const cHourglassCursor busy;
    const Pane pane = paneOf(paneByte);
    // Only a key pressed while this scan runs cancels it, not one pressed at any time before.
    state.keyPressed = 0;
    if (pane.count == 0)
        return;
    // The last scan's records by name, with the strip that holds their cells.
    std::vector<VehicleRecord> previous = std::move(scannedRecords_[pane.byte]);
    scannedRecords_[pane.byte].clear();
    std::unique_ptr<cAlphaSurface> previousStrip;
    if (pane.ready && pane.strip) {
        if (!previous.empty())
            previousStrip = std::move(pane.strip);
        else
            pane.strip->Destroy();
    }
    QHash<QString, const VehicleRecord*> previousByName;
    if (previousStrip) {
        for (const VehicleRecord& record : previous) {
            if (record.Loaded && record.ReadStamp)
                previousByName.insert(record.FileName, &record);
        }
    }
    const std::int32_t listed = std::min(pane.count, kCatalogueCapacity);
    pane.ready = 0;
    // Fixed for the whole scan: the folder the listing read.
    const QString folder = pane.folder;
    const QString readFrom = pane.byte == kGarminPane ? workingFolder() : folder;

    if (!pane.strip)
        pane.strip = std::make_unique<cAlphaSurface>();
    pane.strip->Create(kStripWidth, kStripHeight);
    // Row 0 and column 0 keep the new surface's zero bytes.
    FillRectangle(pane.strip->hDC(), 1, 1, kStripWidth, kStripHeight, kWhite);
    toolkit::DoEvents();
    if (closed())
        return;
    ShowMessage(pane.byte, QString(), QString());
    if (closed())
        return;

    // Vehicles whose file is gone by the time the scan reaches them are left out; the others
    // close up, so entry k and cell k always belong to the k + 1-th vehicle that was read.
    std::int32_t kept = 0;
    ThrottledOverlay overlay(fraMessage);
    for (std::int32_t i = 1; i <= listed; ++i) {
        if (state.keyPressed != 0) {
            pane.count = 0;
            state.keyPressed = 0;
            fraMessage->setVisible(false);
            return;
        }
        toolkit::DoEvents();
        // The strip is released by the close request; nothing may touch it after that.
        if (closed())
            return;
        lblMessage1->setCaption(QCoreApplication::translate("MessageOverlay", "Loading %1 of %2")
                                    .arg(formatNumber(i), formatNumber(listed)));
        const QString name = pane.catalogue[i - 1].FileName;
        const std::optional<FileStamp> original =
            vehicleFileStamp(folder + QLatin1Char('/') + name);
        const QDateTime changed = lastChange(original);
        if (!changed.isValid())
            continue;
        const QString readPath = readFrom + QLatin1Char('/') + name;
        // Taken before the read, so that a file changed while it is read is read again next time.
        const std::optional<FileStamp> readStamp =
            readFrom == folder ? original : vehicleFileStamp(readPath);
        const std::int32_t stripX = kept * kStripCellSize;
        const VehicleRecord* before = previousByName.value(name);
        if (before && (before->ReadStamp != readStamp ||
                       (before->ThumbnailLeft < 1 && (!before->FirstColumn || stripX == 0))))
            before = nullptr;
        VehicleRecord& record = pane.catalogue[kept];
        if (before) {
            record = *before;
            record.StripX = stripX;
            record.FileDate = fileDateText(changed);
            lblMessage2->setCaption(GetBaseName(name));
            overlay.paint(i == listed);
            copyCellButFirstColumn(*previousStrip, before->StripX, *pane.strip, stripX);
            if (record.ThumbnailLeft < 1)
                writeColumn(*pane.strip, stripX, *record.FirstColumn);
            ++kept;
            if (kept >= 2 && kept <= 4)
                PlaceCard(pane.byte, kept);
            continue;
        }
        record.FileName = name;
        record.FileDate = fileDateText(changed);
        record.ReadStamp = readStamp;
        lblMessage2->setCaption(GetBaseName(name));
        overlay.paint(i == listed);

        cAlphaSurface vehicle;
        // A file the reader cannot read leaves the fresh surface's empty type and zero sizes.
        record.Loaded = vehicle.CreateFromGarminSRF(QFile::encodeName(readPath).toStdString()) != 0;
        record.SRFType = srfTypeText(vehicle.SRFType());
        record.Size3D = sizeText(vehicle.Width3D(), vehicle.Height3D());
        record.Size2D = sizeText(vehicle.Width2D(), vehicle.Height2D());
        record.StripX = stripX;
        const ThumbnailBlock block =
            thumbnailBlock(record.StripX, vehicle.Width3D(), vehicle.Height3D());
        record.ThumbnailLeft = block.x - stripX;
        // The first frame is the block at the top left of the decoded vehicle.
        if (block.width > 0 && block.height > 0)
            vehicle.AlphaPaintPicture(pane.strip->hDC(), block.x, block.y, block.width,
                                      block.height, block.sourceX, block.sourceY, 255);
        record.FirstColumn =
            record.ThumbnailLeft < 1 && stripX != 0 ? readColumn(*pane.strip, stripX) : nullptr;
        ++kept;
        if (kept >= 2 && kept <= 4)
            PlaceCard(pane.byte, kept);
        vehicle.Destroy();
    }
    pane.count = kept;
    fraMessage->setVisible(false);
    pane.ready = 1;
    // With the ready flag set, a change of Value raised here lays the pane out.
    pane.scroll->setMax(scrollMaximum(pane.count));
    pane.scroll->setMin(1);
    pane.scroll->setValue(1);
    pane.cardsLoaded = pane.count;
    listedSinceScan_[pane.byte] = false;
}
