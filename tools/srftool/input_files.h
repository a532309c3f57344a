// Opening the files the commands read: a user's vehicle files and pictures, each opened once
// through files::RegularFile (without waiting, checked on the open descriptor, read no further
// than the size it had then) and read from that one open file.
#pragma once

#include "platform/files/regular_file.h"
#include "tools/srftool/output_files.h"

#include <cstdint>
#include <optional>
#include <string>

namespace srftool {

// Why a file could not be opened or looked at (RegularFile::Failure open or status), in the
// system's words; "no such file" for a missing one.
std::string openFailure(const files::RegularFile& file);

// Opens `path` as the program opens a vehicle: only a regular file no larger than
// srf::kMaxVehicleFileBytes is kept open in `file`; otherwise the reason.
Failure openVehicleFile(const std::string& path, files::RegularFile& file);

// The sum modulo 256 of the bytes the file held when it was opened; nothing when it cannot be
// read whole.
std::optional<std::uint8_t> byteSumOf(const files::RegularFile& file);

} // namespace srftool
