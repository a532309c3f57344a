// The main window's form-level state: the two folders, each pane's catalogue, strip, ready flag
// and card counter, the selection, the last card button, the key code that cancels a scan, the
// activation flag and the preview's state. One record belongs to the window and lives as long as
// it; every part of the window reads and writes its fields directly.
#pragma once

#include "app/vehicle_record.h"
#include "surface/alpha_surface.h"

#include <array>
#include <cstdint>
#include <memory>
#include <QString>

constexpr int kCatalogueCapacity = 200;
using Catalogue = std::array<VehicleRecord, kCatalogueCapacity>;

struct FormState {
    QString fileDir;   // local vehicle folder, without a trailing separator
    QString garminDir; // the navigator's vehicle folder
    std::int32_t filesCount = 0;
    std::int32_t garminCount = 0;
    Catalogue filesCatalogue;
    Catalogue garminCatalogue;
    // Surfaces are null until a part of the window first needs them.
    std::unique_ptr<cAlphaSurface> filesStrip;
    std::unique_ptr<cAlphaSurface> garminStrip;
    std::uint8_t filesReady = 0;
    std::uint8_t garminReady = 0;
    std::int32_t filesCardsLoaded = 0;
    std::int32_t garminCardsLoaded = 0;
    std::uint8_t selectedPane = 0;
    std::int32_t selectedIndex = 0; // 1-based number of the vehicle on the card last clicked
    std::int32_t cardMouseButton = 0;
    std::int32_t keyPressed = 0; // non-zero cancels a running scan
    std::uint8_t activated = 0;
    std::int32_t previewFrame = 0;
    std::int32_t previewWidth = 0;
    std::int32_t previewHeight = 0;
    std::int32_t previewWidth2D = 0;
    std::int32_t previewHeight2D = 0;
    std::unique_ptr<cAlphaSurface> previewCanvas;
    std::unique_ptr<cAlphaSurface> previewBackdrop;
    std::unique_ptr<cAlphaSurface> previewVehicle;
    std::unique_ptr<cAlphaSurface> previewPatch;
};
