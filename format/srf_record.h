// What the reader takes from an SRF file: the type string and, for each of the two images, its
// size and its two blocks exactly as they were read.
#pragma once

#include "format/srf_layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace srf {

struct SrfImage {
    std::int16_t height = 0;
    std::int16_t width = 0;
    bool longHeader = false;                    // the image header was the 28-byte variant
    std::span<const std::uint8_t> transparency; // one byte per pixel, rows top-down
    std::span<const std::uint8_t> colour;       // one 16-bit word per pixel, rows top-down
};

// Move-only: the blocks may be views of the record's own storage (a file read) or of the
// caller's buffer (a read from memory, which must then outlive the record).
struct SrfFile {
    std::array<std::uint8_t, kTypeStringSize> type{};
    SrfImage image3d;
    SrfImage image2d;
    // Owns the blocks copied out of a file: transparency and colour of the 3D image, then of
    // the 2D image. Moving the record keeps the views valid.
    std::array<std::vector<std::uint8_t>, 4> storage;

    SrfFile() = default;
    SrfFile(SrfFile&&) = default;
    SrfFile& operator=(SrfFile&&) = default;
    SrfFile(const SrfFile&) = delete;
    SrfFile& operator=(const SrfFile&) = delete;
};

enum class SrfReadError {
    None,
    CannotOpen,      // missing, not a regular file, no access
    Truncated,       // the data ends inside a header or a length field
    NegativeSize,    // an image height or width below zero
    EmptyBlock,      // a declared block length below 1
    BlockBeyondFile, // a declared block longer than what remains of the data
    OutOfMemory,     // a block that fits in the file but cannot be allocated
    ReadFailed,      // the system reported an error, or the file shrank while being read
};

struct SrfReadResult {
    SrfReadError error = SrfReadError::CannotOpen;
    SrfFile file; // complete only when ok()

    bool ok() const { return error == SrfReadError::None; }
};

} // namespace srf
