// Little-endian numbers at a position of a file's bytes, none when they lie beyond its end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace picture_bytes {

inline std::optional<std::uint16_t> u16(std::span<const std::uint8_t> bytes, std::uint64_t at) {
    if (at > bytes.size() || bytes.size() - at < 2)
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::optional<std::uint32_t> u32(std::span<const std::uint8_t> bytes, std::uint64_t at) {
    if (at > bytes.size() || bytes.size() - at < 4)
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace picture_bytes
