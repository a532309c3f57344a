#include "format/memory_byte_source.h"

#include <algorithm>

namespace srf {

bool MemoryByteSource::read(std::span<std::uint8_t> out) {
    if (out.size() > remaining())
        return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), out.size(), out.begin());
    position_ += out.size();
    return true;
}

bool MemoryByteSource::skip(std::uint64_t size) {
    if (size > remaining())
        return false;
    position_ += static_cast<std::size_t>(size);
    return true;
}

std::optional<std::span<const std::uint8_t>>
MemoryByteSource::readBlock(std::size_t size, std::vector<std::uint8_t>&) {
    if (size > remaining())
        return std::nullopt;
    const auto block = bytes_.subspan(position_, size);
    position_ += size;
    return block;
}

} // namespace srf
