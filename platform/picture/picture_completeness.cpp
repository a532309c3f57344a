#include "platform/picture/picture_completeness.h"

#include <algorithm>
#include <string_view>

namespace {

bool startsWith(std::span<const std::uint8_t> file, std::string_view magic) {
    return file.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), file.begin(),
                      [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
}

} // namespace

bool holdsEveryPixel(std::span<const std::uint8_t> file) {
    if (startsWith(file, "BM"))
        return bitmapHoldsEveryPixel(file);
    if (startsWith(file, "GIF87a") || startsWith(file, "GIF89a"))
        return gifHoldsEveryPixel(file);
    return true;
}
