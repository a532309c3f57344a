#include "platform/picture/picture_completeness.h"

namespace {

constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint64_t kHeaderBytes = 6; // "GIF87a" or "GIF89a"
constexpr std::uint64_t kScreenDescriptorBytes = 7;
constexpr std::uint64_t kImageDescriptorBytes = 9; // after the separator

// The size of the colour table a descriptor's flags byte announces.
std::uint64_t colourTableBytes(std::uint8_t flags) {
    return (flags & 0x80) ? std::uint64_t{3} << ((flags & 0x07) + 1) : 0;
}

// Passes over a chain of data sub-blocks, each led by its length, up to the empty one that ends
// it. False when the chain runs past the end of the file.
bool skipSubBlocks(std::span<const std::uint8_t> file, std::uint64_t& at) {
    for (;;) {
        if (at >= file.size())
            return false;
        const std::uint8_t length = file[at++];
        if (length == 0)
            return true;
        at += length;
    }
}

} // namespace

bool gifHoldsEveryPixel(std::span<const std::uint8_t> file) {
    if (file.size() < kHeaderBytes + kScreenDescriptorBytes)
        return false;
    std::uint64_t at = kHeaderBytes + kScreenDescriptorBytes;
    at += colourTableBytes(file[kHeaderBytes + 4]);
    for (;;) {
        if (at >= file.size())
            return false;
        const std::uint8_t block = file[at++];
        if (block == kExtensionIntroducer) {
            // Its label, then its data.
            ++at;
            if (!skipSubBlocks(file, at))
                return false;
        } else if (block == kImageSeparator) {
            if (file.size() - at < kImageDescriptorBytes)
                return false;
            at += kImageDescriptorBytes + colourTableBytes(file[at + kImageDescriptorBytes - 1]);
            // The code size, then the image data.
            ++at;
            return skipSubBlocks(file, at);
        } else {
            // The trailer before any image, or what no GIF holds: the reader shows no picture.
            return true;
        }
    }
}
