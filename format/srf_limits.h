// The largest vehicle the program accepts. Real vehicle files are under 2 MiB and decode into
// about half a million pixels; the limits keep a damaged or crafted file from making the program
// read, copy or allocate without bound.
#pragma once

#include <cstdint>

namespace srf {

// A file larger than this is not a vehicle: it is never read and never copied.
constexpr std::uint64_t kMaxVehicleFileBytes = 64ull * 1024 * 1024;
// A vehicle whose surface would hold more pixels than this (64 MiB at four bytes a pixel) is
// refused before anything is allocated.
constexpr std::int64_t kMaxVehicleSurfacePixels = 16ll * 1024 * 1024;

} // namespace srf
