// What a vehicle copied into a folder would replace there beyond the vehicle listed under its
// very name: a navigator's file system ignores letter case, so "car.srf" written there replaces
// "CAR.SRF".
#pragma once

#include "app/vehicle_record.h"

#include <cstdint>
#include <QString>
#include <span>

struct TargetOccupant {
    // Something is there under the name, or under one the file system takes for it.
    bool present = false;
    // The listed vehicle that is that entry of the folder; -1 when none is.
    std::int32_t entry = -1;
    bool operator==(const TargetOccupant&) const = default;
};

// Looks at the target path itself (never following a link) for a file the copy of `name` would
// replace. When the folder holds that very name, it is a file of its own, which no entry lists
// (the caller has compared the names exactly). Otherwise the file system found another name for
// it, and the entry that names it is the one that is the same file, or, where the file system
// gives each name a number of its own, the one whose name differs only in letter case.
TargetOccupant occupantOf(const QString& folder, const QString& name,
                          std::span<const VehicleRecord> entries);
