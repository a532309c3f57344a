// One vehicle of a pane's catalogue: where its thumbnail sits in the pane's strip and the four
// texts its card shows, and whether its file was read as a vehicle.
#pragma once

#include "app/vehicle_files.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <QString>

struct VehicleRecord {
    std::int32_t StripX = 0; // x of the vehicle's 100-pixel cell in the thumbnail strip
    QString FileName;        // as the folder listing gave it, with extension
    QString SRFType;
    QString Size3D; // "80x80"
    QString Size2D;
    QString FileDate;
    // Whether the scan read the file as a vehicle; one it could not read shows "0x0,0x0" and is
    // no vehicle the navigator can show.
    bool Loaded = false;
    // Size and last change of the file the record and its cell were read from (for the navigator's
    // pane its copy in the working folder), taken before it was read: a later scan that finds the
    // file with the same stamp takes both up without reading it again.
    std::optional<FileStamp> ReadStamp;
    // How far right of StripX the thumbnail begins; 0 for one that covers the cell's first column.
    std::int32_t ThumbnailLeft = 0;
    // The cell's first column as the scan painted it on the white of any cell but the strip's
    // first, kept for a thumbnail that covers it: copies between the panes may leave other pixels
    // there, which a later scan that takes the cell up must not keep.
    std::shared_ptr<const std::array<std::uint32_t, 100>> FirstColumn;
};
