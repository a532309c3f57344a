// Drag and drop with other programs. Vehicle files dropped from a file manager onto a pane's card
// column are copied into the pane's folder one after another, each as a card dragged from the
// other pane is; what is no vehicle file is passed over and named once at the end. A card dragged
// out of the window offers its vehicle's file to other programs, for a copy only.
//
// The drop is taken at once and copied after the drop event has returned, so that the program
// the files came from is not kept waiting through the questions. Until then, and while a scan,
// a copy or deletion or a box runs, no drop is taken.
#include "app/hourglass_cursor.h"
#include "app/mod_main.h"
#include "app/running_flag.h"
#include "app/thumbnail_cell.h"
#include "app/toolkit/automatic_drag.h"
#include "app/toolkit/card_array.h"
#include "app/toolkit/image_control.h"
#include "app/vehicle_files.h"
#include "app/vehicle_text.h"
#include "app/window/frm_main.h"

#include <optional>
#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPixmap>
#include <QTimer>
#include <QUrl>

namespace {

// What a card dragged out of the window carries besides its file, so that a drop back onto the
// other pane copies it as the window's own drag does: "<array name>\n<card index>".
const QString kCardFormat = QStringLiteral("application/x-motorhall-card");

// The card a drag of this program carries, if it is one.
std::optional<toolkit::DragSource> ownCard(const QDropEvent& event) {
    if (!event.source() || !event.mimeData()->hasFormat(kCardFormat))
        return std::nullopt;
    const QList<QByteArray> parts = event.mimeData()->data(kCardFormat).split('\n');
    bool number = false;
    const int index = parts.size() == 2 ? parts[1].toInt(&number) : 0;
    if (!number)
        return std::nullopt;
    return toolkit::DragSource{QString::fromUtf8(parts[0]), index};
}

// The pane a dragged card came from.
std::uint8_t paneOfCard(const toolkit::DragSource& card) {
    return card.arrayName == QLatin1String("TesselGarmin") ? kGarminPane : kFilesPane;
}

// Watches the window for drags of other programs and answers them for the window.
class FileDropTarget : public QObject {
public:
    FileDropTarget(frmMain& form, QWidget* window)
        : QObject(window)
        , form_(form) {
        window->setAcceptDrops(true);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter: {
            // Taken for as long as some pane may take it, or no moves follow; each move then says
            // whether the place under the pointer takes it.
            auto* enter = static_cast<QDragEnterEvent*>(event);
            enter->setAccepted(takes(*enter));
            // Read while the drag is on its way: an X drop from another program may no longer
            // yield its data by the time it arrives.
            offered_ = enter->isAccepted() ? enter->mimeData()->urls() : QList<QUrl>();
            if (enter->isAccepted())
                enter->setDropAction(Qt::CopyAction);
            return true;
        }
        case QEvent::DragMove:
            answer(*static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::Drop:
            drop(*static_cast<QDropEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    // A drop is only ever taken as a copy: a move would have the other program delete what it
    // offered. An X drop carries only the action last proposed, so the offer of a copy is seen on
    // the way there and the drop itself is taken for a copy whatever it names.
    bool takes(const QDropEvent& event, bool dropped = false) const {
        return (dropped || (event.possibleActions() & Qt::CopyAction)) &&
               (ownCard(event) || event.mimeData()->hasUrls()) && !form_.dropRefused();
    }

    // The pane that would take the drop at the event's place, or -1.
    int paneFor(const QDropEvent& event, bool dropped = false) const {
        if (!takes(event, dropped))
            return -1;
        const int pane = form_.cardColumnAt(event.position().toPoint());
        // A card goes only to the other pane, as in the window's own drag.
        if (const auto card = ownCard(event); card && pane == paneOfCard(*card))
            return -1;
        return pane;
    }

    void answer(QDragMoveEvent& event) const {
        if (paneFor(event) < 0) {
            event.ignore();
            return;
        }
        event.setDropAction(Qt::CopyAction);
        event.accept();
    }

    void drop(QDropEvent& event) {
        const int pane = paneFor(event, true);
        if (pane < 0) {
            event.ignore();
            return;
        }
        event.setDropAction(Qt::CopyAction);
        event.accept();
        QList<QUrl> urls = event.mimeData()->urls();
        if (urls.isEmpty())
            urls = offered_;
        form_.takeDrop(static_cast<std::uint8_t>(pane), ownCard(event), std::move(urls));
    }

    frmMain& form_;
    // The files the drag under way offered when it entered the window.
    QList<QUrl> offered_;
};

// A dropped item named for the user: a local file by its path, anything else by its address.
QString itemName(const QUrl& url) {
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
}

} // namespace

void frmMain::wireFileDragAndDrop() {
    new FileDropTarget(*this, window_.get());
    drag->LeftWindow = std::bind_front(&frmMain::StartFileDrag, this);
}

bool frmMain::dropRefused() const {
    return dropPending_ || fileWorkRunning_ || isBusy() || QApplication::activeModalWidget();
}

int frmMain::cardColumnAt(const QPoint& windowPosition) {
    for (QWidget* w = window_->childAt(windowPosition); w && w != window_.get();
         w = w->parentWidget()) {
        for (const std::uint8_t paneByte : {kFilesPane, kGarminPane}) {
            const Pane pane = paneOf(paneByte);
            if (w == pane.cardsArea)
                return paneByte;
            for (int k = 1; k <= kCardsPerPane; ++k) {
                if (pane.cards->exists(k) && pane.cards->item(k)->widget() == w)
                    return paneByte;
            }
        }
    }
    return -1;
}

void frmMain::takeDrop(std::uint8_t pane, std::optional<toolkit::DragSource> card,
                       QList<QUrl> urls) {
    dropPending_ = true;
    QTimer::singleShot(0, window_.get(), [this, pane, card, urls = std::move(urls)] {
        dropPending_ = false;
        if (closed())
            return;
        if (!card) {
            DropFiles(pane, urls);
        } else if (pane == kGarminPane) {
            CopyVehicleToGarmin(*card);
        } else {
            CopyVehicleFromGarmin(*card);
        }
    });
}

void frmMain::DropFiles(std::uint8_t pane, const QList<QUrl>& urls) {
    if (fileWorkRunning_ || isBusy())
        return;
    const RunningFlag running(fileWorkRunning_);
    QStringList passedOver;
    for (const QUrl& url : urls) {
        if (closed())
            return;
        const QString path = url.toLocalFile();
        const QFileInfo info(path);
        // Links are followed to what they name; the stamp is only had of a regular file.
        const std::optional<FileStamp> stamp =
            url.isLocalFile() && !info.isDir() &&
                    info.fileName().endsWith(QLatin1String(".srf"), Qt::CaseInsensitive)
                ? vehicleFileStamp(path)
                : std::nullopt;
        if (!stamp) {
            passedOver.append(itemName(url));
            continue;
        }
        VehicleRecord record;
        record.FileName = info.fileName();
        record.FileDate = fileDateText(
            QDateTime::fromMSecsSinceEpoch(stamp->seconds * 1000 + stamp->nanoseconds / 1000000));
        cAlphaSurface vehicle;
        // As the scan reads a listed file: one that cannot be read is copied with empty texts.
        record.Loaded = vehicle.CreateFromGarminSRF(QFile::encodeName(path).toStdString()) != 0;
        record.SRFType = srfTypeText(vehicle.SRFType());
        record.Size3D = sizeText(vehicle.Width3D(), vehicle.Height3D());
        record.Size2D = sizeText(vehicle.Width2D(), vehicle.Height2D());
        record.StripX = 0;
        // One cell of a strip, painted as the scan paints a listed vehicle's.
        cAlphaSurface cell;
        cell.Create(kStripCellSize + 1, kStripHeight);
        FillRectangle(cell.hDC(), 1, 1, kStripCellSize + 1, kStripHeight, kWhite);
        const ThumbnailBlock block = thumbnailBlock(0, vehicle.Width3D(), vehicle.Height3D());
        if (block.width > 0 && block.height > 0)
            vehicle.AlphaPaintPicture(cell.hDC(), block.x, block.y, block.width, block.height,
                                      block.sourceX, block.sourceY, 255);
        vehicle.Destroy();
        CopyDroppedVehicle(pane, {path, record, &cell});
    }
    if (passedOver.isEmpty())
        return;
    tellFailure(QCoreApplication::translate("frmMain::FileDrop", "Not Copied"),
                QCoreApplication::translate(
                    "frmMain::FileDrop", "Only vehicle files (files ending in .srf) can be copied. "
                                         "These were passed over:") +
                    QStringLiteral("\r\n") + passedOver.join(QStringLiteral("\r\n")));
}

std::unique_ptr<QMimeData> frmMain::fileDragData(const toolkit::DragSource& card) {
    const Pane pane = paneOf(paneOfCard(card));
    if (card.arrayName != QLatin1String(pane.byte == kGarminPane ? "TesselGarmin" : "TesselFiles"))
        return nullptr;
    const int number = card.index + pane.scroll->Value() - 1;
    if (number < 1 || number > pane.count)
        return nullptr;
    // The pane's own folder: for the Garmin pane the navigator, not the copy in the working
    // folder.
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(pane.folder + QLatin1Char('/') +
                                       pane.catalogue[number - 1].FileName)});
    data->setData(kCardFormat, card.arrayName.toUtf8() + '\n' + QByteArray::number(card.index));
    return data;
}

void frmMain::StartFileDrag(const toolkit::DragSource& card, QWidget* control,
                            const QPoint& grabOffset) {
    // A scan, copy or deletion changes the catalogues while it yields; the card may show another
    // vehicle by the time a drop arrives.
    if (fileWorkRunning_ || isBusy() || !control)
        return;
    std::unique_ptr<QMimeData> data = fileDragData(card);
    if (!data)
        return;
    auto* systemDrag = new QDrag(control);
    systemDrag->setMimeData(data.release());
    systemDrag->setPixmap(control->grab());
    systemDrag->setHotSpot(grabOffset);
    // The file is offered for a copy only: nothing the other program does removes it here.
    systemDrag->exec(Qt::CopyAction, Qt::CopyAction);
}
