// Reads an SRF file's header and its two image records, in file order, with every length
// checked against what remains of the data. Nothing beyond what decoding needs is validated:
// the type string and the skipped fields are taken as they are, and block lengths are not
// compared with the image size (a short block is found when decoding reaches its end).
#pragma once

#include "format/byte_source.h"
#include "format/srf_record.h"

#include <filesystem>

namespace srf {

SrfReadResult readSrf(ByteSource& source);

// Opens the file read-only, reads it and closes it again before returning, whatever happened.
SrfReadResult readSrfFile(const std::filesystem::path& path);

// The blocks of the result are views of `bytes`, which must outlive it.
SrfReadResult readSrfBytes(std::span<const std::uint8_t> bytes);

} // namespace srf
