// A byte source over a caller's buffer; blocks are views of that buffer, nothing is copied.
#pragma once

#include "format/byte_source.h"

namespace srf {

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes)
        : bytes_(bytes) {}

    std::uint64_t remaining() const override { return bytes_.size() - position_; }
    bool read(std::span<std::uint8_t> out) override;
    bool skip(std::uint64_t size) override;
    std::optional<std::span<const std::uint8_t>>
    readBlock(std::size_t size, std::vector<std::uint8_t>& storage) override;

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace srf
