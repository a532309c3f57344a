#include "platform/picture/little_endian.h"
#include "platform/picture/picture_completeness.h"

#include <algorithm>
#include <cstdlib>

namespace {

using picture_bytes::u16;
using picture_bytes::u32;

constexpr std::uint64_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12; // BITMAPCOREHEADER: 16-bit sizes, 3-byte colours
constexpr std::uint32_t kInfoHeaderBytes = 40; // BITMAPINFOHEADER and the longer ones after it

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;

struct Layout {
    std::int64_t width = 0;
    std::int64_t rows = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t sizeImage = 0;
    // Where the colour table (or the masks before it) ends.
    std::uint64_t tableEnd = 0;
};

std::optional<Layout> readLayout(std::span<const std::uint8_t> file) {
    const std::optional<std::uint32_t> headerBytes = u32(file, kFileHeaderBytes);
    if (!headerBytes || kFileHeaderBytes + *headerBytes > file.size())
        return std::nullopt;
    Layout layout;
    std::uint64_t colours = 0;
    std::uint64_t colourBytes = 4;
    std::uint64_t masks = 0;
    if (*headerBytes == kCoreHeaderBytes) {
        layout.width = *u16(file, 18);
        layout.rows = *u16(file, 20);
        layout.bitCount = *u16(file, 24);
        colourBytes = 3;
    } else if (*headerBytes >= kInfoHeaderBytes) {
        layout.width = static_cast<std::int32_t>(*u32(file, 18));
        // A negative height is a top-down bitmap of as many rows.
        layout.rows =
            std::abs(static_cast<std::int64_t>(static_cast<std::int32_t>(*u32(file, 22))));
        layout.bitCount = *u16(file, 28);
        layout.compression = *u32(file, 30);
        layout.sizeImage = *u32(file, 34);
        colours = *u32(file, 46);
        // The colour masks follow a 40-byte header; the longer headers hold them.
        if (*headerBytes == kInfoHeaderBytes && layout.compression == BI_BITFIELDS)
            masks = 12;
        if (*headerBytes == kInfoHeaderBytes && layout.compression == BI_ALPHABITFIELDS)
            masks = 16;
    } else {
        return std::nullopt;
    }
    // Only bitmaps of up to 8 bits a pixel have a colour table: its declared size, or one colour
    // for every value a pixel can have.
    if (layout.bitCount > 8)
        colours = 0;
    else if (colours == 0)
        colours = std::uint64_t{1} << layout.bitCount;
    layout.tableEnd = kFileHeaderBytes + *headerBytes + masks + colours * colourBytes;
    return layout;
}

// Walks run-length data as the reader decodes it: every row must be filled to its end before
// its end-of-line, no delta may skip pixels, and the data may end only after the last row.
bool runsSetEveryPixel(std::span<const std::uint8_t> data, const Layout& layout) {
    const bool fourBits = layout.compression == BI_RLE4;
    std::uint64_t at = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    while (y < layout.rows) {
        if (data.size() - at < 2)
            return false;
        const std::uint8_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count > 0) {
            x += count;
            continue;
        }
        switch (code) {
        case 0: // end of line
            if (x < layout.width)
                return false;
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return y == layout.rows - 1 && x >= layout.width;
        case 2: // delta: moves on by the next two bytes, leaving the pixels between unset
            if (data.size() - at < 2 || data[at] != 0 || data[at + 1] != 0)
                return false;
            at += 2;
            break;
        default: { // `code` pixels given one by one, padded to an even number of bytes
            const std::uint64_t bytes = fourBits ? (code + 1u) / 2 : code;
            if (data.size() - at < bytes + (bytes & 1))
                return false;
            at += bytes + (bytes & 1);
            x += code;
        }
        }
    }
    return true;
}

} // namespace

bool bitmapHoldsEveryPixel(std::span<const std::uint8_t> file) {
    const std::optional<std::uint32_t> pixelOffset = u32(file, 10);
    const std::optional<Layout> layout = readLayout(file);
    if (!pixelOffset || !layout)
        return false;
    // The reader takes the pixels from the offset, or from the end of the colour table when the
    // offset points into it.
    const std::uint64_t start = std::max<std::uint64_t>(*pixelOffset, layout->tableEnd);
    if (start > file.size())
        return false;
    // A bitmap without pixels shows nothing; the reader refuses it.
    if (layout->width <= 0 || layout->rows == 0)
        return true;
    const std::uint64_t available = file.size() - start;
    switch (layout->compression) {
    case BI_RGB:
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS: {
        // Rows of whole 32-bit words.
        const std::uint64_t rowBytes =
            (static_cast<std::uint64_t>(layout->width) * layout->bitCount + 31) / 32 * 4;
        return rowBytes == 0 || static_cast<std::uint64_t>(layout->rows) <= available / rowBytes;
    }
    case BI_RLE8:
    case BI_RLE4:
        if (layout->sizeImage > available)
            return false;
        return runsSetEveryPixel(file.subspan(start), *layout);
    default:
        // A compression the reader does not take: it refuses the file.
        return true;
    }
}
