// The window started on a vehicle file or a folder ("Open with" of a file manager): the Files
// pane shows its folder, with the vehicle selected and previewed.
#include "app/toolkit/vscroll_bar.h"
#include "app/window/frm_main.h"

#include <algorithm>

void frmMain::setStartTarget(const StartTarget& target) {
    startTarget_ = target;
}

void frmMain::showStartVehicle() {
    if (!startTarget_ || startTarget_->vehicleName.isEmpty() || closed())
        return;
    const Pane pane = paneOf(kFilesPane);
    const auto first = pane.catalogue.begin();
    const auto last = first + pane.count;
    auto entry = std::find_if(first, last, [this](const VehicleRecord& record) {
        return record.FileName == startTarget_->vehicleName;
    });
    // A volume that ignores letter case lists the name as it is spelled on disk.
    if (entry == last)
        entry = std::find_if(first, last, [this](const VehicleRecord& record) {
            return record.FileName.compare(startTarget_->vehicleName, Qt::CaseInsensitive) == 0;
        });
    if (entry == last)
        return;
    const std::int32_t number = static_cast<std::int32_t>(entry - first) + 1;
    // As a click on its card selects it: the menu's Preview and Delete take this vehicle.
    state.selectedPane = kFilesPane;
    state.selectedIndex = number;
    // Shown on the first card, or as far down as the pane scrolls.
    const int value = pane.scroll->Value();
    if (number < value || number > value + kCardsPerPane - 1)
        pane.scroll->setValue(static_cast<std::int16_t>(std::min<int>(number, pane.scroll->Max())));
    if (closed())
        return;
    mnuPreviewClick();
}
