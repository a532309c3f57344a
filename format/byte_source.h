// Where the SRF reader takes its bytes from: a file or a buffer in memory. Every read is
// checked against what remains, so a length declared in the data can never make the reader
// allocate or read beyond the end of its source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace srf {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Bytes not yet consumed.
    virtual std::uint64_t remaining() const = 0;
    // Fills `out` completely, or returns false when fewer bytes remain or reading fails.
    virtual bool read(std::span<std::uint8_t> out) = 0;
    // Passes over `size` bytes; false when fewer remain.
    virtual bool skip(std::uint64_t size) = 0;
    // The next `size` bytes as one block: a view of the source's own memory, or a copy made
    // in `storage` (which then owns the block). No value when fewer bytes remain, reading
    // fails or the copy cannot be allocated.
    virtual std::optional<std::span<const std::uint8_t>>
    readBlock(std::size_t size, std::vector<std::uint8_t>& storage) = 0;
};

} // namespace srf
