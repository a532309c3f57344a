// Cards dropped on the other pane. This is where copying a vehicle between the panes plugs in;
// for now a drop is only checked for its source, as the copy will check it, and does nothing.
#include "app/frm_main.h"
#include "app/toolkit/drag_source.h"

void frmMain::CopyVehicleToGarmin(const toolkit::DragSource& source) {
    // Only a card of the Files pane is copied to the navigator.
    if (source.arrayName != QLatin1String("TesselFiles"))
        return;
}

void frmMain::CopyVehicleFromGarmin(const toolkit::DragSource& source) {
    // Only a card of the Garmin pane is copied to the local folder.
    if (source.arrayName != QLatin1String("TesselGarmin"))
        return;
}
