// The listing of a pane's folder into its catalogue.
#include "app/frm_main.h"
#include "app/vehicle_files.h"

void frmMain::ListVehicleFiles(std::uint8_t paneByte) {
    const Pane pane = paneOf(paneByte);
    const QString temp = workingFolder();
    // The working folder is made for both panes; without it neither pane shows a vehicle.
    if (!ensureFolder(temp)) {
        pane.count = 0;
        return;
    }
    pane.count = 0;
    const std::optional<QStringList> names = listVehicleFileNames(pane.folder);
    if (!names)
        return;
    const QString folder = pane.folder;
    std::int32_t count = 0;
    for (const QString& name : *names) {
        const std::int32_t k = count++;
        if (k >= CatalogueCapacity) {
            pane.count = 0;
            return;
        }
        pane.catalogue[k].FileName = name;
        // The navigator's vehicles are read from local copies; the scan only dates the originals.
        if (pane.byte == GarminPane &&
            !replaceFileCopy(folder + QLatin1Char('/') + name, temp + QLatin1Char('/') + name)) {
            pane.count = 0;
            return;
        }
    }
    pane.count = count;
}
