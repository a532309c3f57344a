// Byte layout of an SRF vehicle file. Every multi-byte integer is little-endian two's
// complement and records follow each other with no padding: the file header, then the image
// record of the 3D strip, then that of the 2D image, then the file's trailer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace srf {

// The file header: the 16-byte type string, then bytes the reader passes over.
constexpr std::size_t kTypeStringSize = 16;
constexpr std::size_t kFileHeaderSize = 71;

// The image header, usual variant: height and width among fields the reader passes over.
constexpr std::size_t kImageHeaderSize = 24;
constexpr std::size_t kImageHeightOffset = 12;
constexpr std::size_t kImageWidthOffset = 14;

// Some vehicles carry a longer image header, recognised by its first two int32 fields. Height
// and width sit at the same offsets; the extra four bytes come at its end.
constexpr std::size_t kLongImageHeaderSize = 28;
constexpr std::int32_t kLongImageHeaderTag = 13;
constexpr std::int32_t kLongImageHeaderLength = 20;

// Each block (transparency, then colour) is preceded by four bytes the reader passes over and
// its int32 length in bytes.
constexpr std::size_t kBlockPrefixSkipped = 4;
constexpr std::size_t kBlockLengthSize = 4;

// A transparency byte runs from 0 (opaque) to this value (fully transparent).
constexpr std::uint8_t kMaxTransparency = 128;

// The trailer of the navigator's own files: after the last image record, bytes of kTrailerFill
// up to a length that is a whole number of kFileBlockSize blocks, the last of them a checksum
// that makes the byte sum of the whole file 0 modulo 256. The reader passes over whatever follows
// the records, so files with and without a trailer read alike.
constexpr std::size_t kFileBlockSize = 256;
constexpr std::uint8_t kTrailerFill = 0xFF;

} // namespace srf
